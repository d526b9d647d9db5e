// The menu of a slot's folder, beside the slot: the system's own menu, so that screen readers read it and it takes
// the light, dark and high-contrast looks; it scrolls when it is longer than the screen.
#include "bar/slot_geometry.h"
#include "bar/win32/bar_view.h"

namespace zudav::win32 {

std::optional<BarWindow::FolderChoice> BarView::ShowFolderMenu(int slot, const std::wstring& folder) {
    FolderMenu menu(folder);
    if (menu.Handle() == nullptr) {
        return std::nullopt;
    }
    RECT cell = ElementPlace(SlotElement(slot));
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&cell), 2);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&cell, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const bool horizontal = principal_ != nullptr && principal_->Horizontal();
    const MenuAnchor anchor = FolderMenuAnchor({cell.left, cell.top, cell.right, cell.bottom},
                                               {work.left, work.top, work.right, work.bottom}, horizontal);
    const UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | (anchor.alignRight ? TPM_RIGHTALIGN : TPM_LEFTALIGN) |
                       (anchor.alignBottom ? TPM_BOTTOMALIGN : TPM_TOPALIGN) |
                       (horizontal ? TPM_VERTICAL : TPM_HORIZONTAL);
    TPMPARAMS around{};
    around.cbSize = sizeof around;
    around.rcExclude = cell;  // the slot stays in sight
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(window_);
    if (keyboardLaunch_) {
        PostMessageW(window_, WM_KEYDOWN, VK_DOWN, 0);  // opened from the keyboard: its first entry selected
    }
    folderMenu_ = &menu;
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenuEx(menu.Handle(), flags, anchor.at.x, anchor.at.y, window_, &around));
    folderMenu_ = nullptr;
    PostMessageW(window_, WM_NULL, 0, 0);
    const std::optional<std::wstring> path = menu.PathOf(chosen);
    if (!path) {
        return std::nullopt;
    }
    return FolderChoice{*path, AdministratorKeysDown()};
}

BarView::Answer BarView::OnInitMenuPopup(HMENU menu) {
    if (folderMenu_ != nullptr && folderMenu_->Fill(menu)) {
        return 0;
    }
    return std::nullopt;
}

BarView::Answer BarView::OnMenuChar(HMENU menu, wchar_t letter) {
    if (folderMenu_ != nullptr) {
        return folderMenu_->MenuChar(menu, letter);
    }
    return std::nullopt;
}

}  // namespace zudav::win32
