// Start-up and exit, one bar per executable name: a second start of Zudav brings the minimised bar back and leaves at
// once, a copy named Autre runs beside it with its own store, and each bar saves its own place when it closes, also
// when an installer closes it through the Restart Manager.
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
