// The bar's settings as it keeps them: under HKEY_CURRENT_USER\Software\VB and VBA Program Settings,
// a key per executable base name, a subkey per section, one REG_SZ value per setting.
#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace e2e {

constexpr wchar_t kSettingsRoot[] = L"Software\\VB and VBA Program Settings";
constexpr wchar_t kDataSection[] = L"Donnees";

struct SettingValue {
    DWORD type;         // REG_SZ for every value the bar writes
    std::wstring text;  // the text of a REG_SZ value; empty for other types
};

// Value names compare as the registry compares them: ignoring case.
struct IgnoringCase {
    bool operator()(const std::wstring& a, const std::wstring& b) const;
};
using SettingsSection = std::map<std::wstring, SettingValue, IgnoringCase>;

// Removes everything stored for the application (its whole key); nothing stored is fine.
void deleteAppSettings(const std::wstring& app);
// The values of a section; empty when the section does not exist.
SettingsSection readSettings(const std::wstring& app, const std::wstring& section = kDataSection);
void writeSetting(const std::wstring& app,
                  const std::wstring& key,
                  const std::wstring& text,
                  const std::wstring& section = kDataSection);

}  // namespace e2e
