#include "platform/win32/window_look.h"

#include <array>
#include <string>
#include <type_traits>

#include "platform/win32/handles.h"
#include "platform/win32/system_dlls.h"

namespace zudav::win32 {
namespace {

// DWM's attributes, by number: older headers lack them.
constexpr DWORD kCornerPreferenceAttribute = 33;  // DWMWA_WINDOW_CORNER_PREFERENCE
constexpr DWORD kRoundDefault = 0;                // DWMWCP_DEFAULT
constexpr DWORD kRoundNever = 1;                  // DWMWCP_DONOTROUND

// uxtheme's unnamed functions for menus (Windows 10 1903 on), by ordinal: the preferred mode of the app's menus, and
// the menus' themes made again.
enum class MenuMode { Default = 0, AllowDark = 1, ForceDark = 2, ForceLight = 3 };
using SetPreferredAppModeFunction = MenuMode(WINAPI*)(MenuMode);
using FlushMenuThemesFunction = void(WINAPI*)();
constexpr WORD kSetPreferredAppMode = 135;
constexpr WORD kFlushMenuThemes = 136;

using DwmSetWindowAttributeFunction = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
using SetWindowThemeFunction = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);

Look programLook = Look::Light;
bool everDark = false;  // whether the dark look has dressed controls since the program started

struct DarkBrushes {
    UniqueBrush window;
    UniqueBrush field;
};
DarkBrushes darkBrushes;

// The version Windows really runs: GetVersionEx answers what the manifest declares.
const LookSupport& Support() {
    static const LookSupport support = [] {
        using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
        const auto getVersion = reinterpret_cast<RtlGetVersionFunction>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
        OSVERSIONINFOW version{};
        version.dwOSVersionInfoSize = sizeof version;
        if (getVersion == nullptr || getVersion(&version) != 0) {
            return LookSupport{};
        }
        return LookSupportOf(version.dwMajorVersion, version.dwBuildNumber);
    }();
    return support;
}

void SetDwmAttribute(HWND window, DWORD attribute, DWORD value) {
    static const auto setAttribute =
        SystemFunction<std::remove_pointer_t<DwmSetWindowAttributeFunction>>(L"dwmapi.dll", "DwmSetWindowAttribute");
    if (setAttribute != nullptr && attribute != 0) {
        setAttribute(window, attribute, &value, sizeof value);  // refused by a system without it: nothing changes
    }
}

void SetTheme(HWND control, const wchar_t* application, const wchar_t* idList) {
    static const auto setTheme =
        SystemFunction<std::remove_pointer_t<SetWindowThemeFunction>>(L"uxtheme.dll", "SetWindowTheme");
    if (setTheme != nullptr) {
        setTheme(control, application, idList);
    }
}

void FollowInMenus(Look look) {
    if (!Support().darkMenus || (look != Look::Dark && !everDark)) {
        return;  // Windows draws them light; a program that was never dark leaves them as they are
    }
    HMODULE uxtheme = LoadSystemLibrary(L"uxtheme.dll");
    const auto lookUp = [uxtheme](WORD ordinal) {
        return uxtheme == nullptr ? nullptr
                                  : reinterpret_cast<void*>(GetProcAddress(uxtheme, MAKEINTRESOURCEA(ordinal)));
    };
    const auto setMode = reinterpret_cast<SetPreferredAppModeFunction>(lookUp(kSetPreferredAppMode));
    const auto flush = reinterpret_cast<FlushMenuThemesFunction>(lookUp(kFlushMenuThemes));
    if (setMode == nullptr || flush == nullptr) {
        return;
    }
    setMode(look == Look::Dark ? MenuMode::ForceDark : MenuMode::ForceLight);
    flush();
}

bool IsBoxOrFrame(HWND button) {
    switch (GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_GROUPBOX:
            return true;
        default:
            return false;
    }
}

// A frame's outline and caption as the dark look has them: the themes draw the caption in their own dark colour, and
// the classic drawing of some systems in the buttons' text colour, whatever the window asks for.
void PaintDarkFrame(HWND frame, HDC dc) {
    const Palette palette = DarkPalette();
    std::array<wchar_t, 256> caption{};
    const int length = GetWindowTextW(frame, caption.data(), static_cast<int>(caption.size()));
    const auto font = reinterpret_cast<HFONT>(SendMessageW(frame, WM_GETFONT, 0, 0));
    const HGDIOBJ previousFont = SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.data(), length, &extent);
    RECT box{};
    GetClientRect(frame, &box);
    const HGDIOBJ previousPen = SelectObject(dc, GetStockObject(DC_PEN));
    const HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    SetDCPenColor(dc, RGB(128, 128, 128));  // a grey line, as light frames have
    Rectangle(dc, box.left, box.top + extent.cy / 2, box.right, box.bottom);
    if (length > 0) {
        const int indent = MulDiv(8, GetDeviceCaps(dc, LOGPIXELSX), 96);
        RECT text{box.left + indent, box.top, box.left + indent + extent.cx + 2, box.top + extent.cy};
        SetTextColor(dc, ColourOf(palette.windowText));
        SetBkColor(dc, ColourOf(palette.window));
        SetBkMode(dc, OPAQUE);
        DrawTextW(dc, caption.data(), length, &text, DT_SINGLELINE | DT_LEFT | DT_TOP);
    }
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    SelectObject(dc, previousFont);
}

