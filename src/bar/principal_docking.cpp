// The bar at an edge of its monitor: its room there, negotiated with the shell.
#include <algorithm>
#include <utility>

#include "bar/on_screen.h"
#include "bar/principal.h"
#include "bar/settings/conversions.h"

namespace zudav {

void Principal::ReadEdgeOptions() {
    const auto value = settings_.ReadNumber(keys::kReserver, L"0");
    reserver_ = value && *value == 1;
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
    if (window_.IsMinimized()) {
        return;  // docked again once restored
    }
    const std::optional<ScreenEdge> edge = reserver_ ? DockedAt() : std::nullopt;
    if (!edge) {
        edgeRoom_.GiveBack();
        return;
    }
    const Geometry seen = Seen();
    const Geometry monitor = platform_.MonitorAt(seen);
    std::optional<Geometry> place = edgeRoom_.Reserve(seen, *edge, monitor);
    if (!place) {  // the shell refused: flush against the work area's edge all the same
        const Geometry area = WorkAreaOf(seen, platform_.WorkAreas()).value_or(monitor);
        place = WithOuterSide(seen, *edge, OuterSide(area, *edge));
    }
    MoveSeenTo(*place);
    if (Block) {  // the lock's snap-back keeps the bar in its room
        const Geometry bar = window_.Bounds();
        GranX = bar.left;
        GranY = bar.top;
    }
}

void Principal::OnDockingNotice(DockingNotice notice) {
    if (notice == DockingNotice::ShellRestarted) {
        edgeRoom_.ShellRestarted();  // the new shell has an empty list: the bar joins it again
    }
    if (!edgeRoom_.Registered() && !reserver_) {
        return;
    }
    dockingPending_ = true;
    window_.StartDockingTimer();
}

void Principal::OnDockingTimer() {
    if (std::exchange(dockingPending_, false)) {
        Dock();
    }
}

}  // namespace zudav
