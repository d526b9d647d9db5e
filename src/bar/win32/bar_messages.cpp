// The bar window's messages: the pointer, hit-tested against the drawn parts and handed to the logic as each control
// of the bar would hand it; the keyboard, which goes through the elements; the notification icon, the timers, the
// screen readers and the window system's own.
#include "bar/win32/bar_view.h"
// After bar_view.h, which includes windows.h.
#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "bar/keyboard.h"
#include "bar/win32/bar_ids.h"
#include "platform/win32/hot_key_box.h"
#include "platform/win32/twips.h"
#include "resources/resource_ids.h"

namespace zudav::win32 {

AccessibleElement BarView::Element(int element) const {
    return DescribeElement(element, items_, IsWindowEnabled(window_) != FALSE);
}

RECT BarView::ElementPlace(int element) const {
    const PixelRect place = ElementRect(parts_, element);
    return {place.left, place.top, place.right, place.bottom};
}

std::optional<int> BarView::ElementAt(POINT client) const {
    return ElementOf(HitTest(parts_, client.x, client.y));
}

std::optional<int> BarView::KeyboardFocus() const {
    return GetFocus() == window_ ? std::optional<int>(focus_) : std::nullopt;
}

void BarView::FocusElement(int element) {
    SetFocus(window_);
    MoveFocus(element);
}

void BarView::PostDefaultAction(int element) {
    PostMessageW(window_, kDefaultActionMessage, static_cast<WPARAM>(element), 0);
}

BarAutomation* BarView::Automation() {
    if (!automation_ && window_ != nullptr) {
        automation_.Reset(BarAutomation::Make(*this));
    }
    return automation_.Get();
}

void BarView::Announce(const std::wstring& text) {
    if (BarAutomation* automation = Automation()) {
        automation->Announce(text);
    }
}

// A left click on a slot's cell, or a left press on its icon box, starts its item.
// Ctrl+Shift with a click starts the program as administrator, as on the taskbar: the keys as they were when the
// input's message was sent.
bool BarView::AdministratorKeysDown() {
    return GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_SHIFT) < 0;
}

void BarView::LaunchSlot(int slot, bool asAdministrator) {
    principal_->LancerItem(static_cast<std::int16_t>(slot), asAdministrator);
}

void BarView::OnPartPointer(const BarHit& hit, PointerEvent event) {
    if (hit.part == BarPart::Icon || hit.part == BarPart::Cell) {
        // The icon box launches on the press, the cell on a click; both hover and open the editor alike.
        const PointerEvent launch = hit.part == BarPart::Icon ? PointerEvent::LeftDown : PointerEvent::Click;
        if (event == PointerEvent::Move) {
            principal_->Survol(hit.slot);
        } else if (event == launch) {
            LaunchSlot(hit.slot, AdministratorKeysDown());
        } else if (event == PointerEvent::RightDown) {
            principal_->OnRightPress(hit.slot);
        }
    } else if (hit.part == BarPart::Action && event == PointerEvent::Click) {
        principal_->OnActionLabelClick();
    } else if (hit.part == BarPart::Stop && event == PointerEvent::Click) {
        principal_->OnStopImageClick();
    }
}

// Each press reaches the part under the pointer, a press on the background drags the bar; while the left button is
// down, the part it went down on has the pointer (as a control that captured it), and a release over that part is
// its click.
bool BarView::OnPointer(UINT message, LPARAM lParam) {
    if (principal_ == nullptr) {
        return false;
    }
    const int x = GET_X_LPARAM(lParam);
    const int y = GET_Y_LPARAM(lParam);
    const BarHit hit = HitTest(parts_, x, y);
    const bool background = hit.part == BarPart::Background;
    switch (message) {
        case WM_MOUSEMOVE:
            OnPartPointer(pressed_.value_or(hit), PointerEvent::Move);
            return true;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:  // the class asks for double clicks: the second press of one is a press all the same
            if (background) {
                principal_->OnBackgroundPress();
                return true;
            }
            pressed_ = hit;
            SetCapture(window_);
            OnPartPointer(hit, PointerEvent::LeftDown);
            return true;
        case WM_LBUTTONUP: {
            const std::optional<BarHit> pressed = std::exchange(pressed_, std::nullopt);
            if (GetCapture() == window_) {
                ReleaseCapture();
            }
            if (pressed && Contains(PartRect(parts_, *pressed), x, y)) {
                OnPartPointer(*pressed, PointerEvent::Click);
            }
            return true;
        }
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            if (!background) {
                OnPartPointer(hit, PointerEvent::RightDown);
            } else if (message == WM_RBUTTONDOWN) {
                principal_->OnBackgroundPress();
            }
            return true;
        case WM_MBUTTONDOWN:
            if (background) {
                principal_->OnBackgroundPress();
            }
            return true;
        default:
            return false;
    }
}

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

