#include "bar/principal.h"

#include <functional>
#include <iterator>
#include <map>
#include <utility>
#include <vector>

#include "bar/lancer_item.h"
#include "bar/layout.h"
#include "bar/on_screen.h"
#include "bar/tray.h"
#include "bar_test.h"
#include "platform/placement.h"

namespace zudav {
namespace {

using namespace std::string_literals;

using Startup = BarTest;

TEST_F(Startup, StoredValuesThatConvertSetTheWindowOthersLeaveItsDesignValues) {
    // Where a bar with nothing stored stands; its window's design values are {75, 60, 1000, 7000}.
    const Geometry fresh{1, 1, 870, 8490};
    struct Case {
        std::vector<std::pair<const wchar_t*, const wchar_t*>> stored;
        Geometry bounds;
        bool topmost = true;
        const wchar_t* icon = L"";  // "": cleared, as no icon is stored
        wchar_t separator = '.';
        bool horizontal = false;
    } const cases[] = {
        {{}, fresh},
        // The correction is added to the stored top, unless the caption is empty or it does not fit 16 bits.
        {{{L"Coef", L"120"}, {L"top", L"3000"}}, {1, 3120, 870, 8490}},
        {{{L"Coef", L"-40"}, {L"top", L"3000"}, {L"width", L"1200"}}, {1, 2960, 1200, 8490}},
        {{{L"Coef", L"120"}, {L"top", L"3000"}, {L"Caption", L""}}, {1, 3000, 870, 8490}},
        {{{L"Coef", L"40000"}, {L"top", L"3000"}}, {1, 3000, 870, 8490}},
        {{{L"left", L"x"}, {L"top", L""}, {L"height", L"12,5"}}, {75, 60, 870, 7000}},
        {{{L"Horizont", L"True"}, {L"left", L"12,5"}, {L"width", L"1.5"}}, {12.5, 1, 1000, 8490}, true, L"", ',', true},
        // Always on top only when the value is 1.
        {{{L"AlwaysOnTop", L"2"}}, fresh, false},
        {{{L"AlwaysOnTop", L"oui"}, {L"Horizont", L"oui"}}, fresh, false},
        {{{L"AlwaysOnTop", L""}}, fresh, false},
        // A locked bar takes its held place at every repaint: what converts, else its own; a side under one cell is
        // the design size. An unlocked one reads none.
        {{{L"Bloquée", L"1"}, {L"GranY", L"45"}, {L"Lar", L"9"}, {L"Hau", L"x"}}, {1, 45, 870, 8490}},
        {{{L"Bloquée", L"False"}, {L"GranX", L"450"}}, fresh},
        {{{L"Bloquée", L"1"}}, fresh},
        // Sizes under one cell take the design size; values beyond the screen's coordinates do not convert; a bar
        // on no monitor comes into the nearest work area (19200 x 13800 here).
        {{{L"width", L"-5000"}, {L"height", L"300"}}, fresh},
        {{{L"width", L"1e30"}, {L"left", L"90000"}, {L"top", L"-1E+30"}}, {18200, 60, 1000, 8490}},
        {{{L"left", L"-40000"}, {L"top", L"20000"}}, {0, 5310, 870, 8490}},
        // Sides longer than all the monitors together (19200 x 14400 here) take the design size too.
        {{{L"width", L"491505"}, {L"height", L"14401"}}, fresh},
        // A locked bar keeps its size: one taller than the work area (13800) stands at its top.
        {{{L"Bloqu\u00e9e", L"1"}, {L"Lar", L"19201"}, {L"Hau", L"14400"}}, {1, 0, 870, 14400}},
        // A stored file that does not load as an icon leaves the built-in one.
        {{{L"Icone", L"C:\\barre.ico"}}, fresh, true, L"C:\\barre.ico"},
        {{{L"icone", L"C:\\photo.jpg"}}, fresh, true, L"built-in"},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(testing::Message() << "row " << i);
        const Case& c = cases[i];
        MemoryStore s;
        for (const auto& [key, value] : c.stored) {
            s.Write(L"Zudav", L"Donnees", key, value);
        }
        const int writes = s.Changes();
        FakeBarWindow w;
        w.bounds = {75, 60, 1000, 7000};
        w.loadableIcons = {L"C:\\barre.ico"};
        platform.decimalSeparator = c.separator;
        platform.runningCopies.clear();
        Principal started{platform, s, w};
        ASSERT_EQ(started.Charger(), Principal::LoadResult::Running);
        started.OnPaint();
        EXPECT_EQ(w.bounds, c.bounds);
        EXPECT_EQ(std::tuple(started.Horizontal(), w.topmost, w.icon),
                  std::tuple(c.horizontal, c.topmost, std::wstring(c.icon)));
        EXPECT_TRUE(started.LayoutRuns() && s.Changes() == writes) << "laid out, and nothing written";
        started.Decharger();  // the top saved is the corrected one: the correction adds up at every start
        EXPECT_EQ(started.Model().Number(Option::Top), c.bounds.top);
    }
}

TEST_F(Startup, ASecondCopyEndsAtOnceACopyUnderAnotherNameShowsItsOwnSlotsAndTrayIcon) {
    platform.runningCopies.insert(L"zudav");
    Put(L"Chemin0", L"C:\\Prog\\agenda.exe");
    EXPECT_EQ(principal.Charger(), Principal::LoadResult::AlreadyRunning);
    EXPECT_EQ(std::tuple(bar.caption, bar.shown, bar.pictures[0], platform.helpFile),
              std::tuple(L" "s, false, L""s, L""s));
    EXPECT_EQ(store.Changes(), 1);  // only the test's own write
    EXPECT_EQ(bar.broughtBack, std::vector<std::wstring>{L"Zudav"}) << "the running bar is asked to come back";

    platform.executablePath = L"C:\\Outils\\Autre.exe";
    bar.filesWithIcon = {L"C:\\Prog\\bloc.exe"};
    store.Write(L"Autre", L"Donnees", L"Chemin0", L"C:\\Prog\\bloc.exe");
    Principal autre{platform, store, bar};
    ASSERT_EQ(autre.Charger(), Principal::LoadResult::Running);
    EXPECT_EQ(std::tuple(bar.caption, bar.pictures[0], bar.trayIcon),
              std::tuple(L"Autre"s, L"icon:C:\\Prog\\bloc.exe"s, true));
    EXPECT_EQ(platform.helpFile, L"C:\\Outils\\Zudav.chm");  // one help file for every bar
    autre.Decharger();
    EXPECT_FALSE(bar.trayIcon);
}

TEST_F(Startup, ExitAndAnExportSaveThePlaceOrTheRestoredOneWhenMinimisedAsLeftTopWidthAndHeight) {
    principal.Charger();
    principal.StorePlace();
    EXPECT_FALSE(Stored(L"left")) << "stored for an export where the store put the bar";
    for (int way : {0, 1, 2}) {  // an export of the minimised bar, its exit as it is, then minimised
        SCOPED_TRACE(way);
        bar.minimized = way != 1;
        bar.bounds = bar.minimized ? Geometry{-32000, -32000, 2400, 405} : Geometry{3000, 1500, 870, 10215};
        bar.restored = bar.minimized ? Geometry{3000, 1500, 870, 10215} : Geometry{7, 7, 7, 7};
        way == 0 ? principal.StorePlace() : principal.Decharger();
        for (const auto& [name, saved] :
             {std::pair{L"left", L"3000"}, {L"top", L"1500"}, {L"Width", L"870"}, {L"Height", L"10215"}}) {
            EXPECT_EQ(Stored(name), std::wstring(saved)) << name;
            EXPECT_EQ(store.StoredName(L"Zudav", L"Donnees", name), name);  // spelt so, as first written
        }
    }
}

TEST(OnScreen, ABarComesWhollyIntoTheWorkAreaItOverlapsMostOrTheNearestWithItsSize) {
    const std::vector<Geometry> one = {{0, 0, 19200, 13800}};
    const std::vector<Geometry> two = {{0, 0, 19200, 13800}, {19200, -3000, 28800, 21000}};  // a larger one, right
    struct Case {
        const std::vector<Geometry>* areas;
        Geometry bar;
        Geometry place;
    } const cases[] = {
        {&one, {100, 100, 870, 8490}, {100, 100, 870, 8490}},
        {&one, {18900, -8000, 870, 10210}, {18330, 0, 870, 10210}},  // partly off the screen
        {&one, {90000, 100, 870, 10210}, Geometry{18330, 100, 870, 10210}},
        {&one, {-5000, -20000, 870, 10210}, Geometry{0, 0, 870, 10210}},
        {&one, {100, 14000, 30000, 870}, Geometry{0, 12930, 30000, 870}},  // longer than the area: at its left
        {&two, {90000, 100, 870, 10210}, Geometry{47130, 100, 870, 10210}},
        {&two, {30000, 17000, 870, 10210}, Geometry{30000, 7790, 870, 10210}},  // on the second monitor
        {&two, {18500, 100, 870, 10210}, Geometry{18330, 100, 870, 10210}},     // mostly on the first
        {&two, {1000, 15000, 870, 870}, Geometry{1000, 12930, 870, 870}},
        {&two, {20000, -9000, 870, 870}, Geometry{20000, -3000, 870, 870}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bar.left << ", " << c.bar.top);
        EXPECT_EQ(PlaceOnAScreen(c.bar, *c.areas), std::optional<Geometry>(c.place));
    }
    EXPECT_EQ(PlaceOnAScreen({90000, 0, 870, 870}, {}), std::nullopt) << "no monitor known";
}

// Pixels: a 1024 x 768 primary monitor with its taskbar below, and a 1280 x 1024 one on either side of it.
TEST(Placement, WindowsOpenBesideTheBarOnItsSideWithRoomAndWhollyInsideItsMonitorsWorkArea) {
    const Geometry primary{0, 0, 1024, 738}, right{1024, 0, 1280, 1024}, left{-1280, -200, 1280, 1024};
    const Geometry editor{0, 0, 600, 250};
    struct Case {
        const char* what;
        Geometry bar, window;
        const Geometry& area;
        float left, top;
    } const cases[] = {
        {"docked left", {0, 0, 58, 681}, editor, primary, 66, 40},
        {"docked right", {966, 0, 58, 681}, editor, primary, 358, 40},
        {"no room on either side", {300, 0, 58, 681}, {0, 0, 800, 250}, primary, 224, 40},
        {"horizontal, docked at the bottom", {0, 680, 900, 58}, editor, primary, 40, 422},
        {"horizontal, docked at the top", {0, 0, 900, 58}, editor, primary, 40, 66},
        {"in the bottom right corner", {966, 600, 58, 681}, editor, primary, 358, 488},
        {"larger than the area", {0, 0, 58, 681}, {0, 0, 1200, 900}, primary, 0, 0},
        {"docked right on the right monitor", {2246, 100, 58, 681}, editor, right, 1638, 140},
        {"docked left on the left monitor", {-1280, -200, 58, 681}, editor, left, -1214, -160},
        {"horizontal, at the top of the left monitor", {-1280, -200, 1280, 58}, editor, left, -1240, -134},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PlaceBeside(c.bar, c.window, c.area), (Geometry{c.left, c.top, c.window.width, c.window.height}));
    }
}

// A place read on a monitor of one DPI and set back at the next start, when the window may stand on another monitor
// first, lands at the same pixels: places take the desktop's one factor, sizes the window's own DPI.
TEST(Placement, PlacesConvertWithTheSystemsDpiAndSizesWithTheWindowsOwn) {
    struct Case {
        int systemDpi, windowDpi;
        PixelRect bar;
        Geometry twips;
    } const cases[] = {
        {96, 96, {100, 50, 158, 731}, {1500, 750, 870, 10215}},
        {96, 144, {2000, 50, 2087, 1071}, {30000, 750, 870, 10210}},    // a 150 % monitor right of a 100 % one
        {144, 96, {-1024, 0, -966, 681}, {-10240, 0, 870, 10215}},      // a 100 % monitor left of a 150 % one
        {96, 192, {3000, 200, 3116, 1562}, {45000, 3000, 870, 10215}},  // a 200 % monitor
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.systemDpi << " / " << c.windowDpi << " dpi");
        EXPECT_EQ(WindowTwips(c.bar, c.systemDpi, c.windowDpi), c.twips);
        EXPECT_EQ(TwipsToPixels(c.twips.left, c.systemDpi), c.bar.left);
        EXPECT_EQ(TwipsToPixels(c.twips.top, c.systemDpi), c.bar.top);
    }
}

