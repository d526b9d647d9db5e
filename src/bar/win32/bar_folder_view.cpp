// The menu of a slot's folder, beside the slot: the system's own menu, so that screen readers read it and it takes
// the light, dark and high-contrast looks; it scrolls when it is longer than the screen. A folder that takes long to
// read opens with what is known and opens again, whole, once it is read.
#include "bar/slot_geometry.h"
#include "bar/win32/bar_ids.h"
#include "bar/win32/bar_view.h"
// After windows.h, which bar_view.h includes.
#include <commctrl.h>

#include "platform/win32/twips.h"

namespace zudav::win32 {
namespace {

// A menu open now, drawn again with the pictures that came.
BOOL CALLBACK RedrawIfMenu(HWND window, LPARAM) {
    wchar_t name[16]{};
    if (GetClassNameW(window, name, 16) > 0 && std::wstring_view(name) == L"#32768") {
        InvalidateRect(window, nullptr, FALSE);
    }
    return TRUE;
}

void RedrawOpenMenus() {
    EnumThreadWindows(GetCurrentThreadId(), RedrawIfMenu, 0);
}

}  // namespace

std::optional<BarWindow::FolderChoice> BarView::ShowFolderMenu(int slot, const std::wstring& folder, Reading reading) {
    // The pictures at the small icons' size for the bar's DPI.
    FolderMenu menu(folder, SystemMetricAtDpi(SM_CXSMICON, WindowDpi(window_)), reading == Reading::Away, window_,
                    kFolderReadMessage);
    if (menu.Handle() == nullptr) {
        return std::nullopt;
    }
    folderMenu_ = &menu;
    openMenu_ = SlotElement(slot);
    SendMessageW(tooltip_, TTM_ACTIVATE, FALSE, 0);  // the slot's tooltip would cover the menu's first entries
    UINT chosen = 0;
    do {
        showFolderAgain_ = false;
        // Not TPM_RIGHTBUTTON: the right button shows an entry's own menu instead of choosing it.
        chosen = TrackBesideSlot(menu.Handle(), slot, 0);
    } while (chosen == 0 && showFolderAgain_);
    SendMessageW(tooltip_, TTM_ACTIVATE, TRUE, 0);
    openMenu_.reset();
    folderMenu_ = nullptr;
    PostMessageW(window_, WM_NULL, 0, 0);
    const std::optional<std::wstring> path = menu.PathOf(chosen);
    if (!path) {
        return std::nullopt;
    }
    return FolderChoice{*path, AdministratorKeysDown()};
}

UINT BarView::TrackBesideSlot(HMENU menu, int slot, UINT flags) {
    RECT cell = ElementPlace(SlotElement(slot));
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&cell), 2);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&cell, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const bool horizontal = principal_ != nullptr && principal_->Horizontal();
    const MenuAnchor anchor = FolderMenuAnchor({cell.left, cell.top, cell.right, cell.bottom},
                                               {work.left, work.top, work.right, work.bottom}, horizontal);
    flags |= TPM_RETURNCMD | (anchor.alignRight ? TPM_RIGHTALIGN : TPM_LEFTALIGN) |
             (anchor.alignBottom ? TPM_BOTTOMALIGN : TPM_TOPALIGN) | (horizontal ? TPM_VERTICAL : TPM_HORIZONTAL);
    TPMPARAMS around{};
    around.cbSize = sizeof around;
    around.rcExclude = cell;  // the slot stays in sight
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(window_);
    if (keyboardLaunch_) {
        PostMessageW(window_, WM_KEYDOWN, VK_DOWN, 0);  // opened from the keyboard: its first entry selected
    }
    return static_cast<UINT>(TrackPopupMenuEx(menu, flags, anchor.at.x, anchor.at.y, window_, &around));
}

BarView::Answer BarView::OnInitMenuPopup(HMENU menu) {
    if (folderMenu_ != nullptr && folderMenu_->Opening(menu)) {
        return 0;
    }
    return std::nullopt;
}

BarView::Answer BarView::OnUninitMenuPopup(HMENU menu) {
    if (folderMenu_ == nullptr) {
        return std::nullopt;
    }
    folderMenu_->Closed(menu);
    return 0;
}

BarView::Answer BarView::OnFolderRead(WPARAM token, FolderNews news) {
    if (folderMenu_ == nullptr) {
        return 0;  // the menu closed before its folder was read
    }
    if (news == FolderNews::Pictures) {
        if (folderMenu_->PicturesCame(token)) {
            RedrawOpenMenus();
        }
        return 0;
    }
    const std::optional<HMENU> shown = folderMenu_->Listed(token);
    if (!shown) {
        return 0;
    }
    // An open menu keeps the size it opened at: it opens again to show all that came.
    if (*shown == folderMenu_->Handle()) {
        showFolderAgain_ = true;
        EndMenu();
    } else {
        PostMessageW(window_, WM_KEYDOWN, VK_LEFT, 0);   // back to its entry in the menu above...
        PostMessageW(window_, WM_KEYDOWN, VK_RIGHT, 0);  // ...which opens it again
    }
    return 0;
}

BarView::Answer BarView::OnMenuRightButtonUp(HMENU menu, int position) {
    if (folderMenu_ == nullptr || shellMenu_ != nullptr) {
        return std::nullopt;
    }
    const std::optional<std::wstring> path = folderMenu_->PathAt(menu, position);
    if (!path) {
        return std::nullopt;
    }
    ShellItemMenu entryMenu(*path);
    if (entryMenu.Empty()) {
        return 0;
    }
    POINT at{};
    GetCursorPos(&at);
    shellMenu_ = &entryMenu;
    const bool chosen = entryMenu.Choose(window_, at, (GetKeyState(VK_SHIFT) & 0x8000) != 0);
    shellMenu_ = nullptr;
    if (chosen) {
        EndMenu();  // what was chosen is done: the folder's menu closes, as the Start menu's does
    }
    return 0;
}

BarView::Answer BarView::OnMenuChar(HMENU menu, wchar_t letter) {
    if (folderMenu_ != nullptr) {
        return folderMenu_->MenuChar(menu, letter);
    }
    return std::nullopt;
}

}  // namespace zudav::win32
