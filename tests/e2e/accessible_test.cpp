// The bar's real view in this program's own process, as a screen reader meets it: the accessible object that the
// window answers to WM_GETOBJECT, read directly (Wine's oleacc does not carry it to another process). A bar with a
// program, a program without a tooltip, a document and a missing program: the names, roles and default actions of its
// fifteen elements, their places in a column and in a row, hit-testing, the keyboard's focus and a name that changes
// (with their events), its colours under a high-contrast theme, and "Arrêter" pressed through its default action.
#include <windows.h>
// After windows.h, which they need.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "bar/principal.h"
#include "bar/settings/memory_store.h"
#include "bar/win32/bar_view.h"
#include "platform/paths.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/twips.h"
#include "platform/win32/win32_platform.h"

namespace {

std::set<std::pair<DWORD, LONG>> g_events;  // the client area's focus and name events: kind, child

void CALLBACK Heard(HWINEVENTHOOK, DWORD event, HWND, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT) {
        g_events.insert({event, child});
    }
}

void Pump() {
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) {
        DispatchMessageW(&message);
    }
}

VARIANT Child(LONG id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

std::wstring Read(IAccessible* bar, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR*), LONG id) {
    BSTR text = nullptr;
    (bar->*get)(Child(id), &text);
    const std::wstring read = text != nullptr ? text : L"(none)";
    SysFreeString(text);
    return read;
}

LONG Number(IAccessible* bar, HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, VARIANT*), LONG id) {
    VARIANT value;
    VariantInit(&value);
    return SUCCEEDED((bar->*get)(Child(id), &value)) && value.vt == VT_I4 ? value.lVal : -1;
}

// Where the layout rule puts slot `slot`'s cell in the client area, in pixels.
RECT Cell(HWND bar, bool horizontal, long slot) {
    RECT window{};
    GetWindowRect(bar, &window);
    const long k = 1440 / zudav::win32::WindowDpi(bar);
    const long side = horizontal ? (window.bottom - window.top) * k - 500 : (window.right - window.left) * k - 150;
    const auto pixels = [k](long twips) { return (twips + k / 2) / k; };
    const long left = pixels(horizontal ? 500 + slot * (side + 500) : 0),
               top = pixels(horizontal ? 40 : 300 + slot * side);
    return {left, top, left + pixels(side), top + pixels(side)};
}

RECT Place(IAccessible* bar, HWND window, LONG id) {
    LONG left = 0, top = 0, width = 0, height = 0;
    bar->accLocation(&left, &top, &width, &height, Child(id));
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return {left - origin.x, top - origin.y, left - origin.x + width, top - origin.y + height};
}

// The bar's window as it painted itself (frame included), as 0xRRGGBB pixels, and where its client area begins in them.
struct Shot {
    long width = 0, height = 0;
    POINT origin{};
    std::vector<UINT> pixels;
};

Shot Capture(HWND window) {
    RECT place{};
    GetWindowRect(window, &place);
    Shot shot{place.right - place.left, place.bottom - place.top, {0, 0}, {}};
    ClientToScreen(window, &shot.origin);
    shot.origin = {shot.origin.x - place.left, shot.origin.y - place.top};
    BITMAPINFO format{{sizeof(BITMAPINFOHEADER), shot.width, -shot.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    HDC source = GetWindowDC(window), memory = CreateCompatibleDC(source);
    UINT* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(source, &format, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.width, shot.height, source, 0, 0, SRCCOPY);
    GdiFlush();
    shot.pixels.assign(bits, bits + shot.width * shot.height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
    for (UINT& pixel : shot.pixels) {
        pixel &= 0xffffff;
    }
    return shot;
}

void Save(const Shot& shot, const std::string& path) {
    const DWORD bytes = DWORD(shot.pixels.size() * 4);
    BITMAPFILEHEADER file{0x4d42, DWORD(sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) + bytes), 0, 0,
                          sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER)};
    BITMAPINFOHEADER info{sizeof info, shot.width, -shot.height, 1, 32, BI_RGB, bytes, 0, 0, 0, 0};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file)
        .write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(reinterpret_cast<const char*>(shot.pixels.data()), bytes);
}

