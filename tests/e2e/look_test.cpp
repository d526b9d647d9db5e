// The bar and its configuration window follow the user's light or dark apps, at once and without a restart, unless the
// bar's own "Apparence :" chooses for it.
#include "config/win32/config_ids.h"
#include "driver.h"
#include "resources/resource_ids.h"

namespace e2e {
namespace {

constexpr wchar_t kPersonalize[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

// The user's app mode, as Settings stores it, announced to every window as Windows does when the user changes it.
void setAppsMode(bool light) {
    const DWORD value = light ? 1 : 0;
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kPersonalize, L"AppsUseLightTheme", REG_DWORD, &value, sizeof value),
              ERROR_SUCCESS);
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, LPARAM(L"ImmersiveColorSet"), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
}

// Puts back what the user had (no value at all in a fresh prefix).
struct AppsModeKept {
    DWORD value = 1, size = sizeof value;
    bool had =
        RegGetValueW(HKEY_CURRENT_USER, kPersonalize, L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &value, &size) ==
        ERROR_SUCCESS;
    ~AppsModeKept() {
        if (had) {
            RegSetKeyValueW(HKEY_CURRENT_USER, kPersonalize, L"AppsUseLightTheme", REG_DWORD, &value, sizeof value);
        } else {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kPersonalize, L"AppsUseLightTheme");
        }
    }
};

}  // namespace

class Look : public Scenario {
  protected:
    // Most of the window's client area is dark (or light), once it has painted: Wine copies a painted window to the
    // screen a moment later, so the same picture must be read five times in a row.
    static bool drawn(HWND window, bool dark) {
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Picture last;
        int same = 0;
        return waitFor([&] {
            RECT client{};
            GetClientRect(window, &client);
            MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
            const Picture picture = capture(client);
            same = picture == last ? same + 1 : 0;
            last = picture;
            const auto brightest = [](UINT pixel) {
                return std::max({pixel & 0xFF, (pixel >> 8) & 0xFF, (pixel >> 16) & 0xFF});
            };
            const auto count = std::count_if(picture.begin(), picture.end(),
                                             [&](UINT p) { return dark ? brightest(p) < 0x50 : brightest(p) > 0xC0; });
            return same >= 5 && count * 10 > long(picture.size()) * 6;
        });
    }
};

TEST_F(Look, TheBarFollowsTheAppsModeUntilItsOwnChoiceSaysOtherwise) {
    const AppsModeKept kept;
    setAppsMode(false);
    writeSettings(L"Zudav", {{L"Chemin0", L"C:\\windows\\system32\\notepad.exe"}, {L"Tool0", L"Bloc-notes"}});
    HWND bar = startBar();
    EXPECT_TRUE(drawn(bar, true)) << "started under dark apps, the bar is light";

    setAppsMode(true);
    EXPECT_TRUE(drawn(bar, false)) << "the bar did not turn light";
    setAppsMode(false);
    EXPECT_TRUE(drawn(bar, true)) << "the bar did not turn dark again";

    // "Apparence :" set to "Clair" from the keyboard, once its list is open: the bar and the window turn light at
    // once, under dark apps; the choice is stored when the window closes.
    post(bar, WM_COMMAND, IDM_CONFIGURATION);
    HWND config = waitModal(bar, ids::kConfigWindowClass);
    EXPECT_TRUE(drawn(config, true)) << "the configuration window opened light under dark apps";
    HWND theme = GetDlgItem(config, ids::kConfigTheme);
    EXPECT_EQ(sendTo(theme, CB_GETCURSEL), 0) << "\"Syst\u00e8me\" is not chosen";
    const RECT box = rectOf(theme);
    const POINT middle{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
    mouseAt(middle, MOUSEEVENTF_LEFTDOWN);
    mouseAt(middle, MOUSEEVENTF_LEFTUP);
    need(waitFor([&] { return sendTo(theme, CB_GETDROPPEDSTATE) != 0; }), "the list did not open");
    press(VK_DOWN);
    press(VK_RETURN);
    need(waitFor([&] { return sendTo(theme, CB_GETDROPPEDSTATE) == 0; }), "the list did not close");
    EXPECT_EQ(textOf(theme), L"Clair");
    EXPECT_TRUE(drawn(bar, false)) << "\"Clair\" left the bar dark";
    EXPECT_TRUE(drawn(config, false)) << "\"Clair\" left the configuration window dark";
    post(GetDlgItem(config, ids::kConfigCommand1), BM_CLICK);
    need(gone(config), "the configuration window did not close");
    EXPECT_EQ(readSettings(L"Zudav")[L"Theme"], L"1");

    // The system's mode changing again leaves the bar light.
    setAppsMode(true);
    setAppsMode(false);
    EXPECT_TRUE(drawn(bar, false)) << "the bar's own choice gave way to dark apps";
}

}  // namespace e2e
