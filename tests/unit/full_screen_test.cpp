// A bar that stays on top steps aside for a full-screen program in front on its monitor, and only such a bar goes back.
#include "bar/full_screen.h"

#include <functional>
#include <vector>

#include "bar_test.h"
#include "config/fake/fake_config_window.h"
#include "config/frm_aide.h"

namespace zudav {
namespace {

using FullScreen = BarTest;

TEST_F(FullScreen, ATopmostBarStepsAsideForAFullScreenProgramOnItsMonitorAndOnlyThenGoesBack) {
    using Event = std::function<void()>;
    const PixelRect all{0, 0, 1024, 768};  // the bar's monitor
    const auto inFront = [&](PixelRect rect, const wchar_t* name = L"Film", bool desktop = false, bool own = false,
                             bool maximised = false) {
        return [=] { principal.OnForegroundWindow({rect, name, desktop, own, maximised}, all); };
    };
    FakeConfigWindow config;
    FrmAide aide{platform, principal, bar, config};
    bar.duringModal = [&] {
        aide.Charger();
        aide.check1[0] ^= 1;  // the box "on top" ticked, or cleared
        aide.Fermer();
    };
    const Event toggle = [&] { principal.OnMenu(MenuCommand::Configuration); }, film = inFront(all), none = inFront({}),
                opened = [&] { principal.OnFullScreenNotice(true); },
                closed = [&] { principal.OnFullScreenNotice(false); };
    // Events in turn, and whether the bar stands in the topmost band after each (1) or not.
    const std::vector<Event> events{
        // A film in full screen, in a window, in full screen with its frame beyond the monitor, closed.
        film, inFront({100, 100, 700, 500}), inFront({-8, -8, 1032, 776}), none,
        // The work area only, a maximised window (no taskbar on that monitor), another monitor, the desktop, the
        // taskbar,
        // the bar's own windows.
        inFront({0, 0, 1024, 728}), inFront({-8, -8, 1032, 776}, L"Notepad", false, false, true),
        inFront({1024, 0, 2048, 768}), inFront(all, L"Film", true), inFront(all, L"Progman"),
        inFront({-1, 0, 1024, 768}, L"WorkerW"), inFront(all, L"Shell_TrayWnd"), inFront(all, L"Film", false, true),
        // The shell's notice, alone and beside a film; Show desktop, whatever the shell said.
        opened, closed, film, opened, closed, none, opened, inFront(all, L"WorkerW"),
        // The option turned off in the configuration while a film plays: the bar stays off the band, whatever comes.
        film, toggle, none, film, opened, closed,
        // Turned on while a film plays: the bar steps aside at once, and goes back after the film.
        film, toggle, none};
    const char* topmost = "0101 11111111 01000101 000000 001";  // a blank between the roads above
    Put(L"AlwaysOnTop", L"1");
    principal.Charger();
    for (const Event& event : events) {
        event();
        topmost += *topmost == ' ';
        EXPECT_EQ(bar.topmost, *topmost++ == '1') << "left: " << topmost;
    }
    EXPECT_STREQ(topmost, "");
    EXPECT_EQ(bar.focusRequests + bar.frontRequests, 0);
}

}  // namespace
}  // namespace zudav
