#include "bar/layout.h"

#include <gtest/gtest.h>

#include "bar/fake/fake_bar_window.h"
#include "bar/principal.h"
#include "bar/settings/memory_store.h"
#include "platform/fake/fake_platform.h"

namespace zudav {
namespace {

TEST(Layout, VerticalBarFollowsItsWidth) {
    BarControls controls;
    const WindowLength length = LayOut(false, 870, 8490, controls);
    EXPECT_FALSE(length.horizontal);
    EXPECT_EQ(length.value, 10210);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(controls.cells[i], (ControlRect{0, 300.0f + 720.0f * i, 720, 720})) << i;
        EXPECT_EQ(controls.pictures[i], (ControlRect{120, 420.0f + 720.0f * i, 480, 480})) << i;
    }
    PlaceStopImage(870, controls);
    EXPECT_EQ(controls.stopImage, (ControlRect{530, 0, 240, 240}));

    // The height the window had does not matter; the nested pass after the length is set changes nothing.
    BarControls again = controls;
    EXPECT_EQ(LayOut(false, 870, 10210, again).value, 10210);
    EXPECT_EQ(again.cells, controls.cells);
    EXPECT_EQ(again.pictures, controls.pictures);
}

TEST(Layout, HorizontalBarFollowsItsHeight) {
    BarControls controls;
    const WindowLength length = LayOut(true, 5000, 1220, controls);
    EXPECT_TRUE(length.horizontal);
    EXPECT_EQ(length.value, 16410);
    const float lefts[] = {500, 1720, 2940};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(controls.cells[i], (ControlRect{lefts[i], 40, 720, 720}));
    }
    EXPECT_EQ(controls.cells[12].left, 15140);
    EXPECT_EQ(controls.pictures[1], (ControlRect{1840, 160, 480, 480}));
    PlaceStopImage(length.value, controls);
    EXPECT_EQ(controls.stopImage.left, 16070);
    EXPECT_EQ(controls.stopImage.top, 0);
}

TEST(Layout, ThinHorizontalBarPutsIconsOverTheCellFrames) {
    BarControls controls;
    LayOut(true, 3000, 870, controls);
    EXPECT_EQ(controls.cells[0].width, 370);
    // (370 - 480) / 2 = -55: the icon stands 55 twips outside its cell.
    EXPECT_EQ(controls.pictures[0].left, 500 - 55);
    EXPECT_EQ(controls.pictures[0].top, 40 - 55);
}

TEST(Layout, OffsetHalvesRoundToEven) {
    BarControls controls;
    // Side 725: (725 - 480) / 2 = 122.5 -> 122; side 727: 123.5 -> 124.
    LayOut(false, 875, 5000, controls);
    EXPECT_EQ(controls.pictures[0].left, 122);
    LayOut(false, 877, 5000, controls);
    EXPECT_EQ(controls.pictures[0].left, 124);
}

TEST(Layout, NegativeSideIsRefusedAndTheCellsKeepTheirSize) {
    BarControls controls;
    LayOut(false, 870, 8490, controls);
    // A window narrower than its frame allowance: the size assignments fail, the positions still run.
    const WindowLength length = LayOut(false, 100, 8490, controls);
    EXPECT_EQ(controls.cells[3], (ControlRect{0, 300 + 3 * 720, 720, 720}));
    EXPECT_EQ(length.value, 10210);
}

class BarLayout : public ::testing::Test {
  protected:
    FakePlatform platform;
    MemoryStore store;
    FakeBarWindow window;
    LaBarre module;
    Principal principal{platform, store, window, module};
};

TEST_F(BarLayout, ResizeRunsOnlyWhenEnabledAndUnlocked) {
    window.bounds = {0, 0, 870, 8490};
    principal.OnResize();  // before start-up: ResizeOK is still False
    EXPECT_EQ(window.bounds.height, 8490);
    EXPECT_EQ(window.controls.cells[0].width, 0);

    principal.ResizeOK = true;
    principal.Block = true;
    principal.OnResize();
    EXPECT_EQ(window.bounds.height, 8490);

    principal.Block = false;
    principal.OnResize();
    EXPECT_EQ(window.bounds.height, 10210);
    EXPECT_EQ(window.controls.cells[12].top, 300 + 12 * 720);
    EXPECT_EQ(window.controls.stopImage.left, 530);
}

TEST_F(BarLayout, HorizontalBarSetsItsWidthAndMovesTheStopImage) {
    principal.ResizeOK = true;
    principal.Horizon = true;
    window.bounds = {0, 0, 3000, 1220};
    principal.OnResize();
    EXPECT_EQ(window.bounds.width, 16410);
    EXPECT_EQ(window.bounds.height, 1220);
    EXPECT_EQ(window.controls.stopImage.left, 16410 - 340);
}

}  // namespace
}  // namespace zudav