// The keys act through the elements (bar/keyboard.h). The context key is left to the window system, which answers it
// with WM_CONTEXTMENU; Alt alone opens the menu by the window system's SC_KEYMENU.
bool BarView::OnKey(WPARAM key, bool repeated) {
    if (principal_ != nullptr) {
        principal_->OnKeyboardUsed();
    }
    const KeyModifiers modifiers{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0};
    const KeyAction action = KeyToAction(static_cast<unsigned>(key), modifiers, focus_);
    switch (action.intent) {
        case KeyIntent::Focus:
            MoveFocus(action.element);
            return true;
        case KeyIntent::Activate:
        case KeyIntent::AsAdministrator:
        case KeyIntent::Menu:
            MoveFocus(action.element);
            if (!repeated) {  // a key held down starts its item once
                Activate(action.element, action.intent == KeyIntent::AsAdministrator);
            }
            return true;
        case KeyIntent::Edit:
            // Shift+F10 is answered on its press: left to the window system, the release of F10 would open the menu
            // as well, over the editor. The context key keeps the window system's WM_CONTEXTMENU.
            if (key != VK_F10) {
                return false;
            }
            EditFocused();
            return true;
        case KeyIntent::GiveBack:
            GiveKeyboardBack();
            return true;
        default:
            return false;
    }
}

void BarView::EditFocused() {
    if (principal_ == nullptr) {
        return;
    }
    focusShown_ = true;
    if (const auto slot = SlotOf(focus_)) {
        principal_->OnRightPress(*slot);
    } else {
        Activate(focus_);
    }
}

void BarView::StartDockingTimer() {
    constexpr UINT kBurstEnd = 200;  // ms without a notice
    SetTimer(window_, kDockingTimer, kBurstEnd, nullptr);
}

void BarView::SetHideTimer(bool running) {
    constexpr UINT kHideDelay = 500;  // ms
    if (running) {
        SetTimer(window_, kHideTimer, kHideDelay, nullptr);
    } else {
        KillTimer(window_, kHideTimer);
    }
}

bool BarView::PointerOver() const {
    POINT pointer{};
    RECT rect{};
    return GetCursorPos(&pointer) && GetWindowRect(window_, &rect) && PtInRect(&rect, pointer);
}

void BarView::FollowPointer(bool frame) {
    bool& following = frame ? followingFrame_ : followingClient_;
    if (!following) {
        TRACKMOUSEEVENT track{sizeof track, static_cast<DWORD>(TME_LEAVE | (frame ? TME_NONCLIENT : 0)), window_, 0};
        following = TrackMouseEvent(&track) != FALSE;
    }
    if (principal_ != nullptr) {
        principal_->OnPointerOver();
    }
}

void BarView::OnToolbarNotice(WPARAM notice, LPARAM lParam) {
    if (principal_ == nullptr) {
        return;
    }
    switch (notice) {
        case ABN_POSCHANGED:  // the taskbar or another toolbar moved, came or went
            principal_->OnDockingNotice(Principal::DockingNotice::ToolbarsMoved);
            break;
        case ABN_FULLSCREENAPP:
            principal_->OnFullScreenNotice(lParam != 0);
            break;
        default:
            break;
    }
}

// The hot key: Windows 7 and later take MOD_NOREPEAT, so that a key held down does not come and go; a window system
// that does not know the flag refuses it for an invalid parameter.
bool BarView::HandHotKeyToBoxInFront(std::uint16_t combination) {
    return win32::HandHotKeyToBoxInFront(combination);
}

bool BarView::SetHotKey(std::uint16_t value) {
    UnregisterHotKey(window_, kHotKeyId);
    if (value == 0) {
        return true;
    }
    const HotKeyCombination combination = ToHotKeyCombination(value);
    if (RegisterHotKey(window_, kHotKeyId, combination.modifiers | MOD_NOREPEAT, combination.key)) {
        return true;
    }
    return GetLastError() != ERROR_HOTKEY_ALREADY_REGISTERED &&
           RegisterHotKey(window_, kHotKeyId, combination.modifiers, combination.key);
}

