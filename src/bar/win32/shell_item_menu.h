// The shell's own menu of an item (open, run as administrator, send to, properties, delete...), as Explorer shows it
// on a right click; shown over the folder menu that is open, as the Quick Launch's menus did.
#pragma once

#include <shobjidl.h>
#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/handles.h"

namespace zudav::win32 {

class ShellItemMenu {
  public:
    // The menu of the item at `path` (as the shell parses it); empty when the shell has none for it.
    explicit ShellItemMenu(const std::wstring& path);
    ShellItemMenu(const ShellItemMenu&) = delete;
    ShellItemMenu& operator=(const ShellItemMenu&) = delete;

    bool Empty() const { return !menu_; }
    // Shows it at `at` (screen pixels) and does what the user chose, with the extended commands when Shift is down as
    // in Explorer; true when a command was chosen.
    bool Choose(HWND owner, POINT at, bool extended);
    // The messages by which the shell fills and draws its sub-menus ("Envoyer vers", "Ouvrir avec"), while it is shown:
    // an answer when the shell took the message.
    std::optional<LRESULT> Handle(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    UniqueCom<IContextMenu> menu_;
    UniqueCom<IContextMenu2> menu2_;
    UniqueCom<IContextMenu3> menu3_;
};

}  // namespace zudav::win32
