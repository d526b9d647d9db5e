// Failures of the driver itself (a process that cannot start, a registry call that fails) are thrown
// with the Windows error text, and GoogleTest reports them as a failure of the test that met them.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Throws std::runtime_error: "<what>: <system message for error> (<error>)".
[[noreturn]] void throwWindowsError(const std::string& what, DWORD error = GetLastError());

std::string narrow(const std::wstring& text);

}  // namespace e2e
