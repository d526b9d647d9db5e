// The configuration window (with the miniature of each orientation), the item editor and the About box opened over the
// bar's real view in this program's own process: every label, check box, option button and push button shows its whole
// caption in its own font, and no label lies over another control, at the DPI the window opens at and after it was
// moved to a monitor of another DPI; each light control that takes the keyboard is a push button to a screen reader.
#include <windows.h>
// After windows.h, which they need.
#include <gtest/gtest.h>

#include <oleacc.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "about/win32/about_view.h"
#include "bar/principal.h"
#include "bar/settings/memory_store.h"
#include "bar/win32/bar_view.h"
#include "config/win32/config_ids.h"
#include "config/win32/config_view.h"
#include "editor/win32/editor_view.h"
#include "platform/paths.h"
#include "platform/win32/control_builder.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/twips.h"
#include "platform/win32/win32_platform.h"

namespace {
using namespace zudav::win32;

std::map<HWND, LONG> g_fontHeights;  // of each control, at the first look

// `moved`: the window was sent to a monitor of 1.5 times the DPI; its fonts must have followed.
BOOL CALLBACK CheckCaption(HWND control, LPARAM moved) {
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    const std::wstring text = TextOf(control);
    const LONG_PTR style = GetWindowLongPtrW(control, GWL_STYLE);
    const bool isStatic = lstrcmpiW(name, L"Static") == 0;
    const LONG_PTR type = style & (isStatic ? SS_TYPEMASK : BS_TYPEMASK);
    if ((isStatic ? type > SS_RIGHT : lstrcmpiW(name, L"Button") != 0 || type == BS_GROUPBOX) || text.empty() ||
        !IsWindowVisible(control)) {
        return TRUE;
    }
    const bool check = type == BS_AUTOCHECKBOX || type == BS_AUTORADIOBUTTON || type == BS_CHECKBOX;
    const int dpi = WindowDpi(control);
    RECT client{};
    GetClientRect(control, &client);
    // A check box's text starts after its glyph and a gap.
    const int width =
        client.right - (check ? MulDiv(GetSystemMetrics(SM_CXMENUCHECK), dpi, WindowDpi(nullptr)) + dpi / 24 : 0);
    const UINT format = DT_CALCRECT | DT_EXPANDTABS | (isStatic && (style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0);
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0));
    LOGFONTW logFont{};
    GetObjectW(font, sizeof logFont, &logFont);
    EXPECT_NEAR(logFont.lfHeight, moved != 0 ? g_fontHeights[control] * 3 / 2 : logFont.lfHeight, 1);
    g_fontHeights[control] = logFont.lfHeight;
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, font);
    RECT line{0, 0, 0, 0}, wrapped{0, 0, width, 0};
    DrawTextW(dc, text.c_str(), -1, &line, format | DT_SINGLELINE);
    DrawTextW(dc, text.c_str(), -1, &wrapped, format | DT_WORDBREAK);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    const bool fits =
        (line.right <= width && line.bottom <= client.bottom) ||
        ((isStatic || (style & BS_MULTILINE) != 0) && wrapped.right <= width && wrapped.bottom <= client.bottom);
    EXPECT_TRUE(fits) << "cut at " << dpi << " dpi: " << testing::PrintToString(text);
    // Nor does a label lie over another control, save one wholly around it: its frame.
    RECT mine{}, theirs{}, both{};
    GetWindowRect(control, &mine);
    for (HWND other = GetWindow(control, GW_HWNDFIRST); isStatic && other; other = GetWindow(other, GW_HWNDNEXT)) {
        EXPECT_FALSE(IsWindowVisible(other) && GetWindowRect(other, &theirs) && IntersectRect(&both, &mine, &theirs) &&
                     !EqualRect(&both, &mine))
            << testing::PrintToString(text) << " over control " << GetDlgCtrlID(other);
    }
    return TRUE;
}

// A light control that takes the keyboard is a push button to a screen reader, named, that "Appuyer" presses.
std::vector<HWND> g_buttons;
const auto g_fromLresult = SystemFunction<decltype(::ObjectFromLresult)>(L"oleacc.dll", "ObjectFromLresult");
BOOL CALLBACK CheckLightButton(HWND control, LPARAM) {
    wchar_t name[32] = {};
    GetClassNameW(control, name, 32);
    if (lstrcmpW(name, L"ZudavControle") != 0 || (GetWindowLongPtrW(control, GWL_STYLE) & WS_TABSTOP) == 0) {
        return TRUE;
    }
    const LRESULT answer = SendMessageW(control, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT));
    IAccessible* button = nullptr;
    if (answer <= 0 || FAILED(g_fromLresult(answer, __uuidof(IAccessible), 0, reinterpret_cast<void**>(&button)))) {
        ADD_FAILURE() << "no accessible object for control " << GetDlgCtrlID(control);
        return TRUE;
    }
    VARIANT self{}, role{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr, action = nullptr;
    EXPECT_EQ(button->get_accRole(self, &role), S_OK);
    EXPECT_EQ(role.lVal, ROLE_SYSTEM_PUSHBUTTON) << "control " << GetDlgCtrlID(control);
    EXPECT_EQ(button->get_accName(self, &text), S_OK) << "a nameless button: " << GetDlgCtrlID(control);
    EXPECT_EQ(button->get_accDefaultAction(self, &action), S_OK);
    EXPECT_EQ(std::wstring(action != nullptr ? action : L""), L"Appuyer");
    SysFreeString(text);
    SysFreeString(action);
    g_buttons.push_back(control);
    button->Release();
    return TRUE;
}

