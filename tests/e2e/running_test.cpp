// The bar shows which of its programs run, with real input: a program started from a slot marks its cell until its
// windows close; with "Un clic sur un programme ouvert affiche sa fenêtre" a click brings its minimised window back
// without starting another copy, and a middle click starts another. Wine gives no shell hook: the bar learns of the
// windows from the window system's events.
#include "driver.h"

namespace e2e {
namespace {

// Notepad's windows on the desktop, shown.
std::vector<HWND> notepads() {
    std::vector<HWND> found;
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, L"Notepad", nullptr)) != nullptr;) {
        if (IsWindowVisible(window)) {
            found.push_back(window);
        }
    }
    return found;
}

}  // namespace

TEST_F(Scenario, ASlotShowsItsProgramRunsAndAClickBringsItBack) {
    writeSettings(L"Zudav", {{L"Chemin0", L"notepad"}, {L"RetourAuto", L"0"}, {L"Basculer", L"1"}});
    HWND bar = startBar();
    // The mark: a bar of the accent's blue along the cell's edge.
    const auto marked = [&] {
        sendTo(bar, WM_NULL);
        const Picture cell = capture(onScreen(bar, zudav_tools::BarPlaces(bar).cells[0]));
        return std::count_if(cell.begin(), cell.end(), [](UINT pixel) {
                   return (pixel & 0xFF) > 150 && ((pixel >> 16) & 0xFF) < 60;  // 0xRRGGBB: blue, little red
               }) > 10;
    };
    EXPECT_FALSE(marked()) << "a slot is marked before its program runs";

    clickOn(bar, 0, true);
    ASSERT_TRUE(waitFor([&] { return notepads().size() == 1; })) << "the slot did not start its program";
    HWND first = notepads().front();
    SetWindowPos(first, nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);  // off the bar
    EXPECT_TRUE(waitFor(marked)) << "the slot of a running program shows no mark";

    ShowWindow(first, SW_MINIMIZE);
    ASSERT_TRUE(waitFor([&] { return IsIconic(first); }));
    clickOn(bar, 0, true);
    EXPECT_TRUE(waitFor([&] { return !IsIconic(first); })) << "the click did not bring the window back";
    EXPECT_EQ(notepads().size(), 1u) << "the click started another copy";

    clickOn(bar, 0, true, MOUSEEVENTF_MIDDLEDOWN);
    EXPECT_TRUE(waitFor([&] { return notepads().size() == 2; })) << "a middle click did not start another copy";

    for (HWND notepad : notepads()) {
        post(notepad, WM_CLOSE);
    }
    EXPECT_TRUE(waitFor([&] { return notepads().empty(); }));
    EXPECT_TRUE(waitFor([&] { return !marked(); })) << "the mark stays once the program is closed";
}

}  // namespace e2e