TEST_F(Startup, MonitorsChangingOrTheBarComingBackBringItOntoAScreenAndItsHeldPlaceWithIt) {
    Put(L"Bloqu\u00e9e", L"1");
    Put(L"GranX", L"-9000");
    principal.Charger();
    EXPECT_EQ(principal.HeldPlace().left, 0) << "the held place of a locked bar is rescued too";
    platform.workAreas = {{30000, 0, 19200, 13800}};  // the first monitor unplugged
    principal.OnDisplayChange();
    EXPECT_EQ(bar.bounds.left, 30000);
    EXPECT_EQ(principal.HeldPlace().left, 30000);
    principal.OnPaint();
    EXPECT_EQ(bar.bounds.left, 30000);

    platform.workAreas = {{0, 0, 19200, 13800}};
    bar.minimized = true;
    principal.OnDisplayChange();
    EXPECT_EQ(bar.bounds.left, 30000) << "a minimised bar is not moved";
    principal.OnTrayMessage(0x201);
    EXPECT_EQ(bar.bounds.left, 18330) << "restored from the notification icon, it comes onto the screen";
}

TEST(Layout, CellsFollowTheThicknessAndTheLengthFitsThirteen) {
    struct Case {
        bool horizontal;
        float width, height, length;
        ControlRect cell1, cell12, picture12;
    } const cases[] = {
        {false, 870, 8490, 10210, {0, 1020, 720, 720}, {0, 8940, 720, 720}, {120, 9060, 480, 480}},
        // The height the window had does not matter to a vertical bar.
        {false, 870, 10210, 10210, {0, 1020, 720, 720}, {0, 8940, 720, 720}, {120, 9060, 480, 480}},
        {true, 5000, 1220, 16410, {1720, 40, 720, 720}, {15140, 40, 720, 720}, {15260, 160, 480, 480}},
        // Icons of 32, 24 or 16 pixels (480, 360 or 240 twips), the largest the cell holds.
        {true, 3000, 870, 11860, {1370, 40, 370, 370}, {10940, 40, 370, 370}, {10945, 45, 360, 360}},
        {false, 630, 5000, 7090, {0, 780, 480, 480}, {0, 6060, 480, 480}, {0, 6060, 480, 480}},
        {false, 629, 5000, 7077, {0, 779, 479, 479}, {0, 6048, 479, 479}, {60, 6108, 360, 360}},
        {true, 3000, 859, 11717, {1359, 40, 359, 359}, {10808, 40, 359, 359}, {10868, 100, 240, 240}},
        // The icon's offset rounds halves to even: 122.5 -> 122, 123.5 -> 124.
        {false, 875, 5000, 10275, {0, 1025, 725, 725}, {0, 9000, 725, 725}, {122, 9122, 480, 480}},
        {false, 877, 5000, 10301, {0, 1027, 727, 727}, {0, 9024, 727, 727}, {124, 9148, 480, 480}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        BarControls controls;
        const WindowLength length = LayOut(c.horizontal, c.width, c.height, controls);
        EXPECT_EQ(length.horizontal, c.horizontal);
        EXPECT_EQ(length.value, c.length);
        EXPECT_EQ(controls.cells[1], c.cell1);
        EXPECT_EQ(controls.cells[12], c.cell12);
        EXPECT_EQ(controls.pictures[12], c.picture12);
    }
    // A window narrower than its frame allowance: the size assignments fail, the positions still run.
    BarControls controls;
    LayOut(false, 870, 8490, controls);
    EXPECT_EQ(LayOut(false, 100, 8490, controls).value, 10210);
    EXPECT_EQ(controls.cells[3], (ControlRect{0, 300 + 3 * 720, 720, 720}));
}

// Pixels at 96 dpi in a 1024 x 748 work area: a column of 62 at 200, 10 (733 long), a row of 58 at 100, 600 (791 long).
TEST(Layout, SizingByABorderKeepsTheEdgesNotDraggedAndTheLengthFollowsTheThickness) {
    using B = SizingBorder;
    const struct {
        bool horizontal;
        SizingBorder border;
        PixelRect proposed, sized;
    } cases[] = {
        {false, B::Right, {200, 10, 236, 743}, {200, 10, 236, 405}},
        {false, B::Right, {200, 10, 276, 743}, {200, 10, 262, 743}},   // no thicker than fits below its top
        {false, B::Right, {200, 10, 205, 743}, {200, 10, 226, 275}},   // cells of 16 pixels at the least
        {false, B::Bottom, {200, 10, 262, 400}, {200, 10, 236, 405}},  // as thick as that length allows
        {false, B::Top, {200, 353, 262, 743}, {200, 348, 236, 743}},
        {false, B::TopLeft, {220, 0, 262, 743}, {220, 270, 262, 743}},
        {true, B::Bottom, {100, 600, 891, 700}, {100, 600, 1021, 668}},  // no longer than fits right of its left
        {true, B::Left, {300, 600, 891, 658}, {204, 600, 891, 650}},
        {true, B::TopRight, {100, 610, 1000, 658}, {100, 608, 787, 658}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.horizontal << " " << static_cast<int>(c.border));
        EXPECT_EQ(SizedByBorder(c.horizontal, c.border, c.proposed, {0, 0, 1024, 748}, 96), c.sized);
    }
}

using BarLayout = BarTest;

TEST_F(BarLayout, ResizeLaysOutOnlyWhenEnabledAndUnlockedThenSetsTheLengthAndTheStopImage) {
    struct Case {
        const char* name;
        bool resizeOK, block, horizontal;
        Geometry before, after;
        float stopLeft;  // 0: the controls were never shown
    } const cases[] = {
        {"before start-up", false, false, false, {0, 0, 870, 8490}, {0, 0, 870, 8490}, 0},
        {"locked", true, true, false, {0, 0, 870, 8490}, {0, 0, 870, 8490}, 0},
        {"vertical", true, false, false, {0, 0, 870, 8490}, {0, 0, 870, 10210}, 530},
        {"horizontal", true, false, true, {0, 0, 3000, 1220}, {0, 0, 16410, 1220}, 16070},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeBarWindow window;
        window.bounds = c.before;
        Principal resized{platform, store, window};
        if (c.resizeOK) {
            resized.Orient(c.horizontal);  // as from the configuration window: laid out from then on
        }
        window.bounds = c.before;
        if (c.block) {
            resized.Lock();
        }
        resized.OnResize();
        EXPECT_EQ(window.bounds, c.after);
        EXPECT_EQ(window.controls.stopImage.left, c.stopLeft);
    }
}

using Pointer = BarTest;

TEST_F(Pointer, HoverMovesTheHighlightAndTheTimerClearsIt) {
    principal.Survol(0);  // the first hover of cell 0 is no move: the timer does not start
    EXPECT_TRUE(bar.borders[0] && !bar.timerEnabled);
    principal.Survol(5);
    EXPECT_TRUE(bar.borders[5] && bar.timerEnabled);
    principal.Survol(7);
    EXPECT_TRUE(!bar.borders[5] && bar.borders[7]);
    EXPECT_EQ(bar.focusRequests, 2);

    principal.OnTimer();
    EXPECT_TRUE(!bar.borders[7] && !bar.timerEnabled);
    principal.Survol(7);  // the same cell again: highlighted, the timer stays off, so the border stays
    EXPECT_TRUE(bar.borders[7] && !bar.timerEnabled);
}

TEST_F(Pointer, PressesAndSmallControlsActEvenOnALockedBar) {
    principal.Lock();
    principal.OnBackgroundPress();
    EXPECT_EQ(bar.drags, 1);
    principal.OnRightPress(9);  // opens the item editor on that slot
    EXPECT_EQ(bar.editorSlots, std::vector<int>{9});
    EXPECT_EQ(bar.editorShown, 1);
    principal.OnActionLabelClick();
    ASSERT_EQ(bar.menuPopups.size(), 1u);
    EXPECT_FALSE(bar.menuPopups[0]);
    principal.OnStopImageClick();
    principal.OnMenu(MenuCommand::Quitter);
    EXPECT_EQ(bar.closeRequests, 2);
}

TEST_F(Pointer, TrayIconRestoresTheBarAndOnlyBringsAModalWindowOfTheBarToTheFront) {
    principal.Charger();
    principal.OnResize();  // a column of 720-twip cells: cell n from 300 + 720 n down
    bar.minimized = true;
    bar.pictures[0] = L"stale";
    principal.OnTrayMessage(0x201);  // left press: refreshed, restored, shown and in front
    EXPECT_TRUE(!bar.minimized && bar.shown && bar.frontRequests == 1 && bar.pictures[0] == L"free");

    // While a modal window of the bar is open, a click on the icon runs no command (a second configuration window
    // would overwrite the first one's settings; "&Quitter" would lose what it holds): it brings that window forward.
    Item(ItemField::Chemin, 4, L"C:\\manque.exe");  // its launch fails with the file error's message box
    const auto middle = [](int slot) { return 300 + 720 * slot + 360.f; };
    const std::pair<const char*, std::function<void()>> opened[] = {
        {"About box from the icon", [&] { principal.OnTrayMessage(0x203); }},
        {"About box from the menu", [&] { principal.OnMenu(MenuCommand::Propos); }},
        {"configuration", [&] { principal.OnMenu(MenuCommand::Configuration); }},
        {"item editor", [&] { principal.OnRightPress(6); }},
        {"item editor of a drop", [&] { principal.OnDrop(10, middle(7), {}, {L"C:\\a.exe"}), principal.AfterDrop(); }},
        {"file error", [&] { principal.LancerItem(4); }},
    };
    for (const auto& [what, open] : opened) {
        SCOPED_TRACE(what);
        int inside = 0;
        bar.duringModal = platform.duringMessage = [&] {
            ++inside;
            const int windows = bar.aboutShown + bar.configurationShown + bar.editorShown,
                      fronts = bar.modalBroughtToFront;
            bar.pictures[0] = L"stale";
            for (std::uint32_t code : {0x201u, 0x202u, 0x203u, 0x205u, 0x200u, 0x204u}) {
                principal.OnTrayMessage(code);
            }
            principal.OnMenu(MenuCommand::Configuration);
            principal.OnStartedAgain();
            EXPECT_EQ(principal.OnDrop(10, middle(8), {}, {L"C:\\b.exe"}), DropEffect::None);
            // A screen reader's default actions reach the disabled bar: a slot, "Action", "Arrêter".
            const size_t starts = platform.started.size() + platform.shellStarts.size();
            principal.LancerItem(4);
            principal.OnActionLabelClick();
            principal.OnStopImageClick();
            EXPECT_EQ(platform.started.size() + platform.shellStarts.size(), starts);
            EXPECT_EQ(bar.closeRequests, 0) << "closed under the modal window";
            EXPECT_EQ(bar.modalBroughtToFront - fronts, 8);
            EXPECT_EQ(bar.aboutShown + bar.configurationShown + bar.editorShown, windows);
            EXPECT_TRUE(bar.menuPopups.empty());
            EXPECT_EQ(bar.pictures[0], L"stale") << "refreshed under the modal window";
        };
        open();
        EXPECT_EQ(inside, 1);
    }

    // Once it has closed, the icon answers again: the menu with "A &Propos de ..." as default; during the menu's own
    // loop, further clicks are not dispatched.
    bar.duringModal = [&] { principal.OnTrayMessage(0x203); };
    principal.OnTrayMessage(0x205);
    ASSERT_EQ(bar.menuPopups.size(), 1u);
    EXPECT_TRUE(bar.menuPopups[0]);
    EXPECT_EQ(bar.aboutShown, 2);

    // From the keyboard (Shift+F10 on the icon) the menu opens where the shell says the icon is, and the keyboard goes
    // back to the icon after it; a right click's own WM_CONTEXTMENU opens nothing more.
    bar.duringModal = nullptr;
    principal.OnTrayMessage(0x7B, {1000, 740});
    principal.OnTrayMessage(0x205, {5, 5});
    principal.OnTrayMessage(0x7B, {5, 5});
    ASSERT_EQ(bar.menuPlaces.size(), 3u);
    EXPECT_TRUE(bar.menuPlaces[1] && bar.menuPlaces[1]->x == 1000 && bar.menuPlaces[1]->y == 740);
    EXPECT_FALSE(bar.menuPlaces[2]) << "a click's menu opens at the pointer";
    EXPECT_EQ(bar.keyboardToTrayIcon, 1);

    // Started again while it runs, the bar comes back as from its icon, and to the front.
    bar.minimized = true;
    bar.pictures[0] = L"stale";
    principal.OnStartedAgain();
    EXPECT_TRUE(!bar.minimized && bar.shown && bar.frontRequests == 2 && bar.pictures[0] == L"free");
}

TEST(TrayIcon, ItsTooltipShowsUnderVersion4AndNamesTheBarWithinTheField) {
    const std::wstring sixtyThree(63, L'a'), pair = L"\xD83D\xDE80";  // one character in two units
    const struct {
        std::wstring caption, tip;
    } cases[] = {{L"Jeux", L"Jeux"},
                 {L" ", L"Zudav"},
                 {L"", L"Zudav"},
                 {sixtyThree + L"b", sixtyThree},
                 {sixtyThree.substr(1) + pair, sixtyThree.substr(1)}};
    for (const auto& c : cases) {
        const TrayIconFields fields = DescribeTrayIcon(c.caption, L"Zudav");
        EXPECT_EQ(fields.tip, c.tip);
        EXPECT_EQ(fields.flags, 0x87u) << "message, icon, tip and show the tip";
    }
}

TEST_F(Startup, AChangedEnvironmentReplacesTheBarsOwnForLaterLaunchesAndExpansions) {
    platform.environment = {{L"=C:", L"C:\\Outils"}, {L"Path", L"C:\\Windows"}, {L"DU_PARENT", L"1"}};
    Item(ItemField::Chemin, 0, L"%OUTILS%\\calc.exe");
    Item(ItemField::Ligne, 0, L"%DU_PARENT% %JOUR%");
    platform.startablePrograms = platform.existingFiles = {L"C:\\Nouveaux\\calc.exe"};
    principal.Charger();
    EXPECT_EQ(bar.pictures[0], L"placeholder");
    principal.OnEnvironmentChanged();  // unreadable: kept as it was
    platform.freshEnvironment =
        Environment{{L"PATH", L"C:\\Windows;C:\\Nouveaux"}, {L"OUTILS", L"C:\\Nouveaux"}, {L"JOUR", L"lundi"}};
    bar.filesWithIcon = {L"C:\\Nouveaux\\calc.exe"};
    principal.OnEnvironmentChanged();
    const std::map<std::wstring, std::wstring> expected{{L"=C:", L"C:\\Outils"},
                                                        {L"PATH", L"C:\\Windows;C:\\Nouveaux"},
                                                        {L"OUTILS", L"C:\\Nouveaux"},
                                                        {L"JOUR", L"lundi"}};
    EXPECT_EQ(platform.environment, expected);
    EXPECT_EQ(bar.pictures[0], L"icon:C:\\Nouveaux\\calc.exe");
    principal.LancerItem(0);
    ASSERT_EQ(platform.started.size(), 1u);
    EXPECT_EQ(platform.started[0].commandLine, L"\"C:\\Nouveaux\\calc.exe\" %DU_PARENT% lundi");
}

TEST_F(Startup, TheRestartManagerClosesTheBarAfterItSavedAPlainEndOfSessionOnlySaves) {
    for (const bool closeApp : {false, true}) {
        SCOPED_TRACE(closeApp);
        principal.Charger();
        EXPECT_GE(platform.restartRegistrations, 1);
        bar.bounds = {3000, 1500, 870, 10215};
        store.Delete(L"Zudav", L"Donnees", L"left");
        principal.OnEndSession(false, closeApp);  // another program refused the end
        EXPECT_FALSE(Stored(L"left"));
        principal.OnEndSession(true, closeApp);
        EXPECT_EQ(Stored(L"left"), L"3000");
        EXPECT_FALSE(bar.trayIcon);
        EXPECT_EQ(bar.closeRequests, closeApp ? 1 : 0);
    }
}

TEST_F(Pointer, ARefusedTrayIconIsTriedAgainForAMinuteAndTheBarDoesNotMinimiseWithoutIt) {
    Item(ItemField::Chemin, 0, L"C:\\Prog\\agenda.exe");
    platform.startablePrograms = platform.existingFiles = {L"C:\\Prog\\agenda.exe"};
    bar.trayAccepted = false;  // the shell is still starting, as at logon
    principal.Charger();
    EXPECT_TRUE(bar.trayRetryTimer);
    principal.LancerItem(0);
    EXPECT_EQ(platform.started.size(), 1u);
    EXPECT_FALSE(bar.minimized) << "minimised without an icon, the bar could not be brought back";
    for (int retry = 1; retry < 30; ++retry) {
        principal.OnTrayRetry();
    }
    EXPECT_TRUE(bar.trayRetryTimer);
    principal.OnTrayRetry();
    EXPECT_FALSE(bar.trayRetryTimer) << "given up after a minute";

    bar.trayAccepted = true;
    principal.OnShellRestarted();
    EXPECT_TRUE(bar.trayIcon && !bar.trayRetryTimer);
    principal.LancerItem(0);
    EXPECT_TRUE(bar.minimized);
    bar.trayAccepted = false;
    principal.OnShellRestarted();  // refused once after a restart, then taken at the next try
    bar.trayAccepted = true;
    principal.OnTrayRetry();
    EXPECT_TRUE(bar.trayIcon && !bar.trayRetryTimer);
}

using Slots = BarTest;

TEST_F(Slots, EachSlotShowsItsIconItsPictureThePlaceholderOrTheFreeSlotPicture) {
    bar.filesWithIcon = {L"C:\\Prog\\agenda.exe", L"C:\\Prog\\calc.exe"};
    bar.filesWithoutIconKind = {L"C:\\Docs\\lisez-moi.txt"};
    bar.pictureFiles = {L"C:\\Images\\carre.bmp"};
    platform.environment = {{L"PROG", L"C:\\Prog"}, {L"IMAGES", L"C:\\Images"}};
    constexpr SlotKind kProgram = SlotKind::Program, kDocument = SlotKind::Document;
    struct Case {
        const wchar_t *chemin, *icone, *ficALancer, *shown;
        SlotKind kind;  // what the view is told the slot holds, for its name and action
    } const cases[] = {
        {L"%PROG%\\agenda.exe", nullptr, nullptr, L"icon:C:\\Prog\\agenda.exe", kProgram},  // variables expanded
        {L"C:\\Prog\\agenda.exe", L"C:\\Prog\\CALC.EXE", nullptr, L"icon:C:\\Prog\\agenda.exe", kProgram},  // its own
        {L"C:\\Prog\\agenda.exe", L"%images%\\carre.bmp", nullptr, L"picture:C:\\Images\\carre.bmp", kProgram},
        {L"C:\\Prog\\agenda.exe", L"C:\\Images\\disparue.ico", nullptr, L"", kProgram},  // a picture no longer there
        {L"C:\\Prog\\agenda.exe", L"C:\\Prog\\outilexe", nullptr, L"icon:C:\\Prog\\agenda.exe", kProgram},
        // A program without an icon: only a flag that reads as a number other than 1 spares the placeholder.
        {L"C:\\Prog\\disparu.exe", nullptr, nullptr, L"placeholder", kProgram},
        {L"C:\\Prog\\disparu.exe", nullptr, L"", L"placeholder", kProgram},
        {L"C:\\Prog\\disparu.exe", nullptr, L"1", L"placeholder", kDocument},
        {L"C:\\Prog\\disparu.exe", nullptr, L"oui", L"placeholder", kProgram},
        {L"C:\\Prog\\disparu.exe", nullptr, L"0", L"", kProgram},
        {L"C:\\Prog\\disparu.exe", nullptr, L"2", L"", kProgram},
        {L"C:\\Docs\\lisez-moi.txt", nullptr, nullptr, L"", kProgram},  // a kind of file without icons
        {L"", L"", L"", L"free", SlotKind::Free},                       // an item the editor removed
    };
    for (int n = 0; n < 13; ++n) {
        Item(ItemField::Chemin, n, cases[n].chemin);
        Item(ItemField::Icone, n, cases[n].icone);
        Item(ItemField::FicALancer, n, cases[n].ficALancer);
    }
    Item(ItemField::Tool, 0, L"Agenda");
    bar.tooltips[12] = L"Ancien";
    principal.Rafraichir();
    for (int n = 0; n < 13; ++n) {
        EXPECT_EQ(bar.pictures[n], cases[n].shown) << "slot " << n;
        EXPECT_EQ(bar.items[n].kind, cases[n].kind) << "slot " << n;
        EXPECT_EQ(bar.items[n].path, n == 0 ? L"C:\\Prog\\agenda.exe" : cases[n].chemin) << "slot " << n;  // expanded
    }
    EXPECT_EQ(bar.tooltips[0], L"Agenda");
    EXPECT_EQ(bar.items[0].tooltip, L"Agenda");
    EXPECT_EQ(bar.tooltips[12], L"Ancien");  // a free slot keeps its tooltips

    Item(ItemField::Chemin, 12, L"C:\\Prog\\disparu.exe");
    EXPECT_EQ(principal.Rafraichir().to_string(), "1000000000000") << "only slot 12 was made again, without an icon";
    EXPECT_EQ(bar.pictures[12], L"placeholder");
}

class Launch : public BarTest {
  protected:
    void SetUp() override {
        principal.Charger();
        const std::wstring cmd = L"C:\\Windows\\system32\\cmd.exe", onPath = L"C:\\Bin\\outil.exe",
                           registered = L"C:\\Program Files\\\u00c9diteur\\editeur.exe",
                           beside = L"C:\\Outils\\seul.exe", below = L"C:\\Outils\\Outils\\outil.exe",
                           blanks = L"C:\\Mes outils\\y.exe";
        platform.startablePrograms = {L"C:\\P\\a.exe", cmd, onPath, registered, beside, below, blanks};
        // Files of the bar's folder and its current folder (C:\Outils), and C:\Mes.exe, are what a start must pass by.
        platform.existingFiles = {
            L"C:\\P\\a.exe", L"C:\\P\\r.exe", L"C:\\D\\l.lnk", cmd,    L"C:\\Windows\\regedit.exe", onPath,
            registered,      beside,          below,           blanks, L"C:\\Outils\\outil.exe",    L"C:\\Mes.exe",
            L"C:\\D\\t.abc"};
        platform.existingFolders = {L"C:\\Lettres"};
        platform.appPaths = {{L"editeur.exe", L"\"" + registered + L"\""}};
        platform.environment = {{L"SystemDrive", L"C:"}, {L"D", L"C:\\D"}, {L"Path", L".;Outils;\"C:\\Bin\""}};
    }
    void Reset() {
        platform.started.clear();
        platform.shellStarts.clear();
        platform.opened.clear();
        platform.messages.clear();
        platform.eventPasses = 0;
        bar.minimized = false;
        bar.announcements.clear();
    }
};

// Each kind of item against what Windows answers, with and without Ctrl+Shift: each start asked for ("P folder|command
// line|state", "S verb|file|arguments|folder|state"), the message, the minimising.
TEST_F(Launch, EachItemTakesTheRunBoxsRoadInItsFolderAndOnlyARealFailureShowsTheMessage) {
    using R = StartResult;
    const R notFound = R::NotFound, started = R::Started, cancelled = R::Cancelled;
    struct Case {
        const wchar_t *chemin, *ligne, *focus, *ficALancer;
        bool asAdministrator;
        R process, shell;  // the answers for a program that is not startable, and of the shell
        const wchar_t* roads;
        bool message, minimised;
    } const cases[] = {
        // A program in its folder, its texts expanded; a command in the bar's; elevation accepted, declined.
        {L"%SystemDrive%\\P\\a.exe", L"%d%\\x %NON% 5%", L"3", nullptr, false, notFound, notFound,
         L"P C:\\P|\"C:\\P\\a.exe\" C:\\D\\x %NON% 5%|3;", false, true},
        {L"cmd.exe", L"/c", L"", L"0", false, notFound, notFound,
         L"P C:\\Outils|\"C:\\Windows\\system32\\cmd.exe\" /c|0;", false, true},
        {L"C:\\P\\r.exe", L"/m", nullptr, nullptr, false, R::ElevationRequired, started,
         L"P C:\\P|\"C:\\P\\r.exe\" /m|1;S |C:\\P\\r.exe|/m|C:\\P|1;", false, true},
        {L"C:\\P\\r.exe", L"/m", nullptr, nullptr, false, R::ElevationRequired, cancelled,
         L"P C:\\P|\"C:\\P\\r.exe\" /m|1;S |C:\\P\\r.exe|/m|C:\\P|1;", false, false},
        // What only the shell opens, then what neither starts; Ctrl+Shift, accepted, declined; a document ignores it.
        {L"%D%\\l.lnk", L"-x", L"2", nullptr, false, R::NotAProgram, started,
         L"P C:\\D|\"C:\\D\\l.lnk\" -x|2;S |C:\\D\\l.lnk|-x|C:\\D|2;", false, true},
        {L"https://x.fr/", nullptr, nullptr, nullptr, false, notFound, started,
         L"P C:\\Outils|https://x.fr/|1;S |https://x.fr/||C:\\Outils|1;", false, true},
        {L"C:\\X\\z.exe", nullptr, nullptr, nullptr, false, notFound, notFound, L"", true, false},
        // A name alone: never the bar's folder nor a relative folder of PATH, then PATH, App Paths, the system folders
        // (the shell too gets the file found); a relative path from the bar's folder; a path with blanks, whole.
        {L"seul.exe", nullptr, nullptr, nullptr, false, notFound, started, L"", true, false},
        {L"outil", L"/c", nullptr, nullptr, false, notFound, notFound, L"P C:\\Outils|\"C:\\Bin\\outil.exe\" /c|1;",
         false, true},
        {L"editeur.exe", nullptr, nullptr, nullptr, false, notFound, notFound,
         L"P C:\\Outils|\"C:\\Program Files\\\u00c9diteur\\editeur.exe\"|1;", false, true},
        {L"regedit", nullptr, nullptr, nullptr, false, R::ElevationRequired, started,
         L"P C:\\Outils|\"C:\\Windows\\regedit.exe\"|1;S |C:\\Windows\\regedit.exe||C:\\Outils|1;", false, true},
        {L".\\seul.exe", nullptr, nullptr, nullptr, false, notFound, notFound,
         L"P C:\\Outils|\"C:\\Outils\\seul.exe\"|1;", false, true},
        {L"Outils\\outil.exe", nullptr, nullptr, nullptr, false, notFound, notFound,
         L"P C:\\Outils\\Outils|\"C:\\Outils\\Outils\\outil.exe\"|1;", false, true},
        {L"C:\\Mes outils\\x.exe", nullptr, nullptr, nullptr, false, started, started, L"", true, false},
        {L"C:\\Mes outils\\y.exe", L"-a", nullptr, nullptr, false, notFound, notFound,
         L"P C:\\Mes outils|\"C:\\Mes outils\\y.exe\" -a|1;", false, true},
        {L"C:\\Lettres", nullptr, nullptr, nullptr, false, notFound, started,
         L"P C:\\Outils|\"C:\\Lettres\"|1;S |C:\\Lettres||C:\\Outils|1;", false, true},
        {L"C:\\P\\a.exe", L"/x", L"3", nullptr, true, notFound, started, L"S runas|C:\\P\\a.exe|/x|C:\\P|3;", false,
         true},
        {L"C:\\P\\a.exe", nullptr, nullptr, nullptr, true, notFound, cancelled, L"S runas|C:\\P\\a.exe||C:\\P|1;",
         false, false},
        {L"%D%\\t.txt", L"/p", L"3", L"1", true, notFound, started, L"S open|C:\\D\\t.txt||C:\\Outils|1;", false,
         false},
        // A document that does not open is told; one that no program opens is offered "Open with", as a file that
        // neither a process nor the shell starts.
        {L"C:\\D\\t.txt", nullptr, nullptr, L"1", false, notFound, notFound, L"S open|C:\\D\\t.txt||C:\\Outils|1;",
         true, false},
        {L"C:\\D\\t.abc", nullptr, nullptr, L"1", false, notFound, R::NoAssociation,
         L"S open|C:\\D\\t.abc||C:\\Outils|1;S |C:\\D\\t.abc||C:\\Outils|1;", true, false},
        {L"C:\\D\\t.abc", nullptr, nullptr, nullptr, false, R::NotAProgram, R::NoAssociation,
         L"P C:\\D|\"C:\\D\\t.abc\"|1;S |C:\\D\\t.abc||C:\\D|1;", true, false},
        {L"cmd.exe", nullptr, L"70000", nullptr, false, notFound, notFound, L"", true, false},  // beyond 16 bits
        {L"cmd.exe", nullptr, nullptr, L"", false, notFound, notFound, L"", true, false},  // a flag present and empty
    };
    for (int row = 0; row < static_cast<int>(std::size(cases)); ++row) {
        const Case& c = cases[row];
        const int n = row % kSlotCount;
        SCOPED_TRACE(testing::Message() << "row " << row);
        Reset();
        for (auto [prefix, value] : {std::pair{ItemField::Chemin, c.chemin},
                                     {ItemField::Ligne, c.ligne},
                                     {ItemField::Focus, c.focus},
                                     {ItemField::FicALancer, c.ficALancer}}) {
            store.Delete(L"Zudav", L"Donnees", ItemKeyName(prefix, n));
            Item(prefix, n, value);
        }
        platform.otherPrograms = c.process;
        platform.shellAnswer = c.shell;
        principal.LancerItem(static_cast<std::int16_t>(n), c.asAdministrator);
        std::wstring roads;
        for (const auto& p : platform.started) {
            roads += L"P " + p.folder + L"|" + p.commandLine + L"|" + std::to_wstring(p.showCommand) + L";";
        }
        for (const auto& s : platform.shellStarts) {
            roads += L"S " + s.verb + L"|" + s.file + L"|" + s.arguments + L"|" + s.folder + L"|" +
                     std::to_wstring(s.showCommand) + L";";
        }
        for (const auto& d : platform.opened) {
            roads += L"D " + d.verb + L"|" + d.file + L"|" + d.folder + L";";
        }
        EXPECT_EQ(roads, c.roads);
        ASSERT_EQ(platform.messages.size(), c.message ? 1u : 0u);
        EXPECT_EQ(bar.announcements, c.message ? std::vector{platform.messages[0].text} : std::vector<std::wstring>{})
            << "the screen reader hears the message as it shows";
        EXPECT_EQ(bar.minimized, c.minimised);
        EXPECT_EQ(platform.eventPasses, c.minimised ? 1 : 0);
        EXPECT_EQ(StoredItem(n)[0], c.chemin) << "the item keeps its text as typed";
    }
    EXPECT_TRUE(platform.openedWith.empty()) << "the offer declined";
    // Accepted, the offer shows Windows' dialog for the file.
    Reset();
    platform.answers = {true};
    Item(ItemField::Chemin, 0, L"C:\\D\\t.abc");
    Item(ItemField::FicALancer, 0, L"1");
    platform.shellAnswer = R::NoAssociation;
    principal.LancerItem(0);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, OuvrirAvecQuestion(L"\r\n"));
    EXPECT_EQ(platform.openedWith, std::vector<std::wstring>{L"C:\\D\\t.abc"});
}

