// Start-up and exit, one bar per executable name: a second start of Zudav brings the minimised bar back and leaves at
// once, a copy named Autre runs beside it with its own store, and each bar saves its own place when it closes, also
// when an installer closes it through the Restart Manager. A film in full screen in front takes the bar out of the top.
#include "driver.h"

namespace e2e {

TEST_F(Scenario, OneBarPerNameEachSavingItsPlace) {
    HANDLE zudavProcess = start(zudav());
    HWND bar = waitBar(zudavProcess);
    EXPECT_EQ(textOf(bar), L"Zudav");
    EXPECT_TRUE(GetWindowLongPtrW(bar, GWL_EXSTYLE) & WS_EX_TOPMOST) << "the bar is not always on top";
    const Twips place = twipsOf(bar);  // from an empty store: at 1,1 twips, 870 twips wide
    EXPECT_NEAR(place[0], 1, twipsPerPixel());
    EXPECT_NEAR(place[1], 1, twipsPerPixel());
    expectLayout(bar, false, 870);

    // A film in full screen comes to the front: the bar leaves the topmost band without taking the foreground, and
    // takes its place back while the film plays in a window and once it closes.
    const WNDCLASSW filmClass{0, DefWindowProcW, 0, 0, GetModuleHandleW(nullptr), {}, {}, {}, {}, L"Film"};
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    HWND film = CreateWindowExW(0, MAKEINTATOM(RegisterClassW(&filmClass)), L"Film", WS_POPUP | WS_VISIBLE, 0, 0, width,
                                height, {}, {}, {}, {});
    const auto onTop = [&](bool top) {
        return waitFor([&] { return ((GetWindowLongPtrW(bar, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) == top; });
    };
    // Wine 8 sends neither foreground nor location events of its own: the scenario sends them as Windows does.
    const auto playAt = [&](int x, int y, int w, int h, DWORD event) {
        need(SetWindowPos(film, nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE), "the film did not move");
        NotifyWinEvent(event, film, OBJID_WINDOW, CHILDID_SELF);
    };
    need(film && SetForegroundWindow(film), "no film in front");
    playAt(0, 0, width, height, EVENT_SYSTEM_FOREGROUND);
    EXPECT_TRUE(onTop(false) && GetForegroundWindow() == film)
        << "the bar stays over the film, or takes the foreground";
    playAt(100, 100, 600, 400, EVENT_OBJECT_LOCATIONCHANGE);
    EXPECT_TRUE(onTop(true)) << "the bar stays behind a film in a window";
    playAt(0, 0, width, height, EVENT_OBJECT_LOCATIONCHANGE);
    EXPECT_TRUE(onTop(false)) << "the bar stays over the film in full screen again";
    DestroyWindow(film);
    EXPECT_TRUE(onTop(true)) << "the bar did not take its place back";

    // The name decides, not the file nor the case of its letters.
    for (const std::wstring& again : {zudav(), copyOf(zudav(), L"ailleurs\\ZUDAV.EXE")}) {
        SCOPED_TRACE(again);
        post(bar, WM_SYSCOMMAND, SC_MINIMIZE);
        ASSERT_TRUE(waitFor([&] { return IsIconic(bar); })) << "the bar was not minimised";
        HANDLE second = start(again);
        bool showed = false;
        EXPECT_TRUE(waitFor([&] {
            const std::vector<HWND> windows = windowsOf(GetProcessId(second));
            showed = showed || std::any_of(windows.begin(), windows.end(), IsWindowVisible);
            return !isRunning(second);
        })) << "another start is still running";
        EXPECT_FALSE(showed) << "another start showed a window";
        EXPECT_EQ(readSettings(L"Zudav"), Settings{}) << "another start wrote to the store";
        EXPECT_TRUE(isRunning(zudavProcess) && IsWindowVisible(bar)) << "the first bar has gone";
        EXPECT_TRUE(waitFor([&] { return !IsIconic(bar) && GetForegroundWindow() == bar; })) << "the bar is not back";
    }

    // Autre opens at its own stored place, away from the default one and from where minimised windows go; closed
    // while minimised, it saves the place it had before.
    writeSettings(L"Autre", {{L"left", L"3000"}, {L"top", L"600"}});
    HANDLE autreProcess = start(copyOf(zudav(), L"Autre.exe"));
    HWND autre = waitBar(autreProcess);
    EXPECT_EQ(textOf(autre), L"Autre");
    EXPECT_EQ(textOf(bar), L"Zudav");
    const Twips autrePlace = twipsOf(autre);
    ASSERT_NEAR(autrePlace[0], 3000, twipsPerPixel()) << "Autre is not at its stored place";
    ASSERT_NEAR(autrePlace[1], 600, twipsPerPixel()) << "Autre is not at its stored place";
    post(autre, WM_SYSCOMMAND, SC_MINIMIZE);
    ASSERT_TRUE(waitFor([&] { return IsIconic(autre); })) << "Autre was not minimised";
    post(autre, WM_CLOSE);
    ASSERT_TRUE(waitFor([&] { return !isRunning(autreProcess); })) << "Autre did not end";
    EXPECT_TRUE(savedPlace(readSettings(L"Autre"), autrePlace));
    EXPECT_TRUE(isRunning(zudavProcess)) << "closing Autre ended Zudav";
    EXPECT_EQ(readSettings(L"Zudav"), Settings{}) << "Autre wrote to Zudav's store";

    // An installer closes the bar through the Restart Manager to replace its file: it saves the place it was moved to
    // and ends.
    need(SetWindowPos(bar, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE), "not moved");
    const Twips moved = twipsOf(bar);
    EXPECT_EQ(sendTo(bar, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP), TRUE);
    EXPECT_TRUE(readSettings(L"Zudav").empty()) << "saved before the session's end was sure";
    sendTo(bar, WM_ENDSESSION, TRUE, ENDSESSION_CLOSEAPP);
    ASSERT_TRUE(waitFor([&] { return !isRunning(zudavProcess); })) << "the bar did not end";
    DWORD exitCode = 1;
    EXPECT_TRUE(GetExitCodeProcess(zudavProcess, &exitCode) && exitCode == 0) << "exit code " << exitCode;
    EXPECT_TRUE(savedPlace(readSettings(L"Zudav"), moved));
}

}  // namespace e2e
