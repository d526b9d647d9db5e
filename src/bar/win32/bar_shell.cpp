// The bar among the shell's windows: its notification icon, the running copy of the same bar that a second start
// brings back, the shell's restart and its notices to a desktop toolbar, the modal window that comes to the front, and
// the menu "Fichier".
#include "bar/win32/bar_view.h"
// After bar_view.h, which includes windows.h.
#include <windowsx.h>

#include <utility>

#include "bar/tray.h"
#include "bar/win32/bar_ids.h"
#include "bar/win32/running_bar.h"
#include "platform/paths.h"
#include "platform/win32/pictures.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/twips.h"
#include "resources/resource_ids.h"

namespace zudav::win32 {
namespace {

constexpr UINT kTrayRetryInterval = 2000;

}  // namespace

// The notification area asks for icons at the small icon's size at the system's DPI (not the window's monitor's).
int BarView::TrayIconSize() {
    return SystemMetricAtDpi(SM_CXSMICON, SystemDpi());
}

// The bar's own icon file drawn at that size, not its large picture scaled down by the shell; the built-in picture
// when the bar has none (which would leave an empty, unfindable place) or its file does not load.
UniqueIcon BarView::MakeTrayPicture() const {
    if (loadedSmallIcon_) {
        return UniqueIcon(CopyIcon(loadedSmallIcon_.Get()));
    }
    static const auto loadIconMetric = SystemFunction<decltype(::LoadIconMetric)>(L"comctl32.dll", "LoadIconMetric");
    HICON builtIn = nullptr;
    if (loadIconMetric != nullptr &&
        SUCCEEDED(loadIconMetric(instance_, MAKEINTRESOURCEW(IDI_ZUDAV), LIM_SMALL, &builtIn))) {
        return UniqueIcon(builtIn);
    }
    return LoadResourceIcon(instance_, IDI_ZUDAV, 16, WindowDpi(nullptr));
}

// The notification icon with its picture and its tooltip, which names the bar.
NOTIFYICONDATAW BarView::TrayIconData() {
    const TrayIconFields fields =
        DescribeTrayIcon(Caption(), principal_ != nullptr ? principal_->Model().Application() : std::wstring());
    trayPicture_ = MakeTrayPicture();  // the shell keeps a copy of the picture
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = kTrayIconId;
    data.uFlags = fields.flags;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = trayPicture_.Get();
    lstrcpynW(data.szTip, fields.tip.c_str(), ARRAYSIZE(data.szTip));
    return data;
}

// An add that timed out while the shell was busy may still have added the icon: it then takes a change. Version 4
// adds the keyboard's codes (NIN_KEYSELECT, WM_CONTEXTMENU) to the mouse's.
bool BarView::AddTrayIcon() {
    NOTIFYICONDATAW data = TrayIconData();
    trayIconShown_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE || Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
    if (trayIconShown_) {
        data.uVersion = NOTIFYICON_VERSION_4;
        Shell_NotifyIconW(NIM_SETVERSION, &data);
    }
    return trayIconShown_;
}

void BarView::SetTrayRetryTimer(bool enabled) {
    if (enabled) {
        SetTimer(window_, kTrayRetryTimer, kTrayRetryInterval, nullptr);
    } else {
        KillTimer(window_, kTrayRetryTimer);
    }
}

// The user started this bar: this process may take the foreground, and hands that right to the bar that runs.
void BarView::BringBackRunningCopy(const std::wstring& application) {
    HWND found = FindBarWindow(application);
    if (found == nullptr) {
        return;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(found, &processId);
    AllowSetForegroundWindow(processId);
    PostMessageW(found, startedAgain_, 0, 0);
}

BarView::Answer BarView::OnStartedAgain() {
    if (principal_ != nullptr) {
        principal_->OnStartedAgain();
    }
    return 0;
}

BarView::Answer BarView::OnTaskbarCreated() {
    if (principal_ != nullptr) {
        principal_->OnShellRestarted();
    }
    return 0;
}

void BarView::BringToFront() {
    SetForegroundWindow(window_);
    if (topmost_) {
        MakeTopmost();
    }
}

// A new name or icon of the bar (from its configuration) shows on its notification icon at once.
void BarView::UpdateTrayIcon() {
    if (trayIconShown_) {
        NOTIFYICONDATAW data = TrayIconData();
        Shell_NotifyIconW(NIM_MODIFY, &data);
    }
}

void BarView::RemoveTrayIcon() {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = kTrayIconId;
    Shell_NotifyIconW(NIM_DELETE, &data);
    trayIconShown_ = false;
    trayPicture_.Reset();
}

// After a menu opened from the keyboard on the icon, as version 4 asks.
void BarView::GiveKeyboardToTrayIcon() {
    if (trayIconShown_) {
        NOTIFYICONDATAW data{};
        data.cbSize = sizeof data;
        data.hWnd = window_;
        data.uID = kTrayIconId;
        Shell_NotifyIconW(NIM_SETFOCUS, &data);
    }
}

// Version 4: the code and the icon's id in lParam, where the icon is in wParam (the anchor of a menu opened from the
// keyboard); a shell that refused the version sends the id in wParam and the mouse code alone.
BarView::Answer BarView::OnTrayIcon(WORD code, WORD icon, WPARAM anchor) {
    if (principal_ != nullptr && icon == kTrayIconId) {
        principal_->OnTrayMessage(static_cast<std::uint32_t>(code),
                                  PixelPoint{GET_X_LPARAM(anchor), GET_Y_LPARAM(anchor)});
    } else if (principal_ != nullptr && icon == 0 && anchor == kTrayIconId) {
        principal_->OnTrayMessage(static_cast<std::uint32_t>(code));
    }
    return 0;
}

namespace {

// A window the user can act on among those the bar owns, directly or through another: the modal window that is open
// is enabled and has a caption, while the windows under it are disabled and tooltips have none.
bool ActsForTheBar(HWND window, HWND bar) {
    return window != bar && IsWindowVisible(window) && IsWindowEnabled(window) &&
           (GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION &&
           GetAncestor(window, GA_ROOTOWNER) == bar;
}

BOOL CALLBACK FindModalWindow(HWND window, LPARAM found) {
    auto* search = reinterpret_cast<std::pair<HWND, HWND>*>(found);  // the bar, then what was found
    if (ActsForTheBar(window, search->first)) {
        search->second = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

// The window system remembers the owned window that was active last (a message box over the configuration window,
// say); when that one is gone, the enabled one among the bar's windows is the modal window at the top.
void BarView::BringModalToFront() {
    HWND modal = GetLastActivePopup(window_);
    if (!ActsForTheBar(modal, window_)) {
        std::pair<HWND, HWND> search{window_, nullptr};
        EnumThreadWindows(GetCurrentThreadId(), FindModalWindow, reinterpret_cast<LPARAM>(&search));
        modal = search.second;
    }
    if (modal != nullptr) {
        SetForegroundWindow(modal);
    }
}

void BarView::PopupMenuAide(bool proposIsDefault, std::optional<PixelPoint> place) {
    HMENU popup = GetSubMenu(menu_.Get(), 0);
    SetMenuDefaultItem(popup, proposIsDefault ? IDM_PROPOS : static_cast<UINT>(-1), FALSE);
    POINT at{};
    if (place) {
        at = {place->x, place->y};
    } else if (std::exchange(menuAtFocus_, false)) {
        const RECT action = ElementPlace(kActionElement);  // opened from the keyboard: under "Action"
        at = {action.left, action.bottom};
        ClientToScreen(window_, &at);
    } else {
        GetCursorPos(&at);
    }
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(window_);
    openMenu_ = kActionElement;
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
    openMenu_.reset();
    PostMessageW(window_, WM_NULL, 0, 0);
}

// The menu's commands (notification code 0).
BarView::Answer BarView::OnCommand(WORD id, WORD code) {
    if (principal_ != nullptr && code == 0) {
        switch (id) {
            case IDM_CONFIGURATION:
                principal_->OnMenu(MenuCommand::Configuration);
                return 0;
            case IDM_RAFRAICHIR:
                principal_->OnMenu(MenuCommand::Rafraichir);
                return 0;
            case IDM_PROPOS:
                principal_->OnMenu(MenuCommand::Propos);
                return 0;
            case IDM_QUITTER:
                principal_->OnMenu(MenuCommand::Quitter);
                return 0;
            default:
                break;
        }
    }
    return std::nullopt;
}

// The shell's notices to the bar as a desktop toolbar.
BarView::Answer BarView::OnToolbarNotice(WPARAM notice, LPARAM lParam) {
    if (principal_ == nullptr) {
        return 0;
    }
    switch (notice) {
        case ABN_POSCHANGED:  // the taskbar or another toolbar moved, came or went
            principal_->OnDockingNotice(Principal::DockingNotice::ToolbarsMoved);
            break;
        case ABN_FULLSCREENAPP:
            principal_->OnFullScreenNotice(lParam != 0);
            break;
        default:
            break;
    }
    return 0;
}

}  // namespace zudav::win32
