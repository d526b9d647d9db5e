// The notification icon's mouse codes, as the shell sends them to the bar: a double click opens the
// About box (modal over the bar, and only once however often the icon is double-clicked), which Enter,
// Escape, its button and closing all close; a left press brings a minimised bar back, refreshed; a
// left release shows a hidden bar.
#include <windows.h>

#include <string>
#include <vector>

#include "bar_test.h"
#include "driver/error.h"
#include "driver/poll.h"
#include "driver/window.h"

namespace e2e {
namespace {

void postTrayCode(HWND bar, UINT mouseMessage) {
    post(bar, ids::kTrayMessage, ids::kTrayIconId, mouseMessage);
}

std::vector<HWND> aboutBoxes(DWORD processId) {
    std::vector<HWND> boxes;
    for (HWND window : topLevelWindows(processId)) {
        if (sameText(windowClass(window), ids::kAboutWindowClass)) {
            boxes.push_back(window);
        }
    }
    return boxes;
}

TEST_F(BarTest, TrayDoubleClickOpensTheAboutBoxOnceWhichEachWayOfClosingCloses) {
    HWND bar = startBar();
    ASSERT_NE(bar, nullptr);
    const DWORD zudav = barProcess().id();

    struct Closing {
        const char* how;
        void (*close)(HWND about);
    };
    const Closing closings[] = {
        {"Escape", [](HWND about) { postKey(about, VK_ESCAPE); }},
        {"Enter", [](HWND about) { postKey(about, VK_RETURN); }},
        {"the Retour button", [](HWND about) { post(childWithId(about, IDOK), BM_CLICK); }},
        {"WM_CLOSE", [](HWND about) { post(about, WM_CLOSE); }},
    };
    bool first = true;
    for (const Closing& closing : closings) {
        SCOPED_TRACE("closed by " + std::string(closing.how));
        postTrayCode(bar, WM_LBUTTONDBLCLK);
        HWND about = waitForShownWindow(zudav, ids::kAboutWindowClass, kStepTimeoutMs);
        ASSERT_NE(about, nullptr) << "no About box after a double click on the notification icon";
        EXPECT_EQ(GetWindow(about, GW_OWNER), bar) << "the About box is not owned by the bar";
        EXPECT_FALSE(IsWindowEnabled(bar)) << "the bar takes input while the About box is up";

        if (first) {
            first = false;
            EXPECT_EQ(windowText(about), L"Zudav") << "the caption is the bar's";
            struct Label {
                int id;
                const char* what;
                std::wstring text;
            };
            const Label labels[] = {
                {ids::kAboutTitle, "title", L"Zudav"},
                {ids::kAboutVersion, "version", L"Version 3.0"},
                {ids::kAboutDescription, "description",
                 L"\r\nZudav, la barre de lancement du bureau\r\n"
                 L"Treize emplacements pour lancer vos programmes et ouvrir vos documents d'un seul clic."},
                {ids::kAboutMailLink, "mail link", L"Envoyer un coucou \u00e0 l'auteur..."},
                {ids::kAboutWebLink, "web link", L"https://zudav.example.org"},
            };
            for (const Label& label : labels) {
                HWND control = childWithId(about, label.id);
                ASSERT_NE(control, nullptr) << "no " << label.what << " label";
                EXPECT_EQ(windowText(control), label.text) << "the " << label.what;
            }
            HWND button = childWithId(about, IDOK);
            ASSERT_NE(button, nullptr) << "no Retour button";
            EXPECT_EQ(windowText(button), L"Retour");

            // Another double click on the icon while the box is up is not dispatched. The bar handles
            // its posted messages in order, so it has met this one before the key that closes the box.
            postTrayCode(bar, WM_LBUTTONDBLCLK);
        }

        closing.close(about);

        ASSERT_TRUE(waitForWindowGone(about, kStepTimeoutMs)) << "the About box did not close";
        syncWith(bar);
        EXPECT_EQ(aboutBoxes(zudav).size(), 0u) << "another About box is open";
        EXPECT_TRUE(IsWindowEnabled(bar)) << "the bar stays disabled after the About box";
        EXPECT_TRUE(IsWindowVisible(bar));
    }
}

TEST_F(BarTest, TrayLeftButtonBringsTheBarBack) {
    struct Case {
        const char* what;
        int showCommand;    // how the bar is put away first
        UINT mouseMessage;  // the notification icon's code
        bool refreshes;     // the bar shows what was stored while it was away
    };
    const Case cases[] = {
        {"a left press on the icon restores a minimised bar", SW_MINIMIZE, WM_LBUTTONDOWN, true},
        {"a left release on the icon shows a hidden bar", SW_HIDE, WM_LBUTTONUP, false},
    };
    for (const Case& trayCase : cases) {
        SCOPED_TRACE(trayCase.what);
        deleteAppSettings(L"Zudav");
        HWND bar = startBar();
        ASSERT_NE(bar, nullptr);
        const TwipsRect place = toTwips(windowRect(bar));

        ShowWindowAsync(bar, trayCase.showCommand);
        ASSERT_TRUE(pollUntil([&] {
            return trayCase.showCommand == SW_MINIMIZE ? IsIconic(bar) != FALSE : IsWindowVisible(bar) == FALSE;
        })) << "the bar could not be put away";
        writeSetting(L"Zudav", L"Chemin3", L"C:\\windows\\system32\\notepad.exe");

        postTrayCode(bar, trayCase.mouseMessage);

        // The window system clears the minimised state a moment before it moves the window back.
        const bool back = pollUntil([&] {
            return IsIconic(bar) == FALSE && IsWindowVisible(bar) != FALSE && toTwips(windowRect(bar)) == place;
        });
        EXPECT_TRUE(back) << "the bar did not come back where it was: " << (IsIconic(bar) ? "minimised, " : "")
                          << (IsWindowVisible(bar) ? "" : "hidden, ")
                          << testing::PrintToString(toTwips(windowRect(bar))) << " instead of "
                          << testing::PrintToString(place);
        if (trayCase.refreshes) {
            bool refreshed = false;
            pollUntil([&] {
                const std::vector<ScreenPicture> pictures = slotPictures(bar);
                refreshed = pictures[3] != pictures[4];
                return refreshed;
            });
            EXPECT_TRUE(refreshed) << "slot 3 still shows a free slot: the bar was not refreshed"
                                   << describeSlots(slotPictures(bar));
        }

        post(bar, WM_CLOSE);
        ASSERT_TRUE(barProcess().waitForExit(kStepTimeoutMs)) << "the bar did not end after WM_CLOSE";
    }
}

}  // namespace
}  // namespace e2e
