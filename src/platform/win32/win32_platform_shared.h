// What the files of Win32Platform share.
#pragma once

#include <string>

namespace zudav::win32 {

// Environment variables (%SystemRoot%) expanded; an unknown one stays as it is, and so does a text that cannot be
// expanded.
std::wstring Expanded(const wchar_t* text);

}  // namespace zudav::win32
