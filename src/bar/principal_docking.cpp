// The bar at an edge of its monitor: its room there, negotiated with the shell.
#include <algorithm>
#include <utility>

#include "bar/on_screen.h"
#include "bar/principal.h"
#include "bar/settings/conversions.h"

namespace zudav {

void Principal::ReadEdgeOptions() {
    const auto reserver = settings_.ReadNumber(keys::kReserver, L"0");
    const auto masquer = settings_.ReadNumber(keys::kMasquer, L"0");
    reserver_ = reserver && *reserver == 1;
    masquer_ = masquer && *masquer == 1;
}

// Docked within 16 pixels of an edge, or within the presets' margin from it where that is larger: the side margin
// for a vertical bar, the bottom margin for a horizontal one (the top rows have none).
EdgeTolerances Principal::DockingTolerances() const {
    constexpr double kBottomMargin = 500;  // the bottom margin's text as the configuration window shows it
    const float least = 16 * platform_.ScreenPixel();
    const auto side = static_cast<float>(TypedNumber(settings_.ReadShared(keys::kMargeDx, L"100")));
    return {std::max(least, side), least, std::max(least, side), std::max(least, static_cast<float>(kBottomMargin))};
}

std::optional<ScreenEdge> Principal::DockedAt() const {
    const Geometry seen = Seen();
    const Geometry monitor = platform_.MonitorAt(seen);
    const Geometry area = WorkAreaOf(seen, platform_.WorkAreas()).value_or(monitor);
    return DockedEdge(seen, Horizon, monitor, area, DockingTolerances(), edgeRoom_.Held());
}

void Principal::Dock() {
    if (window_.IsMinimized() || hidden_) {
        return;  // docked again once restored, or shown
    }
    const std::optional<ScreenEdge> docked = DockedAt();
    window_.ShowSquareCorners(docked.has_value());  // rounded corners would leave the edge showing through
    const std::optional<ScreenEdge> edge = reserver_ || masquer_ ? docked : std::nullopt;
    hideEdge_.reset();
    autoHideRefused_ = false;
    if (!edge) {
        edgeRoom_.GiveBack();
        FollowOnTopOption();
        return;
    }
    const Geometry seen = Seen();
    const Geometry monitor = platform_.MonitorAt(seen);
    // The edge as the work area has it, or as it was before the bar reserved its room there.
    const auto held = edgeRoom_.Held();
    const float line = held && held->edge == *edge
                           ? OuterSide(held->room, *edge)
                           : OuterSide(WorkAreaOf(seen, platform_.WorkAreas()).value_or(monitor), *edge);
    std::optional<Geometry> place;
    if (masquer_) {
        autoHideRefused_ = !edgeRoom_.HideAt(*edge, monitor);  // refused: it hides by itself all the same
        hideEdge_ = edge;
        hideLine_ = line;
    } else {
        place = edgeRoom_.Reserve(seen, *edge, monitor);  // refused: flush against the edge all the same
    }
    MoveSeenTo(place.value_or(WithOuterSide(seen, *edge, line)));
    if (Block) {  // the lock's snap-back keeps the bar where it docked
        const Geometry bar = window_.Bounds();
        GranX = bar.left;
        GranY = bar.top;
    }
    FollowOnTopOption();  // an auto-hide bar stays on top, as the taskbar does
    HideLater();
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
        Reveal();  // hidden again at the edge as it is now
        Dock();
    }
}

bool Principal::UserWorksWithIt() const {
    return openModals_ > 0 || menuOpen_ || moving_ || filesOver_ || window_.HasKeyboard();
}

void Principal::HideLater() {
    if (hideEdge_ && !hidden_) {
        window_.SetHideTimer(true);
    }
}

void Principal::OnHideTimer() {
    if (!hideEdge_ || hidden_ || window_.PointerOver()) {
        window_.SetHideTimer(false);  // the pointer's leaving arms it again
        return;
    }
    if (UserWorksWithIt()) {
        return;  // looked at again at the next tick
    }
    window_.SetHideTimer(false);
    Hide();
}

void Principal::Hide() {
    constexpr float kStripPixels = 2;
    shownPlace_ = Seen();
    const bool before = *hideEdge_ == ScreenEdge::Left || *hideEdge_ == ScreenEdge::Top;
    const float out = (Horizon ? shownPlace_.height : shownPlace_.width) - kStripPixels * platform_.ScreenPixel();
    MoveSeenTo(WithOuterSide(shownPlace_, *hideEdge_, hideLine_ + (before ? -out : out)));
    hidden_ = true;
}

void Principal::Reveal() {
    if (!hidden_) {
        return;
    }
    hidden_ = false;
    MoveSeenTo(shownPlace_);
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
