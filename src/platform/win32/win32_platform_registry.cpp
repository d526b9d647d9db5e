// Win32Platform's registry and locale: the Run lists of the registry, environment variables, the decimal separator.
#include "platform/win32/win32_platform.h"

#include "platform/win32/win32_platform_shared.h"

namespace zudav::win32 {
namespace {

constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

HKEY RunRoot(RunScope scope) {
    return scope == RunScope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

}  // namespace

std::wstring Expanded(const wchar_t* text) {
    const DWORD size = ExpandEnvironmentStringsW(text, nullptr, 0);
    std::wstring expanded(size, L'\0');
    const DWORD length = ExpandEnvironmentStringsW(text, expanded.data(), size);
    if (length == 0 || length > size) {
        return text;
    }
    expanded.resize(length - 1);
    return expanded;
}

wchar_t Win32Platform::DecimalSeparator() const {
    wchar_t separator[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) > 0 && separator[0] != 0) {
        return separator[0];
    }
    return L'.';
}

std::wstring Win32Platform::ExpandEnvironment(const std::wstring& text) const {
    return text.find(L'%') == std::wstring::npos ? text : Expanded(text.c_str());
}

bool Win32Platform::WriteRunAtLogon(RunScope scope, const std::wstring& name, const std::wstring& commandLine) {
    UniqueKey key;
    if (RegCreateKeyExW(RunRoot(scope), kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Put(), nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const auto bytes = static_cast<DWORD>((commandLine.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(commandLine.c_str()),
                          bytes) == ERROR_SUCCESS;
}

bool Win32Platform::RemoveRunAtLogon(RunScope scope, const std::wstring& name) {
    UniqueKey key;
    const LSTATUS opened = RegOpenKeyExW(RunRoot(scope), kRunKey, 0, KEY_SET_VALUE, key.Put());
    if (opened == ERROR_FILE_NOT_FOUND) {
        return true;  // no list, so nothing registered there
    }
    if (opened != ERROR_SUCCESS) {
        // Not ours to change (the machine's list, for a user who is not an administrator): a failure only when the
        // bar is registered there.
        return RegGetValueW(RunRoot(scope), kRunKey, name.c_str(), RRF_RT_ANY, nullptr, nullptr, nullptr) ==
               ERROR_FILE_NOT_FOUND;
    }
    const LSTATUS removed = RegDeleteValueW(key.Get(), name.c_str());
    return removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND;
}

}  // namespace zudav::win32
