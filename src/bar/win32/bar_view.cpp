#include "bar/win32/bar_view.h"

#include <commctrl.h>
#include <shellapi.h>

#include <utility>

#include "about/win32/about_view.h"
#include "bar/win32/bar_ids.h"
#include "config/win32/config_view.h"
#include "editor/win32/editor_view.h"
#include "platform/paths.h"
#include "platform/win32/handles.h"
#include "platform/win32/pictures.h"
#include "platform/win32/slow_icons.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/twips.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/window_thunk.h"
#include "resources/resource_ids.h"

namespace zudav::win32 {
namespace {

constexpr const wchar_t* kClassName = kBarWindowClass;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;

constexpr int kPictureId = kPicture1;
constexpr int kCellId = kCoolBar;
constexpr int kLabelId = kBarLabel1;
constexpr int kStopImageId = kBarImage2;

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Interval = 2000;
constexpr UINT_PTR kTrayRetryTimer = 2;
constexpr UINT kTrayRetryInterval = 2000;

// The sizes of the icon boxes and of the "Arrêter" image, in twips.
constexpr float kIconBoxSide = 480;
constexpr float kStopImageSide = 240;

}  // namespace

BarView::BarView(HINSTANCE instance, Platform& platform, LaBarre& module)
    : instance_(instance), platform_(platform), module_(module) {}

BarView::~BarView() {
    if (window_ != nullptr) {
        closed_ = true;
        DestroyWindow(window_);
    }
}

bool BarView::Create() {
    // Double clicks: the notification area reports a double click on the icon only to a window whose class asks for
    // them.
    if (!RegisterWindowClass<BarView>(instance_, kClassName, LoadIconW(instance_, MAKEINTRESOURCEW(IDI_ZUDAV)),
                                      reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), CS_DBLCLKS)) {
        return false;
    }
    const TwipsScale scale = TwipsScale::ForWindow(nullptr);
    window_ = CreateWindowExW(kExStyle, kClassName, L" ", kStyle, 0, 0, scale.ToPixels(kDesignWidth),
                              scale.ToPixels(kDesignHeight), nullptr, nullptr, instance_, this);
    if (window_ == nullptr) {
        return false;
    }
    menu_.Reset(LoadMenuW(instance_, MAKEINTRESOURCEW(IDM_AIDE)));
    taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
    liveHandlesQuery_ = RegisterWindowMessageW(kLiveHandlesMessage);
    startedAgain_ = RegisterWindowMessageW(kStartedAgainMessage);
    if (RunsElevated()) {
        // The shell, and a second start of the bar by the user, run at a lower level than an elevated bar, whose
        // window would otherwise not hear the notification icon's clicks, the shell's restart nor the second start.
        for (UINT fromShell : {kTrayMessage, taskbarCreated_, startedAgain_}) {
            ChangeWindowMessageFilterEx(window_, fromShell, MSGFLT_ALLOW, nullptr);
        }
    }
    CreateControls();
    ShowAtDpi(WindowDpi(window_));
    return true;
}

void BarView::Attach(Principal& principal) {
    principal_ = &principal;
    dropTarget_.Reset(new BarDropTarget(window_, principal));
    if (FAILED(RegisterDragDrop(window_, dropTarget_.Get()))) {
        dropTarget_.Reset();  // no drops: the bar works without them
    }
}

