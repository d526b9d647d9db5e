#include "bar/win32/shell_item_menu.h"

#include <shellapi.h>
#include <shlobj.h>

namespace zudav::win32 {
namespace {

constexpr UINT kFirstCommand = 1;
constexpr UINT kLastCommand = 0x7FFF;

}  // namespace

ShellItemMenu::ShellItemMenu(const std::wstring& path) {
    PIDLIST_ABSOLUTE location = nullptr;
    if (FAILED(SHParseDisplayName(path.c_str(), nullptr, &location, 0, nullptr))) {
        return;
    }
    UniqueCom<IShellFolder> parent;
    PCUITEMID_CHILD child = nullptr;
    if (SUCCEEDED(SHBindToParent(location, IID_PPV_ARGS(static_cast<IShellFolder**>(parent.Put())), &child))) {
        parent.Get()->GetUIObjectOf(nullptr, 1, &child, IID_IContextMenu, nullptr,
                                    reinterpret_cast<void**>(static_cast<IContextMenu**>(menu_.Put())));
    }
    CoTaskMemFree(location);
    if (menu_) {
        // The richer interfaces, when the item's handlers have them, fill the sub-menus as they open.
        menu_.Get()->QueryInterface(IID_PPV_ARGS(static_cast<IContextMenu3**>(menu3_.Put())));
        menu_.Get()->QueryInterface(IID_PPV_ARGS(static_cast<IContextMenu2**>(menu2_.Put())));
    }
}

bool ShellItemMenu::Choose(HWND owner, POINT at, bool extended) {
    const UniqueMenu popup(CreatePopupMenu());
    if (!menu_ || !popup) {
        return false;
    }
    const UINT flags = CMF_NORMAL | (extended ? CMF_EXTENDEDVERBS : 0);
    if (FAILED(menu_.Get()->QueryContextMenu(popup.Get(), 0, kFirstCommand, kLastCommand, flags))) {
        return false;
    }
    // TPM_RECURSE: a menu over the menu that is open, which stays.
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenuEx(popup.Get(), TPM_RETURNCMD | TPM_RECURSE | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN,
                         at.x, at.y, owner, nullptr));
    if (chosen < kFirstCommand) {
        return false;
    }
    CMINVOKECOMMANDINFOEX invoke{};
    invoke.cbSize = sizeof invoke;
    invoke.fMask = CMIC_MASK_UNICODE | CMIC_MASK_PTINVOKE;
    if ((GetKeyState(VK_CONTROL) & 0x8000) != 0) {
        invoke.fMask |= CMIC_MASK_CONTROL_DOWN;
    }
    if ((GetKeyState(VK_SHIFT) & 0x8000) != 0) {
        invoke.fMask |= CMIC_MASK_SHIFT_DOWN;
    }
    invoke.hwnd = owner;
    invoke.lpVerb = MAKEINTRESOURCEA(chosen - kFirstCommand);
    invoke.lpVerbW = MAKEINTRESOURCEW(chosen - kFirstCommand);
    invoke.nShow = SW_SHOWNORMAL;
    invoke.ptInvoke = at;
    menu_.Get()->InvokeCommand(reinterpret_cast<CMINVOKECOMMANDINFO*>(&invoke));
    return true;
}

std::optional<LRESULT> ShellItemMenu::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITMENUPOPUP && message != WM_DRAWITEM && message != WM_MEASUREITEM && message != WM_MENUCHAR) {
        return std::nullopt;
    }
    LRESULT answer = 0;
    if (menu3_ && SUCCEEDED(menu3_.Get()->HandleMenuMsg2(message, wParam, lParam, &answer))) {
        return answer;
    }
    if (menu2_ && message != WM_MENUCHAR && SUCCEEDED(menu2_.Get()->HandleMenuMsg(message, wParam, lParam))) {
        return 0;
    }
    return std::nullopt;
}

}  // namespace zudav::win32
