// The bar from the keyboard alone, with real key presses: its hot key (stored before it starts) brings it back from
// minimised with the focus on its first slot; Down, Down, Enter starts the third slot's item, 4 the fourth's, and each
// launch minimises the bar, which the hot key brings back to the keyboard every time; Alt+Shift+Down and Up move the
// focused slot's item down and back; Shift+F10 opens the item editor of the focused slot; Escape, and the hot key
// pressed again, give the keyboard back. F10 then C open the configuration, where Tab and Space exchange the items of
// its first and fifth positions, and the hot-key box refuses the combination that another bar holds.
#include "config/frm_aide.h"
#include "config/win32/config_ids.h"
#include "driver.h"
// After windows.h, which driver.h includes.
#include <commctrl.h>

namespace e2e {

TEST_F(Scenario, TheKeyboardAloneBringsTheBarStartsAndEditsItsItemsAndGivesTheKeyboardBack) {
    // The marker of launch_test.cpp: a copy of this program that writes "ok" to the file its argument names.
    const std::wstring marker =
        copyOf(std::filesystem::path(zudav()).replace_filename(L"zudav_e2e.exe"), L"Outils\\outil avec blancs.exe");
    const std::wstring third = scratch(L"trois.txt"), fourth = scratch(L"quatre.txt");
    writeSettings(L"Zudav", {{L"Chemin0", L"notepad.exe"},
                             {L"Chemin4", marker},
                             {L"Chemin2", marker},
                             {L"Ligne2", L"\"" + third + L"\""},
                             {L"Chemin3", marker},
                             {L"Ligne3", L"\"" + fourth + L"\""},
                             {L"Raccourci", std::to_wstring(0x0200 | VK_F11)}});  // Ctrl+F11
    writeSettings(L"Autre", {{L"Raccourci", std::to_wstring(0x0200 | VK_F9)}});   // another bar, on Ctrl+F9
    HWND autre = startBar(copyOf(zudav(), L"Autre.exe"));
    HWND bar = startBar(), other = nullptr;
    const DWORD notepad = GetProcessId(start(L"C:\\windows\\system32\\notepad.exe"));
    ASSERT_TRUE(waitFor([&] { return (other = shown(notepad, L"Notepad")) && GetForegroundWindow() == other; }));
    post(bar, WM_SYSCOMMAND, SC_MINIMIZE);
    ASSERT_TRUE(waitFor([&] { return IsIconic(bar) && GetForegroundWindow() == other; }));

    const auto has = [&](HWND window) {  // the keyboard: the keys that follow show that it is on the bar
        return waitFor([&] { return GetForegroundWindow() == window && !IsIconic(window); });
    };
    const auto written = [](const std::wstring& output) {
        return waitFor([path = std::filesystem::path(output)] {
            std::ifstream file(path, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(file), {}) == "ok\r\n";
        });
    };
    press(VK_F11, VK_CONTROL);
    ASSERT_TRUE(has(bar)) << "the hot key did not bring the bar to the keyboard";
    // Each launch minimises the bar; the hot key brings it back with the keyboard on its first slot, every time.
    press(VK_DOWN), press(VK_DOWN), press(VK_RETURN);  // from the first slot to the third
    EXPECT_TRUE(written(third)) << "Down, Down, Enter did not start Chemin2";
    ASSERT_TRUE(waitFor([&] { return IsIconic(bar); }));
    press(VK_F11, VK_CONTROL);
    ASSERT_TRUE(has(bar));
    press(VK_DOWN), press(VK_DOWN), press(VK_DOWN), press(VK_RETURN);
    EXPECT_TRUE(written(fourth)) << "the keys after the hot key did not start Chemin3";
    for (const std::wstring& output : {third, fourth}) {
        std::filesystem::remove(output);
    }
    ASSERT_TRUE(waitFor([&] { return IsIconic(bar); }));
    press(VK_F11, VK_CONTROL);
    ASSERT_TRUE(has(bar));
    press('4');
    EXPECT_TRUE(written(fourth)) << "4 did not start Chemin3";
    ASSERT_TRUE(waitFor([&] { return IsIconic(bar); }));
    press(VK_F11, VK_CONTROL);
    ASSERT_TRUE(has(bar));
    // Alt+Shift+Down takes the first item to the free second slot; Up, from where the focus followed it, brings it
    // back.
    for (const auto& [arrow, slot] : {std::pair{VK_DOWN, L"1"}, {VK_UP, L"0"}}) {
        keybd_event(VK_MENU, 0, 0, 0), keybd_event(VK_SHIFT, 0, 0, 0), press(arrow);
        keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0), keybd_event(VK_MENU, 0, KEYEVENTF_KEYUP, 0);
        EXPECT_TRUE(waitFor([&, stored = Settings()]() mutable {
            return stored = readSettings(L"Zudav"), stored[L"Chemin" + std::wstring(slot)] == L"notepad.exe";
        })) << "Alt+Shift+arrow did not move the item to slot "
            << slot;
    }
    press(VK_F10, VK_SHIFT);  // on the first slot, where the hot key left the focus
    HWND editor = waitModal(bar, ids::kEditorWindowClass);
    EXPECT_EQ(textOf(GetDlgItem(editor, ids::kText2)), L"notepad.exe");
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == editor; }));
    type(L"x");  // the first key typed reaches the path, not a menu that the release of F10 would have opened
    EXPECT_TRUE(waitFor([&] { return textOf(GetDlgItem(editor, ids::kText2)) == L"x"; }));
    press(VK_ESCAPE);
    ASSERT_TRUE(gone(editor) && has(bar)) << "Escape did not close the editor";
    press(VK_ESCAPE);
    EXPECT_TRUE(waitFor([&] { return GetForegroundWindow() == other; })) << "Escape did not give the keyboard back";
    sendTo(other, WM_NULL);  // notepad has taken in its activation before the user goes on
    press(VK_F11, VK_CONTROL);
    ASSERT_TRUE(has(bar));

    press(VK_F10), press('C');  // the menu, then Configuration / Aide
    HWND config = waitModal(bar, ids::kConfigWindowClass);
    GUITHREADINFO thread{};
    const auto focused = [&] { return thread.cbSize = sizeof thread, GetGUIThreadInfo(0, &thread), thread.hwndFocus; };
    const auto tabAndPress = [&](int id) {  // as many Tabs as the controls before it need, then Space
        for (int tabs = 0; focused() != GetDlgItem(config, id) && tabs < 60; ++tabs) {
            press(VK_TAB), waitFor([&, was = thread.hwndFocus] { return focused() != was; });
        }
        const bool reached = focused() == GetDlgItem(config, id);
        return press(VK_SPACE), reached;
    };
    ASSERT_TRUE(tabAndPress(ids::kConfigIco + 0) && tabAndPress(ids::kConfigIco + 4)) << "Tab misses the item column";
    EXPECT_TRUE(waitFor([&, stored = Settings()]() mutable {
        return stored = readSettings(L"Zudav"), stored[L"Chemin0"] == marker && stored[L"Chemin4"] == L"notepad.exe";
    })) << "Space on two positions did not exchange their items";
    // In the hot-key box, the other bar's combination: refused with a message, the box and the bar keep their own,
    // and the other bar stays where it is.
    for (int tabs = 0; focused() != GetDlgItem(config, ids::kConfigRaccourci) && tabs < 60; ++tabs) {
        press(VK_TAB), waitFor([&, was = thread.hwndFocus] { return focused() != was; });
    }
    ASSERT_EQ(focused(), GetDlgItem(config, ids::kConfigRaccourci));
    press(VK_F9, VK_CONTROL);
    HWND refusal = nullptr;
    ASSERT_TRUE(waitFor([&] { return (refusal = shown(processOf(bar), L"#32770")); })) << "no refusal";
    EXPECT_EQ(textOf(refusal), L"Raccourci clavier");
    EXPECT_EQ(textOf(GetDlgItem(refusal, 0xFFFF)), zudav::kRaccourciPris);
    EXPECT_FALSE(IsWindowVisible(autre) && GetForegroundWindow() == autre) << "the other bar came to the front";
    press(VK_RETURN);
    ASSERT_TRUE(gone(refusal));
    EXPECT_EQ(sendTo(GetDlgItem(config, ids::kConfigRaccourci), HKM_GETHOTKEY), 0x0200 | VK_F11);
    press(VK_ESCAPE);
    ASSERT_TRUE(gone(config) && has(bar)) << "Escape did not close the configuration";
    EXPECT_EQ(readSettings(L"Zudav")[L"Raccourci"], std::to_wstring(0x0200 | VK_F11));
    press(VK_F11, VK_CONTROL);
    EXPECT_TRUE(waitFor([&] { return GetForegroundWindow() == other; })) << "the hot key did not give it back";
}

}  // namespace e2e
