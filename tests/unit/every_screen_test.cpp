// A bar on every screen: where its other windows stand, the windows that screens coming and going open and close, and
// the window the hot key and the icon bring back.
#include <gtest/gtest.h>

#include <memory>

#include "bar/bar_screens.h"
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

// Three monitors: the primary 1920x1080 at 96 dpi with its taskbar at the bottom, one at 144 dpi to its left, and a
// small one above it.
const MonitorArea kPrimary{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 96, true};
const MonitorArea kLeft{{-1920, 0, 0, 1200}, {-1920, 0, 0, 1200}, 144, false};
const MonitorArea kAbove{{0, -600, 800, 0}, {0, -600, 800, 0}, 96, false};

// A window of the bar on another monitor, over the fake window, at the DPI of the monitor it stands on.
struct FakeScreenWindow : ScreenWindow {
    FakeScreenWindow(FakePlatform& platform, BarModel& model, int id, std::size_t& closedCount)
        : principal(platform, model, window), closed(&closedCount) {
        window.onResize = [this] { principal.OnResize(); };
        window.scaleAt = [&platform](const Geometry& at) {
            for (const MonitorArea& m : platform.monitorAreas) {
                if (at.left >= m.monitor.left * 15.0f && at.left < m.monitor.right * 15.0f &&
                    at.top >= m.monitor.top * 15.0f && at.top < m.monitor.bottom * 15.0f) {
                    return static_cast<float>(m.dpi) / 96;
                }
            }
            return 1.0f;
        };
        window.toolbar = FakeDesktopToolbar(window.toolbars, id);
    }
    ~FakeScreenWindow() override { ++*closed; }
    Principal& Logic() override { return principal; }
    void Show() override { window.Appear(); }
    void Hide() override { window.shown = false; }
    FakeBarWindow window;
    Principal principal;
    std::size_t* closed;
};

class EveryScreenTest : public BarTest {
  protected:
    EveryScreenTest() {
        platform.SetMonitors({kPrimary, kLeft, kAbove});
        bar.onResize = [this] { principal.OnResize(); };
        bar.scaleAt = [](const Geometry& at) { return at.left < 0 ? 1.5f : 1.0f; };
        Put(Key(Option::ChaqueEcran), L"1");
    }
    void Start(float left, float top) {
        Put(Key(Option::Left), NumberText(left * 15).c_str());
        Put(Key(Option::Top), NumberText(top * 15).c_str());
        principal.Charger();
        principal.OnResize();  // as the window is laid out once shown, and fitted
        principal.FitOnScreen();
        screens.Start();
    }
    static std::wstring NumberText(float value) { return std::to_wstring(static_cast<int>(value)); }
    // Each window's place in pixels, the bar's own first, then by the monitors' order.
    std::vector<std::string> Places() {
        std::vector<std::string> places;
        for (Principal* window : screens.Windows()) {
            places.push_back(Text(window->SeenPixels()));
        }
        return places;
    }
    FakeScreenWindow& Other(std::size_t i) { return *made.at(i); }

    std::vector<FakeScreenWindow*> made;  // in the order they were opened
    std::size_t closed = 0;               // of those, destroyed
    int nextId = 2;
    BarScreens screens{platform, principal, [this] {
                           auto window =
                               std::make_unique<FakeScreenWindow>(platform, principal.Model(), nextId++, closed);
                           window->window.toolbar.UseList(bar.toolbars);  // one shell for the bar's windows
                           window->principal.StartOnOtherScreen();
                           made.push_back(window.get());
                           return std::unique_ptr<ScreenWindow>(std::move(window));
                       }};
};

