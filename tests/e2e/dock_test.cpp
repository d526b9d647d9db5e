// A bar at an edge of the screen: with "Réserver sa place au bord de l'écran" ticked in the configuration window, the
// bar docked by a preset stands flush against its edge and is in the shell's list of desktop toolbars; another preset
// takes it to the other edge; quitting takes it out of the list. Wine's shell keeps the list without giving the room:
// the scenario asks the list whether it holds the bar, as a second toolbar of the same window would be refused.
// With "Masquer automatiquement la barre", the bar at the left edge hides there once the user works elsewhere, and
// comes back when the pointer rests on the edge, and by its hot key.
#include "config/win32/config_ids.h"
#include "driver.h"
// After windows.h, which it needs.
#include <shellapi.h>
#include "resources/resource_ids.h"

namespace e2e {

TEST_F(Scenario, ABarAtAnEdgeReservesItsRoomThereAndGivesItBack) {
    writeSettings(L"Zudav", {{L"left", L"3000"}, {L"top", L"300"}});
    HANDLE process = start(zudav());
    HWND bar = waitBar(process);
    const auto listed = [&] {  // a window already in the list cannot join it again
        APPBARDATA data{sizeof data, bar, 0, 0, {}, 0};
        if (SHAppBarMessage(ABM_NEW, &data) == FALSE) {
            return true;
        }
        SHAppBarMessage(ABM_REMOVE, &data);  // the probe's own entry
        return false;
    };
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_FALSE(listed()) << "listed without the option";

    post(bar, WM_COMMAND, IDM_CONFIGURATION);
    HWND config = waitModal(bar, ids::kConfigWindowClass);
    HWND reserve = GetDlgItem(config, ids::kConfigReserver);
    EXPECT_EQ(textOf(reserve), L"R\u00e9server sa place au bord de l'\u00e9cran");
    postPress(reserve);
    post(GetDlgItem(config, ids::kConfigCommandGx + 1), BM_CLICK);  // the first column from the left
    post(GetDlgItem(config, ids::kConfigCommand1), BM_CLICK);
    ASSERT_TRUE(gone(config));
    EXPECT_EQ(readSettings(L"Zudav")[L"Reserver"], L"1");
    EXPECT_TRUE(waitFor([&] { return rectOf(bar).left <= screen.left; })) << "not flush against the left edge";
    EXPECT_TRUE(listed());

    post(bar, WM_COMMAND, IDM_CONFIGURATION);
    config = waitModal(bar, ids::kConfigWindowClass);
    post(GetDlgItem(config, ids::kConfigCommand2 + 1), BM_CLICK);  // the first column from the right
    post(GetDlgItem(config, ids::kConfigCommand1), BM_CLICK);
    ASSERT_TRUE(gone(config));
    EXPECT_TRUE(waitFor([&] { return rectOf(bar).right >= screen.right; })) << "not flush against the right edge";
    EXPECT_TRUE(listed());

    post(bar, WM_COMMAND, IDM_QUITTER);
    ASSERT_EQ(WaitForSingleObject(process, kTimeoutMs), WAIT_OBJECT_0);
    EXPECT_FALSE(listed()) << "the room outlives the bar";
}

TEST_F(Scenario, AnAutoHideBarHidesAtItsEdgeAndComesBackToThePointerAndItsHotKey) {
    writeSettings(L"Zudav", {{L"left", L"100"},
                             {L"top", L"300"},
                             {L"Masquer", L"1"},
                             {L"Raccourci", std::to_wstring(0x0200 | VK_F11)}});  // Ctrl+F11
    // Started at logon with the pointer elsewhere: it shows itself without taking the keyboard, then hides.
    mouseAt({GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2});
    HWND bar = waitBar(start(zudav()), false), other = nullptr;
    EXPECT_NE(GetForegroundWindow(), bar) << "the bar took the keyboard at start-up";
    const auto hidden = [&] { return waitFor([&] { return rectOf(bar).right > 0 && rectOf(bar).right <= 2; }); };
    EXPECT_TRUE(hidden()) << "at start-up, at " << testing::PrintToString(twipsOf(bar));
    const DWORD notepad = GetProcessId(start(L"C:\\windows\\system32\\notepad.exe"));
    ASSERT_TRUE(waitFor([&] { return (other = shown(notepad, L"Notepad")) && GetForegroundWindow() == other; }));
    const long width = rectOf(bar).right - rectOf(bar).left;  // hidden, the bar keeps its size
    const auto whole = [&] { return waitFor([&] { return rectOf(bar).left == 0 && rectOf(bar).right == width; }); };

    EXPECT_TRUE(hidden()) << "at " << testing::PrintToString(twipsOf(bar));
    const RECT strip = rectOf(bar);
    mouseAt({0, (strip.top + strip.bottom) / 2});
    EXPECT_TRUE(whole()) << "the pointer on the edge did not bring it back";
    // Under Wine the bar just come out under the pointer may put it back where the X server last saw it: the hand
    // moves away again until the bar hides.
    EXPECT_TRUE(waitFor([&] {
        mouseAt({GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2});
        return rectOf(bar).right > 0 && rectOf(bar).right <= 2;
    })) << "the pointer left, the bar stays";
    press(VK_F11, VK_CONTROL);
    EXPECT_TRUE(whole() && waitFor([&] { return GetForegroundWindow() == bar; })) << "the hot key did not bring it";
    press(VK_F11, VK_CONTROL);  // the keyboard back to notepad: the bar hides again
    EXPECT_TRUE(hidden());
}

}  // namespace e2e
