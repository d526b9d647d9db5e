// The bar's settings carried to a file and back by the switches of Zudav.exe while the bar runs: each run ends without
// a window and with its exit code; an import after the store's key was lost gives every value back and leaves a
// backup of what it replaced, and a file that is no text is refused without a change.
#include "driver.h"

namespace e2e {

TEST_F(Scenario, ExportAndImportSwitchesCarryTheSettingsWithoutAWindow) {
    writeSettings(L"Zudav", {{L"Chemin0", L"C:\\windows\\system32\\notepad.exe"},
                             {L"Tool0", L"Bloc-notes \u00e0 \"moi\""},
                             {L"Chemin4", L"C:\\windows\\regedit.exe"},
                             {L"Inconnue", L" deux\r\nlignes "}});
    HWND bar = startBar();
    const Settings stored = readSettings(L"Zudav");
    const std::filesystem::path backups = std::wstring(_wgetenv(L"LOCALAPPDATA")) + L"\\Zudav\\Sauvegardes";
    const auto backupCount = [&] {
        std::error_code none;
        const auto files = std::filesystem::directory_iterator(backups, none);
        return std::distance(begin(files), end(files));
    };
    const auto before = backupCount();
    const auto run = [&](const std::wstring& arguments) {
        return runSwitch(zudav(), arguments + L" \"" + scratch(L"a.ini") + L"\"");
    };

    EXPECT_EQ(run(L"/export"), 0u);
    ASSERT_EQ(RegDeleteTreeW(HKEY_CURRENT_USER, (kStore + L"Zudav").c_str()), ERROR_SUCCESS);
    ASSERT_TRUE(readSettings(L"Zudav").empty());
    EXPECT_EQ(run(L"/import"), 0u);
    EXPECT_EQ(readSettings(L"Zudav"), stored);
    EXPECT_EQ(backupCount(), before + 1);

    std::ofstream(std::filesystem::path(scratch(L"a.ini")), std::ios::binary).write("MZ\x90\0\x03\0\0\0", 8);
    EXPECT_NE(run(L"-IMPORT"), 0u);
    EXPECT_EQ(readSettings(L"Zudav"), stored);
    EXPECT_EQ(backupCount(), before + 1) << "a refused file is no reason for a backup";
    EXPECT_TRUE(IsWindow(bar) && IsWindowVisible(bar)) << "the running bar stays";
}

}  // namespace e2e
