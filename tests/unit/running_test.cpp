// Which windows show that a slot's program runs, and what a click on such a slot does.
#include "bar/running.h"
#include "bar/slot_geometry.h"
#include "bar_test.h"

namespace zudav {
namespace {

DesktopWindow Window(std::uintptr_t id, const wchar_t* program, const wchar_t* appId = L"") {
    DesktopWindow window;
    window.id = id;
    window.program = program;
    window.appId = appId;
    return window;
}

using Running = BarTest;

// Only what the taskbar would show marks a slot; a program is known by its full path however the item names it, an
// app by its id; documents, folders and addresses are never marked.
TEST_F(Running, TheWindowsTheTaskbarShowsMarkTheSlotsOfTheirPrograms) {
    platform.existingFiles = {L"C:\\Prog\\agenda.exe", L"C:\\Windows\\system32\\notepad.exe", L"C:\\Doc\\lettre.txt"};
    platform.existingFolders = {L"C:\\Doc"};
    platform.environment = {{L"PROG", L"C:\\Prog"}};
    platform.shortcuts = {{L"C:\\Bureau\\Agenda.lnk", {L"%PROG%\\AGENDA.EXE", L"", L""}},
                          {L"C:\\Bureau\\Lettre.lnk", {L"C:\\Doc\\lettre.txt", L"", L""}}};
    const wchar_t* items[] = {L"C:\\Prog\\agenda.exe",
                              L"%PROG%\\agenda.exe",
                              L"notepad",
                              L"C:\\Bureau\\Agenda.lnk",
                              L"shell:AppsFolder\\Microsoft.WindowsCalculator_8wekyb3d8bbwe!App",
                              L"C:\\Doc\\lettre.txt",
                              L"C:\\Doc",
                              L"https://example.com/",
                              L"C:\\Bureau\\Lettre.lnk"};
    for (int n = 0; n < 9; ++n) {
        Item(ItemField::Chemin, n, items[n]);
    }
    Item(ItemField::FicALancer, 5, L"1");
    principal.Charger();
    DesktopWindow owned = Window(3, L"C:\\Windows\\system32\\notepad.exe"), tool = owned, cloaked = owned;
    owned.owned = tool.toolWindow = cloaked.cloaked = true;
    DesktopWindow ownedApp = owned;
    ownedApp.appWindow = true;
    const struct {
        const char* what;
        std::vector<DesktopWindow> windows;
        std::string marked;  // slots 0 to 8
    } cases[] = {
        {"none", {}, "000000000"},
        {"agenda, named three ways", {Window(1, L"c:\\prog\\Agenda.exe")}, "110100000"},
        {"agenda twice", {Window(1, L"C:\\Prog\\agenda.exe"), Window(2, L"C:\\Prog\\agenda.exe")}, "110100000"},
        {"owned, tool and cloaked windows", {owned, tool, cloaked}, "000000000"},
        {"an owned app window", {ownedApp}, "001000000"},
        {"another user's process", {Window(4, L"")}, "000000000"},
        {"the calculator by its id",
         {Window(5, L"C:\\Program Files\\WindowsApps\\Calc\\Calc.exe",
                 L"microsoft.windowscalculator_8wekyb3d8bbwe!app")},
         "000010000"},
        {"the document's program", {Window(6, L"C:\\Windows\\system32\\notepad.exe")}, "001000000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        platform.desktopWindows = c.windows;
        principal.OnDesktopWindowsChanged();
        std::string marked;
        for (int n = 0; n < 9; ++n) {
            marked += bar.running[static_cast<size_t>(n)] ? '1' : '0';
        }
        EXPECT_EQ(marked, c.marked);
    }
    const AccessibleElement described = DescribeElement(SlotElement(2), bar.items, true, bar.running);
    EXPECT_EQ(described.status, L"ouvert");
}

// With the option, as on the taskbar: the only window comes back, or goes down when it is in front; several windows
// are offered in a menu; another copy or one as administrator always starts.
TEST_F(Running, AClickBringsTheProgramBackOnlyWhenTheUserChoseIt) {
    platform.existingFiles = {L"C:\\Prog\\agenda.exe"};
    Item(ItemField::Chemin, 0, L"C:\\Prog\\agenda.exe");
    principal.Charger();
    DesktopWindow front = Window(1, L"C:\\Prog\\agenda.exe"), down = Window(2, L"C:\\Prog\\agenda.exe");
    down.minimised = true;
    using Kind = ClickAnswer::Kind;
    const struct {
        const char* what;
        bool basculer;
        ClickWay way;
        std::vector<DesktopWindow> windows;
        std::uintptr_t inFront;
        Kind kind;
        std::uintptr_t window;
    } cases[] = {
        {"option off", false, ClickWay::Plain, {front}, 9, Kind::Start, 0},
        {"not running", true, ClickWay::Plain, {}, 9, Kind::Start, 0},
        {"behind another", true, ClickWay::Plain, {front}, 9, Kind::BringBack, 1},
        {"in front", true, ClickWay::Plain, {front}, 1, Kind::Minimise, 1},
        {"minimised, last in front", true, ClickWay::Plain, {down}, 2, Kind::BringBack, 2},
        {"two windows", true, ClickWay::Plain, {front, down}, 9, Kind::ChooseWindow, 0},
        {"middle click or Shift", true, ClickWay::NewCopy, {front}, 9, Kind::Start, 0},
        {"Ctrl+Shift", true, ClickWay::Administrator, {front}, 1, Kind::StartAsAdministrator, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const ClickAnswer answer = AnswerToClick(c.basculer, c.way, c.windows, c.inFront);
        EXPECT_EQ(answer.kind, c.kind);
        EXPECT_EQ(answer.window, c.window);
    }
    // Through the bar: the option stored, the window behind another comes back and nothing starts; of two windows
    // the one chosen in the menu comes back.
    Put(L"Basculer", L"1");
    principal.Rafraichir();
    platform.desktopWindows = {front};
    bar.windowBeforeBar = 9;
    principal.ClickSlot(0, ClickWay::Plain);
    platform.desktopWindows = {front, down};
    bar.windowChoice = 1;
    principal.ClickSlot(0, ClickWay::Plain);
    using Command = std::pair<std::uintptr_t, WindowCommand>;
    EXPECT_EQ(platform.windowCommands,
              (std::vector<Command>{{1, WindowCommand::BringBack}, {2, WindowCommand::BringBack}}));
    EXPECT_EQ(bar.windowMenus, (std::vector<std::pair<int, size_t>>{{0, 2}}));
    EXPECT_TRUE(platform.started.empty());
    principal.ClickSlot(0, ClickWay::NewCopy);
    EXPECT_EQ(platform.started.size(), 1u);
}

}  // namespace
}  // namespace zudav
