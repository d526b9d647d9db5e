// A bar docked at an edge reserves its room with the shell, against a model of the shell's list of desktop toolbars.
#include <functional>

#include "bar/fake/fake_desktop_toolbars.h"
#include "bar_test.h"

namespace zudav {
namespace {

const Geometry kMonitor{0, 0, 19200, 14400}, kSecond{19200, -3600, 28800, 21600};

class Docking : public BarTest {
  protected:
    void SetUp() override {
        platform.monitors = {kMonitor, kSecond};
        shell.AddTaskbar(ScreenEdge::Bottom, kMonitor, 600);
        bar.toolbar.UseList(shell);
        Put(Key(Option::Reserver), L"1");
        ShowWorkAreas();
    }
    void ShowWorkAreas() { platform.workAreas = {shell.WorkArea(kMonitor), shell.WorkArea(kSecond)}; }
    std::vector<std::wstring> Messages() { return std::exchange(shell.log, {}); }
    void Start(const Geometry& place) {
        bar.bounds = place;
        Put(Key(Option::Horizont), place.width > place.height ? L"True" : L"False");
        const std::pair<std::wstring, float> stored[] = {{Key(Option::Left), place.left},
                                                         {Key(Option::Top), place.top},
                                                         {L"width", place.width},
                                                         {L"height", place.height}};
        for (const auto& [key, value] : stored) {
            Put(key, std::to_wstring(static_cast<int>(value)).c_str());
        }
        platform.runningCopies.clear();  // each start as a new process
        principal.Charger();
        ShowWorkAreas();
    }

