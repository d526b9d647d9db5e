// The bar window's messages: the table that decodes each one for its handler; the pointer, hit-tested against the
// drawn parts and handed to the logic as each control of the bar would hand it; the keyboard, which goes through the
// elements, and the focus.
#include "bar/win32/bar_view.h"
// After bar_view.h, which includes windows.h.
#include <windowsx.h>

#include <algorithm>
#include <utility>

#include "bar/keyboard.h"
#include "bar/win32/bar_ids.h"
#include "platform/win32/hot_key_box.h"

namespace zudav::win32 {

// A left click on a slot's cell or its icon box starts its item.
// Ctrl+Shift with a click starts the program as administrator, as on the taskbar: the keys as they were when the
// input's message was sent.
bool BarView::AdministratorKeysDown() {
    return GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_SHIFT) < 0;
}

// Shift alone asks for another copy of a program that runs, as on the taskbar.
void BarView::LaunchSlot(int slot, bool asAdministrator) {
    const ClickWay way = asAdministrator             ? ClickWay::Administrator
                         : GetKeyState(VK_SHIFT) < 0 ? ClickWay::NewCopy
                                                     : ClickWay::Plain;
    principal_->ClickSlot(static_cast<std::int16_t>(slot), way);
}

namespace {

bool OnSlot(const BarHit& hit) {
    return hit.part == BarPart::Icon || hit.part == BarPart::Cell;
}

}  // namespace

void BarView::OnPartPointer(const BarHit& hit, PointerEvent event) {
    if (OnSlot(hit)) {
        // The cell and the icon box act alike: the click, the release over the slot as a button acts, starts the item,
        // so that a press that drags the item away starts nothing.
        if (event == PointerEvent::Move) {
            principal_->Survol(hit.slot);
        } else if (event == PointerEvent::Click) {
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
// its click. A press on a slot may take its item along instead (Principal::OnSlotPress): the release over another
// slot then moves it there.
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
            if (pressed_ && OnSlot(*pressed_) &&
                principal_->OnSlotPointerMove({x, y}, DragDistanceNow(), SlotUnder(x, y))) {
                ShowDraggedItem(pressed_->slot, {x, y});
                return true;
            }
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
            if (OnSlot(hit)) {
                PressSlot(hit.slot, {x, y});
            }
            return true;
        case WM_LBUTTONUP: {
            // Decided before the capture goes, whose loss would cancel the press.
            const std::optional<BarHit> pressed = std::exchange(pressed_, std::nullopt);
            const bool click = pressed && (OnSlot(*pressed) ? principal_->OnSlotRelease(SlotUnder(x, y)).has_value()
                                                            : Contains(PartRect(parts_, *pressed), x, y));
            EndSlotPress();
            if (GetCapture() == window_) {
                ReleaseCapture();
            }
            if (click) {
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
            } else if (hit.part == BarPart::Icon || hit.part == BarPart::Cell) {
                principal_->ClickSlot(static_cast<std::int16_t>(hit.slot), ClickWay::NewCopy);  // another copy, always
            }
            return true;
        default:
            return false;
    }
}

KeyAction BarView::KeyActionOf(WPARAM key) const {
    const KeyModifiers modifiers{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0};
    return KeyToAction(static_cast<unsigned>(key), modifiers, focus_,
                       principal_ != nullptr && principal_->Horizontal());
}

// The keys act through the elements (bar/keyboard.h). The context key is left to the window system, which answers it
// with WM_CONTEXTMENU; Alt alone opens the menu by the window system's SC_KEYMENU.
bool BarView::OnKey(WPARAM key, bool repeated) {
    if (principal_ != nullptr) {
        principal_->OnKeyboardUsed();
    }
    if (key == VK_ESCAPE && principal_ != nullptr && principal_->SlotPressed()) {
        CancelSlotPress();  // the item dragged stays where it was, a click is given up
        if (GetCapture() == window_) {
            ReleaseCapture();
        }
        return true;
    }
    const KeyAction action = KeyActionOf(key);
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
        case KeyIntent::MoveItem:
            if (principal_ != nullptr && principal_->MoveItem(*SlotOf(focus_), *SlotOf(action.element))) {
                MoveFocus(action.element);  // with the item
            }
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
        keyboardLaunch_ = true;  // a folder's menu opens with its first entry selected
        LaunchSlot(*slot, asAdministrator);
        keyboardLaunch_ = false;
    } else if (element == kActionElement) {
        menuAtFocus_ = true;
        principal_->OnActionLabelClick();
        menuAtFocus_ = false;
    } else {
        principal_->OnStopImageClick();
    }
}

// The table of the window's messages.
LRESULT BarView::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const Answer answer = Dispatch(message, wParam, lParam);
    return answer ? *answer : DefWindowProcW(window, message, wParam, lParam);
}

