// The bar window's answers to the window system: its size and place, the settings it follows, its timers and its
// activation, the messages of other processes of the bar, and the end of the window.
#include "bar/win32/bar_view.h"

#include <utility>

#include "bar/win32/bar_ids.h"
#include "platform/win32/twips.h"

namespace zudav::win32 {

// The user sizes the bar by a border or a corner within the work area of its monitor (what shows of the bar: its
// invisible borders may stand beyond), and the logic keeps it in its shape.
void BarView::SizeByBorder(WPARAM edge, RECT& proposed) const {
    constexpr SizingBorder kBorders[] = {SizingBorder::Left,       SizingBorder::Right,      SizingBorder::Top,
                                         SizingBorder::TopLeft,    SizingBorder::TopRight,   SizingBorder::Bottom,
                                         SizingBorder::BottomLeft, SizingBorder::BottomRight};  // WMSZ_LEFT (1) on
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (principal_ == nullptr || edge < WMSZ_LEFT || edge > WMSZ_BOTTOMRIGHT ||
        !GetMonitorInfoW(MonitorFromRect(&proposed, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return;
    }
    const FrameMargins frame = InvisibleFrame();
    const int dpi = WindowDpi(window_);
    const RECT& work = monitor.rcWork;
    const PixelRect room{work.left - TwipsToPixels(frame.left, dpi), work.top - TwipsToPixels(frame.top, dpi),
                         work.right + TwipsToPixels(frame.right, dpi), work.bottom + TwipsToPixels(frame.bottom, dpi)};
    const PixelRect sized = principal_->OnSizing(
        kBorders[edge - WMSZ_LEFT], {proposed.left, proposed.top, proposed.right, proposed.bottom}, room, dpi);
    proposed = {sized.left, sized.top, sized.right, sized.bottom};
}

BarView::Answer BarView::OnSizing(WPARAM edge, RECT& proposed) {
    sizedByBorder_ = true;
    SizeByBorder(edge, proposed);
    return TRUE;
}

BarView::Answer BarView::OnEnterSizeMove() {
    if (principal_ != nullptr) {
        principal_->OnMoveSizeLoop(true);
    }
    return std::nullopt;
}

// The layout made the bar as long as its new thickness asks: it is fitted once the user lets go. A bar dragged to an
// edge docks there, or gives back the room it held at the edge it left.
BarView::Answer BarView::OnExitSizeMove() {
    FollowDpi();  // moved onto a monitor of another scale
    if (principal_ != nullptr) {
        principal_->OnMovedByUser(std::exchange(sizedByBorder_, false));
    }
    return 0;
}

// The bar is narrower than the window system's minimum tracking size for a captioned window, and a horizontal bar may
// be longer than the screen (its length follows from its thickness).
BarView::Answer BarView::OnGetMinMaxInfo(MINMAXINFO& limits) {
    limits.ptMinTrackSize = POINT{1, 1};
    limits.ptMaxTrackSize = POINT{32767, 32767};
    return 0;
}

BarView::Answer BarView::OnSize(WPARAM state) {
    // Activated while minimised, the window system gave the bar no focus (DefWindowProc sets it only for a window
    // that is not minimised): restored active, it takes it.
    if (state == SIZE_RESTORED && GetActiveWindow() == window_ && GetFocus() == nullptr) {
        SetFocus(window_);
    }
    if (principal_ != nullptr) {
        principal_->OnResize();
    }
    return 0;
}

BarView::Answer BarView::OnWindowPosChanged() {
    toolbar_.OnMoved();
    FollowMarksSide();
    return std::nullopt;  // the window system's own answer sends WM_SIZE and WM_MOVE
}

BarView::Answer BarView::OnThemeChanged() {
    ++theme_;  // the shell's pictures may follow the theme: the next refresh makes them again
    return std::nullopt;
}

// Sent for many settings: the bar paints again only when its look changes.
BarView::Answer BarView::OnSettingChange(WPARAM action, const wchar_t* area) {
    FollowDpi();  // a change of scale changes the work area, and tells it
    if (principal_ != nullptr) {
        principal_->OnLookSettingChange();
    }
    if (area != nullptr && lstrcmpiW(area, L"ImmersiveColorSet") == 0) {
        ++theme_;  // light or dark apps: a Store app's picture may differ
    }
    if (area != nullptr && principal_ != nullptr && lstrcmpiW(area, L"Environment") == 0) {
        principal_->OnEnvironmentChanged();
    }
    if (action == SPI_SETWORKAREA && principal_ != nullptr) {
        principal_->OnDockingNotice(Principal::DockingNotice::WorkAreaChanged);
    }
    return std::nullopt;
}

BarView::Answer BarView::OnSysColorChange() {
    if (principal_ != nullptr) {
        principal_->OnLookSettingChange();
    }
    InvalidateAll();
    return std::nullopt;
}

// Resumed from sleep or hibernation (automatically; then again when the user acts): the shell may have lost the bar
// from its list.
BarView::Answer BarView::OnPowerBroadcast(WPARAM event) {
    if ((event == PBT_APMRESUMEAUTOMATIC || event == PBT_APMRESUMESUSPEND) && principal_ != nullptr) {
        principal_->OnDockingNotice(Principal::DockingNotice::Resumed);
    }
    return TRUE;
}

BarView::Answer BarView::OnTimer(UINT_PTR id) {
    if (id == kTimer1 && principal_ != nullptr) {
        principal_->OnTimer();
    } else if (id == kTrayRetryTimer && principal_ != nullptr) {
        principal_->OnTrayRetry();
    } else if (id == kHideTimer && principal_ != nullptr) {
        principal_->OnHideTimer();
    } else if (id == kDockingTimer) {
        KillTimer(window_, kDockingTimer);
        if (principal_ != nullptr) {
            principal_->OnDockingTimer();
        }
    }
    return 0;
}

BarView::Answer BarView::OnActivate(WORD state, HWND previous) {
    toolbar_.OnActivated();
    if (state != WA_INACTIVE && principal_ != nullptr) {
        if (previous != nullptr && IsWindowVisible(previous) && GetAncestor(previous, GA_ROOTOWNER) != window_) {
            previousWindow_ = previous;  // where Escape gives the keyboard back
        }
        DWORD previousProcess = 0;
        if (previous != nullptr) {
            GetWindowThreadProcessId(previous, &previousProcess);
        }
        principal_->OnActivated(previousProcess == GetCurrentProcessId());
    }
    return std::nullopt;
}

BarView::Answer BarView::OnAfterDrop() {
    if (principal_ != nullptr) {
        principal_->AfterDrop();
    }
    return 0;
}

// A window of the bar open over it (its configuration, a message) disables it: closing that window would store what
// it shows over the imported settings, so the import is refused. Its place it stores whatever is open: no window of it
// stores the place when it closes.
BarView::Answer BarView::OnTakeSettings(WPARAM request) {
    if (principal_ != nullptr && request == kSettingsStorePlace) {
        principal_->StorePlace();
        return kSettingsTaken;
    }
    if (principal_ == nullptr || !IsWindowEnabled(window_)) {
        return 0;
    }
    if (request == kSettingsTakeAgain) {
        principal_->TakeSettingsAgain();
    }
    return kSettingsTaken;
}

BarView::Answer BarView::OnLiveHandlesQuery(WPARAM kind) {
    return kind < static_cast<WPARAM>(HandleKind::Count) ? LiveHandles(static_cast<HandleKind>(kind)).load() : -1;
}

BarView::Answer BarView::OnClose() {
    if (!closed_ && principal_ != nullptr) {
        principal_->Decharger();
    }
    if (!endsProgram_) {
        return 0;  // the bar closes it as it ends
    }
    closed_ = true;
    DestroyWindow(window_);
    return 0;
}

// The session ends (log off, shut down), and the process will not see a WM_CLOSE; or the Restart Manager closes the
// bar so that an installer can replace its file (ENDSESSION_CLOSEAPP).
BarView::Answer BarView::OnEndSession(bool ending, bool closeApp) {
    if (ending && !closed_ && principal_ != nullptr) {
        closed_ = true;
        principal_->OnEndSession(true, closeApp);
    }
    return 0;
}

BarView::Answer BarView::OnDestroy() {
    StopWatchingForeground();
    StopListeningToDesktopWindows();
    if (accessible_) {
        accessible_.Get()->Detach();
        accessible_.Reset();
    }
    if (automation_) {
        automation_.Get()->Detach();
        automation_.Reset();
    }
    if (dropTarget_) {
        RevokeDragDrop(window_);
        dropTarget_.Get()->Detach();
        dropTarget_.Reset();
    }
    RemovePropW(window_, kOtherScreenProperty);
    if (endsProgram_) {
        PostQuitMessage(0);
    }
    return 0;
}

}  // namespace zudav::win32
