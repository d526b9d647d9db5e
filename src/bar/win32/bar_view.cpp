#include "bar/win32/bar_view.h"

#include <commctrl.h>

#include <utility>

#include "bar/win32/bar_ids.h"
#include "platform/win32/slow_icons.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/twips.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/window_thunk.h"
#include "resources/resource_ids.h"

namespace zudav::win32 {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

constexpr UINT kTimer1Interval = 2000;

}  // namespace

BarView::BarView(HINSTANCE instance) : instance_(instance) {}

BarView::~BarView() {
    if (window_ != nullptr) {
        closed_ = true;
        DestroyWindow(window_);
    }
}

bool BarView::Create() {
    // Double clicks: the notification area reports a double click on the icon only to a window whose class asks for
    // them. No background brush: the window paints itself in full.
    if (!RegisterWindowClass<BarView>(instance_, kBarWindowClass, LoadIconW(instance_, MAKEINTRESOURCEW(IDI_ZUDAV)),
                                      nullptr, CS_DBLCLKS)) {
        return false;
    }
    const TwipsScale scale = TwipsScale::ForWindow(nullptr);
    window_ = CreateWindowExW(kExStyle, kBarWindowClass, L" ", kStyle, 0, 0, scale.ToPixels(kDesignWidth),
                              scale.ToPixels(kDesignHeight), nullptr, nullptr, instance_, this);
    if (window_ == nullptr) {
        return false;
    }
    menu_.Reset(LoadMenuW(instance_, MAKEINTRESOURCEW(IDM_AIDE)));
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    liveHandlesQuery_ = RegisterWindowMessageW(kLiveHandlesMessage);
    startedAgain_ = RegisterWindowMessageW(kStartedAgainMessage);
    takeSettings_ = RegisterWindowMessageW(kTakeSettingsMessage);
    if (RunsElevated()) {
        // The shell, and a second start of the bar by the user, run at a lower level than an elevated bar, whose
        // window would otherwise not hear the notification icon's clicks, the shell's restart nor the second start.
        for (UINT fromShell : {kTrayMessage, taskbarCreated_, startedAgain_}) {
            ChangeWindowMessageFilterEx(window_, fromShell, MSGFLT_ALLOW, nullptr);
        }
    }
    common_controls::Init(ICC_WIN95_CLASSES);
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);
    SetTooltip(kStopTool, L"Arr\u00eater");
    ShowAtDpi(WindowDpi(window_));
    return true;
}

void BarView::Attach(Principal& principal, BarDialogs dialogs) {
    principal_ = &principal;
    dialogs_ = std::move(dialogs);
    dropTarget_.Reset(new BarDropTarget(window_, principal));
    if (FAILED(RegisterDragDrop(window_, dropTarget_.Get()))) {
        dropTarget_.Reset();  // no drops: the bar works without them
    }
}

void BarView::ShowLoaded() {
    // A bar that hides at its edge does not take the keyboard, which the user has not given it: shown without being
    // activated, it hides once the pointer is elsewhere.
    const auto hides = [this] { return principal_ != nullptr && principal_->HidesAtItsEdge(); };
    ShowWindow(window_, hides() ? SW_SHOWNA : SW_SHOW);
    // Shown for the first time, the window is laid out at its real size (the window system widens a new captioned
    // window to its minimum tracking size before it can answer for it): only now is its length known.
    if (principal_ != nullptr) {
        principal_->FitOnScreen();
    }
    if (!hides()) {
        SetForegroundWindow(window_);
    }
    // The window system may leave a window that has not yet been in the foreground out of the topmost band
    // (Wine does so for the first program of a session, as at logon): the band is taken again now.
    if (topmost_) {
        MakeTopmost();
    }
    WatchForeground();  // a full-screen program may already be in front, where the bar could not take the foreground
    ListenToDesktopWindows();
}

void BarView::ShowOnOtherScreen() {
    endsProgram_ = false;
    SetPropW(window_, kOtherScreenProperty, reinterpret_cast<HANDLE>(1));
    ShowWindow(window_, SW_SHOWNA);
    WatchForeground();  // a full-screen program on its own monitor
}

void BarView::Discard() {
    closed_ = true;
    DestroyWindow(window_);
}

