// The bar's real view in this program's own process, as a screen reader meets it: the accessible object that the
// window answers to WM_GETOBJECT, read directly (Wine's oleacc does not carry it to another process). A bar with a
// program, a program without a tooltip, a document and a missing program: the names, roles and default actions of its
// fifteen elements, their places in a column and in a row, hit-testing, the keyboard's focus and a name that changes
// (with their events), its colours under a high-contrast theme, and "Arrêter" pressed through its default action.
// The same bar through UI Automation: the answer to WM_GETOBJECT for UiaRootObjectId, then the provider itself (Wine's
// uiautomationcore does not hand it back in-process): the tool bar and its fifteen buttons as MSAA names them, their
// help texts, places among the slots, patterns, state, places and focus, and what invoking and expanding post.
#include <windows.h>
// After windows.h, which they need.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

#include "bar/principal.h"
#include "bar/settings/memory_store.h"
#include "bar/win32/bar_ids.h"
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

// A UI Automation property as text: a string, a number, true or false, "(none)", or the error.
std::wstring Property(IUnknown* element, PROPERTYID id) {
    IRawElementProviderSimple* simple = nullptr;
    element->QueryInterface(__uuidof(IRawElementProviderSimple), reinterpret_cast<void**>(&simple));
    VARIANT value;
    VariantInit(&value);
    const HRESULT read = simple->GetPropertyValue(id, &value);
    simple->Release();
    if (FAILED(read)) {
        return L"error " + std::to_wstring(static_cast<unsigned long>(read));
    }
    const std::wstring text = value.vt == VT_BSTR   ? std::wstring(value.bstrVal)
                              : value.vt == VT_I4   ? std::to_wstring(value.lVal)
                              : value.vt == VT_BOOL ? (value.boolVal != VARIANT_FALSE ? L"true" : L"false")
                                                    : L"(none)";
    VariantClear(&value);
    return text;
}

// The control patterns an element gives, by name.
std::wstring Patterns(IUnknown* element) {
    IRawElementProviderSimple* simple = nullptr;
    element->QueryInterface(__uuidof(IRawElementProviderSimple), reinterpret_cast<void**>(&simple));
    std::wstring patterns;
    for (const auto& [id, name] :
         {std::pair{UIA_InvokePatternId, L"invoke"}, {UIA_ExpandCollapsePatternId, L"expand"}}) {
        IUnknown* pattern = nullptr;
        if (SUCCEEDED(simple->GetPatternProvider(id, &pattern)) && pattern != nullptr) {
            patterns += name;
            pattern->Release();
        }
    }
    simple->Release();
    return patterns;
}

IRawElementProviderFragment* Go(IRawElementProviderFragment* from, NavigateDirection direction) {
    IRawElementProviderFragment* to = nullptr;
    from->Navigate(direction, &to);
    return to;
}

// UI Automation's client side, as a screen reader reads a window: its node, and a property of the node.
typedef HRESULT WINAPI NodeFromHandle(HWND window, void** node);
typedef HRESULT WINAPI NodeProperty(void* node, PROPERTYID id, VARIANT* value);
typedef BOOL WINAPI NodeRelease(void* node);

std::wstring ClientReads(HWND window, PROPERTYID id) {
    using zudav::win32::SystemFunction;
    static const auto fromHandle = SystemFunction<NodeFromHandle>(L"uiautomationcore.dll", "UiaNodeFromHandle");
    static const auto property = SystemFunction<NodeProperty>(L"uiautomationcore.dll", "UiaGetPropertyValue");
    static const auto release = SystemFunction<NodeRelease>(L"uiautomationcore.dll", "UiaNodeRelease");
    void* node = nullptr;
    if (const HRESULT made = fromHandle(window, &node); FAILED(made)) {
        return L"no node: " + std::to_wstring(static_cast<unsigned long>(made));
    }
    VARIANT value;
    VariantInit(&value);
    const HRESULT read = property(node, id, &value);
    release(node);
    const std::wstring text = FAILED(read)          ? L"error " + std::to_wstring(static_cast<unsigned long>(read))
                              : value.vt == VT_BSTR ? std::wstring(value.bstrVal)
                              : value.vt == VT_I4   ? std::to_wstring(value.lVal)
                                                    : L"type " + std::to_wstring(value.vt);
    VariantClear(&value);
    return text;
}