void BarView::CreateControls() {
    common_controls::Init(ICC_WIN95_CLASSES);
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, instance_, nullptr);

    // Icon boxes lie above their cells: pointer events over the icon reach the box, the rest the cell.
    for (int i = 0; i < keys::kItemCount; ++i) {
        pictures_[i].Create(window_, kPictureId + i, *this);
        PlaceControl(pictures_[i], 0, 0, kIconBoxSide, kIconBoxSide);
    }
    label_.Create(window_, kLabelId, *this);
    stopImage_.Create(window_, kStopImageId, *this);
    PlaceControl(stopImage_, 0, 0, kStopImageSide, kStopImageSide);
    SetTooltip(stopImage_, L"Arr\u00eater");

    for (int i = 0; i < keys::kItemCount; ++i) {
        cells_[i].Create(window_, kCellId + i, *this);
        SetWindowPos(cells_[i].Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void BarView::ShowAtDpi(int dpi) {
    BuiltInIcons icons{
        LoadResourceIcon(instance_, IDI_ZUDAV, 16, dpi), LoadResourceIcon(instance_, IDI_IMARIEN, 32, dpi),
        LoadResourceIcon(instance_, IDI_IMAGE1, 32, dpi), LoadResourceIcon(instance_, IDI_ARRETER, 16, dpi)};
    for (ChildControl& box : pictures_) {
        box.SwapSharedIcon(icons_.placeholder.Get(), icons.placeholder.Get());
        box.SwapSharedIcon(icons_.freeSlot.Get(), icons.freeSlot.Get());
    }
    stopImage_.ShowSharedIcon(icons.stop.Get());
    std::swap(icons_, icons);  // the old pictures go once nothing shows them
    UpdateTrayIcon();

    // The stock dialog font is made for the system's DPI; a monitor with another one gets it scaled.
    const auto stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const int systemDpi = WindowDpi(nullptr);
    LOGFONTW font{};
    UniqueFont scaled;
    if (dpi != systemDpi && GetObjectW(stock, sizeof font, &font) != 0) {
        font.lfHeight = MulDiv(font.lfHeight, dpi, systemDpi);
        scaled.Reset(CreateFontIndirectW(&font));
    }
    label_.SetText(L"Action", scaled ? scaled.Get() : stock);
    labelFont_ = std::move(scaled);
    PlaceControl(label_, 0, 15, 450, 195);
}

// The layout runs at every change of the bar's size, several times while it starts: a control already where it
// belongs is not moved (nor repainted) again.
void BarView::PlaceControl(const ChildControl& control, float left, float top, float width, float height) {
    const TwipsScale scale = TwipsScale::ForWindow(window_);
    const RECT wanted{scale.ToPixels(left), scale.ToPixels(top), scale.ToPixels(left) + scale.ToPixels(width),
                      scale.ToPixels(top) + scale.ToPixels(height)};
    RECT now{};
    GetWindowRect(control.Handle(), &now);
    MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&now), 2);
    if (!EqualRect(&now, &wanted)) {
        MoveWindow(control.Handle(), wanted.left, wanted.top, wanted.right - wanted.left, wanted.bottom - wanted.top,
                   TRUE);
    }
}

void BarView::SetTooltip(const ChildControl& control, const std::wstring& text) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    tool.uId = reinterpret_cast<UINT_PTR>(control.Handle());
    // The refresh sets the tooltips at every activation: add each tool once, then only change its text.
    const bool known = SendMessageW(tooltip_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tooltip_, known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void BarView::ShowLoaded() {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    // The window system may leave a window that has not yet been in the foreground out of the topmost band
    // (Wine does so for the first program of a session, as at logon): the band is taken again now.
    if (topmost_) {
        MakeTopmost();
    }
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

bool BarView::LoadIconFile(const std::wstring& path) {
    UniqueIcon icon(static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE)));
    if (!icon) {
        return false;
    }
    ShowIcon(icon.Get());
    loadedIcon_ = std::move(icon);  // the previous one is released once the window no longer shows it
    return true;
}

