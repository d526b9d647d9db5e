#include "driver/settings.h"

#include <vector>

#include "driver/error.h"

namespace e2e {
namespace {

std::wstring appKeyPath(const std::wstring& app) {
    return std::wstring(kSettingsRoot) + L"\\" + app;
}

std::wstring sectionKeyPath(const std::wstring& app, const std::wstring& section) {
    return appKeyPath(app) + L"\\" + section;
}

}  // namespace

bool IgnoringCase::operator()(const std::wstring& a, const std::wstring& b) const {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_LESS_THAN;
}

void deleteAppSettings(const std::wstring& app) {
    const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, appKeyPath(app).c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND) {
        throwWindowsError("cannot delete the settings of " + narrow(app), static_cast<DWORD>(status));
    }
}

SettingsSection readSettings(const std::wstring& app, const std::wstring& section) {
    SettingsSection values;
    HKEY key = nullptr;
    LSTATUS status = RegOpenKeyExW(HKEY_CURRENT_USER, sectionKeyPath(app, section).c_str(), 0, KEY_READ, &key);
    if (status == ERROR_FILE_NOT_FOUND) {
        return values;
    }
    if (status != ERROR_SUCCESS) {
        throwWindowsError("cannot open the settings of " + narrow(app), static_cast<DWORD>(status));
    }
    DWORD longestName = 0;
    DWORD longestData = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &longestName, &longestData,
                     nullptr, nullptr);
    std::vector<wchar_t> name(longestName + 1);
    std::vector<BYTE> data(longestData + sizeof(wchar_t));
    for (DWORD index = 0;; ++index) {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = 0;
        status = RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type, data.data(), &dataSize);
        if (status == ERROR_NO_MORE_ITEMS) {
            break;
        }
        if (status != ERROR_SUCCESS) {
            RegCloseKey(key);
            throwWindowsError("cannot read the settings of " + narrow(app), static_cast<DWORD>(status));
        }
        SettingValue value{type, {}};
        if (type == REG_SZ) {
            value.text.assign(reinterpret_cast<const wchar_t*>(data.data()), dataSize / sizeof(wchar_t));
            while (!value.text.empty() && value.text.back() == L'\0') {
                value.text.pop_back();
            }
        }
        values[std::wstring(name.data(), nameLength)] = value;
    }
    RegCloseKey(key);
    return values;
}

void writeSetting(const std::wstring& app,
                  const std::wstring& key,
                  const std::wstring& text,
                  const std::wstring& section) {
    HKEY sectionKey = nullptr;
    LSTATUS status = RegCreateKeyExW(HKEY_CURRENT_USER, sectionKeyPath(app, section).c_str(), 0, nullptr, 0,
                                     KEY_SET_VALUE, nullptr, &sectionKey, nullptr);
    if (status == ERROR_SUCCESS) {
        const auto size = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
        status = RegSetValueExW(sectionKey, key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), size);
        RegCloseKey(sectionKey);
    }
    if (status != ERROR_SUCCESS) {
        throwWindowsError("cannot write setting " + narrow(key) + " of " + narrow(app), static_cast<DWORD>(status));
    }
}

}  // namespace e2e