// The element whose default action the bar posted to itself, taken off the queue (none: -1).
long TakePostedAction(HWND window) {
    MSG message;
    return PeekMessageW(&message, window, zudav::win32::kDefaultActionMessage, zudav::win32::kDefaultActionMessage,
                        PM_REMOVE)
               ? static_cast<long>(message.wParam)
               : -1;
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
    zudav::Principal principal(platform, store, view);
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
        principal.Orient(true);  // lays the bar out in a row, as the configuration's orientation does
        Pump();
    }

    // Hovered while another window is in front, the bar highlights the slot but takes no focus: a reader hears nothing.
    HWND front = CreateWindowExW(0, L"STATIC", L"devant", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr,
                                 nullptr, nullptr);
    SetForegroundWindow(front);
    Pump();
    g_events.clear();
    const RECT hovered = Cell(window, principal.Horizontal(), 3);
    SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(hovered.left + 4, hovered.top + 4));
    Pump();
    EXPECT_NE(GetFocus(), window) << "the hover took the focus";
    EXPECT_EQ(
        std::count_if(g_events.begin(), g_events.end(), [](auto heard) { return heard.first == EVENT_OBJECT_FOCUS; }),
        0);
    DestroyWindow(front);

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

    // UI Automation: the window answers for its root; the provider's tool bar and its buttons, walked from the first
    // child to the next sibling, named as MSAA names them.
    EXPECT_GT(SendMessageW(window, WM_GETOBJECT, 0, static_cast<LPARAM>(UiaRootObjectId)), 0) << "no UIA answer";
    // Read from another thread, as another program would: the bar's thread answers while it pumps its messages.
    std::wstring clientType, clientName;
    std::atomic<bool> read{false};
    std::thread client([&] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        clientType = ClientReads(window, UIA_ControlTypePropertyId);
        clientName = ClientReads(window, UIA_NamePropertyId);
        CoUninitialize();
        read = true;
    });
    for (const DWORD start = GetTickCount(); !read && GetTickCount() - start < 20000;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        Pump();
    }
    client.join();
    EXPECT_EQ(clientType, std::to_wstring(UIA_ToolBarControlTypeId));
    EXPECT_EQ(clientName, self);
    zudav::win32::BarAutomation* const root = view.Automation();
    ASSERT_NE(root, nullptr);
    root->AddRef();
    EXPECT_EQ(Property(static_cast<IRawElementProviderSimple*>(root), UIA_ControlTypePropertyId),
              std::to_wstring(UIA_ToolBarControlTypeId));
    EXPECT_EQ(Property(static_cast<IRawElementProviderSimple*>(root), UIA_NamePropertyId), self);
    std::vector<IRawElementProviderFragment*> buttons{Go(root, NavigateDirection_FirstChild)};
    while (buttons.back() != nullptr) {
        buttons.push_back(Go(buttons.back(), NavigateDirection_NextSibling));
    }
    buttons.pop_back();
    ASSERT_EQ(buttons.size(), 15u);
    for (LONG element = 0; element < 15; ++element) {
        EXPECT_EQ(Property(buttons[element], UIA_NamePropertyId), Read(bar, &IAccessible::get_accName, element + 1));
        EXPECT_EQ(Property(buttons[element], UIA_ControlTypePropertyId), std::to_wstring(UIA_ButtonControlTypeId));
    }
    const std::tuple<LONG, const wchar_t*, const wchar_t*, const wchar_t*, const wchar_t*> uia[] = {
        {0, L"(none)", L"(none)", L"(none)", L"expand"},
        {1, L"C:\\windows\\system32\\notepad.exe", L"1", L"13", L"invoke"},
        {3, L"C:\\windows\\win.ini", L"3", L"13", L"invoke"},
        {5, L"(none)", L"5", L"13", L"invoke"},
        {14, L"(none)", L"(none)", L"(none)", L"invoke"}};
    for (const auto& [element, help, position, size, patterns] : uia) {
        SCOPED_TRACE(element);
        EXPECT_EQ(Property(buttons[element], UIA_HelpTextPropertyId), help);
        EXPECT_EQ(Property(buttons[element], UIA_PositionInSetPropertyId), position);
        EXPECT_EQ(Property(buttons[element], UIA_SizeOfSetPropertyId), size);
        EXPECT_EQ(Patterns(buttons[element]), patterns);
    }
    IRawElementProviderFragment* const last = Go(root, NavigateDirection_LastChild);
    EXPECT_EQ(Property(last, UIA_AutomationIdPropertyId), L"Stop");
    last->Release();

    // A button's place is where MSAA puts it, and the point in its middle finds it; the keyboard's focus set on it.
    UiaRect five{};
    buttons[6]->get_BoundingRectangle(&five);
    RECT place = Place(bar, window, 7);
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_TRUE(five.left == place.left && five.top == place.top && five.width == place.right - place.left)
        << five.left << ", " << five.top << " " << five.width;
    IRawElementProviderFragment* found = nullptr;
    root->ElementProviderFromPoint(five.left + five.width / 2, five.top + five.height / 2, &found);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(Property(found, UIA_AutomationIdPropertyId), L"Slot5");
    found->Release();
    EXPECT_EQ(buttons[6]->SetFocus(), S_OK);
    EXPECT_EQ(Property(buttons[6], UIA_HasKeyboardFocusPropertyId), L"true");
    IRawElementProviderFragment* focused = nullptr;
    root->GetFocus(&focused);
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(Property(focused, UIA_AutomationIdPropertyId), L"Slot5");
    focused->Release();

    // Invoked, a slot posts its default action as a click would; "Action" expanded posts its own; under a modal window
    // the buttons are disabled and refuse.
    IInvokeProvider* invoke = nullptr;
    ASSERT_EQ(buttons[2]->QueryInterface(__uuidof(IInvokeProvider), reinterpret_cast<void**>(&invoke)), S_OK);
    EXPECT_EQ(invoke->Invoke(), S_OK);
    EXPECT_EQ(TakePostedAction(window), 2);
    IExpandCollapseProvider* expand = nullptr;
    ASSERT_EQ(buttons[0]->QueryInterface(__uuidof(IExpandCollapseProvider), reinterpret_cast<void**>(&expand)), S_OK);
    ExpandCollapseState state = ExpandCollapseState_Expanded;
    EXPECT_TRUE(SUCCEEDED(expand->get_ExpandCollapseState(&state)) && state == ExpandCollapseState_Collapsed);
    EXPECT_EQ(expand->Collapse(), static_cast<HRESULT>(UIA_E_INVALIDOPERATION));
    EXPECT_EQ(expand->Expand(), S_OK);
    EXPECT_EQ(TakePostedAction(window), 0);
    expand->Release();
    EnableWindow(window, FALSE);
    EXPECT_EQ(Property(buttons[2], UIA_IsEnabledPropertyId), L"false");
    EXPECT_EQ(Property(static_cast<IRawElementProviderSimple*>(root), UIA_IsEnabledPropertyId), L"false");
    // Disabled under a modal window: the press is refused, and posted all the same so that the bar brings that window
    // forward, as a click on it would.
    EXPECT_EQ(invoke->Invoke(), static_cast<HRESULT>(UIA_E_ELEMENTNOTENABLED));
    EXPECT_EQ(TakePostedAction(window), 2);
    EnableWindow(window, TRUE);
    EXPECT_EQ(Property(buttons[2], UIA_IsEnabledPropertyId), L"true");

    // "Arrêter", pressed by its default action, closes the bar; the object then answers that it is gone.
    EXPECT_EQ(bar->accDoDefaultAction(Child(6)), DISP_E_MEMBERNOTFOUND) << "a free slot";
    EXPECT_EQ(bar->accDoDefaultAction(Child(15)), S_OK);
    Pump();
    Pump();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(bar->get_accChildCount(&count), RPC_E_DISCONNECTED);
    bar->Release();
    const std::wstring gone = L"error " + std::to_wstring(static_cast<unsigned long>(UIA_E_ELEMENTNOTAVAILABLE));
    EXPECT_EQ(Property(buttons[3], UIA_NamePropertyId), gone);
    EXPECT_EQ(Property(static_cast<IRawElementProviderSimple*>(root), UIA_NamePropertyId), gone);
    EXPECT_EQ(invoke->Invoke(), static_cast<HRESULT>(UIA_E_ELEMENTNOTAVAILABLE));
    invoke->Release();
    for (IRawElementProviderFragment* button : buttons) {
        button->Release();
    }
    root->Release();
    OleUninitialize();
}

}  // namespace