Geometry BarView::Bounds() const {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return WindowTwips({rect.left, rect.top, rect.right, rect.bottom}, WindowDpi(nullptr), WindowDpi(window_));
}

Geometry BarView::RestoredBounds() const {
    // A tool window's normal placement is in screen coordinates.
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window_, &placement)) {
        return Bounds();
    }
    const RECT& rect = placement.rcNormalPosition;
    return WindowTwips({rect.left, rect.top, rect.right, rect.bottom}, WindowDpi(nullptr), WindowDpi(window_));
}

// Windows 10 and 11 count invisible resize borders in a window's rectangle; the desktop window manager tells the
// frame the user sees. Looked up at run time: older systems and Wine have no such borders, or no such call.
FrameMargins BarView::InvisibleFrame() const {
    constexpr DWORD kExtendedFrameBounds = 9;  // DWMWA_EXTENDED_FRAME_BOUNDS
    static const auto getAttribute =
        SystemFunction<HRESULT WINAPI(HWND, DWORD, PVOID, DWORD)>(L"dwmapi.dll", "DwmGetWindowAttribute");
    RECT rect{}, visible{};
    if (getAttribute == nullptr || !GetWindowRect(window_, &rect) ||
        FAILED(getAttribute(window_, kExtendedFrameBounds, &visible, sizeof visible)) || IsRectEmpty(&visible)) {
        return {};
    }
    const int dpi = WindowDpi(window_);
    return {PixelsToTwips(visible.left - rect.left, dpi), PixelsToTwips(visible.top - rect.top, dpi),
            PixelsToTwips(rect.right - visible.right, dpi), PixelsToTwips(rect.bottom - visible.bottom, dpi)};
}

float BarView::SizeScale() const {
    return static_cast<float>(WindowDpi(window_)) / static_cast<float>(WindowDpi(nullptr));
}

bool BarView::IsMinimized() const {
    return IsIconic(window_) != FALSE;
}

