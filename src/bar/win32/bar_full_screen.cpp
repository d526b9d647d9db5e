// The window in the foreground, followed through the window system's events as it changes, moves or changes its size
// (never by polling): Principal decides whether a full-screen program there takes the bar out of the topmost band.
#include <algorithm>
#include <vector>

#include "bar/win32/bar_ids.h"
#include "bar/win32/bar_view.h"

namespace zudav::win32 {
namespace {

// The bar's windows that follow the foreground (one on each monitor): an event callback carries no pointer of its own.
// The first one's hooks tell them all.
std::vector<BarView*> following;

}  // namespace

// Out of context, the events come as messages to the bar's thread; its own program's are left out (WM_ACTIVATEAPP
// tells those).
void BarView::WatchForeground() {
    if (following.empty()) {
        constexpr DWORD kFlags = WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS;
        foregroundHook_.Reset(
            SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, OnWinEvent, 0, 0, kFlags));
        frontMovesHook_.Reset(SetWinEventHook(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE, nullptr,
                                              OnWinEvent, 0, 0, kFlags));
    }
    if (std::find(following.begin(), following.end(), this) == following.end()) {
        following.push_back(this);
    }
    FollowForeground();
}

void BarView::StopWatchingForeground() {
    foregroundHook_.Reset();
    frontMovesHook_.Reset();
    following.erase(std::remove(following.begin(), following.end(), this), following.end());
}

void CALLBACK BarView::OnWinEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    // Every window, caret and pointer that moves is reported: only the foreground window's own rectangle counts.
    const bool frontMoved = object == OBJID_WINDOW && child == CHILDID_SELF && window == GetForegroundWindow();
    if (event == EVENT_SYSTEM_FOREGROUND || frontMoved) {
        for (BarView* view : std::vector<BarView*>(following)) {  // a window may go meanwhile
            view->FollowForeground();
        }
    }
}

void BarView::FollowForeground() {
    if (principal_ == nullptr) {
        return;
    }
    FrontWindow front;
    if (HWND window = GetForegroundWindow()) {
        RECT rect{};
        if (GetWindowRect(window, &rect)) {
            front.rect = {rect.left, rect.top, rect.right, rect.bottom};
        }
        wchar_t className[64] = L"";  // longer than the shell's class names that count
        GetClassNameW(window, className, 64);
        front.className = className;
        front.desktop = window == GetShellWindow() || window == GetDesktopWindow();
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        front.ownProcess = process == GetCurrentProcessId();
        front.maximisedWindow = IsZoomed(window) && (GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return;
    }
    const RECT& m = monitor.rcMonitor;
    principal_->OnForegroundWindow(front, {m.left, m.top, m.right, m.bottom});
}

// The window events leave the bar's own program out: its windows' coming to the foreground is heard here.
// The foreground leaves the bar for a program, or comes back from one: that program may have opened or closed a
// window, which the shell may not tell (there is no shell, or no shell hook, as under Wine).
BarView::Answer BarView::OnActivateApp(bool active) {
    if (active) {
        FollowForeground();
    }
    PostMessageW(window_, kDesktopWindowsMessage, 0, 0);
    return std::nullopt;
}

void BarView::StepAsideForFront() {
    MakeNotTopmost();
    // Out of the band the bar is still above every window that is not topmost, a film's too: it goes behind it.
    HWND front = GetForegroundWindow();
    if (front != nullptr && GetAncestor(front, GA_ROOTOWNER) != window_ &&
        (GetWindowLongPtrW(front, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0) {
        SetWindowPos(window_, front, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    }
}

// Show desktop raises the desktop above every window that is not topmost, and Windows 11 also cloaks the windows it
// hides: showing the bar again uncloaks it. SW_SHOWNA shows the window in its current state, so a minimised bar stays
// minimised.
void BarView::ShowOverDesktop() {
    ShowWindow(window_, SW_SHOWNA);
    MakeTopmost();
}

}  // namespace zudav::win32
