// The bar's pointer, timer and notification-icon behaviour: hover highlight, drag, lock, tray dispatch.
#include "bar/principal.h"
#include "bar/tray.h"

namespace zudav {

void Principal::Survol(int i) {
    const int previous = dernierSurvol_.value_or(0);
    if (previous != i) {
        window_.SetCellBorder(previous, false);
        window_.SetTimerEnabled(true);
        window_.TakeFocus();
    }
    dernierSurvol_ = i;
    window_.SetCellBorder(i, true);
}

void Principal::OnTimer() {
    // A cell that files are being dragged over keeps its border until the drag leaves it.
    if (dragSlot_ != dernierSurvol_.value_or(0)) {
        window_.SetCellBorder(dernierSurvol_.value_or(0), false);
    }
    window_.SetTimerEnabled(false);
}

void Principal::OnRightPress(int i) {
    Modal([this, i] { window_.ShowItemEditor(i); });
}

void Principal::OnBackgroundPress() {
    window_.BeginDrag();
}

void Principal::OnPaint() {
    if (!locked_ || hidden_) {
        return;
    }
    window_.SetLeft(held_.left);
    window_.SetTop(held_.top);
    window_.SetWidth(held_.width);
    window_.SetHeight(held_.height);
}

void Principal::OnTrayMessage(std::uint32_t code, PixelPoint anchor) {
    const TrayAction action = DecodeTrayCode(code, trayLastButton_);
    if (code >= 0x201 && code <= 0x209) {  // the buttons' codes, not the pointer's moves
        trayLastButton_ = code;
    } else if (code == kTraySelect || code == kTrayKeySelect || code == kTrayContextMenu) {
        trayLastButton_ = 0;
    }
    if (action != TrayAction::None && BringModalForward()) {
        return;
    }
    if (trayDispatching_) {
        return;  // a nested loop (About box, menu) of an earlier dispatch is running
    }
    trayDispatching_ = true;
    switch (action) {
        case TrayAction::RefreshAndRestore:
            AtPointer().RestoreFromTray();
            break;
        case TrayAction::Show:
            AtPointer().window_.Show();
            break;
        case TrayAction::About:
            OnMenu(MenuCommand::Propos);
            break;
        case TrayAction::Menu:
            if (code == kTrayContextMenu) {  // from the keyboard (Shift+F10, the Menu key) on the icon
                PopupMenu(true, anchor);
                window_.GiveKeyboardToTrayIcon();
            } else {
                PopupMenu(true, std::nullopt);
            }
            break;
        case TrayAction::Keyboard: {
            Principal& back = AtPointer();
            back.RestoreFromTray();
            back.ComeToTheKeyboard();
            break;
        }
        case TrayAction::None:
            break;
    }
    trayDispatching_ = false;
}

// Every road back (the icon, a second start) ends with the bar in front and active, so that the user's first click on
// it acts: restoring alone activates it only when the window system lets it take the foreground.
void Principal::RestoreFromTray() {
    for (Principal* window : Windows()) {
        if (window != this) {
            window->ShowAgain();
        }
    }
    Reveal();
    OnMenu(MenuCommand::Rafraichir);
    window_.Restore();
    window_.Show();
    FitOnScreen();
    window_.BringToFront();
    if (screens_ != nullptr && otherScreen_) {
        screens_->Arrange();  // what the bar's own window, minimised, could not place
    }
}

// The modal window may have been opened from another window of the bar.
bool Principal::BringModalForward() {
    for (Principal* window : Windows()) {
        if (window->openModals_ > 0) {
            window->window_.BringModalToFront();
            return true;
        }
    }
    return false;
}

void Principal::OnStartedAgain() {
    if (BringModalForward()) {
        return;
    }
    AtPointer().RestoreFromTray();
}

// A combination that is not complete yet (modifiers without their key, as the hot-key control shows it while the user
// types) changes nothing.
bool Principal::ChangeHotKey(std::uint16_t value) {
    if (value == hotKey_ || (value != 0 && (value & 0xFF) == 0)) {
        return true;
    }
    if (!window_.SetHotKey(value)) {
        window_.SetHotKey(hotKey_);
        return false;
    }
    hotKey_ = value;
    return true;
}

void Principal::OnHotKey() {
    if (window_.HandHotKeyToBoxInFront(hotKey_)) {
        return;
    }
    if (BringModalForward()) {
        return;
    }
    (screens_ != nullptr ? screens_->ForHotKey() : *this).ComeOrGiveKeyboardBack();
}

void Principal::ComeOrGiveKeyboardBack() {
    if (window_.HasKeyboard()) {
        window_.GiveKeyboardBack();
    } else {
        if (window_.IsMinimized()) {
            window_.Restore();
        }
        window_.Show();
        Reveal();
        ComeToTheKeyboard();
    }
}

void Principal::ComeToTheKeyboard() {
    window_.BringToFront();
    window_.TakeKeyboard();
    keyboardGiven_ = true;
}

// The notification area may refuse the icon for a while at logon, as the shell starts: it is tried again every two
// seconds for about a minute, and again whenever the shell says it has restarted.
void Principal::AddTrayIcon() {
    trayIcon_ = window_.AddTrayIcon();
    trayTries_ = 0;
    window_.SetTrayRetryTimer(!trayIcon_);
}

void Principal::OnTrayRetry() {
    constexpr int kTries = 30;
    trayIcon_ = window_.AddTrayIcon();
    if (trayIcon_ || ++trayTries_ >= kTries) {
        window_.SetTrayRetryTimer(false);
    }
}

void Principal::OnShellRestarted() {
    if (!otherScreen_) {  // the bar has one icon, its own window's
        AddTrayIcon();
    }
    OnDockingNotice(DockingNotice::ShellRestarted);
}

}  // namespace zudav
