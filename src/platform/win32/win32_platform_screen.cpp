// Win32Platform's screen and windows: the monitors and their work areas, the pixel, the theme, message boxes, the beep.
#include "platform/win32/win32_platform.h"

#include <vector>

#include "platform/win32/drawing.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/twips.h"
#include "platform/win32/window_look.h"

namespace zudav::win32 {
namespace {

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcWork;
        const TwipsScale scale = TwipsScale::ForWindow(nullptr);
        reinterpret_cast<std::vector<Geometry>*>(areas)->push_back({scale.ToTwips(r.left), scale.ToTwips(r.top),
                                                                    scale.ToTwips(r.right - r.left),
                                                                    scale.ToTwips(r.bottom - r.top)});
    }
    return TRUE;
}

// Without a device context, the rectangle given is the monitor's own.
BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM monitors) {
    const int dpi = WindowDpi(nullptr);
    reinterpret_cast<std::vector<Geometry>*>(monitors)->push_back(
        WindowTwips({rect->left, rect->top, rect->right, rect->bottom}, dpi, dpi));
    return TRUE;
}

// The effective DPI of a monitor (shcore's GetDpiForMonitor, Windows 8.1 on); the system's where it cannot be had, as
// every monitor then has.
int DpiOfMonitor(HMONITOR monitor) {
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    static const auto getDpiForMonitor =
        SystemFunction<HRESULT WINAPI(HMONITOR, int, UINT*, UINT*)>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (getDpiForMonitor == nullptr || FAILED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) || x == 0) {
        return SystemDpi();
    }
    return static_cast<int>(x);
}

PixelRect PixelsOf(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

BOOL CALLBACK AddMonitorArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        reinterpret_cast<std::vector<MonitorArea>*>(areas)->push_back({PixelsOf(info.rcMonitor), PixelsOf(info.rcWork),
                                                                       DpiOfMonitor(monitor),
                                                                       (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    }
    return TRUE;
}

UINT IconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Stop:
            return MB_ICONSTOP;
        case MessageIcon::Information:
            return MB_ICONINFORMATION;
        case MessageIcon::Exclamation:
            return MB_ICONEXCLAMATION;
        case MessageIcon::None:
            break;
    }
    return 0;
}

}  // namespace

void Win32Platform::Beep() {
    MessageBeep(MB_OK);
}

HWND Win32Platform::DialogOwner() const {
    HWND active = GetActiveWindow();
    return active != nullptr ? active : owner_;
}

void Win32Platform::ShowMessage(const std::wstring& title, const std::wstring& text, MessageIcon icon) {
    const MessageBoxLook look;
    MessageBoxW(DialogOwner(), text.c_str(), title.c_str(), MB_OK | IconStyle(icon));
}

bool Win32Platform::AskYesNo(const std::wstring& title, const std::wstring& text, MessageIcon icon) {
    const MessageBoxLook look;
    return MessageBoxW(DialogOwner(), text.c_str(), title.c_str(), MB_YESNO | IconStyle(icon)) == IDYES;
}

Geometry Win32Platform::MonitorAt(const Geometry& rect) const {
    const int dpi = WindowDpi(nullptr);
    const RECT pixels{TwipsToPixels(rect.left, dpi), TwipsToPixels(rect.top, dpi),
                      TwipsToPixels(rect.left + rect.width, dpi), TwipsToPixels(rect.top + rect.height, dpi)};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromRect(&pixels, MONITOR_DEFAULTTONEAREST), &info);
    const RECT& m = info.rcMonitor;
    return WindowTwips({m.left, m.top, m.right, m.bottom}, dpi, dpi);
}

ScreenSize Win32Platform::VirtualScreen() const {
    const TwipsScale scale = TwipsScale::ForWindow(nullptr);
    return {scale.ToTwips(GetSystemMetrics(SM_CXVIRTUALSCREEN)), scale.ToTwips(GetSystemMetrics(SM_CYVIRTUALSCREEN))};
}

std::vector<Geometry> Win32Platform::WorkAreas() const {
    std::vector<Geometry> areas;
    EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

std::vector<Geometry> Win32Platform::Monitors() const {
    std::vector<Geometry> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

std::vector<MonitorArea> Win32Platform::MonitorAreas() const {
    std::vector<MonitorArea> areas;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitorArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

PixelPoint Win32Platform::PointerPosition() const {
    POINT at{};
    GetCursorPos(&at);
    return {at.x, at.y};
}

std::optional<PixelRect> Win32Platform::WindowInFrontPlace() const {
    RECT rect{};
    HWND front = GetForegroundWindow();
    if (front == nullptr || !GetWindowRect(front, &rect)) {
        return std::nullopt;
    }
    return PixelsOf(rect);
}

float Win32Platform::ScreenPixel() const {
    return PixelsToTwips(1, WindowDpi(nullptr));
}

// Settings > Personalisation > Colours, "Choose your default app mode": absent before Windows 10, and then light.
bool Win32Platform::AppsUseDarkTheme() const {
    DWORD light = 1;
    DWORD size = sizeof light;
    return RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                        L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &light, &size) == ERROR_SUCCESS &&
           light == 0;
}

bool Win32Platform::HighContrastOn() const {
    return win32::HighContrastOn();
}

}  // namespace zudav::win32