// A path, a command line or a picture longer than Windows takes is stored whole, shown as a gap with its tooltip cut,
// and never handed over: a click says "Erreur de fichier". At the limit, it starts.
TEST_F(Launch, WhatWindowsCannotTakeIsNeverHandedOver) {
    const std::wstring atLimit = L"C:\\P\\" + std::wstring(kLongestPath - 9, L'a') + L".exe";
    const std::wstring longPath = L"C:\\P\\" + std::wstring(5000, L'a') + L".exe", longTip(2000, L't');
    const std::wstring longAddress = L"https://x.fr/" + std::wstring(5000, L'a'),
                       longLine(kLongestCommandLine - 12, L'l');
    platform.existingFiles.insert(atLimit);
    platform.startablePrograms.insert(atLimit);
    const struct {
        std::wstring chemin, ligne, icone;
        bool starts;
    } cases[] = {
        {atLimit, L"", L"", true},
        {longPath, L"", L"", false},
        {longAddress, L"", L"", false},
        {L"C:\\P\\a.exe", longLine, L"", false},  // 32,767 with the quoted path and the blank
        {L"C:\\P\\a.exe", longLine.substr(1), L"", true},
        {L"C:\\P\\a.exe", L"", L"C:\\I\\" + std::wstring(300, L'i') + L".ico", true},
    };
    for (int n = 0; n < static_cast<int>(std::size(cases)); ++n) {
        SCOPED_TRACE(n);
        Reset();
        Item(ItemField::Chemin, n, cases[n].chemin.c_str());
        Item(ItemField::Ligne, n, cases[n].ligne.c_str());
        Item(ItemField::Icone, n, cases[n].icone.c_str());
        Item(ItemField::Tool, n, longTip.c_str());
        principal.Rafraichir();
        EXPECT_EQ(bar.tooltips[n].size(), kLongestTooltip) << "the tooltip shown is cut";
        principal.LancerItem(static_cast<std::int16_t>(n));
        EXPECT_EQ(platform.started.size() + platform.shellStarts.size(), cases[n].starts ? 1u : 0u);
        EXPECT_EQ(platform.messages.size(), cases[n].starts ? 0u : 1u);
        EXPECT_EQ(StoredItem(n)[0], cases[n].chemin) << "stored whole";
    }
    EXPECT_EQ(bar.tooLongHandedOver, 0);
}

TEST_F(Launch, AFreeSlotBeepsAndMinimisingFollowsRetourAutoAnUnreadableOneShowingTheFileErrorAfterTheStart) {
    const int writes = store.Changes();
    principal.LancerItem(4);
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_EQ(store.Changes(), writes) << "a free slot changes nothing";
    Item(ItemField::Chemin, 0, L"C:\\P\\a.exe");
    struct Case {
        const wchar_t* value;
        bool minimized, error;
    } const cases[] = {{L"1", true, false}, {L"0", false, false}, {L"", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        Reset();
        Put(L"RetourAuto", c.value);
        principal.LancerItem(0);
        EXPECT_EQ(platform.started.size(), 1u);
        EXPECT_EQ(bar.minimized, c.minimized);
        EXPECT_EQ(platform.messages.size(), c.error ? 1u : 0u);
    }
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, L"Erreur de fichier");
    EXPECT_EQ(platform.messages[0].text,
              L"Le fichier recherch\u00e9 n'existe plus\r\nou il a chang\u00e9 de place.\r\n\r\n"
              L"Impossible de charger ce fichier.");
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Stop);
}

}  // namespace
}  // namespace zudav
