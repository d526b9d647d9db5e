// The common file-open dialog, as every window of the program shows it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/shell_item.h"

namespace zudav::win32 {

// Modal over `owner`; filter as "Name|patterns|Name|patterns", opening on initialName. Nothing when cancelled.
std::optional<std::wstring> AskOpenFileName(HWND owner, const std::wstring& filter, const std::wstring& initialName);

// The same for a program: a file, or an app of the Start menu, the Applications folder at the top of the dialog's
// places (Windows 8 and later). The dialog above, with files only, where the shell's own cannot be made.
std::optional<ShellItem> AskProgramItem(HWND owner, const std::wstring& filter, const std::wstring& initialName);

}  // namespace zudav::win32
