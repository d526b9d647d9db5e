// The installer that scripts/test puts beside this program, as a user runs it: no administrator, no setting lost.
#include "config/win32/config_ids.h"
#include "driver.h"
#include "resources/resource_ids.h"

namespace e2e {

TEST_F(Scenario, InstalledForTheUserItMakesABarAndItsUninstallKeepsTheSettings) {
    const std::wstring msi = std::filesystem::path(zudav()).replace_filename(L"Zudav.msi");
    const auto msiexec = [&](const wchar_t* action) {  // ended within the time limit
        HANDLE process = start(L"C:\\windows\\system32\\msiexec.exe", action + (L" \"" + msi + L"\" /qn"));
        return waitFor([&] { return !isRunning(process); });
    };
    const std::filesystem::path folder = std::wstring(_wgetenv(L"LOCALAPPDATA")) + L"\\Programs\\Zudav";
    auto link = std::filesystem::path(_wgetenv(L"APPDATA")) / L"Microsoft\\Windows\\Start Menu\\Programs\\Zudav.lnk";
    msiexec(L"/x"), std::filesystem::remove_all(folder);  // what an interrupted run may have left
    ASSERT_TRUE(std::filesystem::exists(msi) && msiexec(L"/i")) << "no installer beside this program";
    EXPECT_TRUE(exists(link) && std::distance(std::filesystem::directory_iterator(folder), {}) == 4);

    HWND bar = startBar(folder / L"Zudav.exe"), input = nullptr;
    HWND config = (post(bar, WM_COMMAND, IDM_CONFIGURATION), waitModal(bar, ids::kConfigWindowClass));
    post(GetDlgItem(config, ids::kConfigCommand3), BM_CLICK);
    ASSERT_TRUE(waitFor([&] { return (input = shown(processOf(bar), ids::kInputBoxClass)); }));
    setText(GetDlgItem(input, ids::kInputText), L"Essai"), post(GetDlgItem(input, IDOK), BM_CLICK);
    ASSERT_TRUE(waitFor([&] { return FindWindowW(ids::kBarWindowClass, L"Essai"); })) << "no new bar";
    post(config, WM_CLOSE), post(bar, WM_CLOSE), post(FindWindowW(ids::kBarWindowClass, L"Essai"), WM_CLOSE);
    ASSERT_TRUE(waitFor([&] { return processes().empty(); })) << "the bars did not end";  // each saved its place

    ASSERT_TRUE(msiexec(L"/x"));
    EXPECT_TRUE(!exists(link) && std::filesystem::directory_iterator(folder)->path() == folder / L"Essai.exe");
    EXPECT_TRUE(readSettings(L"Zudav").count(L"left") && readSettings(L"Essai").count(L"left")) << "settings lost";
    std::filesystem::remove(folder / L"Essai.exe");  // without the bars the user made, no empty folder stays
    ASSERT_TRUE(msiexec(L"/i") && msiexec(L"/x"));
    EXPECT_TRUE(!exists(folder) && (!exists(folder.parent_path()) || !is_empty(folder.parent_path())));
}

}  // namespace e2e
