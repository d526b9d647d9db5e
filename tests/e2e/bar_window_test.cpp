// The bar window of Zudav.exe: how it shows from an empty store, and the place it saves when it is
// closed, whether it stood on the screen or was minimised.
#include <windows.h>

#include "bar_test.h"
#include "driver/poll.h"
#include "driver/window.h"

namespace e2e {
namespace {

TEST_F(BarTest, ShowsTitledAfterItsExecutableAlwaysOnTopAtTheDefaultPlace) {
    Process& zudav = start(zudavExecutable());
    HWND bar = waitForBar(zudav);
    ASSERT_NE(bar, nullptr);

    EXPECT_EQ(windowText(bar), L"Zudav");
    EXPECT_NE(GetWindowLongPtrW(bar, GWL_EXSTYLE) & WS_EX_TOPMOST, 0) << "the bar is not always on top";
    // An empty store puts the bar at 1,1 twips and makes it 870 twips wide: a narrow window that the
    // window system widens unless the bar says otherwise.
    const TwipsRect place = toTwips(windowRect(bar));
    const long pixel = twipsPerPixel();
    EXPECT_NEAR(place.left, 1, pixel);
    EXPECT_NEAR(place.top, 1, pixel);
    EXPECT_NEAR(place.width, 870, pixel);
}

TEST_F(BarTest, ClosingEndsTheProgramAndSavesThePlaceTheBarHad) {
    Process& zudav = start(zudavExecutable());
    HWND bar = waitForBar(zudav);
    ASSERT_NE(bar, nullptr);
    const TwipsRect place = toTwips(windowRect(bar));

    post(bar, WM_CLOSE);

    ASSERT_TRUE(zudav.waitForExit(kStepTimeoutMs)) << "the bar did not end after WM_CLOSE";
    EXPECT_EQ(zudav.exitCode(), 0u);
    EXPECT_TRUE(savedPlaceMatches(readSettings(L"Zudav"), place))
        << "the bar stood at " << testing::PrintToString(place);
}

TEST_F(BarTest, ClosedWhileMinimisedSavesItsRestoredPlace) {
    // A stored place away from the corner, so that the restored place cannot be mistaken for the
    // default one, nor for the far-away place Windows gives a minimised window.
    writeSetting(L"Zudav", L"left", L"3000");
    writeSetting(L"Zudav", L"top", L"1500");
    Process& zudav = start(zudavExecutable());
    HWND bar = waitForBar(zudav);
    ASSERT_NE(bar, nullptr);
    const TwipsRect restored = toTwips(windowRect(bar));
    const long pixel = twipsPerPixel();
    ASSERT_NEAR(restored.left, 3000, pixel) << "the bar did not open at its stored place";
    ASSERT_NEAR(restored.top, 1500, pixel) << "the bar did not open at its stored place";

    post(bar, WM_SYSCOMMAND, SC_MINIMIZE);
    ASSERT_TRUE(pollUntil([&] { return IsIconic(bar) != FALSE; })) << "the bar was not minimised";
    post(bar, WM_CLOSE);

    ASSERT_TRUE(zudav.waitForExit(kStepTimeoutMs)) << "the minimised bar did not end after WM_CLOSE";
    EXPECT_TRUE(savedPlaceMatches(readSettings(L"Zudav"), restored))
        << "the bar stood at " << testing::PrintToString(restored) << " before it was minimised";
}

}  // namespace
}  // namespace e2e
