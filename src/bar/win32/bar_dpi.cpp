// The bar at its monitor's DPI: the change Windows tells (WM_DPICHANGED), and the one Windows 11 does not tell a tool
// window, found at the notices that follow a change of scale.
#include "bar/win32/bar_view.h"

#include "platform/win32/system_dlls.h"
#include "platform/win32/twips.h"

namespace zudav::win32 {
namespace {

// The effective DPI of the window's monitor; 0 where the system has no DPI per window (before Windows 10), whose
// windows all stand at the system's. Never asked during WM_DPICHANGED, where Windows 11 24H2 may still give the
// monitor the window left.
int MonitorDpi(HWND window) {
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
    static const bool dpiPerWindow = GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow") != nullptr;
    static const auto getDpiForMonitor =
        SystemFunction<HRESULT WINAPI(HMONITOR, int, UINT*, UINT*)>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (!dpiPerWindow || getDpiForMonitor == nullptr ||
        FAILED(getDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y))) {
        return 0;
    }
    return static_cast<int>(x);
}

}  // namespace

// Twips stay, pixels follow: the place keeps the bar's size in twips at the new DPI, and the controls go back to their
// places in twips, also on a locked bar, which does not lay itself out.
void BarView::TakeDpi(int dpi, const RECT& place) {
    ShowAtDpi(dpi);
    SetWindowPos(window_, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (principal_ != nullptr) {
        ShowControls(principal_->Controls());
        principal_->OnDisplayChange();  // longer in pixels, it may no longer fit its monitor
    }
}

BarView::Answer BarView::OnDpiChanged(int dpi, const RECT& suggested) {
    TakeDpi(dpi, suggested);
    return 0;
}

BarView::Answer BarView::OnDisplayChange() {
    if (!FollowDpi() && principal_ != nullptr) {  // taking a new DPI told the logic already
        principal_->OnDisplayChange();
    }
    return 0;
}

bool BarView::FollowDpi() {
    const int before = dpiFollower_.LaidOut();
    for (int looks = 0; looks < 2 && dpiFollower_.LaidOut() == before; ++looks) {
        RECT rect{};
        GetWindowRect(window_, &rect);
        const int width = rect.right - rect.left, height = rect.bottom - rect.top;
        const int windowDpi = WindowDpi(window_);
        switch (dpiFollower_.Check(windowDpi, MonitorDpi(window_))) {
            case DpiFollower::Step::LayOut:
                rect.right = rect.left + MulDiv(width, windowDpi, before);
                rect.bottom = rect.top + MulDiv(height, windowDpi, before);
                TakeDpi(windowDpi, rect);
                break;
            case DpiFollower::Step::Resize: {
                // A pixel longer, then back: the layout sets the length again from the thickness, and the window
                // system, seeing the size change, sends WM_DPICHANGED, which lays the bar out.
                const bool wide = width > height;
                SetWindowPos(window_, nullptr, 0, 0, width + (wide ? 1 : 0), height + (wide ? 0 : 1),
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
                if (dpiFollower_.LaidOut() == before) {
                    SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
                }
                break;
            }
            case DpiFollower::Step::None:
                return false;
        }
    }
    return dpiFollower_.LaidOut() != before;
}

}  // namespace zudav::win32