    DesktopToolbarList shell;
};

TEST_F(Docking, ADockedBarReservesItsRoomStackedBeyondTheTaskbarAndTheBarsAlreadyThere) {
    using Log = std::vector<std::wstring>;
    const Log joined = {L"NEW 1", L"QUERYPOS 1 left", L"SETPOS 1 left"};
    const struct {
        const char* what;
        Geometry bar;
        Geometry placed;
        Log messages;
        Geometry workArea;  // of the bar's monitor
        float scale = 1;    // that monitor's DPI over the system's
        FrameMargins frame{};
    } cases[] = {
        {"at the left edge, by the presets' margin",
         {100, 200, 870, 10210},
         {0, 200, 870, 10210},
         joined,
         {870, 0, 18330, 13800}},
        {"at the right edge",
         {18230, 200, 870, 10210},
         {18330, 200, 870, 10210},
         {L"NEW 1", L"QUERYPOS 1 right", L"SETPOS 1 right"},
         {0, 0, 18330, 13800}},
        {"lying at the top",
         {100, 100, 11860, 870},
         {100, 0, 11860, 870},
         {L"NEW 1", L"QUERYPOS 1 top", L"SETPOS 1 top"},
         {0, 870, 19200, 12930}},
        {"lying on the taskbar's edge: above it",
         {100, 12430, 11860, 870},
         {100, 12930, 11860, 870},
         {L"NEW 1", L"QUERYPOS 1 bottom", L"SETPOS 1 bottom"},
         {0, 0, 19200, 12930}},
        {"on a second monitor of 150 %, at its left edge: thicker on the screen",
         {19300, 0, 870, 10210},
         {19200, 0, 870, 10210},
         joined,
         {20505, -3600, 27495, 21600},
         1.5f},
        {"with invisible borders of 7 pixels: what the user sees is flush, and is the room",
         {100, 200, 1080, 10315},
         {-105, 200, 1080, 10315},
         joined,
         {870, 0, 18330, 13800},
         1,
         {105, 0, 105, 105}},
        {"too far from every edge", {3000, 200, 870, 10210}, {3000, 200, 870, 10210}, {}, {0, 0, 19200, 13800}},
        {"upright at the top edge", {3000, 0, 870, 10210}, {3000, 0, 870, 10210}, {}, {0, 0, 19200, 13800}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        bar.sizeScale = c.scale;
        bar.invisibleFrame = c.frame;
        Start(c.bar);
        EXPECT_EQ(bar.bounds, c.placed);
        EXPECT_EQ(Messages(), c.messages);
        EXPECT_EQ(shell.WorkArea(platform.MonitorAt(c.bar)), c.workArea);
        principal.Decharger();
        EXPECT_EQ(Messages(), c.messages.empty() ? Log{} : Log{L"REMOVE 1"}) << "every exit gives the room back";
    }
}

TEST_F(Docking, TheRoomFollowsTheBarTheOptionsAndTheShellWithoutLooping) {
    FakePlatform elsewhere;  // another bar, in a process of its own
    elsewhere.monitors = platform.monitors;
    elsewhere.workAreas = platform.workAreas;
    FakeBarWindow other;
    other.toolbar = FakeDesktopToolbar(shell, 2);
    Principal second{elsewhere, store, other};
    Start({100, 200, 870, 10210});
    Messages();
    const struct {
        const char* what;
        std::function<void()> change;
        std::vector<std::wstring> messages;
        Geometry placed;
    } steps[] = {
        {"a second bar on the same edge stands beyond the first",
         [&] {
             second.Charger();  // from the same stored place
         },
         {L"NEW 2", L"QUERYPOS 2 left", L"SETPOS 2 left"},
         {0, 200, 870, 10210}},
        {"a burst of notices: one negotiation, nothing new to take",
         [&] {
             principal.OnDisplayChange();
             principal.OnDockingNotice(Principal::DockingNotice::WorkAreaChanged);
             principal.OnDockingNotice(Principal::DockingNotice::ToolbarsMoved);
             principal.OnDockingTimer();
             principal.OnDockingTimer();
         },
         {L"NEW 1", L"QUERYPOS 1 left"},  // a change of monitors asks whether the shell still lists the bar
         {0, 200, 870, 10210}},
        {"a sleep the shell kept the bar over: nothing new to take",
         [&] {
             principal.OnDockingNotice(Principal::DockingNotice::Resumed);
             principal.OnDockingTimer();
         },
         {L"NEW 1", L"QUERYPOS 1 left"},
         {0, 200, 870, 10210}},
        {"a sleep the shell lost the bar over: it joins again and takes its room",
         [&] {
             shell.Lose(1);
             principal.OnDockingNotice(Principal::DockingNotice::Resumed);
             principal.OnDockingTimer();
         },
         {L"NEW 1", L"QUERYPOS 1 left", L"SETPOS 1 left"},
         {0, 200, 870, 10210}},
        {"Explorer restarts: the bar joins the new list",
         [&] {
             shell.Restart();
             principal.OnShellRestarted();
             principal.OnDockingTimer();
         },
         {L"NEW 1", L"QUERYPOS 1 left", L"SETPOS 1 left"},
         {0, 200, 870, 10210}},
        {"dragged away from the edge: the room goes back",
         [&] {
             bar.bounds.left = 4000;
             principal.Dock();
         },
         {L"REMOVE 1"},
         {4000, 200, 870, 10210}},
        {"back at the edge, then the option cleared",
         [&] {
             bar.bounds.left = 150;
             principal.Dock();
             Put(Key(Option::Reserver), L"0");
             principal.OnMenu(MenuCommand::Configuration);
         },
         {L"NEW 1", L"QUERYPOS 1 left", L"SETPOS 1 left", L"REMOVE 1"},
         {0, 200, 870, 10210}},
        {"a shell that refuses is asked once; the bar docks by itself",
         [&] {
             Put(Key(Option::Reserver), L"1");
             shell.answers = false;
             bar.bounds.left = 200;
             principal.OnMenu(MenuCommand::Configuration);
             principal.OnDockingNotice(Principal::DockingNotice::WorkAreaChanged);
             principal.OnDockingTimer();
         },
         {L"NEW 1"},
         {0, 200, 870, 10210}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        ShowWorkAreas();
        EXPECT_EQ(Messages(), step.messages);
        EXPECT_EQ(bar.bounds, step.placed);
        EXPECT_EQ(bar.squareCorners, step.placed.left == 0) << "square corners only flush against the edge";
    }
    EXPECT_EQ(other.bounds.left, 870);
}

TEST_F(Docking, TheShellsWordOnAFullScreenProgramLastsWhileTheBarIsInItsList) {
    using Event = std::function<void()>;
    const Event opened = [&] { principal.OnFullScreenNotice(true); }, restarted = [&] {
        shell.Restart();
        principal.OnShellRestarted();
        principal.OnDockingTimer();
    };
    const auto after = [&](Principal::DockingNotice notice, bool lost) -> Event {
        return [=] {
            if (lost) {
                shell.Lose(1);
            }
            principal.OnDockingNotice(notice);
            principal.OnDockingTimer();
        };
    };
    const Event leaves = [&] {
        bar.bounds.left = 4000;
        principal.Dock();
    };
    // Events in turn, and whether the bar stands in the topmost band after each (1) or not.
    const Event events[] = {opened,
                            restarted,
                            opened,
                            after(Principal::DockingNotice::DisplayChanged, false),  // a game changed the display mode
                            after(Principal::DockingNotice::Resumed, true),
                            opened,
                            after(Principal::DockingNotice::DisplayChanged, true),
                            opened,
                            leaves};
    const char* topmost = "010010101";
    Start({100, 200, 870, 10210});
    for (const Event& event : events) {
        event();
        EXPECT_EQ(bar.topmost, *topmost++ == '1') << "left: " << topmost;
    }
}

TEST_F(Docking, AnAutoHideBarHidesOnceTheUserHasLeftItAndComesBackWhenCalled) {
    Put(Key(Option::Masquer), L"1");  // with Reserver: auto-hide wins, and no room is reserved
    Put(Key(Option::Raccourci), L"1658");
    Item(ItemField::Chemin, 0, L"C:\\Outils\\outil.exe");
    platform.startablePrograms = platform.existingFiles = {L"C:\\Outils\\outil.exe"};
    Start({100, 200, 870, 10210});
    EXPECT_EQ(Messages(), (std::vector<std::wstring>{L"NEW 1", L"AUTOHIDE on 1 left"}));
    EXPECT_TRUE(bar.topmost);
    const auto leave = [&] {
        bar.pointerOver = false;
        principal.OnPointerLeft();
        principal.OnHideTimer();
    };
    const auto during = [&](std::function<void()> open) {  // the bar looks at the pointer while a window is open
        bar.duringModal = leave;
        open();
        bar.duringModal = nullptr;
    };
    constexpr float kShown = 0, kHidden = 30 - 870;  // 2 pixels left on the edge
    const struct {
        const char* what;
        std::function<void()> step;
        float left;
    } steps[] = {
        {"docked flush against the edge", [] {}, kShown},
        {"the pointer left it", leave, kHidden},
        {"the pointer touches the strip", [&] { bar.pointerOver = true, principal.OnPointerOver(); }, kShown},
        {"the pointer still on it when the delay ends", [&] { principal.OnHideTimer(); }, kShown},
        {"the pointer gone without a word",
         [&] {
             EXPECT_TRUE(bar.hideTimer) << "no tick would come";
             bar.pointerOver = false, principal.OnHideTimer();
         },
         kShown},
        {"a tick later", [&] { principal.OnHideTimer(); }, kHidden},
        {"the pointer on the strip again", [&] { bar.pointerOver = true, principal.OnPointerOver(); }, kShown},
        {"the menu open", [&] { during([&] { principal.OnActionLabelClick(); }); }, kShown},
        {"then closed", [&] { principal.OnHideTimer(); }, kHidden},
        {"files dragged over the strip", [&] { principal.OnDragOver(100, 100, {}); }, kShown},
        {"and over it still", leave, kShown},
        {"then away", [&] { principal.OnDragLeave(), principal.OnHideTimer(); }, kHidden},
        {"its hot key typed in a hot-key box of the program's: handed to the box",
         [&] {
             bar.hotKeyBoxInFront = true, principal.OnHotKey(), bar.hotKeyBoxInFront = false;
             EXPECT_EQ(bar.handedHotKeys.size(), 1u);
             EXPECT_FALSE(bar.keyboard);
         },
         kHidden},
        {"its hot key: shown, with the keyboard", [&] { principal.OnHotKey(); }, kShown},
        {"the keyboard on it holds it", leave, kShown},
        {"the keyboard given back", [&] { bar.keyboard = false, principal.OnHideTimer(); }, kHidden},
        {"its notification icon", [&] { principal.OnTrayMessage(0x201); }, kShown},
        {"the item editor open", [&] { during([&] { principal.OnRightPress(2); }); }, kShown},
        {"the bar dragged by the user", [&] { principal.OnMoveSizeLoop(true), leave(); }, kShown},
        {"let go", [&] { principal.OnMoveSizeLoop(false), principal.OnHideTimer(); }, kHidden},
        {"a second start", [&] { principal.OnStartedAgain(); }, kShown},
        {"a launch: hidden, not minimised", [&] { principal.LancerItem(0); }, kHidden},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.step();
        EXPECT_EQ(bar.bounds.left, step.left);
        EXPECT_EQ(principal.Hidden(), step.left == kHidden);
    }
    EXPECT_FALSE(bar.minimized);
    leave();
    principal.Decharger();
    EXPECT_EQ(Stored(Key(Option::Left)), L"0") << "the place saved is the bar's shown one";
    EXPECT_EQ(Messages(), (std::vector<std::wstring>{L"AUTOHIDE off 1 left", L"REMOVE 1"}));
}

TEST_F(Docking, AnAutoHideBarHidesFromItsStartAndLiesHiddenWhereItCoversNothing) {
    Put(Key(Option::Masquer), L"1");
    using Notice = Principal::DockingNotice;
    const struct {
        const char* what;
        Geometry bar;
        bool keyPressed;      // on it, before the delay ends
        Geometry afterDelay;  // where it stands half a second after its start, the pointer elsewhere
        bool hidden;
        bool underTaskbar;
    } cases[] = {
        {"at the left edge, the keyboard handed over at start",
         {100, 200, 870, 10210},
         false,
         {30 - 870, 200, 870, 10210},
         true,
         false},
        {"on the taskbar's edge: its strip at the work area's edge, under the taskbar",
         {100, 12430, 11860, 870},
         false,
         {100, 13800 - 30, 11860, 870},
         true,
         true},
        {"at the right edge, which the second monitor touches: whole, its room reserved",
         {18230, 200, 870, 10210},
         false,
         {18330, 200, 870, 10210},
         false,
         false},
        {"a key pressed on it: the user's keyboard holds it",
         {100, 200, 870, 10210},
         true,
         {0, 200, 870, 10210},
         false,
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        bar.keyboard = true;  // the window system activates a program as it starts
        ShowWorkAreas();
        Start(c.bar);
        EXPECT_EQ(principal.HidesAtItsEdge(), c.hidden || c.keyPressed);
        if (c.keyPressed) {
            principal.OnKeyboardUsed();
        }
        bar.pointerOver = false;
        principal.OnHideTimer();
        EXPECT_EQ(bar.bounds, c.afterDelay);
        EXPECT_EQ(principal.Hidden(), c.hidden);
        EXPECT_EQ(bar.belowTaskbar, c.underTaskbar);
        EXPECT_TRUE(bar.topmost);
        for (const Notice notice : {Notice::ToolbarsMoved, Notice::WorkAreaChanged, Notice::DisplayChanged}) {
            notice == Notice::DisplayChanged ? principal.OnDisplayChange() : principal.OnDockingNotice(notice);
            principal.OnDockingTimer();
            EXPECT_EQ(bar.bounds, c.afterDelay) << "each notice leaves it where it lies";
            EXPECT_EQ(principal.Hidden(), c.hidden);
        }
        if (c.hidden) {
            platform.workAreas[0].height -= 300;  // the taskbar grew: the hidden bar follows the work area's edge
            principal.OnDockingNotice(Notice::WorkAreaChanged);
            principal.OnDockingTimer();
            EXPECT_TRUE(principal.Hidden());
            EXPECT_EQ(bar.bounds.top, c.afterDelay.top - (c.underTaskbar ? 300 : 0));
            bar.pointerOver = true;
            principal.OnPointerOver();
            EXPECT_TRUE(bar.topmost && !bar.belowTaskbar) << "shown: on top of the band again";
        }
        principal.Decharger();
        Messages();
    }
}

TEST_F(Docking, AnEdgeWhereTheTaskbarHidesRefusesTheBarWhichHidesAllTheSame) {
    shell.AddTaskbar(ScreenEdge::Left, kMonitor, 600, true);
    Put(Key(Option::Masquer), L"1");
    Start({100, 200, 870, 10210});
    EXPECT_TRUE(principal.AutoHideRefused());
    bar.pointerOver = false;
    principal.OnHideTimer();
    EXPECT_TRUE(principal.Hidden());
}

TEST_F(Docking, ALockedBarHoldsItsReservedPlace) {
    Put(L"Bloqu\u00e9e", L"1");
    Put(Key(Option::GranX), L"200");
    Put(Key(Option::GranY), L"200");
    Start({200, 200, 870, 10210});
    EXPECT_EQ(bar.bounds.left, 0);
    EXPECT_EQ(principal.HeldPlace().left, 0);
}

}  // namespace
}  // namespace zudav
