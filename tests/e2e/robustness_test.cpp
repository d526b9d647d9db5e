// A bar over the worst store a hand edit or another tool can leave: values of other types, texts that are not
// numbers, a place on no monitor, 32,000-character texts. It starts wholly on the screen, gets
// its notification icon back when the shell restarts, comes back when the monitors change, and its exit writes its
// place only. Locked without a held place, it starts at its full size, and again at the next start.
#include "driver.h"
// After windows.h, which driver.h includes.
#include <shellapi.h>

namespace e2e {

TEST_F(Scenario, BadSettingsNeitherLoseTheBarNorItsIcon) {
    const std::wstring huge(32000, L'x');
    writeSettings(L"Zudav", {{L"left", L"90000"},
                             {L"Coef", L"12,5"},
                             {L"Caption", huge},
                             {L"Chemin0", huge},
                             {L"Tool0", huge},
                             {L"Focus0", L"abc"},
                             {L"AlwaysOnTop", L" "},
                             {L"icone", huge},
                             {L"Chemin1", L"C:\\windows\\regedit.exe"}});
    const auto writeTyped = [](const wchar_t* name, DWORD type, const void* data, DWORD size) {
        need(!RegSetKeyValueW(HKEY_CURRENT_USER, (kStore + L"Zudav\\Donnees").c_str(), name, type, data, size),
             "cannot store a setting");
    };
    const DWORD top = 300, width = 870, retourAuto = 0;
    writeTyped(L"top", REG_DWORD, &top, sizeof top);
    writeTyped(L"width", REG_DWORD, &width, sizeof width);
    writeTyped(L"RetourAuto", REG_DWORD, &retourAuto, sizeof retourAuto);
    writeTyped(L"height", REG_BINARY, "\x01\x02", 2);
    writeTyped(L"Horizont", REG_EXPAND_SZ, L"False", 12);
    const Settings stored = readSettings(L"Zudav");
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const auto onScreen = [&](HWND bar) {
        RECT shown{}, place = rectOf(bar);
        return IntersectRect(&shown, &place, &work) != FALSE;
    };
    const auto wholly = [&](HWND bar) {  // larger than the screen, it would have been made thinner
        RECT shown{}, place = rectOf(bar);
        return IntersectRect(&shown, &place, &work) && EqualRect(&shown, &place);
    };

    HANDLE process = start(zudav());
    HWND bar = waitBar(process);
    EXPECT_TRUE(wholly(bar)) << testing::PrintToString(twipsOf(bar));
    EXPECT_NEAR(twipsOf(bar)[1], 300, twipsPerPixel()) << "the top, stored as a number";
    EXPECT_NEAR(twipsOf(bar)[2], 870, twipsPerPixel()) << "the width, stored as a number";

    // The shell restarts: its notification area comes back empty, and the bar adds its icon again.
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = bar;
    icon.uID = ids::kTrayIconId;
    EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &icon)) << "the bar has no notification icon";
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &icon));
    post(bar, RegisterWindowMessageW(L"TaskbarCreated"));
    EXPECT_TRUE(waitFor([&] { return Shell_NotifyIconW(NIM_MODIFY, &icon) != FALSE; })) << "the icon did not come back";

    // Off every monitor when the display changes: the bar comes back wholly onto the screen, its size kept.
    const Twips size = twipsOf(bar);
    SetWindowPos(bar, nullptr, 30000, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_FALSE(onScreen(bar));
    post(bar, WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    EXPECT_TRUE(waitFor([&] { return wholly(bar); })) << "the bar stayed off the screen";
    EXPECT_EQ(twipsOf(bar)[2], size[2]);
    EXPECT_EQ(twipsOf(bar)[3], size[3]);

    const Twips place = twipsOf(bar);
    post(bar, WM_CLOSE);
    ASSERT_TRUE(waitFor([&] { return !isRunning(process); })) << "the bar did not end";
    Settings saved = readSettings(L"Zudav"), expected = stored;
    EXPECT_TRUE(savedPlace(saved, place));
    for (const wchar_t* key : kPlaceKeys) {
        saved.erase(key);
        expected.erase(key);
    }
    EXPECT_EQ(saved, expected) << "the exit wrote more than the bar's place";

    // Locked, with no held place stored: the full-size bar, at each start.
    RegDeleteTreeW(HKEY_CURRENT_USER, (kStore + L"Zudav").c_str());
    writeSettings(L"Zudav", {{L"Bloqu\u00e9e", L"1"}});
    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE(run);
        HANDLE locked = start(zudav());
        HWND lockedBar = waitBar(locked);
        RedrawWindow(lockedBar, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        sendTo(lockedBar, WM_NULL);
        EXPECT_NEAR(twipsOf(lockedBar)[2], 870, twipsPerPixel());
        EXPECT_NEAR(twipsOf(lockedBar)[3], 10210, twipsPerPixel());
        post(lockedBar, WM_CLOSE);
        ASSERT_TRUE(waitFor([&] { return !isRunning(locked); }));
    }
}

}  // namespace e2e