// One window on each monitor, at the bar's place relative to that monitor's work area and at that monitor's DPI: the
// same edge, the same offset along it, moved in where the monitor is smaller.
TEST_F(EveryScreenTest, EachMonitorGetsTheBarAtTheSamePlace) {
    Start(0, 100);
    ASSERT_EQ(made.size(), 2u);
    EXPECT_TRUE(Other(0).window.shown && Other(1).window.shown);
    // First seen where it stands, not where it was made (over the bar's own window).
    EXPECT_EQ(Other(0).window.firstShownAt, Other(0).window.bounds);
    EXPECT_EQ(Other(1).window.firstShownAt, Other(1).window.bounds);
    // At 144 dpi, 1.5 times as large; on the small monitor above, made thinner until it fits, moved in.
    EXPECT_EQ(Places(), (std::vector<std::string>{"0,100 58x681", "-1920,150 87x1021", "0,-600 52x599"}));
    // The same two windows stand at the right edge once the bar is moved there by a preset.
    bar.SetLeft((1920 - 58) * 15);
    principal.FitOnScreen();
    EXPECT_EQ(Places(), (std::vector<std::string>{"1862,100 58x681", "-87,150 87x1021", "748,-600 52x599"}));
    // Floating, at the same offset from each work area's corner, moved in where the window would reach past it.
    bar.SetLeft(400 * 15);
    bar.SetTop(200 * 15);
    principal.FitOnScreen();
    EXPECT_EQ(Places(), (std::vector<std::string>{"400,200 58x681", "-1320,178 87x1021", "400,-600 52x599"}));
    // Turned across: every window is, its length following its thickness.
    principal.Orient(true);
    principal.FitOnScreen();
    const PixelRect own = principal.SeenPixels(), left = Other(0).principal.SeenPixels();
    EXPECT_GT(own.right - own.left, own.bottom - own.top);
    EXPECT_GT(left.right - left.left, left.bottom - left.top);
    EXPECT_TRUE(Other(0).principal.Horizontal() && Other(1).principal.Horizontal());
    for (const auto& [window, monitor] :
         {std::pair{&Other(0).principal, kLeft}, std::pair{&Other(1).principal, kAbove}}) {
        const PixelRect r = window->SeenPixels();
        EXPECT_TRUE(r.left >= monitor.work.left && r.right <= monitor.work.right && r.top >= monitor.work.top &&
                    r.bottom <= monitor.work.bottom)
            << Text(r);
    }
}

// The bar's own window on the monitor left of the primary, at negative coordinates: the primary gets the other.
TEST_F(EveryScreenTest, TheBarsOwnWindowMayStandLeftOfThePrimary) {
    platform.SetMonitors({kPrimary, kLeft});
    Start(-1920, 150);
    ASSERT_EQ(made.size(), 1u);
    EXPECT_EQ(Places(), (std::vector<std::string>{"-1920,150 87x1021", "0,100 58x681"}));
}

// A drag of another monitor's window moves the bar's own the same way on its monitor; its place is the one stored.
TEST_F(EveryScreenTest, ADragOnAnotherWindowMovesTheBarAndIsStoredAsItsPlace) {
    Start(0, 100);
    FakeScreenWindow& left = Other(0);
    left.principal.OnMoveSizeLoop(true);
    left.window.SetTop(120 * 15);  // dragged up, still at the left edge
    left.principal.OnMovedByUser(false);
    EXPECT_EQ(Places(), (std::vector<std::string>{"0,80 58x681", "-1920,120 87x1021", "0,-600 52x599"}));
    // A preset chosen in the configuration window opened from that window places the bar's own window, which the
    // configuration window works on, and the others follow.
    left.window.duringModal = [&] {
        EXPECT_FALSE(bar.enabled) << "the configuration window holds every window of the bar";
        bar.SetLeft((1920 - 58) * 15);
        principal.FitOnScreen();
    };
    left.principal.OnMenu(MenuCommand::Configuration);
    EXPECT_EQ(left.window.configurationShown, 1);
    EXPECT_EQ(Places(), (std::vector<std::string>{"1862,80 58x681", "-87,120 87x1021", "748,-600 52x599"}));
    // Closing that window ends the bar: its own window closes, and stores its own place.
    left.principal.Decharger();
    EXPECT_EQ(bar.closeRequests, 1);
    principal.Decharger();
    EXPECT_TRUE(made.empty() || screens.Count() == 1);
    EXPECT_EQ(Stored(Key(Option::Top)), L"1200");
    EXPECT_EQ(Stored(Key(Option::Left)), L"27930");
}

