// A slot that shows its folder's contents, with real input: a click opens the system's menu beside the bar, sub-folders
// first; Down, Down, Enter start its second entry, and the bar minimises as after a launch. From the keyboard the
// slot's digit opens it with its first entry selected, and Right, Enter start what that sub-folder holds. A file
// dragged onto the slot (a real OLE drag, zudav_drag.exe) becomes a shortcut in the folder, the file left where it is.
// With 300 files more, the menu fits the work area and the keyboard reaches its last file.
#include "driver.h"
// After windows.h, which driver.h includes.
#include <ole2.h>

namespace e2e {

TEST_F(Scenario, AFoldersSlotOpensItsContentsAsAMenuAndStartsWhatIsChosen) {
    const std::filesystem::path folder = scratch(L"Menu");
    std::filesystem::create_directories(folder / L"Jeux");
    const auto script = [](const std::filesystem::path& file, const std::filesystem::path& output) {
        std::ofstream(file) << "@echo ok> \"" << output.string() << "\"\r\n";  // ASCII paths
    };
    const std::filesystem::path a = scratch(L"a.txt"), b = scratch(L"b.txt"), hidden = scratch(L"d.txt");
    script(folder / L"a.cmd", a);
    script(folder / L"c.cmd", scratch(L"c.txt"));
    script(folder / L"Jeux" / L"b.cmd", b);
    script(folder / L"b0.cmd", hidden);  // hidden: Explorer, and the menu, leave it out
    need(SetFileAttributesW((folder / L"b0.cmd").c_str(), FILE_ATTRIBUTE_HIDDEN), "not hidden");
    writeSettings(L"Zudav", {{L"Chemin2", folder.wstring()},
                             {L"FicALancer2", L"1"},
                             {L"Contenu2", L"1"},
                             {L"Raccourci", std::to_wstring(0x0200 | VK_F11)}});  // Ctrl+F11
    HWND bar = startBar();
    const DWORD id = processOf(bar);
    const Twips place = twipsOf(bar);
    const auto written = [](const std::filesystem::path& output) {
        return waitFor([&] {
            std::ifstream file(output, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(file), {}) == "ok\r\n";
        });
    };

    clickOn(bar, 2, true);
    HWND menu = nullptr;
    ASSERT_TRUE(waitFor([&] { return (menu = shown(id, L"#32768")) != nullptr; })) << "no menu";
    const RECT opened = rectOf(menu), beside = rectOf(bar), slot = onScreen(bar, zudav_tools::BarPlaces(bar).cells[2]);
    EXPECT_GE(opened.left, beside.right - 8) << "the menu does not open beside the bar at the left edge";
    EXPECT_LE(std::abs(opened.top - slot.top), 8) << "the menu does not open at its slot";
    press(VK_DOWN), press(VK_DOWN), press(VK_RETURN);  // Jeux, then a.cmd: the folder first, the hidden b0.cmd left out
    EXPECT_TRUE(written(a)) << "Down, Down, Enter did not start the second entry";
    EXPECT_TRUE(waitFor([&] { return IsIconic(bar); })) << "the bar did not minimise after the start";
    post(bar, WM_SYSCOMMAND, SC_RESTORE);
    ASSERT_TRUE(back(bar, place));

    press(VK_F11, VK_CONTROL);
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == bar; })) << "the hot key did not bring the bar";
    press('3');  // the third slot
    ASSERT_TRUE(waitFor([&] { return shown(id, L"#32768") != nullptr; })) << "the digit did not open the menu";
    press(VK_RIGHT), press(VK_RETURN);  // the first entry is selected: Jeux opens, its b.cmd starts
    EXPECT_TRUE(written(b)) << "Right, Enter did not start what the sub-folder holds";
    EXPECT_FALSE(std::filesystem::exists(hidden));

    ASSERT_TRUE(waitFor([&] { return IsIconic(bar); }));
    post(bar, WM_SYSCOMMAND, SC_RESTORE);
    ASSERT_TRUE(back(bar, place));
    const std::filesystem::path letter = scratch(L"lettre.txt");
    std::ofstream(letter) << "Ordre du jour\r\n";
    const std::wstring drag = std::filesystem::path(zudav()).replace_filename(L"zudav_drag.exe");
    HANDLE dragging = start(drag, std::wstring(ids::kBarWindowClass) + L" 2 300 drop \"" + letter.wstring() + L"\"");
    DWORD effect = 0;
    ASSERT_TRUE(WaitForSingleObject(dragging, kTimeoutMs) == WAIT_OBJECT_0 && GetExitCodeProcess(dragging, &effect));
    EXPECT_EQ(effect, DWORD(DROPEFFECT_LINK)) << "the pointer does not show a link over the folder's slot";
    EXPECT_TRUE(waitFor([&] { return std::filesystem::exists(folder / L"lettre.lnk"); }))
        << "no shortcut in the folder";
    EXPECT_TRUE(std::filesystem::exists(letter)) << "the dropped file moved";

    // Three hundred more files: the menu stays inside the work area, and scrolls to its last file.
    for (int n = 1; n < 300; ++n) {
        std::ofstream(folder / (L"z" + std::to_wstring(n) + L".cmd")) << "@rem\r\n";
    }
    const std::filesystem::path last = scratch(L"z300.txt");
    script(folder / L"z300.cmd", last);
    clickOn(bar, 2, true);
    ASSERT_TRUE(waitFor([&] { return (menu = shown(id, L"#32768")) != nullptr; })) << "no menu of 300 files";
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(bar, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT tall = rectOf(menu), work = monitor.rcWork;
    EXPECT_TRUE(tall.top >= work.top && tall.bottom <= work.bottom && tall.left >= work.left &&
                tall.right <= work.right)
        << "the long menu leaves the work area";
    EXPECT_GT(tall.bottom - tall.top, (work.bottom - work.top) / 2) << "the long menu is not as tall as the screen";
    press(VK_UP), press(VK_UP), press(VK_RETURN);  // "Ouvrir le dossier", then the last file, z300.cmd
    EXPECT_TRUE(written(last)) << "the last of 300 files did not start";
}

}  // namespace e2e
