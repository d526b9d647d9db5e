#include "platform/win32/modal.h"

#include "platform/help.h"
#include "platform/placement.h"
#include "platform/platform.h"
#include "platform/win32/twips.h"
#include "platform/win32/window_look.h"

namespace zudav::win32 {

void RunModal(HWND owner, HWND window, Platform& platform) {
    EnableWindow(owner, FALSE);
    DressWindow(window);  // in the program's look from its first paint
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    MSG message;
    while (IsWindow(window)) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the main loop
            break;
        }
        const bool inWindow = message.hwnd == window || IsChild(window, message.hwnd);
        if (message.message == WM_KEYDOWN && message.wParam == VK_F1) {
            ShowHelpOrTell(platform);
            continue;
        }
        // Enter presses the push button that has the focus, as in a dialog box; elsewhere it is the default button's.
        HWND focus = GetFocus();
        if (inWindow && message.message == WM_KEYDOWN && message.wParam == VK_RETURN && focus != nullptr &&
            IsChild(window, focus) &&
            (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0) {
            SendMessageW(focus, BM_CLICK, 0, 0);
            continue;
        }
        // A control that wants the key for itself keeps it, as in a dialog box: an open drop-down list closes on Enter
        // or Escape, and the window stays.
        const bool keyForControl =
            focus != nullptr && message.message == WM_KEYDOWN &&
            (SendMessageW(focus, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message)) &
             (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0;
        if (inWindow && !keyForControl && message.message == WM_KEYDOWN &&
            (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE)) {
            PostMessageW(window, WM_COMMAND, message.wParam == VK_RETURN ? IDOK : IDCANCEL, 0);
            continue;
        }
        if (inWindow && IsDialogMessageW(window, &message)) {
            continue;  // Tab and the arrow keys move between the controls
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    // Enabled again before the window goes, so the activation returns to the owner.
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
}

SIZE WindowSizeForClient(HWND reference, float clientWidth, float clientHeight, DWORD style, DWORD exStyle) {
    // The window opens on the monitor of its reference, at that monitor's DPI, with that DPI's frame.
    const int dpi = WindowDpi(reference);
    const PixelSize size = WindowSizeForClientTwips(clientWidth, clientHeight, dpi, FrameAtDpi(style, exStyle, dpi));
    return {size.width, size.height};
}

namespace {

Geometry ToGeometry(const RECT& r) {
    return {static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.right - r.left),
            static_cast<float>(r.bottom - r.top)};
}

struct OwnerAndArea {
    Geometry owner;
    Geometry area;
};

OwnerAndArea OwnerAndItsWorkArea(HWND owner) {
    RECT ownerRect{};
    GetWindowRect(owner, &ownerRect);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    return {ToGeometry(ownerRect), ToGeometry(monitor.rcWork)};
}

POINT ToPoint(const Geometry& g) {
    return {static_cast<LONG>(g.left), static_cast<LONG>(g.top)};
}

}  // namespace

POINT PlaceBesideOwner(HWND owner, SIZE size) {
    const auto [ownerRect, area] = OwnerAndItsWorkArea(owner);
    return ToPoint(PlaceBeside(ownerRect, {0, 0, static_cast<float>(size.cx), static_cast<float>(size.cy)}, area));
}

POINT PlaceOverOwner(HWND owner, SIZE size) {
    const auto [ownerRect, area] = OwnerAndItsWorkArea(owner);
    const float width = static_cast<float>(size.cx), height = static_cast<float>(size.cy);
    return ToPoint(KeepInside({ownerRect.left + (ownerRect.width - width) / 2,
                               ownerRect.top + (ownerRect.height - height) / 2, width, height},
                              area));
}

}  // namespace zudav::win32