// Monitors come and go: after the burst of notices, a new one gets a window, a window whose monitor went closes, and
// the bar's own goes to the primary when its monitor went.
TEST_F(EveryScreenTest, MonitorsThatComeAndGoOpenAndCloseWindows) {
    Start(-1920, 150);
    ASSERT_EQ(screens.Count(), 3u);
    const auto displayChanges = [&](std::vector<MonitorArea> monitors) {
        platform.SetMonitors(std::move(monitors));
        const std::size_t before = screens.Count();
        for (int notice = 0; notice < 3; ++notice) {
            principal.OnDisplayChange();
        }
        EXPECT_EQ(screens.Count(), before) << "nothing before the burst is over";
        principal.OnDockingTimer();
    };
    displayChanges({kPrimary, kLeft});
    EXPECT_EQ(Places(), (std::vector<std::string>{"-1920,150 87x1021", "0,100 58x681"}));
    // The bar's own monitor unplugged: the window system leaves the window where it was, the bar brings it over.
    displayChanges({kPrimary});
    ASSERT_EQ(screens.Count(), 1u);
    const PixelRect own = principal.SeenPixels();
    EXPECT_TRUE(own.left == 0 && own.top >= 0 && own.bottom <= 1040) << Text(own);
    displayChanges({kPrimary, kAbove});
    EXPECT_EQ(Places().at(1), "0,-600 52x599");
    // A minimised bar has nowhere to show a new monitor's window: it comes once the bar is restored.
    bar.minimized = true;
    displayChanges({kPrimary, kAbove, kLeft});
    EXPECT_EQ(screens.Count(), 2u);
    principal.OnTrayMessage(0x201);
    EXPECT_EQ(Places().at(2).rfind("-1920,", 0), 0u) << "at the left edge of its monitor";
    // The option switched off in the configuration window opened from another window: that window is hidden at once,
    // and the bar shows one window again.
    FakeScreenWindow& above = Other(made.size() - 2);
    above.window.duringModal = [&] { store.Write(L"Zudav", L"Donnees", Key(Option::ChaqueEcran), L"0"); };
    const int timerStarts = bar.dockingTimerStarts;
    above.principal.OnMenu(MenuCommand::Configuration);
    EXPECT_EQ(screens.Count(), 1u);
    EXPECT_FALSE(above.window.shown);
    // Until it is destroyed, shortly, it follows the bar no more: "on top" taken off does not show it again.
    store.Write(L"Zudav", L"Donnees", Key(Option::AlwaysOnTop), L"0");
    principal.Rafraichir();
    EXPECT_FALSE(above.window.shown);
    EXPECT_GT(bar.dockingTimerStarts, timerStarts) << "the bar's own window destroys it from its own message";
    principal.OnDockingTimer();
    EXPECT_EQ(closed, made.size()) << "every window but the bar's own is destroyed";
}

// The icon and a second start bring back the window of the pointer's monitor, the hot key the one of the window in
// front, with the keyboard; the others come back with it.
TEST_F(EveryScreenTest, TheIconASecondStartAndTheHotKeyBringBackTheWindowAtHand) {
    Start(0, 100);
    FakeScreenWindow &left = Other(0), &above = Other(1);
    left.window.minimized = bar.minimized = true;
    platform.pointer = {-600, 500};
    principal.OnTrayMessage(0x201);
    EXPECT_FALSE(left.window.minimized || bar.minimized);
    EXPECT_EQ(left.window.frontRequests, 1);
    platform.pointer = {300, -300};
    principal.OnStartedAgain();
    EXPECT_EQ(above.window.frontRequests, 1);
    platform.windowInFrontPlace = PixelRect{-1000, 100, -200, 700};
    principal.OnHotKey();
    EXPECT_TRUE(left.window.keyboard);
    EXPECT_FALSE(bar.keyboard || above.window.keyboard);
    // A modal window opened from one window holds every window of the bar.
    above.window.duringModal = [&] {
        EXPECT_FALSE(bar.enabled || left.window.enabled);
        principal.OnHotKey();  // brings the modal window forward instead
    };
    above.principal.OnMenu(MenuCommand::Propos);
    EXPECT_EQ(above.window.modalBroughtToFront, 1);
    EXPECT_TRUE(bar.enabled && left.window.enabled);
}

// Each window docks on its own monitor with its own entry in the shell's list, and steps aside for a full-screen
// program on its own monitor only.
TEST_F(EveryScreenTest, EachWindowDocksAndStepsAsideOnItsOwnMonitor) {
    Put(Key(Option::Reserver), L"1");
    Put(Key(Option::AlwaysOnTop), L"1");
    Start(0, 100);
    const Geometry leftMonitor{-1920 * 15, 0, 1920 * 15, 1200 * 15}, aboveMonitor{0, -600 * 15, 800 * 15, 600 * 15};
    EXPECT_EQ(bar.toolbars.WorkArea(leftMonitor).left, (-1920 + 87) * 15);
    EXPECT_EQ(bar.toolbars.WorkArea(aboveMonitor).left, Other(1).window.bounds.width);  // made thinner to fit
    FrontWindow game;
    game.rect = kLeft.monitor;
    for (Principal* window : screens.Windows()) {
        const PixelRect seen = window->SeenPixels();
        window->OnForegroundWindow(game, seen.left < 0  ? kLeft.monitor
                                         : seen.top < 0 ? kAbove.monitor
                                                        : kPrimary.monitor);
    }
    EXPECT_FALSE(Other(0).window.topmost);
    EXPECT_TRUE(bar.topmost && Other(1).window.topmost);
    // A window closed with its monitor gives its room back.
    platform.SetMonitors({kPrimary, kAbove});
    principal.OnDisplayChange();
    principal.OnDockingTimer();
    EXPECT_EQ(bar.toolbars.WorkArea(leftMonitor).left, -1920 * 15);
}

}  // namespace
}  // namespace zudav