bool BarView::HasKeyboard() const {
    return GetForegroundWindow() == window_ && GetFocus() == window_;
}

// The window in front keeps the right to the foreground that a hot key gives the program it belongs to.
void BarView::RememberForeground() {
    HWND foreground = GetForegroundWindow();
    if (foreground != nullptr && GetAncestor(foreground, GA_ROOTOWNER) != window_) {
        previousWindow_ = foreground;
    }
}

void BarView::TakeKeyboard() {
    RememberForeground();
    SetForegroundWindow(window_);
    SetFocus(window_);
    focusShown_ = false;  // shown and heard again, also on the slot that had it
    MoveFocus(SlotElement(0));
}

// The window that had the keyboard before the bar took it, when it is still there.
void BarView::GiveKeyboardBack() {
    if (previousWindow_ != nullptr && IsWindow(previousWindow_) && previousWindow_ != window_) {
        SetForegroundWindow(previousWindow_);
    }
}

void BarView::MoveFocus(int element) {
    const bool shown = std::exchange(focusShown_, true);
    if (element == focus_ && shown) {
        return;
    }
    InvalidatePart(ElementRect(parts_, focus_));
    focus_ = element;
    InvalidatePart(ElementRect(parts_, focus_));
    if (GetFocus() == window_) {
        NotifyWinEvent(EVENT_OBJECT_FOCUS, window_, OBJID_CLIENT, focus_ + 1);
        if (automation_) {  // a client that never asked for the bar's elements knows none of them
            automation_.Get()->RaiseFocusChanged(focus_);
        }
    }
}

void BarView::Activate(int element, bool asAdministrator) {
    if (principal_ == nullptr) {
        return;
    }
    if (const auto slot = SlotOf(element)) {
        LaunchSlot(*slot, asAdministrator);
    } else if (element == kActionElement) {
        menuAtFocus_ = true;
        principal_->OnActionLabelClick();
        menuAtFocus_ = false;
    } else {
        principal_->OnStopImageClick();
    }
}