void BarView::ClearIcon() {
    ShowIcon(nullptr);
    loadedIcon_.Reset();
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

void BarView::ShowControls(const BarControls& controls) {
    for (int i = 0; i < keys::kItemCount; ++i) {
        const ControlRect& cell = controls.cells[i];
        const ControlRect& picture = controls.pictures[i];
        PlaceControl(cells_[i], cell.left, cell.top, cell.width, cell.height);
        PlaceControl(pictures_[i], picture.left, picture.top, picture.width, picture.height);
    }
    const ControlRect& stop = controls.stopImage;
    PlaceControl(stopImage_, stop.left, stop.top, stop.width, stop.height);
}

// A file on a share that does not answer would hold the bar for the network's time-out at every activation, and an
// online-only cloud file would be downloaded: their icons are read away from the window and shown when they come.
IconLookup BarView::DrawFirstIcon(int box, const std::wstring& path) {
    if (SlowToRead(path)) {
        if (slowReads_.Ask(box, path)) {
            ReadIconAway(window_, kSlowIconMessage, path);
        }
        return IconLookup::Drawn;
    }
    slowReads_.Forget(box);
    return ShowFirstIcon(pictures_[box], instance_, path);
}

// Each box that still waits for the file shows its icon, or the placeholder when the file gave none.
void BarView::ShowReadIcon(LPARAM result) {
    const std::unique_ptr<ReadIcon> read = TakeReadIcon(result);
    const bool iconKind = read->icon != reinterpret_cast<HICON>(1);
    const UniqueIcon icon(iconKind ? read->icon : nullptr);
    for (int box : slowReads_.Arrived(read->path)) {
        if (icon) {
            pictures_[box].ShowOwnedIcon(UniqueIcon(CopyIcon(icon.Get())));
        } else if (iconKind) {
            pictures_[box].ShowSharedIcon(icons_.placeholder.Get());
        }
    }
}

bool BarView::LoadPicture(int box, const std::wstring& path) {
    slowReads_.Forget(box);
    return ShowPictureFile(pictures_[box], path);
}

void BarView::ShowBuiltInPicture(int box, BuiltInPicture picture) {
    slowReads_.Forget(box);
    pictures_[box].ShowSharedIcon(picture == BuiltInPicture::Placeholder ? icons_.placeholder.Get()
                                                                         : icons_.freeSlot.Get());
}

void BarView::ClearPicture(int box) {
    slowReads_.Forget(box);
    pictures_[box].ClearPicture();
}

// The refresh sets every item's tooltips at each activation; the tooltip control is costly to talk to (its tools
// subclass the controls), so a text it already shows is not sent again.
void BarView::SetSlotTooltips(int slot, const std::wstring& text) {
    if (slotTips_[slot] == text) {
        return;
    }
    SetTooltip(pictures_[slot], text);
    SetTooltip(cells_[slot], text);
    slotTips_[slot] = text;
}

void BarView::SetCellBorder(int cell, bool border) {
    if (cell >= 0 && cell < keys::kItemCount) {
        cells_[cell].SetBorder(border);
    }
}

void BarView::SetTimerEnabled(bool enabled) {
    if (enabled && !timerRunning_) {
        timerRunning_ = SetTimer(window_, kTimer1, kTimer1Interval, nullptr) != 0;
    } else if (!enabled && timerRunning_) {
        KillTimer(window_, kTimer1);
        timerRunning_ = false;
    }
}

void BarView::TakeFocus() {
    SetFocus(window_);
}

void BarView::BeginDrag() {
    POINT at{};
    GetCursorPos(&at);
    ReleaseCapture();
    SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
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

// The notification icon shows the window's icon (the built-in one when the bar has none, which would leave an
// empty, unfindable place) and its caption as tip.
NOTIFYICONDATAW BarView::TrayIconData() const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = reinterpret_cast<HICON>(SendMessageW(window_, WM_GETICON, ICON_BIG, 0));
    if (data.hIcon == nullptr) {
        data.hIcon = icons_.tray.Get();
    }
    // The tip field holds 64 characters with its terminating NUL.
    lstrcpynW(data.szTip, Caption().c_str(), 64);
    return data;
}

// An add that timed out while the shell was busy may still have added the icon: it then takes a change.
bool BarView::AddTrayIcon() {
    NOTIFYICONDATAW data = TrayIconData();
    trayIconShown_ = Shell_NotifyIconW(NIM_ADD, &data) != FALSE || Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
    return trayIconShown_;
}

void BarView::SetTrayRetryTimer(bool enabled) {
    if (enabled) {
        SetTimer(window_, kTrayRetryTimer, kTrayRetryInterval, nullptr);
    } else {
        KillTimer(window_, kTrayRetryTimer);
    }
}

namespace {

// The bar windows of other processes whose executable has this base name.
struct RunningCopy {
    std::wstring application;
    HWND self;
    HWND found = nullptr;
};

std::wstring ExecutableOf(DWORD processId) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (process == nullptr) {
        return {};
    }
    std::wstring path(32768, L'\0');
    DWORD length = static_cast<DWORD>(path.size());
    path.resize(QueryFullProcessImageNameW(process, 0, path.data(), &length) ? length : 0);
    CloseHandle(process);
    return path;
}

BOOL CALLBACK FindRunningCopy(HWND window, LPARAM search) {
    auto* copy = reinterpret_cast<RunningCopy*>(search);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (window == copy->self || lstrcmpW(className, kBarWindowClass) != 0 || processId == GetCurrentProcessId() ||
        CompareStringOrdinal(BaseName(ExecutableOf(processId)).c_str(), -1, copy->application.c_str(), -1, TRUE) !=
            CSTR_EQUAL) {
        return TRUE;
    }
    copy->found = window;
    return FALSE;
}

}  // namespace