// A minimised window can be neither moved nor sized: the assignment is refused.
bool BarView::SetLeft(float twips) {
    if (IsMinimized()) {
        return false;
    }
    RECT rect{};
    GetWindowRect(window_, &rect);
    return SetWindowPos(window_, nullptr, TwipsToPixels(twips, WindowDpi(nullptr)), rect.top, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

bool BarView::SetTop(float twips) {
    if (IsMinimized()) {
        return false;
    }
    RECT rect{};
    GetWindowRect(window_, &rect);
    return SetWindowPos(window_, nullptr, rect.left, TwipsToPixels(twips, WindowDpi(nullptr)), 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

bool BarView::Resize(int width, int height) {
    if (width < 0 || height < 0 || IsMinimized()) {
        return false;  // the window system has no negative sizes
    }
    return SetWindowPos(window_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

bool BarView::SetWidth(float twips) {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return Resize(TwipsScale::ForWindow(window_).ToPixels(twips), rect.bottom - rect.top);
}

bool BarView::SetHeight(float twips) {
    RECT rect{};
    GetWindowRect(window_, &rect);
    return Resize(rect.right - rect.left, TwipsScale::ForWindow(window_).ToPixels(twips));
}

std::wstring BarView::Caption() const {
    const int length = GetWindowTextLengthW(window_);
    std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
    caption.resize(static_cast<size_t>(GetWindowTextW(window_, caption.data(), length + 1)));
    return caption;
}

void BarView::SetCaption(const std::wstring& caption) {
    SetWindowTextW(window_, caption.c_str());
    UpdateTrayIcon();
    // The thin caption bar shows only when there is a caption to show.
    LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    const LONG_PTR wanted = caption.empty() ? (style & ~static_cast<LONG_PTR>(WS_CAPTION)) : (style | WS_CAPTION);
    if (wanted != style) {
        SetWindowLongPtrW(window_, GWL_STYLE, wanted);
        SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

void BarView::ShowIcon(HICON icon) {
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    UpdateTrayIcon();
}

// A file on a share that does not answer would hold the bar as it starts: it is read away, and the bar keeps the icon
// it has until it comes.
bool BarView::LoadIconFile(const std::wstring& path, Reading reading) {
    if (reading == Reading::Away) {
        awaitedIconFile_ = path;
        ReadPictureAway(window_, kSlowIconMessage, AwayPicture::WindowIcon, path, TrayIconSize());
        return true;
    }
    UniqueIcon icon = LoadIconFromFile(path, 0);
    if (!icon) {
        return false;
    }
    ShowIconFile(std::move(icon), LoadIconFromFile(path, TrayIconSize()));
    return true;
}

void BarView::ShowIconFile(UniqueIcon icon, UniqueIcon smallIcon) {
    awaitedIconFile_.clear();
    loadedSmallIcon_ = std::move(smallIcon);
    ShowIcon(icon.Get());
    loadedIcon_ = std::move(icon);  // the previous one is released once the window no longer shows it
}

void BarView::ClearIcon() {
    awaitedIconFile_.clear();
    ShowIcon(nullptr);
    loadedIcon_.Reset();
    loadedSmallIcon_.Reset();
    // Without this the class icon would still stand in for the window's own.
    SetClassLongPtrW(window_, GCLP_HICON, 0);
}

void BarView::MakeTopmost() {
    topmost_ = true;
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void BarView::MakeNotTopmost() {
    topmost_ = false;
    SetWindowPos(window_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

// The taskbar of each monitor: the primary's, and one on each other monitor that shows the taskbar.
void BarView::StandBelowTaskbar() {
    const HMONITOR monitor = MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST);
    for (const wchar_t* taskbarClass : {L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd"}) {
        for (HWND taskbar = FindWindowExW(nullptr, nullptr, taskbarClass, nullptr); taskbar != nullptr;
             taskbar = FindWindowExW(nullptr, taskbar, taskbarClass, nullptr)) {
            if (MonitorFromWindow(taskbar, MONITOR_DEFAULTTONEAREST) == monitor) {
                // Placed after a topmost window, the bar stays in the topmost band.
                topmost_ = true;
                SetWindowPos(window_, taskbar, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
                return;
            }
        }
    }
    MakeTopmost();
}

void BarView::SetTimerEnabled(bool enabled) {
    if (enabled && !timerRunning_) {
        timerRunning_ = SetTimer(window_, kTimer1, kTimer1Interval, nullptr) != 0;
    } else if (!enabled && timerRunning_) {
        KillTimer(window_, kTimer1);
        timerRunning_ = false;
    }
}

// Only a bar in the foreground takes the focus as the pointer moves over it: in the background, SetFocus would make it
// the active window of its own thread without bringing it to the front, and the window system would then see nothing
// to activate when the bar is clicked or brought back (no WM_ACTIVATE, the caption drawn inactive).
void BarView::TakeFocus() {
    if (GetForegroundWindow() == window_) {
        SetFocus(window_);
    }
}

void BarView::BeginDrag() {
    POINT at{};
    GetCursorPos(&at);
    ReleaseCapture();
    SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
}

void BarView::SetEnabled(bool enabled) {
    EnableWindow(window_, enabled ? TRUE : FALSE);
}

void BarView::Minimize() {
    ShowWindow(window_, SW_MINIMIZE);
}

void BarView::Restore() {
    if (IsIconic(window_)) {
        ShowWindow(window_, SW_RESTORE);
    }
}

void BarView::Show() {
    ShowWindow(window_, SW_SHOW);
}

void BarView::ShowAbout() {
    if (dialogs_.about) {
        dialogs_.about();
    }
}

void BarView::ShowItemEditor(int slot) {
    ShowItemEditorForFile(slot, L"");
}

void BarView::ShowItemEditorForFile(int slot, const std::wstring& file) {
    if (dialogs_.editor) {
        dialogs_.editor(slot, ShellItem{file, L"", false});
    }
}

void BarView::ShowItemEditorForApp(int slot, const ShellItem& app) {
    if (dialogs_.editor) {
        dialogs_.editor(slot, app);
    }
}

void BarView::ShowConfiguration() {
    if (dialogs_.configuration) {
        dialogs_.configuration();
    }
}

void BarView::Close() {
    // Posted: the caller may be running inside a handler of this window, which closing destroys.
    PostMessageW(window_, WM_CLOSE, 0, 0);
}

}  // namespace zudav::win32