BarView::Answer BarView::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (shellMenu_ != nullptr) {
        if (const Answer taken = shellMenu_->Handle(message, wParam, lParam)) {
            return taken;
        }
    }
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        return OnTaskbarCreated();
    }
    if (message == shellHook_ && shellHook_ != 0) {
        return OnShellHook(wParam);
    }
    if (message == startedAgain_ && startedAgain_ != 0) {
        return OnStartedAgain();
    }
    if (message == takeSettings_ && takeSettings_ != 0) {
        return OnTakeSettings(wParam);
    }
    if (message == liveHandlesQuery_ && liveHandlesQuery_ != 0) {
        return OnLiveHandlesQuery(wParam);
    }
    switch (message) {
        case WM_DPICHANGED:
            // The new DPI is the message's own (its two words are equal), the rectangle Windows suggests for it too.
            return OnDpiChanged(LOWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        case WM_SIZING:
            return OnSizing(wParam, *reinterpret_cast<RECT*>(lParam));
        case WM_EXITSIZEMOVE:
            return OnExitSizeMove();
        case WM_THEMECHANGED:
            return OnThemeChanged();
        case WM_SETTINGCHANGE:
            return OnSettingChange(wParam, reinterpret_cast<const wchar_t*>(lParam));
        case WM_SYSCOLORCHANGE:
            return OnSysColorChange();
        case WM_SIZE:
            return OnSize(wParam);
        case WM_DISPLAYCHANGE:
            return OnDisplayChange();
        case WM_POWERBROADCAST:
            return OnPowerBroadcast(wParam);
        case WM_PAINT:
            return OnPaint();
        case WM_ERASEBKGND:
            return 1;  // the paint covers it all
        case WM_TIMER:
            return OnTimer(wParam);
        case WM_NCMOUSEMOVE:
            return OnNcMouseMove();
        case WM_MOUSELEAVE:
        case WM_NCMOUSELEAVE:
            return OnMouseLeave(message == WM_NCMOUSELEAVE);
        case WM_ENTERSIZEMOVE:
            return OnEnterSizeMove();
        case kDesktopToolbarMessage:
            return OnToolbarNotice(wParam, lParam);
        case WM_WINDOWPOSCHANGED:
            return OnWindowPosChanged();
        case WM_MOUSEMOVE:
            return OnMouseMove(lParam);
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
            return OnMouse(message, lParam);
        case WM_CAPTURECHANGED:
            return OnCaptureChanged();
        case WM_KEYDOWN:
            return OnKeyDown(wParam, (lParam & (1 << 30)) != 0);
        case WM_SYSKEYDOWN:
            return OnSysKeyDown(wParam, (lParam & (1 << 30)) != 0, (lParam & (1 << 29)) != 0);
        case WM_SYSCOMMAND:
            return OnSysCommand(wParam & 0xFFF0, lParam);
        case WM_CONTEXTMENU:
            return OnContextMenu(lParam == -1);
        case WM_SETFOCUS:
            return OnSetFocus();
        case WM_KILLFOCUS:
            return OnKillFocus();
        case WM_GETOBJECT:
            return OnGetObject(wParam, lParam);
        case kDefaultActionMessage:
            return OnDefaultAction(wParam);
        case kTrayMessage:
            return OnTrayIcon(LOWORD(lParam), HIWORD(lParam), wParam);
        case WM_HOTKEY:
            return OnHotKey(wParam);
        case WM_GETMINMAXINFO:
            return OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
        case WM_ACTIVATE:
            return OnActivate(LOWORD(wParam), reinterpret_cast<HWND>(lParam));
        case WM_ACTIVATEAPP:
            return OnActivateApp(wParam != FALSE);
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam));
        case WM_INITMENUPOPUP:
            return OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
        case WM_UNINITMENUPOPUP:
            return OnUninitMenuPopup(reinterpret_cast<HMENU>(wParam));
        case WM_MENURBUTTONUP:
            return OnMenuRightButtonUp(reinterpret_cast<HMENU>(lParam), static_cast<int>(wParam));
        case kDesktopWindowsMessage:
            return OnDesktopWindows();
        case kFolderReadMessage:
            return OnFolderRead(wParam, static_cast<FolderNews>(lParam));
        case WM_MENUCHAR:
            return OnMenuChar(reinterpret_cast<HMENU>(lParam), static_cast<wchar_t>(LOWORD(wParam)));
        case WM_CLOSE:
            return OnClose();
        case WM_ENDSESSION:
            return OnEndSession(wParam != FALSE, (lParam & ENDSESSION_CLOSEAPP) != 0);
        case kSlowIconMessage:
            return OnPictureRead(lParam);
        case kAfterDropMessage:
            return OnAfterDrop();
        case WM_DESTROY:
            return OnDestroy();
        default:
            return std::nullopt;
    }
}

