// One bar per executable name: a second start of the same bar leaves at once without a trace, while a
// copy of the executable under another name is another bar, with settings of its own.
#include <windows.h>

#include "bar_test.h"
#include "driver/error.h"
#include "driver/poll.h"
#include "driver/window.h"

namespace e2e {
namespace {

TEST_F(BarTest, SecondStartOfTheSameBarLeavesAtOnceWithoutWindowOrWrite) {
    Process& first = start(zudavExecutable());
    HWND bar = waitForBar(first);
    ASSERT_NE(bar, nullptr);

    struct SecondStart {
        const char* how;
        std::wstring executable;
    };
    // The name decides, not the file nor the case of its letters.
    const SecondStart seconds[] = {
        {"the same file again", zudavExecutable()},
        {"a copy named ZUDAV.EXE in another folder", scratch().copyHere(zudavExecutable(), L"ZUDAV.EXE")},
    };
    for (const SecondStart& second : seconds) {
        SCOPED_TRACE(second.how);
        const SettingsSection before = readSettings(L"Zudav");

        Process& again = start(second.executable);
        bool showedWindow = false;
        const bool ended = pollUntil([&] {
            for (HWND window : topLevelWindows(again.id())) {
                showedWindow = showedWindow || IsWindowVisible(window);
            }
            return !again.isRunning();
        });

        EXPECT_TRUE(ended) << "the second start is still running";
        EXPECT_FALSE(showedWindow) << "the second start showed a window";
        EXPECT_EQ(readSettings(L"Zudav"), before) << "the second start changed the settings";
        for (const wchar_t* key : kPlaceKeys) {
            EXPECT_EQ(readSettings(L"Zudav").count(key), 0u) << narrow(key) << " was saved while the bar runs";
        }
        EXPECT_TRUE(first.isRunning()) << "the first bar has ended with exit code " << first.exitCode();
        EXPECT_TRUE(IsWindowVisible(bar)) << "the first bar's window is gone";
    }
}

TEST_F(BarTest, CopyUnderAnotherNameRunsBesideWithItsOwnSettings) {
    const std::wstring autreExecutable = scratch().copyHere(zudavExecutable(), L"Autre.exe");
    Process& zudav = start(zudavExecutable());
    HWND zudavBar = waitForBar(zudav);
    ASSERT_NE(zudavBar, nullptr);

    Process& autre = start(autreExecutable);
    HWND autreBar = waitForBar(autre);
    ASSERT_NE(autreBar, nullptr);
    EXPECT_EQ(windowText(autreBar), L"Autre");
    EXPECT_EQ(windowText(zudavBar), L"Zudav");
    const TwipsRect autrePlace = toTwips(windowRect(autreBar));

    post(autreBar, WM_CLOSE);

    ASSERT_TRUE(autre.waitForExit(kStepTimeoutMs)) << "Autre did not end after WM_CLOSE";
    EXPECT_TRUE(savedPlaceMatches(readSettings(L"Autre"), autrePlace));
    EXPECT_TRUE(zudav.isRunning()) << "closing Autre ended Zudav, exit code " << zudav.exitCode();
    const SettingsSection zudavSettings = readSettings(L"Zudav");
    for (const wchar_t* key : kPlaceKeys) {
        EXPECT_EQ(zudavSettings.count(key), 0u) << narrow(key) << " of Autre was saved under Zudav";
    }
}

}  // namespace
}  // namespace e2e
