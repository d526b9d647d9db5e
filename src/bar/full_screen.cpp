#include "bar/full_screen.h"

namespace zudav {

// The desktop's windows as Explorer names them: the desktop itself and the layer behind its icons.
bool IsDesktop(const FrontWindow& front) {
    return front.desktop || front.className == L"Progman" || front.className == L"WorkerW";
}

bool IsFullScreenOn(const FrontWindow& front, const PixelRect& monitor) {
    if (IsDesktop(front) || front.className == L"Shell_TrayWnd") {
        return false;
    }
    const PixelRect& r = front.rect;
    return !front.ownProcess && !front.maximisedWindow && monitor.right > monitor.left &&
           monitor.bottom > monitor.top && r.left <= monitor.left && r.top <= monitor.top && r.right >= monitor.right &&
           r.bottom >= monitor.bottom;
}

bool StaysOnTop(bool optionOnTop, bool fullScreenInFront, bool shellReportsFullScreen) {
    return optionOnTop && !fullScreenInFront && !shellReportsFullScreen;
}

// Whoever applied the option put the bar in the band or out of it: it has not stepped aside, whatever is in front.
TopmostBand::Move TopmostBand::TakeOption(bool onTop) {
    option_ = onTop;
    aside_ = false;
    return Follow();
}

TopmostBand::Move TopmostBand::OnFront(bool fullScreenInFront) {
    front_ = fullScreenInFront;
    return Follow();
}

TopmostBand::Move TopmostBand::OnShellNotice(bool opened) {
    shell_ = opened;
    return Follow();
}

// Show desktop raises the desktop over every window that is not topmost; a window of the topmost band stays above it,
// so a bar in the band takes it again even where it never left it.
TopmostBand::Move TopmostBand::OnDesktopInFront() {
    front_ = shell_ = false;
    Follow();
    return option_ ? Move::TakeBack : Move::None;
}

// A bar out of the band by its option is never asked into it: only one that stepped aside goes back.
TopmostBand::Move TopmostBand::Follow() {
    const bool aside = option_ && !StaysOnTop(option_, front_, shell_);
    if (aside == aside_) {
        return Move::None;
    }
    aside_ = aside;
    return aside ? Move::StepAside : Move::TakeBack;
}

}  // namespace zudav
