#include "platform/win32/twips.h"

namespace zudav::win32 {
namespace {

// A function of user32 that older systems lack: looked up, so that the program still starts there.
template <typename Function>
Function User32Function(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

int WindowDpi(HWND window) {
    // GetDpiForWindow exists from Windows 10 on.
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    return SystemDpi();
}

int SystemDpi() {
    // The system's DPI is set for the process when it starts: read once.
    static const int systemDpi = [] {
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        return dpi;
    }();
    return systemDpi;
}

FrameInsets FrameAtDpi(DWORD style, DWORD exStyle, int dpi) {
    using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32Function<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, 0, 0};
    if (adjustForDpi == nullptr || !adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        rect = {0, 0, 0, 0};
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return {-rect.left, -rect.top, rect.right, rect.bottom};
}

int SystemMetricAtDpi(int index, int dpi) {
    using MetricForDpiFunction = int(WINAPI*)(int, UINT);
    static const auto metricForDpi = User32Function<MetricForDpiFunction>("GetSystemMetricsForDpi");
    if (metricForDpi != nullptr) {
        return metricForDpi(index, static_cast<UINT>(dpi));
    }
    return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

}  // namespace zudav::win32