// In the window's modal loop: its controls checked, then the window closed.
const wchar_t* g_class = nullptr;
void CALLBACK CheckOpenWindow(HWND, UINT, UINT_PTR timer, DWORD) {
    if (HWND window = FindWindowW(g_class, nullptr); window != nullptr && IsWindowVisible(window)) {
        KillTimer(nullptr, timer);
        g_buttons.clear();
        EnumChildWindows(window, CheckLightButton, 0);
        EXPECT_FALSE(g_buttons.empty()) << "no light button";
        const bool configuration = lstrcmpW(g_class, L"ZudavConfiguration") == 0;
        if (configuration) {
            // The first two positions of the item column pressed by a reader exchange their items.
            const auto press = [](HWND control) {
                IAccessible* button = nullptr;
                g_fromLresult(SendMessageW(control, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT)),
                              __uuidof(IAccessible), 0, reinterpret_cast<void**>(&button));
                VARIANT self{};
                self.vt = VT_I4;
                self.lVal = CHILDID_SELF;
                EXPECT_EQ(button->accDoDefaultAction(self), S_OK);
                button->Release();
                MSG message;
                while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                    DispatchMessageW(&message);
                }
            };
            press(GetDlgItem(window, kConfigIco));
            press(GetDlgItem(window, kConfigIco + 1));
            EXPECT_EQ(TextOf(GetDlgItem(window, kConfigTTT)), L"Deux") << "the items were not exchanged";
        }
        EnumChildWindows(window, CheckCaption, 0);
        const auto turn = [&](int index) {  // the configuration window shows its miniature of the other orientation
            if (configuration) {
                SendMessageW(GetDlgItem(window, kConfigBarreHV + index), BM_CLICK, 0, 0);
                EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, kConfigFrame3 + index)));
                EnumChildWindows(window, CheckCaption, 0);
            }
        };
        turn(1);
        // Wine gives every monitor one DPI: the message Windows sends when the window is dragged to a monitor of 1.5
        // times its DPI.
        RECT suggested{};
        GetWindowRect(window, &suggested);
        suggested.right += (suggested.right - suggested.left) / 2;
        suggested.bottom += (suggested.bottom - suggested.top) / 2;
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(WindowDpi(window) * 3 / 2, WindowDpi(window) * 3 / 2),
                     reinterpret_cast<LPARAM>(&suggested));
        EnumChildWindows(window, CheckCaption, 1);
        turn(0);
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
}

TEST(SecondaryWindows, EveryCaptionIsWholeInItsFont) {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    Win32Platform platform;
    zudav::MemoryStore store;
    BarView view(GetModuleHandleW(nullptr));
    ASSERT_TRUE(view.Create());
    const HWND bar = view.Handle();
    platform.SetOwner(bar);
    // Two items, for the configuration's item column.
    const std::wstring self = zudav::BaseName(platform.ExecutablePath());
    for (const auto& [key, value] : {std::pair{L"Chemin0", L"C:\\un.exe"},
                                     {L"Tool0", L"Un"},
                                     {L"Chemin1", L"C:\\deux.exe"},
                                     {L"Tool1", L"Deux"}}) {
        store.Write(self, L"Donnees", key, value);
    }
    zudav::Principal principal(platform, store, view);
    view.Attach(principal, {});
    ASSERT_EQ(principal.Charger(), zudav::Principal::LoadResult::Running);
    view.ShowLoaded();
    const std::pair<const wchar_t*, std::function<void()>> windows[] = {
        {L"ZudavConfiguration", [&] { ShowConfigWindow(bar, platform, principal, view, view.FreeSlotPicture()); }},
        {L"ZudavAjouteEnleve", [&] { ShowEditor(bar, platform, principal.Model(), 0, view.PlaceholderPicture()); }},
        {L"ZudavApropos", [&] { ShowAboutBox(bar, platform, zudav::kSautLigne); }}};
    for (const auto& [windowClass, show] : windows) {
        const size_t before = g_fontHeights.size();
        g_class = windowClass;
        SetTimer(nullptr, 0, 300, CheckOpenWindow);
        show();
        EXPECT_GT(g_fontHeights.size(), before) << "not checked: " << testing::PrintToString(std::wstring(windowClass));
    }
    OleUninitialize();
}

}  // namespace
