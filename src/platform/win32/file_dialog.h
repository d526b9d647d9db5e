// The common file-open dialog, as every window of the program shows it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace zudav::win32 {

// Modal over `owner`; filter as "Name|patterns|Name|patterns", opening on initialName. Nothing when cancelled.
std::optional<std::wstring> AskOpenFileName(HWND owner, const std::wstring& filter, const std::wstring& initialName);

}  // namespace zudav::win32