TEST(AccessibleBar, ReadersFindNamedButtonsWhereTheBarDrawsThem) {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    zudav::win32::Win32Platform platform;
    zudav::MemoryStore store;
    zudav::LaBarre module;
    const std::wstring self = zudav::BaseName(platform.ExecutablePath());
    const wchar_t* const items[][2] = {
        {L"Chemin0", L"C:\\windows\\system32\\notepad.exe"},
        {L"Tool0", L"Bloc-notes"},
        {L"Chemin1", L"C:\\windows\\regedit.exe"},
        {L"Chemin2", L"C:\\windows\\win.ini"},
        {L"FicALancer2", L"1"},
        {L"Tool2", L"R\u00e9glages"},
        {L"Chemin3", L"C:\\absent\\disparu.exe"}};  // a program, one without a tooltip, a document, a missing program
    for (const auto& [key, value] : items) {
        store.Write(self, L"Donnees", key, value);
    }
    zudav::win32::BarView view(GetModuleHandleW(nullptr));
    ASSERT_TRUE(view.Create());
    const HWND window = view.Handle();
    zudav::Principal principal(platform, store, view, module);
    view.Attach(principal, {});
    ASSERT_EQ(principal.Charger(), zudav::Principal::LoadResult::Running);
    view.ShowLoaded();
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_NAMECHANGE, nullptr, Heard,
                                               GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    Pump();

    IAccessible* bar = nullptr;
    const LRESULT answer = SendMessageW(window, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT));
    ASSERT_GT(answer, 0) << "no accessible object";
    const auto objectFromLresult =
        zudav::win32::SystemFunction<decltype(::ObjectFromLresult)>(L"oleacc.dll", "ObjectFromLresult");
    ASSERT_TRUE(SUCCEEDED(objectFromLresult(answer, __uuidof(IAccessible), 0, reinterpret_cast<void**>(&bar))));
    LONG count = 0;
    EXPECT_EQ(bar->get_accChildCount(&count), S_OK);
    EXPECT_EQ(count, 15);
    EXPECT_EQ(Number(bar, &IAccessible::get_accRole, CHILDID_SELF), ROLE_SYSTEM_TOOLBAR);
    EXPECT_EQ(Read(bar, &IAccessible::get_accName, CHILDID_SELF), self);

    constexpr LONG kButton = ROLE_SYSTEM_PUSHBUTTON;
    const std::tuple<LONG, const wchar_t*, LONG, const wchar_t*> elements[] = {
        {1, L"Action", ROLE_SYSTEM_BUTTONMENU, L"Ouvrir"}, {2, L"Bloc-notes", kButton, L"Lancer"},
        {3, L"regedit.exe", kButton, L"Lancer"},           {4, L"R\u00e9glages", kButton, L"Ouvrir"},
        {5, L"disparu.exe", kButton, L"Lancer"},           {6, L"Emplacement libre 5", kButton, L"(none)"},
        {14, L"Emplacement libre 13", kButton, L"(none)"}, {15, L"Arr\u00eater", kButton, L"Appuyer"}};
    for (const auto& [id, name, role, action] : elements) {
        SCOPED_TRACE(id);
        EXPECT_EQ(Read(bar, &IAccessible::get_accName, id), name);
        EXPECT_EQ(Number(bar, &IAccessible::get_accRole, id), role);
        EXPECT_EQ(Read(bar, &IAccessible::get_accDefaultAction, id), action);
        EXPECT_TRUE(Number(bar, &IAccessible::get_accState, id) & STATE_SYSTEM_FOCUSABLE);
    }

    // Under a high-contrast theme (its colours, and the view told of it as the system tells it), each cell is framed
    // in the text colour and the hovered one in the highlight's, on the theme's background, and the free-slot picture
    // is drawn in the text colour. Saved as a picture when ZUDAV_SCREENSHOTS names a folder.
    const int colours[] = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_HIGHLIGHT};
    const COLORREF theme[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(26, 235, 255)};
    const COLORREF saved[] = {GetSysColor(colours[0]), GetSysColor(colours[1]), GetSysColor(colours[2])};
    SetSysColors(3, colours, theme);
    Pump();
    view.ShowLook(zudav::Look::HighContrast);
    principal.Survol(4);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const Shot shot = Capture(window);
    SetSysColors(3, colours, saved);
    view.ShowLook(zudav::Look::Light);
    const auto at = [&](POINT client) {
        return shot.pixels[size_t((client.y + shot.origin.y) * shot.width + client.x + shot.origin.x)];
    };
    for (long slot = 0; slot < 13; ++slot) {
        const RECT cell = Cell(window, false, slot);
        EXPECT_EQ(at({cell.left, (cell.top + cell.bottom) / 2}), slot == 4 ? 0x1aebffu : 0xffffffu) << "slot " << slot;
        EXPECT_EQ(at({cell.left + 3, cell.top + 3}), 0u) << "slot " << slot;
    }
    const RECT free = Cell(window, false, 5);
    int white = 0;
    for (long y = free.top + 4; y < free.bottom - 4; ++y) {
        for (long x = free.left + 4; x < free.right - 4; ++x) {
            white += at({x, y}) == 0xffffffu;
        }
    }
    EXPECT_GT(white, 20) << "the free-slot picture does not show";
    if (const char* folder = std::getenv("ZUDAV_SCREENSHOTS")) {
        Save(shot, std::string(folder) + "\\bar-high-contrast.bmp");
    }

    // Each slot where the layout rule puts its cell, in a column and then in a row; a point finds its slot.
    for (const bool horizontal : {false, true}) {
        SCOPED_TRACE(horizontal ? "in a row" : "in a column");
        for (LONG slot = 0; slot < 13; ++slot) {
            const RECT place = Place(bar, window, slot + 2), cell = Cell(window, horizontal, slot);
            EXPECT_TRUE(EqualRect(&place, &cell)) << "slot " << slot << " at " << place.left << ", " << place.top;
        }
        const RECT five = Cell(window, horizontal, 5);
        POINT middle{(five.left + five.right) / 2, five.bottom - 2};
        ClientToScreen(window, &middle);
        VARIANT hit;
        EXPECT_EQ(bar->accHitTest(middle.x, middle.y, &hit), S_OK);
        EXPECT_TRUE(hit.vt == VT_I4 && hit.lVal == 7) << "the point is not on slot 5";
        principal.Horizon = true;
        view.SetHeight(1220);  // lays the bar out in a row, as the configuration's orientation does
        Pump();
    }

    // The keyboard's focus goes from slot to slot, and a reader hears it; a new tooltip is a new name, heard too.
    SetFocus(window);
    SendMessageW(window, WM_KEYDOWN, VK_RIGHT, 0);
    VARIANT focus;
    EXPECT_EQ(bar->get_accFocus(&focus), S_OK);
    EXPECT_TRUE(focus.vt == VT_I4 && focus.lVal == 3) << "the focus is not on slot 1";
    EXPECT_TRUE(Number(bar, &IAccessible::get_accState, 3) & STATE_SYSTEM_FOCUSED);
    store.Write(self, L"Donnees", L"Tool1", L"Registre");
    principal.Rafraichir();
    Pump();
    EXPECT_EQ(Read(bar, &IAccessible::get_accName, 3), L"Registre");
    EXPECT_TRUE(g_events.count({EVENT_OBJECT_FOCUS, 3}) && g_events.count({EVENT_OBJECT_NAMECHANGE, 3}));
    UnhookWinEvent(hook);

    // "Arrêter", pressed by its default action, closes the bar; the object then answers that it is gone.
    EXPECT_EQ(bar->accDoDefaultAction(Child(6)), DISP_E_MEMBERNOTFOUND) << "a free slot";
    EXPECT_EQ(bar->accDoDefaultAction(Child(15)), S_OK);
    Pump();
    Pump();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(bar->get_accChildCount(&count), RPC_E_DISCONNECTED);
    bar->Release();
    OleUninitialize();
}

}  // namespace
