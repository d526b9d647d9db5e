// A secondary window at its monitor's DPI on a 96-dpi primary, and captions given the room they need.
#include "platform/dpi_layout.h"

#include <gtest/gtest.h>

namespace zudav {
namespace {

TEST(DpiLayout, AWindowTakesItsFrameAndTheDialogFontAtItsMonitorsDpi) {
    // The configuration window's client area (6975 x 9990 twips) and frame, and the stock font made for 96 dpi.
    struct Case {
        int dpi;
        FrameInsets frame;
        PixelSize window;
        int fontHeight;
    } const cases[] = {{96, {4, 27, 4, 4}, {465 + 8, 666 + 31}, -11},
                       {120, {5, 33, 5, 5}, {581 + 10, 833 + 38}, -14},
                       {144, {6, 39, 6, 6}, {698 + 12, 999 + 45}, -17},
                       {192, {8, 52, 8, 8}, {930 + 16, 1332 + 60}, -22}};
    for (const Case& c : cases) {
        const PixelSize size = WindowSizeForClientTwips(6975, 9990, c.dpi, c.frame);
        EXPECT_EQ(size.width, c.window.width) << c.dpi;
        EXPECT_EQ(size.height, c.window.height) << c.dpi;
        EXPECT_EQ(FontHeightAtDpi(-11, 96, c.dpi), c.fontHeight) << c.dpi;
    }
}

TEST(DpiLayout, ACaptionTooLongForItsBoxGrowsItOrWraps) {
    // A box at 10, 20: the caption's need, multi-line or not, the room on its right; the box fitted, and whether the
    // text wraps there (at a wrapped height of 39).
    struct Case {
        CaptionNeed need;
        bool multiLine;
        int roomRight;
        PixelBox fitted;
        bool wraps;
    } const cases[] = {{{90, 13}, false, 300, {10, 20, 100, 16}, false},   // fits
                       {{140, 13}, false, 300, {10, 20, 140, 16}, false},  // grows right
                       {{400, 13}, false, 300, {10, 20, 290, 39}, true},   // grows to the room, then wraps
                       {{140, 13}, false, 50, {10, 20, 100, 39}, true},    // no room at all
                       {{140, 13}, true, 300, {10, 20, 100, 39}, true},    // multi-line keeps its width
                       {{90, 18}, false, 300, {10, 20, 100, 18}, false}};  // too low for one line
    for (const Case& c : cases) {
        CaptionFit fit = FitCaption({10, 20, 100, 16}, c.need, c.multiLine, c.roomRight);
        EXPECT_EQ(fit.wraps, c.wraps) << c.need.width;
        EXPECT_EQ(fit.wraps ? FitHeight(fit.box, 39) : fit.box, c.fitted) << c.need.width;
    }
}

TEST(DpiLayout, AChangeOfScaleWindowsDoesNotTellIsFoundAtTheNextNotice) {
    using Step = DpiFollower::Step;
    // The window's DPI and its monitor's at each notice, whether WM_DPICHANGED came before it, and the step asked for.
    struct Case {
        int window;
        int monitor;
        bool told;
        Step step;
    } const cases[] = {{96, 96, false, Step::None},     {96, 144, false, Step::Resize},  // Windows 11: not told
                       {96, 144, false, Step::None},                                     // asked once only
                       {144, 144, true, Step::None},                                     // the resize made it tell
                       {120, 120, false, Step::LayOut},                                  // changed without a word
                       {120, 144, false, Step::Resize}, {120, 120, false, Step::None},   // back before it was told
                       {120, 144, false, Step::Resize},                                  // and asked again
                       {120, 0, false, Step::None}};  // no DPI per window: nothing to follow
    DpiFollower follower{96};
    for (const Case& c : cases) {
        if (c.told) {
            follower.LaidOutAt(c.window);
        }
        const Step step = follower.Check(c.window, c.monitor);
        EXPECT_EQ(step, c.step) << c.window << " " << c.monitor;
        if (step == Step::LayOut) {
            follower.LaidOutAt(c.window);
        }
    }
    EXPECT_EQ(follower.LaidOut(), 120);
}

}  // namespace
}  // namespace zudav
