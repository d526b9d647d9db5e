// Two monitors side by side, 1280x1024 at 0,0 and 1024x768 at 1280,0 (scripts/lib/two-monitors.sh).
#include "config/win32/config_ids.h"
#include "driver.h"
#include "resources/resource_ids.h"

namespace e2e {

// Two bars with "Masquer automatiquement la barre": one docked at the edge the monitors share stays whole on its own
// monitor, one at the outer edge of the second hides there.
TEST_F(Scenario, ABarAtTheEdgeTwoMonitorsShareDoesNotHideOntoTheOther) {
    need(GetSystemMetrics(SM_CMONITORS) == 2, "this scenario needs the two monitors");
    constexpr long kSharedEdge = 1280, kOuterEdge = 2304;
    const auto nearRightEdge = [](long edge) {  // a few pixels short of it: the bar docks flush at its start
        return Settings{{L"left", std::to_wstring((edge - 64) * twipsPerPixel())},
                        {L"top", std::to_wstring(200 * twipsPerPixel())},
                        {L"Masquer", L"1"}};
    };
    writeSettings(L"Zudav", nearRightEdge(kSharedEdge));
    writeSettings(L"Autre", nearRightEdge(kOuterEdge));
    need(SetCursorPos(100, 900), "the pointer did not move");  // away from both bars
    HWND shared = waitBar(start(zudav()), false);
    HWND outer = waitBar(start(copyOf(zudav(), L"Autre.exe")), false);

    // Started later, the outer bar hides after the shared one's delay has ended.
    EXPECT_TRUE(waitFor([&] { return rectOf(outer).left == kOuterEdge - 2; }))
        << "the bar at the outer edge is at " << testing::PrintToString(twipsOf(outer));
    const RECT stays = rectOf(shared);  // where it was put, "Masquer" having no effect there
    EXPECT_TRUE(stays.left == kSharedEdge - 64 && stays.right <= kSharedEdge)
        << "the bar at the shared edge is at " << testing::PrintToString(twipsOf(shared));
}

// A bar on one monitor, as before: "Afficher la barre sur chaque \u00e9cran" ticked in its configuration window shows a
// window of the same bar at the left edge of each monitor, whole on it; a click on the second one's slot starts its
// item, and closing that window ends the bar, which saves its own window's place.
TEST_F(Scenario, OneBarShowsAWindowOnEachMonitor) {
    need(GetSystemMetrics(SM_CMONITORS) == 2, "this scenario needs the two monitors");
    const std::wstring output = scratch(L"second.txt");
    writeSettings(L"Zudav", {{L"left", L"0"},
                             {L"top", std::to_wstring(100 * twipsPerPixel())},
                             {L"RetourAuto", L"0"},
                             {L"Chemin2", L"C:\\windows\\system32\\cmd.exe"},
                             {L"Ligne2", L"/c echo ok> \"" + output + L"\""},
                             {L"Focus2", L"0"}});
    HANDLE process = start(zudav());
    HWND own = waitBar(process);
    const auto barWindows = [&] {
        std::vector<HWND> shownBars;
        for (HWND window : windowsOf(GetProcessId(process))) {
            wchar_t name[64] = L"";
            GetClassNameW(window, name, 64);
            if (IsWindowVisible(window) && std::wstring(name) == ids::kBarWindowClass) {
                shownBars.push_back(window);
            }
        }
        return shownBars;
    };
    EXPECT_EQ(barWindows().size(), 1u) << "without the option, a window on each monitor";

    post(own, WM_COMMAND, IDM_CONFIGURATION);
    HWND config = waitModal(own, ids::kConfigWindowClass);
    postPress(GetDlgItem(config, ids::kConfigChaqueEcran));
    post(GetDlgItem(config, ids::kConfigCommand1), BM_CLICK);
    ASSERT_TRUE(gone(config));
    EXPECT_EQ(readSettings(L"Zudav")[L"ChaqueEcran"], L"1");
    // The window is placed once before it is shown and again once shown, while the window system may still move it:
    // the test waits for where it settles.
    HWND second = nullptr;
    const auto placedLikeTheOwn = [&](const RECT& other) {
        const RECT first = rectOf(own);
        // As high and as wide as the bar's own (both monitors are at the same DPI), moved in on the shorter monitor.
        return other.left == 1280 && other.right - other.left == first.right - first.left &&
               other.bottom - other.top == first.bottom - first.top &&
               other.top == std::min(100L, 768 - (other.bottom - other.top)) && other.bottom <= 768;
    };
    EXPECT_TRUE(waitFor([&] {
        for (HWND window : barWindows()) {
            second = window != own ? window : second;
        }
        return barWindows().size() == 2 && second != nullptr && placedLikeTheOwn(rectOf(second));
    })) << "the second monitor shows no window of the bar like its own; the bar's own window is at "
        << testing::PrintToString(twipsOf(own)) << ", the second at "
        << (second != nullptr ? testing::PrintToString(twipsOf(second)) : std::string("none"));
    ASSERT_NE(second, nullptr);
    const RECT first = rectOf(own);
    EXPECT_TRUE(first.left == 0 && first.top == 100 && first.right <= 1280 && first.bottom <= 1024)
        << "the bar's own window is at " << testing::PrintToString(twipsOf(own));

    clickOn(second, 2, true);
    EXPECT_TRUE(waitFor([&, path = std::filesystem::path(output)] {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {}) == "ok\r\n";
    })) << "the second window's slot did not start its item";

    const Twips place = twipsOf(own);
    post(second, WM_CLOSE);
    EXPECT_TRUE(waitFor([&] { return !isRunning(process); })) << "closing the second window did not end the bar";
    EXPECT_TRUE(savedPlace(readSettings(L"Zudav"), place)) << "the bar's own place was not saved";
}

}  // namespace e2e
