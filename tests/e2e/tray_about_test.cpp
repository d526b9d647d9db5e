// The notification icon's codes, as the shell reports them to the bar (version 4): a double click opens the About box
// (once, modal over the bar), which Escape, Enter, its button and closing all close; a left press brings a minimised
// bar back, refreshed; a left release shows a hidden bar.
#include "driver.h"

namespace e2e {

TEST_F(Scenario, TrayIconOpensTheAboutBoxAndBringsTheBarBack) {
    HWND bar = startBar();
    const Twips place = twipsOf(bar);
    const auto tray = [&](UINT code) { post(bar, ids::kTrayMessage, 0, MAKELPARAM(code, ids::kTrayIconId)); };
    const std::pair<const char*, void (*)(HWND about)> closings[] = {
        {"Escape", [](HWND about) { post(about, WM_KEYDOWN, VK_ESCAPE); }},
        {"Enter", [](HWND about) { post(about, WM_KEYDOWN, VK_RETURN); }},
        {"the Retour button", [](HWND about) { post(GetDlgItem(about, IDOK), BM_CLICK); }},
        {"WM_CLOSE", [](HWND about) { post(about, WM_CLOSE); }},
    };
    for (const auto& [how, close] : closings) {
        SCOPED_TRACE(how);
        tray(WM_LBUTTONDBLCLK);
        HWND about = waitModal(bar, ids::kAboutWindowClass);
        EXPECT_EQ(GetWindow(about, GW_OWNER), bar);
        const std::pair<int, std::wstring> texts[] = {
            {0, L"Zudav"},  // the caption
            {ids::kAboutTitle, L"Zudav"},
            {ids::kAboutVersion, L"Version 3.0"},
            {ids::kAboutDescription,
             L"\r\nZudav, la barre de lancement du bureau\r\n"
             L"Treize emplacements pour lancer vos programmes et ouvrir vos documents d'un seul clic."},
            {ids::kAboutMailLink, L"Envoyer un coucou \u00e0 l'auteur..."},
            {ids::kAboutWebLink, L"https://zudav.example.org"},
            {IDOK, L"Retour"},
        };
        for (const auto& [id, text] : texts) {
            EXPECT_EQ(textOf(id ? GetDlgItem(about, id) : about), text) << "control " << id;
        }
        // While the box is up, a click on the icon runs no command (no second box, no menu, no refresh): it brings the
        // box to the front from behind another program's window. The bar meets it before the key that closes the box.
        HWND other = CreateWindowExW(0, L"STATIC", L"autre", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, 0, 0, 0, 0);
        SetForegroundWindow(other);
        EXPECT_TRUE(waitFor([&] { return GetForegroundWindow() == other; }));
        tray(WM_RBUTTONUP);
        tray(WM_LBUTTONDBLCLK);
        EXPECT_TRUE(waitFor([&] { return GetForegroundWindow() == about; })) << "the About box did not come forward";
        EXPECT_EQ(shown(processOf(bar), L"#32768"), nullptr) << "the menu popped up";
        DestroyWindow(other);
        close(about);
        ASSERT_TRUE(gone(about)) << "the About box did not close";
        sendTo(bar, WM_NULL);
        EXPECT_EQ(shown(processOf(bar), ids::kAboutWindowClass), nullptr) << "another About box opened";
        EXPECT_TRUE(IsWindowEnabled(bar) && IsWindowVisible(bar));
    }

    // Put away, then brought back where it was by the icon; a minimised bar shows what was stored meanwhile.
    for (const auto& [command, mouseMessage] :
         {std::pair{SW_MINIMIZE, WM_LBUTTONDOWN}, std::pair{SW_HIDE, WM_LBUTTONUP}}) {
        const bool hide = command == SW_HIDE;
        SCOPED_TRACE(hide ? "a left release shows the hidden bar" : "a left press restores the bar");
        ShowWindowAsync(bar, command);
        ASSERT_TRUE(waitFor([&] { return hide ? !IsWindowVisible(bar) : IsIconic(bar); }));
        writeSettings(L"Zudav", {{L"Chemin3", L"C:\\windows\\system32\\notepad.exe"}});
        tray(mouseMessage);
        EXPECT_TRUE(back(bar, place)) << "not back where it was: " << testing::PrintToString(twipsOf(bar));
        EXPECT_TRUE(hide || slotLooksFree(bar, 3, false)) << "slot 3 still looks free: the bar was not refreshed";
    }
}

}  // namespace e2e
