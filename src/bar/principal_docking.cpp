// The bar at an edge of its monitor: its room there, negotiated with the shell.
#include <algorithm>
#include <cmath>
#include <utility>

#include "bar/on_screen.h"
#include "bar/principal.h"
#include "bar/settings/conversions.h"

namespace zudav {

void Principal::ReadEdgeOptions() {
    reserver_ = model_.On(Option::Reserver);
    masquer_ = model_.On(Option::Masquer);
}

// Docked within 16 pixels of an edge, or within the presets' margin from it where that is larger: the side margin
// for a vertical bar, the bottom margin for a horizontal one (the top rows have none).
EdgeTolerances Principal::DockingTolerances() const {
    constexpr double kBottomMargin = 500;  // the bottom margin's text as the configuration window shows it
    const float least = 16 * platform_.ScreenPixel();
    const auto side = static_cast<float>(TypedNumber(model_.Text(Option::MargeDx)));
    return {std::max(least, side), least, std::max(least, side), std::max(least, static_cast<float>(kBottomMargin))};
}

Geometry Principal::ShownPlace() const {
    Geometry seen = Seen();
    if (hidden_) {  // moved out of view, its size as it is now
        seen.left = shownPlace_.left;
        seen.top = shownPlace_.top;
    }
    return seen;
}

std::optional<ScreenEdge> Principal::DockedAt() const {
    const Geometry seen = ShownPlace();
    const Geometry monitor = platform_.MonitorAt(seen);
    const Geometry area = WorkAreaOf(seen, platform_.WorkAreas()).value_or(monitor);
    return DockedEdge(seen, horizontal_, monitor, area, DockingTolerances(), edgeRoom_.Held());
}

bool Principal::DockedWhereAnotherMonitorTouches() const {
    const std::optional<ScreenEdge> docked = DockedAt();
    const Geometry seen = ShownPlace();
    return docked && EdgeTouchesAnotherMonitor(seen, *docked, platform_.MonitorAt(seen), platform_.Monitors());
}

// A hidden bar is docked again where it lies hidden: it comes out only when it no longer hides at its edge.
void Principal::Dock() {
    if (window_.IsMinimized()) {
        return;  // docked again once restored
    }
    const std::optional<ScreenEdge> docked = DockedAt();
    window_.ShowSquareCorners(docked.has_value());  // rounded corners would leave the edge showing through
    // Hidden past an edge that another monitor shares, the bar would lie on that monitor: it stays whole there.
    const bool hides = masquer_ && docked && !DockedWhereAnotherMonitorTouches();
    const std::optional<ScreenEdge> edge = reserver_ || hides ? docked : std::nullopt;
    if (hidden_ && !hides) {
        ShowWhole();
    }
    hideEdge_.reset();
    autoHideRefused_ = false;
    if (!edge) {
        edgeRoom_.GiveBack();
        FollowOnTopOption();
        return;
    }
    const Geometry seen = ShownPlace();
    const Geometry monitor = platform_.MonitorAt(seen);
    // The edge as the work area has it, or as it was before the bar reserved its room there.
    const auto held = edgeRoom_.Held();
    const float line = held && held->edge == *edge
                           ? OuterSide(held->room, *edge)
                           : OuterSide(WorkAreaOf(seen, platform_.WorkAreas()).value_or(monitor), *edge);
    std::optional<Geometry> place;
    if (hides) {
        autoHideRefused_ = !edgeRoom_.HideAt(*edge, monitor);  // refused: it hides by itself all the same
        hideEdge_ = edge;
        hideLine_ = line;
        // The work area stops short of the monitor's edge where the taskbar holds its room.
        hidesOverTaskbar_ = std::fabs(line - OuterSide(monitor, *edge)) >= platform_.ScreenPixel() / 2;
    } else {
        place = edgeRoom_.Reserve(seen, *edge, monitor);  // refused: flush against the edge all the same
    }
    const Geometry dockedPlace = place.value_or(WithOuterSide(seen, *edge, line));
    if (locked_) {  // the lock's snap-back keeps the bar where it docked
        const Geometry bar = window_.Bounds(), now = Seen();
        held_.left = bar.left + dockedPlace.left - now.left;
        held_.top = bar.top + dockedPlace.top - now.top;
    }
    FollowOnTopOption();  // an auto-hide bar stays on top, as the taskbar does
    if (hidden_) {
        shownPlace_ = dockedPlace;
        MoveOutOfView();
    } else {
        MoveSeenTo(dockedPlace);
        HideLater();
    }
}

void Principal::OnDockingNotice(DockingNotice notice) {
    if (notice == DockingNotice::ShellRestarted) {
        edgeRoom_.ShellRestarted();  // the new shell has an empty list: the bar joins it again
        MoveInBand(topmostBand_.OnShellNotice(false));
    }
    if (!reserver_ && !masquer_) {
        return;
    }
    // After a sleep, or with a monitor come or gone, the shell may have dropped the bar from its list without a word:
    // the bar asks to join it again when it docks. A full-screen program that changes the display mode also brings
    // this notice: what the shell said of it stays, unless the shell had lost the bar.
    if (notice == DockingNotice::Resumed || notice == DockingNotice::DisplayChanged) {
        edgeRoom_.JoinAgain();
    }
    dockingPending_ = true;
    window_.StartDockingTimer();
}

void Principal::OnDockingTimer() {
    if (std::exchange(dockingPending_, false)) {
        Dock();
    }
    if (std::exchange(screensPending_, false) && screens_ != nullptr) {
        screens_->Arrange();
    }
}

// The keyboard holds the bar shown only when the user gave it (its hot key, its notification icon, a key pressed on
// it): the window system also hands it over by itself, as a program starts or one of the bar's windows closes.
bool Principal::UserWorksWithIt() const {
    return openModals_ > 0 || menuOpen_ || moving_ || filesOver_ || slotDrag_.Pressed() ||
           (keyboardGiven_ && window_.HasKeyboard());
}

void Principal::OnKeyboardUsed() {
    keyboardGiven_ = true;
}

void Principal::HideLater() {
    if (hideEdge_ && !hidden_) {
        window_.SetHideTimer(true);  // the delay starts afresh
        pointerSeenOver_ = false;
    }
}

// Word that the pointer left comes only from a watch asked for as the pointer moves over the bar, and a menu or a
// capture ends it: the timer keeps looking while the bar is shown, and the bar hides a full tick after the pointer was
// last seen on it.
void Principal::OnHideTimer() {
    if (!window_.HasKeyboard()) {
        keyboardGiven_ = false;  // gone elsewhere: the next time the window system hands it back, it is not the user's
    }
    if (!hideEdge_ || hidden_) {
        window_.SetHideTimer(false);
        return;
    }
    const bool over = window_.PointerOver();
    if (std::exchange(pointerSeenOver_, over) || over || UserWorksWithIt()) {
        return;  // looked at again at the next tick
    }
    window_.SetHideTimer(false);
    Hide();
}

void Principal::Hide() {
    shownPlace_ = Seen();
    hidden_ = true;
    keyboardGiven_ = false;
    MoveOutOfView();
}

// Past the edge, a strip of 2 pixels left inside the work area; where the taskbar lies beyond, the bar goes under it
// in the topmost band, so that it never covers the taskbar's buttons.
void Principal::MoveOutOfView() {
    constexpr float kStripPixels = 2;
    const bool before = *hideEdge_ == ScreenEdge::Left || *hideEdge_ == ScreenEdge::Top;
    const Geometry shown = ShownPlace();
    const float out = (horizontal_ ? shown.height : shown.width) - kStripPixels * platform_.ScreenPixel();
    MoveSeenTo(WithOuterSide(shown, *hideEdge_, hideLine_ + (before ? -out : out)));
    if (hidesOverTaskbar_ && !underTaskbar_ && !topmostBand_.SteppedAside()) {
        window_.StandBelowTaskbar();
        underTaskbar_ = true;
    } else if (!hidesOverTaskbar_ && underTaskbar_) {
        TakeTopOfBand();
    }
}

void Principal::ShowWhole() {
    const Geometry shown = ShownPlace();
    hidden_ = false;
    MoveSeenTo(shown);
    if (underTaskbar_) {
        TakeTopOfBand();
    }
}

void Principal::TakeTopOfBand() {
    underTaskbar_ = false;
    if (!topmostBand_.SteppedAside()) {
        window_.MakeTopmost();
    }
}

void Principal::Reveal() {
    if (!hidden_) {
        return;
    }
    ShowWhole();
    HideLater();
}

void Principal::OnPointerOver() {
    Reveal();
}

void Principal::OnPointerLeft() {
    HideLater();
}

void Principal::OnMoveSizeLoop(bool running) {
    moving_ = running;
    running ? Reveal() : HideLater();
}

void Principal::PopupMenu(bool proposIsDefault, std::optional<PixelPoint> at) {
    menuOpen_ = true;
    window_.PopupMenuAide(proposIsDefault, at);
    menuOpen_ = false;
    HideLater();
}

}  // namespace zudav
