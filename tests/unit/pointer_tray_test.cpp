#include "bar/tray.h"

#include <gtest/gtest.h>

#include "bar/fake/fake_bar_window.h"
#include "bar/principal.h"
#include "bar/settings/memory_store.h"
#include "platform/fake/fake_platform.h"

namespace zudav {
namespace {

class Pointer : public ::testing::Test {
  protected:
    FakePlatform platform;
    MemoryStore store;
    FakeBarWindow window;
    LaBarre module;
    Principal principal{platform, store, window, module};
};

TEST_F(Pointer, FirstHoverOfCellZeroDoesNotStartTheTimer) {
    principal.Survol(0);
    EXPECT_TRUE(window.borders[0]);
    EXPECT_FALSE(window.timerEnabled);
    EXPECT_EQ(window.focusRequests, 0);
}

TEST_F(Pointer, HoverMovesTheHighlightAndTheTimerClearsIt) {
    principal.Survol(5);
    EXPECT_TRUE(window.borders[5]);
    EXPECT_TRUE(window.timerEnabled);
    principal.Survol(7);
    EXPECT_FALSE(window.borders[5]);
    EXPECT_TRUE(window.borders[7]);
    EXPECT_EQ(window.focusRequests, 2);

    principal.OnTimer();
    EXPECT_FALSE(window.borders[7]);
    EXPECT_FALSE(window.timerEnabled);

    // The same cell again: highlighted, the timer stays off, so the border stays.
    principal.Survol(7);
    EXPECT_TRUE(window.borders[7]);
    EXPECT_FALSE(window.timerEnabled);
}

TEST_F(Pointer, LockedBarTakesItsHeldGeometryBackOnRepaint) {
    window.bounds = {4000, 2000, 870, 10215};
    principal.OnPaint();
    EXPECT_EQ(window.bounds, (Geometry{4000, 2000, 870, 10215}));

    principal.Block = true;
    principal.GranX = 15;
    principal.GranY = 30;
    principal.Lar = 900;
    principal.Hau = 9000;
    principal.OnPaint();
    EXPECT_EQ(window.bounds, (Geometry{15, 30, 900, 9000}));
}

TEST_F(Pointer, BackgroundDragsAndSmallControlsActEvenWhenLocked) {
    principal.Block = true;
    principal.OnBackgroundPress();
    EXPECT_EQ(window.drags, 1);
    principal.OnActionLabelClick();
    ASSERT_EQ(window.menuPopups.size(), 1u);
    EXPECT_FALSE(window.menuPopups[0]);
    principal.OnStopImageClick();
    EXPECT_EQ(window.closeRequests, 1);
}

TEST(TrayCodes, DecodeEachMouseMessage) {
    EXPECT_EQ(DecodeTrayCode(0x201), TrayAction::RefreshAndRestore);
    EXPECT_EQ(DecodeTrayCode(0x202), TrayAction::Show);
    EXPECT_EQ(DecodeTrayCode(0x203), TrayAction::About);
    EXPECT_EQ(DecodeTrayCode(0x205), TrayAction::Menu);
    for (std::uint32_t code : {0x200u, 0x204u, 0x206u, 0x207u, 0u, 0x10201u}) {
        EXPECT_EQ(DecodeTrayCode(code), TrayAction::None) << code;
    }
}

TEST_F(Pointer, TrayLeftPressRefreshesAndRestoresTheMinimisedBar) {
    window.minimized = true;
    window.pictures[0] = L"stale";
    principal.OnTrayMessage(0x201);
    EXPECT_FALSE(window.minimized);
    EXPECT_TRUE(window.shown);
    EXPECT_EQ(window.pictures[0], L"free");
}

TEST_F(Pointer, TrayEventsDuringADispatchAreNotDispatched) {
    // While the About box opened by a double click is up, further clicks on the icon do nothing.
    window.duringModal = [&] {
        principal.OnTrayMessage(0x203);
        principal.OnTrayMessage(0x205);
    };
    principal.OnTrayMessage(0x203);
    EXPECT_EQ(window.aboutShown, 1);
    EXPECT_TRUE(window.menuPopups.empty());

    // Once it has closed, the icon answers again: the menu with "A &Propos de ..." as default.
    window.duringModal = nullptr;
    principal.OnTrayMessage(0x205);
    ASSERT_EQ(window.menuPopups.size(), 1u);
    EXPECT_TRUE(window.menuPopups[0]);
    principal.OnTrayMessage(0x204);
    EXPECT_EQ(window.menuPopups.size(), 1u);
}

}  // namespace
}  // namespace zudav
