// The bar's settings carried to a file and back by the switches of Zudav.exe while the bar runs: each run ends without
// a window and with its exit code; an export carries where the bar stands, an import after the store's key was lost
// gives every value back and leaves a backup of what it replaced, a file that is no text is refused without a change,
// and "Importer..." in the configuration window shows the file's values at once.
#include "config/win32/config_ids.h"
#include "driver.h"
#include "resources/resource_ids.h"

namespace e2e {

TEST_F(Scenario, ExportAndImportSwitchesCarryTheSettingsWithoutAWindow) {
    writeSettings(L"Zudav", {{L"Chemin0", L"C:\\windows\\system32\\notepad.exe"},
                             {L"Tool0", L"Bloc-notes \u00e0 \"moi\""},
                             {L"Chemin4", L"C:\\windows\\regedit.exe"},
                             {L"Inconnue", L" deux\r\nlignes "}});
    HWND bar = startBar();
    need(SetWindowPos(bar, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE), "not moved");
    const std::filesystem::path backups = std::wstring(_wgetenv(L"LOCALAPPDATA")) + L"\\Zudav\\Sauvegardes";
    auto backupCount = [&, none = std::error_code()]() mutable {
        return std::distance(std::filesystem::directory_iterator(backups, none), {});
    };
    const auto before = backupCount();
    const auto run = [&](const std::wstring& arguments) {
        return runSwitch(zudav(), arguments + L" \"" + scratch(L"a.ini") + L"\"");
    };

    EXPECT_EQ(run(L"/export"), 0u);
    const Settings stored = readSettings(L"Zudav");
    EXPECT_TRUE(savedPlace(stored, twipsOf(bar))) << "the export did not carry the place the bar was moved to";
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

    // "Importer..." under the open configuration: the window shows the file's values as its message tells it.
    std::ofstream(std::filesystem::path(scratch(L"b.ini"))) << "[Donnees]\nCaption=Jeux\nTheme=2\nRetourAuto=0\n";
    HWND config = (post(bar, WM_COMMAND, IDM_CONFIGURATION), waitModal(bar, ids::kConfigWindowClass)), box = nullptr;
    const auto dialog = [&] {
        return waitFor([&] { return (box = shown(processOf(bar), L"#32770")) && GetForegroundWindow() == box; });
    };
    post(GetDlgItem(config, ids::kConfigImporter), BM_CLICK);
    ASSERT_TRUE(dialog() && (type(scratch(L"b.ini")), press(VK_RETURN), gone(box)) && dialog()) << "no dialog";
    const auto shows = [&](int id, UINT message) { return sendTo(GetDlgItem(config, id), message); };
    EXPECT_EQ(std::tuple(textOf(GetDlgItem(config, ids::kConfigText1)), shows(ids::kConfigTheme, CB_GETCURSEL),
                         shows(ids::kConfigCheck1 + 2, BM_GETCHECK)),
              std::tuple(L"Jeux", 2, BST_UNCHECKED));
}

}  // namespace e2e