BarView::Answer BarView::OnMouseMove(LPARAM at) {
    FollowPointer(false);
    return OnMouse(WM_MOUSEMOVE, at);
}

BarView::Answer BarView::OnMouse(UINT message, LPARAM at) {
    return OnPointer(message, at) ? Answer(0) : std::nullopt;
}

BarView::Answer BarView::OnNcMouseMove() {
    FollowPointer(true);
    return std::nullopt;
}

BarView::Answer BarView::OnMouseLeave(bool frame) {
    (frame ? followingFrame_ : followingClient_) = false;
    if (principal_ != nullptr) {
        principal_->OnPointerLeft();
    }
    return std::nullopt;
}

// Another window took the pointer (a menu, a window that opened over the bar disabled it), or the press ended.
BarView::Answer BarView::OnCaptureChanged() {
    CancelSlotPress();
    return 0;
}

BarView::Answer BarView::OnKeyDown(WPARAM key, bool repeated) {
    return OnKey(key, repeated) ? Answer(0) : std::nullopt;
}

// F10 opens the menu; Shift+F10 is the window system's context key.
BarView::Answer BarView::OnSysKeyDown(WPARAM key, bool repeated, bool altDown) {
    if (key == VK_F10 && OnKey(key, repeated)) {
        return 0;
    }
    // Alt+Shift with an arrow moves the focused item; the window system still sees the key, so that the release of Alt
    // does not open the menu as after Alt alone.
    if (altDown && KeyActionOf(key).intent == KeyIntent::MoveItem) {
        OnKey(key, repeated);
        return std::nullopt;
    }
    // Without Alt, a system key means that no window has the focus: the active bar then gets every key this way (as
    // after coming back from minimised, activated while still a button on the taskbar). It takes the focus, and the
    // key is its own.
    if (!altDown && GetActiveWindow() == window_ && GetFocus() == nullptr) {
        SetFocus(window_);
        if (OnKey(key, repeated)) {
            return 0;
        }
    }
    return std::nullopt;
}

// Alt pressed alone (SC_KEYMENU without a character), and not under one of the bar's windows, opens the menu.
BarView::Answer BarView::OnSysCommand(WPARAM command, LPARAM character) {
    if (command == SC_KEYMENU && character == 0 && principal_ != nullptr && IsWindowEnabled(window_)) {
        MoveFocus(kActionElement);
        Activate(kActionElement);
        return 0;
    }
    return std::nullopt;
}

// From the keyboard, the context menu is the focused element's.
BarView::Answer BarView::OnContextMenu(bool fromKeyboard) {
    if (fromKeyboard && principal_ != nullptr) {
        EditFocused();
        return 0;
    }
    return std::nullopt;
}

BarView::Answer BarView::OnHotKey(WPARAM id) {
    if (id == kHotKeyId && principal_ != nullptr) {
        RememberForeground();  // before the bar comes back, which activates it
        principal_->OnHotKey();
    }
    return 0;
}

BarView::Answer BarView::OnSetFocus() {
    InvalidatePart(ElementRect(parts_, focus_));
    NotifyWinEvent(EVENT_OBJECT_FOCUS, window_, OBJID_CLIENT, focus_ + 1);
    if (automation_) {
        automation_.Get()->RaiseFocusChanged(focus_);
    }
    return 0;
}

BarView::Answer BarView::OnKillFocus() {
    InvalidatePart(ElementRect(parts_, focus_));
    return 0;
}

}  // namespace zudav::win32
