// A bar on every screen: where its other windows stand, the windows that screens coming and going open and close, and
// the window the hot key and the icon bring back.
#include <gtest/gtest.h>

#include "bar/every_screen.h"
#include "bar_test.h"

namespace zudav {
namespace {

std::string Text(const PixelRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
           std::to_string(r.bottom - r.top);
}

// The primary screen 1920x1040 of work area at 96 dpi; a 1280x984 screen at 144 dpi to its left; a small one above.
TEST(EveryScreen, EachWindowStandsWhereTheBarStandsOnItsOwnScreen) {
    const ScreenArea primary{{0, 0, 1920, 1040}, 96}, left{{-1280, 40, 0, 1024}, 144}, above{{0, -600, 800, 0}, 96};
    const struct {
        const char* what;
        PixelRect own;
        std::optional<ScreenEdge> docked;
        ScreenArea to;
        const char* expected;
    } cases[] = {
        {"left edge, the same DPI", {0, 100, 58, 500}, ScreenEdge::Left, above, "0,-500 58x400"},
        {"left edge, at 144 dpi", {0, 100, 58, 500}, ScreenEdge::Left, left, "-1280,190 87x600"},
        {"right edge", {1862, 100, 1920, 500}, ScreenEdge::Right, left, "-87,190 87x600"},
        {"top edge", {300, 0, 700, 58}, ScreenEdge::Top, left, "-830,40 600x87"},
        {"bottom edge", {300, 982, 700, 1040}, ScreenEdge::Bottom, left, "-830,937 600x87"},
        {"floating, moved in", {400, 300, 458, 700}, std::nullopt, left, "-680,424 87x600"},
        {"floating, on a small screen", {1800, 900, 1858, 1000}, std::nullopt, above, "742,-100 58x100"},
        {"longer than the screen", {0, 0, 58, 1040}, ScreenEdge::Left, above, "0,-600 58x1040"},
        {"back from the left screen", {-1280, 190, -1193, 790}, ScreenEdge::Left, primary, "0,100 58x400"},
    };
    for (const auto& c : cases) {
        const ScreenArea from = c.own.left < 0 ? left : primary;
        EXPECT_EQ(Text(PlaceOnScreen(c.own, from, c.docked, c.to)), c.expected) << c.what;
    }
}

// A screen plugged in gets a window; one unplugged loses its own, and the bar's own window goes to the primary screen
// when its screen went.
TEST(EveryScreen, ScreensThatComeAndGoOpenAndCloseWindows) {
    const PixelRect a{0, 0, 1920, 1080}, b{1920, 0, 3200, 1024}, c{-1280, 0, 0, 1024};
    const struct {
        const char* what;
        std::vector<PixelRect> shown;
        int own;
        std::vector<PixelRect> screens;
        int primary;
        std::vector<int> open, close;
        std::optional<int> ownMovesTo;
    } cases[] = {
        {"one screen, one window", {a}, 0, {a}, 0, {}, {}, std::nullopt},
        {"a screen plugged in", {a}, 0, {a, b}, 0, {1}, {}, std::nullopt},
        {"two plugged in", {a}, 0, {c, a, b}, 1, {0, 2}, {}, std::nullopt},
        {"the second unplugged", {a, b}, 0, {a}, 0, {}, {1}, std::nullopt},
        {"the own screen unplugged", {b, a}, 0, {a}, 0, {}, {1}, 0},
        {"all unplugged but one new", {a, b}, 1, {c}, 0, {}, {0}, 0},
        {"no screen known", {a, b}, 0, {}, 0, {}, {1}, std::nullopt},
    };
    for (const auto& c : cases) {
        const ScreenChanges changes = ChangesForScreens(c.shown, c.own, c.screens, c.primary);
        EXPECT_EQ(changes.open, c.open) << c.what;
        EXPECT_EQ(changes.close, c.close) << c.what;
        EXPECT_EQ(changes.ownMovesTo, c.ownMovesTo) << c.what;
    }
    // The hot key and the icon: the window of the screen that holds the point, else the bar's own.
    const std::vector<PixelRect> screens{a, b, c};
    EXPECT_EQ(WindowToBringBack(screens, {2000, 500}), 1);
    EXPECT_EQ(WindowToBringBack(screens, {-5, 10}), 2);
    EXPECT_EQ(WindowToBringBack(screens, {5000, 10}), 0);
}

// A second window of the bar shows the one model: an item saved from either window shows on both.
TEST_F(BarTest, TwoWindowsOfTheBarShowItsOneModel) {
    platform.existingFiles = {L"C:\\Prog\\agenda.exe"};
    principal.Charger();
    FakeBarWindow other;
    Principal second(platform, principal.Model(), other);
    BarItem item;
    item.chemin = L"C:\\Prog\\agenda.exe";
    second.Model().SetItem(4, item, false);
    EXPECT_EQ(bar.items[4].path, L"C:\\Prog\\agenda.exe");
    EXPECT_EQ(other.items[4].path, L"C:\\Prog\\agenda.exe");
    EXPECT_EQ(Stored(L"Chemin4"), L"C:\\Prog\\agenda.exe");
}

}  // namespace
}  // namespace zudav