LRESULT BarView::AnswerAccessibility(WPARAM wParam, LPARAM lParam) {
    if (static_cast<DWORD>(lParam) == static_cast<DWORD>(UiaRootObjectId)) {
        BarAutomation* automation = Automation();
        return automation != nullptr ? automation->Answer(wParam, lParam) : 0;
    }
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) {
        return 0;  // the frame, the caption and the rest are the window system's
    }
    if (!accessible_) {
        accessible_.Reset(new BarAccessible(*this));
    }
    return accessible_.Get()->Answer(wParam);
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
    if (message == takeSettings_ && takeSettings_ != 0) {
        // A window of the bar open over it (its configuration, a message) disables it: closing that window would store
        // what it shows over the imported settings, so the import is refused. Its place it stores whatever is open: no
        // window of it stores the place when it closes.
        if (principal_ != nullptr && wParam == kSettingsStorePlace) {
            principal_->StorePlace();
            return kSettingsTaken;
        }
        if (principal_ == nullptr || !IsWindowEnabled(window)) {
            return 0;
        }
        if (wParam == kSettingsTakeAgain) {
            principal_->TakeSettingsAgain();
        }
        return kSettingsTaken;
    }
    if (message == liveHandlesQuery_ && liveHandlesQuery_ != 0) {
        return wParam < static_cast<WPARAM>(HandleKind::Count) ? LiveHandles(static_cast<HandleKind>(wParam)).load()
                                                               : -1;
    }
    switch (message) {
        case WM_DPICHANGED:
            // The new DPI is the message's own (its two words are equal), the rectangle Windows suggests for it too.
            TakeDpi(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_SIZING:
            sizedByBorder_ = true;
            SizeByBorder(wParam, *reinterpret_cast<RECT*>(lParam));
            return TRUE;
        case WM_EXITSIZEMOVE:
            // The layout made the bar as long as its new thickness asks: it is fitted once the user lets go. A bar
            // dragged to an edge docks there, or gives back the room it held at the edge it left.
            FollowDpi();  // moved onto a monitor of another scale
            if (principal_ != nullptr) {
                principal_->OnMoveSizeLoop(false);
                std::exchange(sizedByBorder_, false) ? principal_->FitOnScreen() : principal_->Dock();
            }
            return 0;
        case WM_THEMECHANGED:
            ++theme_;  // the shell's pictures may follow the theme: the next refresh makes them again
            break;
        case WM_SETTINGCHANGE:  // sent for many settings: the bar paints again only when its look changes
            FollowDpi();        // a change of scale changes the work area, and tells it
            if (principal_ != nullptr) {
                principal_->OnLookSettingChange();
            }
            if (lParam != 0 && lstrcmpiW(reinterpret_cast<const wchar_t*>(lParam), L"ImmersiveColorSet") == 0) {
                ++theme_;  // light or dark apps: a Store app's picture may differ
            }
            if (lParam != 0 && principal_ != nullptr &&
                lstrcmpiW(reinterpret_cast<const wchar_t*>(lParam), L"Environment") == 0) {
                principal_->OnEnvironmentChanged();
            }
            if (wParam == SPI_SETWORKAREA && principal_ != nullptr) {
                principal_->OnDockingNotice(Principal::DockingNotice::WorkAreaChanged);
            }
            break;
        case WM_SYSCOLORCHANGE:
            if (principal_ != nullptr) {
                principal_->OnLookSettingChange();
            }
            InvalidateAll();
            break;
        case WM_SIZE:
            // Activated while minimised, the window system gave the bar no focus (DefWindowProc sets it only for a
            // window that is not minimised): restored active, it takes it.
            if (wParam == SIZE_RESTORED && GetActiveWindow() == window && GetFocus() == nullptr) {
                SetFocus(window);
            }
            if (principal_ != nullptr) {
                principal_->OnResize();
            }
            return 0;
        case WM_DISPLAYCHANGE:
            if (!FollowDpi() && principal_ != nullptr) {  // taking a new DPI told the logic already
                principal_->OnDisplayChange();
            }
            return 0;
        case WM_POWERBROADCAST:
            // Resumed from sleep or hibernation (automatically; then again when the user acts): the shell may have
            // lost the bar from its list.
            if ((wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) && principal_ != nullptr) {
                principal_->OnDockingNotice(Principal::DockingNotice::Resumed);
            }
            return TRUE;
        case WM_PAINT:
            Paint();
            if (principal_ != nullptr) {
                principal_->OnPaint();
            }
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers it all
        case WM_TIMER:
            if (wParam == kTimer1 && principal_ != nullptr) {
                principal_->OnTimer();
            } else if (wParam == kTrayRetryTimer && principal_ != nullptr) {
                principal_->OnTrayRetry();
            } else if (wParam == kHideTimer && principal_ != nullptr) {
                principal_->OnHideTimer();
            } else if (wParam == kDockingTimer) {
                KillTimer(window, kDockingTimer);
                if (principal_ != nullptr) {
                    principal_->OnDockingTimer();
                }
            }
            return 0;
        case WM_NCMOUSEMOVE:
            FollowPointer(true);
            break;
        case WM_MOUSELEAVE:
        case WM_NCMOUSELEAVE:
            (message == WM_MOUSELEAVE ? followingClient_ : followingFrame_) = false;
            if (principal_ != nullptr) {
                principal_->OnPointerLeft();
            }
            break;
        case WM_ENTERSIZEMOVE:
            if (principal_ != nullptr) {
                principal_->OnMoveSizeLoop(true);
            }
            break;
        case kDesktopToolbarMessage:
            OnToolbarNotice(wParam, lParam);
            return 0;
        case WM_WINDOWPOSCHANGED:
            toolbar_.OnMoved();
            break;  // the window system's own answer sends WM_SIZE and WM_MOVE
        case WM_MOUSEMOVE:
            FollowPointer(false);
            [[fallthrough]];
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
            if (OnPointer(message, lParam)) {
                return 0;
            }
            break;
        case WM_CAPTURECHANGED:
            pressed_.reset();
            return 0;
        case WM_KEYDOWN:
            if (OnKey(wParam, (lParam & (1 << 30)) != 0)) {
                return 0;
            }
            break;
        case WM_SYSKEYDOWN:  // F10 opens the menu; Shift+F10 is the window system's context key
            if (wParam == VK_F10 && OnKey(wParam, (lParam & (1 << 30)) != 0)) {
                return 0;
            }
            // Without Alt, a system key means that no window has the focus: the active bar then gets every key
            // this way (as after coming back from minimised, activated while still a button on the taskbar). It
            // takes the focus, and the key is its own.
            if ((lParam & (1 << 29)) == 0 && GetActiveWindow() == window && GetFocus() == nullptr) {
                SetFocus(window);
                if (OnKey(wParam, (lParam & (1 << 30)) != 0)) {
                    return 0;
                }
            }
            break;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_KEYMENU && lParam == 0 && principal_ != nullptr &&
                IsWindowEnabled(window)) {  // Alt pressed alone, and not under one of the bar's windows
                MoveFocus(kActionElement);
                Activate(kActionElement);
                return 0;
            }
            break;
        case WM_CONTEXTMENU:
            if (lParam == -1 && principal_ != nullptr) {  // from the keyboard: on the focused element
                EditFocused();
                return 0;
            }
            break;
        case WM_SETFOCUS:
            InvalidatePart(ElementRect(parts_, focus_));
            NotifyWinEvent(EVENT_OBJECT_FOCUS, window, OBJID_CLIENT, focus_ + 1);
            if (automation_) {
                automation_.Get()->RaiseFocusChanged(focus_);
            }
            return 0;
        case WM_KILLFOCUS:
            InvalidatePart(ElementRect(parts_, focus_));
            return 0;
        case WM_GETOBJECT:
            if (const LRESULT answer = AnswerAccessibility(wParam, lParam)) {
                return answer;
            }
            break;
        case kDefaultActionMessage:
            if (wParam < static_cast<WPARAM>(kElementCount)) {
                Activate(static_cast<int>(wParam));
            }
            return 0;
        case kTrayMessage:
            // Version 4: the code and the icon's id in lParam, where the icon is in wParam (the anchor of a menu opened
            // from the keyboard); a shell that refused the version sends the id in wParam and the mouse code alone.
            if (principal_ != nullptr && HIWORD(lParam) == kTrayIconId) {
                principal_->OnTrayMessage(static_cast<std::uint32_t>(LOWORD(lParam)),
                                          PixelPoint{GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)});
            } else if (principal_ != nullptr && HIWORD(lParam) == 0 && wParam == kTrayIconId) {
                principal_->OnTrayMessage(static_cast<std::uint32_t>(LOWORD(lParam)));
            }
            return 0;
        case WM_HOTKEY:
            if (wParam == kHotKeyId && principal_ != nullptr) {
                RememberForeground();  // before the bar comes back, which activates it
                principal_->OnHotKey();
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
            toolbar_.OnActivated();
            if (LOWORD(wParam) != WA_INACTIVE && principal_ != nullptr) {
                const auto previous = reinterpret_cast<HWND>(lParam);
                if (previous != nullptr && IsWindowVisible(previous) && GetAncestor(previous, GA_ROOTOWNER) != window) {
                    previousWindow_ = previous;  // where Escape gives the keyboard back
                }
                DWORD previousProcess = 0;
                if (previous != nullptr) {
                    GetWindowThreadProcessId(previous, &previousProcess);
                }
                principal_->OnActivated(previousProcess == GetCurrentProcessId());
            }
            break;
        case WM_ACTIVATEAPP:
            // The window events leave the bar's own program out: its windows' coming to the foreground is heard here.
            if (wParam != FALSE) {
                FollowForeground();
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
            // The session ends (log off, shut down), and the process will not see a WM_CLOSE; or the Restart Manager
            // closes the bar so that an installer can replace its file (ENDSESSION_CLOSEAPP).
            if (wParam != FALSE && !closed_ && principal_ != nullptr) {
                closed_ = true;
                principal_->OnEndSession(true, (lParam & ENDSESSION_CLOSEAPP) != 0);
            }
            return 0;
        case kSlowIconMessage:
            ShowReadPicture(lParam);
            return 0;
        case kAfterDropMessage:
            if (principal_ != nullptr) {
                principal_->AfterDrop();
            }
            return 0;
        case WM_DESTROY:
            StopWatchingForeground();
            if (accessible_) {
                accessible_.Get()->Detach();
                accessible_.Reset();
            }
            if (automation_) {
                automation_.Get()->Detach();
                automation_.Reset();
            }
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
