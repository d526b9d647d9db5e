// Every key of the table through the registry, as the bar stores it: written by one model, read back by another.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "bar/model/bar_model.h"
#include "bar/settings/win32/registry_store.h"

namespace {

constexpr const wchar_t* kApplication = L"ZudavEssaiCles";
const std::wstring kBarKey = std::wstring(L"Software\\VB and VBA Program Settings\\") + kApplication;

TEST(StoredKeys, EveryKeyComesBackThroughTheRegistryAndADwordReadsAsItsNumber) {
    RegDeleteTreeW(HKEY_CURRENT_USER, kBarKey.c_str());
    zudav::win32::RegistryStore store;
    // The margins are every bar's: they are put back as they were.
    std::vector<std::pair<std::wstring, std::optional<std::wstring>>> shared;
    for (const wchar_t* key : {L"MargeHt", L"MargeDx"}) {
        shared.emplace_back(key, store.Find(zudav::kSharedApplication, zudav::kSection, key));
    }
    zudav::BarModel writer(store, kApplication, '.');
    std::vector<std::pair<zudav::Option, std::wstring>> options;
    for (std::size_t i = 0; i < zudav::kOptionCount; ++i) {
        options.emplace_back(static_cast<zudav::Option>(i), L"v\u00e9" + std::to_wstring(i));
    }
    writer.SetOptions(options);
    const zudav::BarItem item{L"C:\\\u00e9.exe", L"T", L"C:\\i.ico", L"/l", L"2", L"0", L"1", {}, false};
    writer.SetItem(12, item, true);

    zudav::win32::RegistryStore other;  // another process's view of the same keys
    zudav::BarModel reader(other, kApplication, '.');
    reader.Reload();
    for (const auto& [option, text] : options) {
        EXPECT_EQ(reader.Text(option), text) << testing::PrintToString(std::wstring(zudav::KeyOf(option).name));
    }
    EXPECT_EQ(reader.Item(12), item);
    EXPECT_FALSE(other.ChangedSinceAsked(kApplication, zudav::kSection)) << "nothing written since it read";

    // A value of another type that a tool left there, as a check box reads it.
    HKEY section = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, (kBarKey + L"\\Donnees").c_str(), 0, KEY_SET_VALUE, &section),
              ERROR_SUCCESS);
    const DWORD zero = 0;
    RegSetValueExW(section, L"AlwaysOnTop", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&zero), sizeof zero);
    RegCloseKey(section);
    reader.Reload();
    EXPECT_EQ(reader.CheckBox(zudav::Option::AlwaysOnTop), 0);
    EXPECT_FALSE(reader.On(zudav::Option::AlwaysOnTop));
    RegDeleteTreeW(HKEY_CURRENT_USER, kBarKey.c_str());
    for (const auto& [key, value] : shared) {
        value ? store.Write(zudav::kSharedApplication, zudav::kSection, key, *value)
              : static_cast<void>(store.Delete(zudav::kSharedApplication, zudav::kSection, key));
    }
}

}  // namespace
