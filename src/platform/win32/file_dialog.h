// The common file dialogs, as every window of the program shows them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/shell_item.h"

namespace zudav::win32 {

// Modal over `owner`; filter as "Name|patterns|Name|patterns", opening on initialName. Nothing when cancelled.
std::optional<std::wstring> AskOpenFileName(HWND owner, const std::wstring& filter, const std::wstring& initialName);
// The Save As dialog, the same way: it asks before a file is replaced, and adds the filter's first extension to a name
// typed without one.
std::optional<std::wstring> AskSaveFileName(HWND owner, const std::wstring& filter, const std::wstring& initialName);

// The same for a program: a file, or an app of the Start menu, the Applications folder at the top of the dialog's
// places (Windows 8 and later). The dialog above, with files only, where the shell's own cannot be made.
std::optional<ShellItem> AskProgramItem(HWND owner, const std::wstring& filter, const std::wstring& initialName);

}  // namespace zudav::win32