// The user started this bar: this process may take the foreground, and hands that right to the bar that runs.
void BarView::BringBackRunningCopy(const std::wstring& application) {
    RunningCopy copy{application, window_};
    EnumWindows(FindRunningCopy, reinterpret_cast<LPARAM>(&copy));
    if (copy.found == nullptr) {
        return;
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(copy.found, &processId);
    AllowSetForegroundWindow(processId);
    PostMessageW(copy.found, startedAgain_, 0, 0);
}

void BarView::BringToFront() {
    SetForegroundWindow(window_);
    if (topmost_) {
        MakeTopmost();
    }
}

// A new name or icon of the bar (from its configuration) shows on its notification icon at once.
void BarView::UpdateTrayIcon() {
    if (trayIconShown_) {
        NOTIFYICONDATAW data = TrayIconData();
        Shell_NotifyIconW(NIM_MODIFY, &data);
    }
}

void BarView::RemoveTrayIcon() {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = kTrayIconId;
    Shell_NotifyIconW(NIM_DELETE, &data);
    trayIconShown_ = false;
}

void BarView::ShowAbout() {
    ShowAboutBox(window_, platform_, module_.SautLigne);
}

void BarView::ShowItemEditor() {
    ShowItemEditorForFile(L"");
}

void BarView::ShowItemEditorForFile(const std::wstring& file) {
    if (principal_ != nullptr) {
        ShowEditor(window_, platform_, principal_->Settings(), module_, *this, icons_.placeholder.Get(), file);
    }
}

void BarView::ShowConfiguration() {
    if (principal_ != nullptr) {
        ShowConfigWindow(window_, platform_, module_, *principal_, *this, icons_.freeSlot.Get());
    }
}

namespace {

// A window the user can act on among those the bar owns, directly or through another: the modal window that is open
// is enabled and has a caption, while the windows under it are disabled and tooltips have none.
bool ActsForTheBar(HWND window, HWND bar) {
    return window != bar && IsWindowVisible(window) && IsWindowEnabled(window) &&
           (GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION &&
           GetAncestor(window, GA_ROOTOWNER) == bar;
}

BOOL CALLBACK FindModalWindow(HWND window, LPARAM found) {
    auto* search = reinterpret_cast<std::pair<HWND, HWND>*>(found);  // the bar, then what was found
    if (ActsForTheBar(window, search->first)) {
        search->second = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

// The window system remembers the owned window that was active last (a message box over the configuration window,
// say); when that one is gone, the enabled one among the bar's windows is the modal window at the top.
void BarView::BringModalToFront() {
    HWND modal = GetLastActivePopup(window_);
    if (!ActsForTheBar(modal, window_)) {
        std::pair<HWND, HWND> search{window_, nullptr};
        EnumThreadWindows(GetCurrentThreadId(), FindModalWindow, reinterpret_cast<LPARAM>(&search));
        modal = search.second;
    }
    if (modal != nullptr) {
        SetForegroundWindow(modal);
    }
}

void BarView::PopupMenuAide(bool proposIsDefault) {
    HMENU popup = GetSubMenu(menu_.Get(), 0);
    SetMenuDefaultItem(popup, proposIsDefault ? IDM_PROPOS : static_cast<UINT>(-1), FALSE);
    POINT at{};
    GetCursorPos(&at);
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(window_);
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, window_, nullptr);
    PostMessageW(window_, WM_NULL, 0, 0);
}

void BarView::Close() {
    // Posted: the caller may be a control of this window, which closing destroys.
    PostMessageW(window_, WM_CLOSE, 0, 0);
}

void BarView::OnControlPointer(int id, PointerEvent event) {
    if (principal_ == nullptr) {
        return;
    }
    const bool iconBox = id >= kPictureId && id < kPictureId + keys::kItemCount;
    const bool cell = id >= kCellId && id < kCellId + keys::kItemCount;
    if (iconBox || cell) {
        const int slot = id - (iconBox ? kPictureId : kCellId);
        // The icon box launches on the press, the cell on a click; both hover and open the editor alike.
        const PointerEvent launch = iconBox ? PointerEvent::LeftDown : PointerEvent::Click;
        if (event == PointerEvent::Move) {
            principal_->Survol(slot);
        } else if (event == launch) {
            // Ctrl+Shift+click starts the program as administrator, as on the taskbar. The keys as they were when
            // the pointer's message was sent.
            const bool asAdministrator = GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_SHIFT) < 0;
            principal_->LancerItem(static_cast<std::int16_t>(slot), asAdministrator);
        } else if (event == PointerEvent::RightDown) {
            principal_->OnRightPress(slot);
        }
    } else if (id == kLabelId && event == PointerEvent::Click) {
        principal_->OnActionLabelClick();
    } else if (id == kStopImageId && event == PointerEvent::Click) {
        principal_->OnStopImageClick();
    }
}

LRESULT BarView::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        if (principal_ != nullptr) {
            principal_->OnShellRestarted();
        }
        return 0;
    }
    if (message == startedAgain_ && startedAgain_ != 0) {
        if (principal_ != nullptr) {
            principal_->OnStartedAgain();
        }
        return 0;
    }
    if (message == liveHandlesQuery_ && liveHandlesQuery_ != 0) {
        return wParam < static_cast<WPARAM>(HandleKind::Count) ? LiveHandles(static_cast<HandleKind>(wParam)).load()
                                                               : -1;
    }
    switch (message) {
        case WM_DPICHANGED: {
            // Twips stay, pixels follow: the suggested rectangle keeps the bar's size in twips at the new DPI, and the
            // controls go back to their places in twips, also on a locked bar, which does not lay itself out.
            ShowAtDpi(LOWORD(wParam));
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                         suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
            if (principal_ != nullptr) {
                ShowControls(principal_->Controls());
            }
            return 0;
        }
        case WM_SIZE:
            if (principal_ != nullptr) {
                principal_->OnResize();
            }
            return 0;
        case WM_DISPLAYCHANGE:
            if (principal_ != nullptr) {
                principal_->OnDisplayChange();
            }
            return 0;
        case WM_PAINT: {
            const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
            if (principal_ != nullptr) {
                principal_->OnPaint();
            }
            return result;
        }
        case WM_TIMER:
            if (wParam == kTimer1 && principal_ != nullptr) {
                principal_->OnTimer();
            } else if (wParam == kTrayRetryTimer && principal_ != nullptr) {
                principal_->OnTrayRetry();
            }
            return 0;
        case WM_LBUTTONDBLCLK:  // the class asks for double clicks; on the background they drag as a press does
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (principal_ != nullptr) {
                principal_->OnBackgroundPress();
            }
            return 0;
        case kTrayMessage:
            if (wParam == kTrayIconId && principal_ != nullptr) {
                principal_->OnTrayMessage(static_cast<std::uint32_t>(LOWORD(lParam)));
            }
            return 0;
        case WM_GETMINMAXINFO: {
            // The bar is narrower than the window system's minimum tracking size for a captioned window, and
            // a horizontal bar may be longer than the screen (its length follows from its thickness).
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            limits->ptMinTrackSize = POINT{1, 1};
            limits->ptMaxTrackSize = POINT{32767, 32767};
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && principal_ != nullptr) {
                const auto previous = reinterpret_cast<HWND>(lParam);
                DWORD previousProcess = 0;
                if (previous != nullptr) {
                    GetWindowThreadProcessId(previous, &previousProcess);
                }
                principal_->OnActivated(previousProcess == GetCurrentProcessId());
            }
            break;
        case WM_COMMAND:
            if (principal_ != nullptr && HIWORD(wParam) == 0) {
                switch (LOWORD(wParam)) {
                    case IDM_CONFIGURATION:
                        principal_->OnMenu(MenuCommand::Configuration);
                        return 0;
                    case IDM_RAFRAICHIR:
                        principal_->OnMenu(MenuCommand::Rafraichir);
                        return 0;
                    case IDM_PROPOS:
                        principal_->OnMenu(MenuCommand::Propos);
                        return 0;
                    case IDM_QUITTER:
                        principal_->OnMenu(MenuCommand::Quitter);
                        return 0;
                    default:
                        break;
                }
            }
            break;
        case WM_CLOSE:
            if (!closed_ && principal_ != nullptr) {
                principal_->Decharger();
            }
            closed_ = true;
            DestroyWindow(window);
            return 0;
        case WM_ENDSESSION:
            // The session ends (log off, shut down): the process will not see a WM_CLOSE.
            if (wParam != FALSE && !closed_ && principal_ != nullptr) {
                closed_ = true;
                principal_->Decharger();
            }
            return 0;
        case kSlowIconMessage:
            ShowReadIcon(lParam);
            return 0;
        case kAfterDropMessage:
            if (principal_ != nullptr) {
                principal_->AfterDrop();
            }
            return 0;
        case WM_DESTROY:
            if (dropTarget_) {
                RevokeDragDrop(window);
                dropTarget_.Get()->Detach();
                dropTarget_.Reset();
            }
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace zudav::win32
