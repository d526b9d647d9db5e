#include "bar/full_screen.h"

namespace zudav {

bool IsFullScreenOn(const FrontWindow& front, const PixelRect& monitor) {
    // The desktop's windows as Explorer names them: the desktop itself, the layer behind its icons, the taskbar.
    for (const wchar_t* shell : {L"Progman", L"WorkerW", L"Shell_TrayWnd"}) {
        if (front.className == shell) {
            return false;
        }
    }
    const PixelRect& r = front.rect;
    return !front.desktop && !front.ownProcess && !front.maximisedWindow && monitor.right > monitor.left &&
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
