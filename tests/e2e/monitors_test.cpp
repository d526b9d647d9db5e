// Two monitors side by side, 1280x1024 at 0,0 and 1024x768 at 1280,0 (scripts/lib/two-monitors.sh), each bar with
// "Masquer automatiquement la barre": one docked at the edge the monitors share stays whole on its own monitor, one at
// the outer edge of the second hides there.
#include "driver.h"

namespace e2e {

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

}  // namespace e2e