LRESULT CALLBACK FrameSubclass(HWND frame, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
    if (message == WM_PAINT && programLook == Look::Dark) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(frame, &paint);
        PaintDarkFrame(frame, dc);
        EndPaint(frame, &paint);
        return 0;
    }
    if (message == WM_NCDESTROY) {
        common_controls::RemoveSubclass(frame, FrameSubclass, id);
    }
    return common_controls::DefaultProc(frame, message, wParam, lParam);
}

// The themes draw the texts of check boxes, option buttons and frames in their own colour, black even in their dark
// classes: in the dark look those controls are drawn classic, in the colours WM_CTLCOLORSTATIC gives them.
void DressControl(HWND control, bool dark) {
    std::array<wchar_t, 32> name{};
    GetClassNameW(control, name.data(), static_cast<int>(name.size()));
    const std::wstring kind(name.data());
    const bool boxOrFrame = kind == L"Button" && IsBoxOrFrame(control);
    if (boxOrFrame && (GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX) {
        common_controls::Subclass(control, FrameSubclass, 0, 0);  // again on each dressing: the same one
    }
    const wchar_t* darkClass = nullptr;
    if (kind == L"Button") {
        darkClass = boxOrFrame ? L"" : L"DarkMode_Explorer";
    } else if (kind == L"Edit" || kind == L"ComboBox") {
        darkClass = L"DarkMode_CFD";
    } else if (kind == L"tooltips_class32" || kind == L"ScrollBar") {
        darkClass = L"DarkMode_Explorer";
    }
    if (darkClass == nullptr) {
        return;  // a window of the program, or a control that draws in the colours its parent gives
    }
    if (dark && (boxOrFrame || Support().darkControls)) {
        SetTheme(control, darkClass, boxOrFrame ? L"" : nullptr);
    } else if (everDark) {
        SetTheme(control, nullptr, nullptr);  // back to the system's theme; untouched while the program was never dark
    }
}

BOOL CALLBACK DressChild(HWND control, LPARAM dark) {
    DressControl(control, dark != 0);
    return TRUE;
}

BOOL CALLBACK DressAgain(HWND window, LPARAM) {
    DressWindow(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

// A message box's own painting is its band of buttons, in the light face colour: the dark look paints it all dark.
LRESULT CALLBACK MessageBoxSubclass(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
    if (const auto coloured = LookMessage(box, message, wParam, lParam)) {
        return *coloured;
    }
    if (message == WM_PAINT && programLook == Look::Dark) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(box, &paint);
        FillRect(dc, &paint.rcPaint, darkBrushes.window.Get());
        EndPaint(box, &paint);
        return 0;
    }
    if (message == WM_NCDESTROY) {
        common_controls::RemoveSubclass(box, MessageBoxSubclass, id);
    }
    return common_controls::DefaultProc(box, message, wParam, lParam);
}

LRESULT CALLBACK OnMessageBoxActivation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const auto box = reinterpret_cast<HWND>(wParam);
        std::array<wchar_t, 16> name{};
        GetClassNameW(box, name.data(), static_cast<int>(name.size()));
        if (std::wstring(name.data()) == L"#32770") {  // the dialog class of message boxes
            DressWindow(box);
            common_controls::Subclass(box, MessageBoxSubclass, 0, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

MessageBoxLook::MessageBoxLook() {
    if (programLook == Look::Dark) {
        hook_ = SetWindowsHookExW(WH_CBT, OnMessageBoxActivation, nullptr, GetCurrentThreadId());
    }
}

MessageBoxLook::~MessageBoxLook() {
    if (hook_ != nullptr) {
        UnhookWindowsHookEx(hook_);
    }
}

void SetProgramLook(Look look) {
    programLook = look;
    everDark = everDark || look == Look::Dark;
    if (look == Look::Dark && !darkBrushes.window) {
        const Palette palette = DarkPalette();
        darkBrushes.window.Reset(CreateSolidBrush(ColourOf(palette.window)));
        darkBrushes.field.Reset(CreateSolidBrush(ColourOf(palette.field)));
    }
    FollowInMenus(look);
}

Look ProgramLook() {
    return programLook;
}

Palette ProgramPalette() {
    const auto system = [](int index) {
        const COLORREF colour = GetSysColor(index);
        return Rgb{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
    };
    switch (programLook) {
        case Look::Dark:
            return DarkPalette();
        case Look::HighContrast:
            return HighContrastPalette({system(COLOR_WINDOW), system(COLOR_WINDOWTEXT), system(COLOR_BTNFACE),
                                        system(COLOR_BTNTEXT), system(COLOR_HOTLIGHT), system(COLOR_HIGHLIGHT)});
        case Look::Light:
            break;
    }
    // The system's classic colours, which the window classes, the controls and the frames use too (Windows' own are
    // those of the light palette); the links and the rule as designed.
    Palette palette = LightPalette();
    palette.window = palette.face = system(COLOR_BTNFACE);
    palette.windowText = palette.faceText = palette.hoverFrame = palette.focusFrame = system(COLOR_BTNTEXT);
    palette.field = system(COLOR_WINDOW);
    palette.fieldText = system(COLOR_WINDOWTEXT);
    return palette;
}

Rgb SystemAccent() {
    using Colorization = HRESULT WINAPI(DWORD*, BOOL*);
    static auto* const get = SystemFunction<Colorization>(L"dwmapi.dll", "DwmGetColorizationColor");
    DWORD colour = 0;
    BOOL opaque = FALSE;
    if (get != nullptr && SUCCEEDED(get(&colour, &opaque))) {
        return {static_cast<std::uint8_t>(colour >> 16), static_cast<std::uint8_t>(colour >> 8),
                static_cast<std::uint8_t>(colour)};  // 0xAARRGGBB
    }
    return {0x00, 0x78, 0xD4};
}

Rgb SystemHighlight() {
    const COLORREF colour = GetSysColor(COLOR_HIGHLIGHT);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

COLORREF ColourOf(Rgb colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

void DressWindow(HWND window) {
    const bool dark = programLook == Look::Dark;
    SetDwmAttribute(window, static_cast<DWORD>(Support().darkCaptionAttribute), dark ? TRUE : FALSE);
    DressControl(window, dark);  // a tooltip is a window of its own
    EnumChildWindows(window, DressChild, dark ? 1 : 0);
}

void DressThreadWindows() {
    EnumThreadWindows(GetCurrentThreadId(), DressAgain, 0);
}

void SetSquareCorners(HWND window, bool square) {
    if (Support().cornerPreference) {
        SetDwmAttribute(window, kCornerPreferenceAttribute, square ? kRoundNever : kRoundDefault);
    }
}

std::optional<LRESULT> LookMessage(HWND window, UINT message, WPARAM wParam, LPARAM) {
    if (programLook != Look::Dark) {
        return std::nullopt;
    }
    const Palette palette = DarkPalette();
    const auto dc = reinterpret_cast<HDC>(wParam);
    switch (message) {
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            SetTextColor(dc, ColourOf(palette.fieldText));
            SetBkColor(dc, ColourOf(palette.field));
            return reinterpret_cast<LRESULT>(darkBrushes.field.Get());
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
            SetTextColor(dc, ColourOf(palette.windowText));
            SetBkColor(dc, ColourOf(palette.window));
            return reinterpret_cast<LRESULT>(darkBrushes.window.Get());
        case WM_ERASEBKGND: {
            RECT client{};
            GetClientRect(window, &client);
            FillRect(dc, &client, darkBrushes.window.Get());
            return 1;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace zudav::win32
