#include "platform/win32/modal.h"

#include "platform/platform.h"
#include "platform/win32/twips.h"

namespace zudav::win32 {

void RunModal(HWND owner, HWND window, Platform& platform) {
    EnableWindow(owner, FALSE);
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
            platform.ShowHelp();
            continue;
        }
        if (inWindow && message.message == WM_KEYDOWN && (message.wParam == VK_RETURN || message.wParam == VK_ESCAPE)) {
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
    const TwipsScale scale = TwipsScale::ForWindow(reference);
    RECT rect{0, 0, scale.ToPixels(clientWidth), scale.ToPixels(clientHeight)};
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace zudav::win32
