#include "bar/docking.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace zudav {
namespace {

bool Vertical(ScreenEdge edge) {
    return edge == ScreenEdge::Left || edge == ScreenEdge::Right;
}

float Thickness(const Geometry& rect, ScreenEdge edge) {
    return Vertical(edge) ? rect.width : rect.height;
}

// The rectangle's side away from the edge set at its thickness from its outer side.
Geometry WithThickness(Geometry rect, ScreenEdge edge, float thickness) {
    const float outer = OuterSide(rect, edge);
    Vertical(edge) ? rect.width = thickness : rect.height = thickness;
    return WithOuterSide(rect, edge, outer);
}

// Along the edge: the bar's span kept inside the room's.
Geometry AlongInside(Geometry bar, const Geometry& room, ScreenEdge edge) {
    float& start = Vertical(edge) ? bar.top : bar.left;
    const float length = Vertical(edge) ? bar.height : bar.width;
    const float roomStart = Vertical(edge) ? room.top : room.left;
    const float roomLength = Vertical(edge) ? room.height : room.width;
    start = std::max(roomStart, std::min(start, roomStart + roomLength - length));
    return bar;
}

}  // namespace

float OuterSide(const Geometry& rect, ScreenEdge edge) {
    switch (edge) {
        case ScreenEdge::Left:
            return rect.left;
        case ScreenEdge::Top:
            return rect.top;
        case ScreenEdge::Right:
            return rect.left + rect.width;
        default:
            return rect.top + rect.height;
    }
}

Geometry WithOuterSide(Geometry rect, ScreenEdge edge, float at) {
    switch (edge) {
        case ScreenEdge::Left:
            rect.left = at;
            break;
        case ScreenEdge::Top:
            rect.top = at;
            break;
        case ScreenEdge::Right:
            rect.left = at - rect.width;
            break;
        default:
            rect.top = at - rect.height;
            break;
    }
    return rect;
}

std::optional<ScreenEdge> DockedEdge(const Geometry& bar,
                                     bool horizontal,
                                     const Geometry& monitor,
                                     const Geometry& workArea,
                                     const EdgeTolerances& tolerances,
                                     const std::optional<HeldRoom>& held) {
    const std::pair<ScreenEdge, float> candidates[] = {
        {horizontal ? ScreenEdge::Top : ScreenEdge::Left, horizontal ? tolerances.top : tolerances.left},
        {horizontal ? ScreenEdge::Bottom : ScreenEdge::Right, horizontal ? tolerances.bottom : tolerances.right},
    };
    std::optional<ScreenEdge> docked;
    float nearest = 0;
    for (const auto& [edge, tolerance] : candidates) {
        const float side = OuterSide(bar, edge);
        float distance =
            std::min(std::fabs(side - OuterSide(monitor, edge)), std::fabs(side - OuterSide(workArea, edge)));
        if (held && held->edge == edge) {
            distance = std::min(distance, std::fabs(side - OuterSide(held->room, edge)));
        }
        if (distance <= tolerance && (!docked || distance < nearest)) {
            docked = edge;
            nearest = distance;
        }
    }
    return docked;
}

bool EdgeTouchesAnotherMonitor(const Geometry& bar,
                               ScreenEdge edge,
                               const Geometry& monitor,
                               const std::vector<Geometry>& monitors) {
    constexpr float kSameLine = 1;  // twips: monitors adjoin at whole pixels
    const ScreenEdge facing = static_cast<ScreenEdge>((static_cast<int>(edge) + 2) % 4);
    const float line = OuterSide(monitor, edge);
    const float start = Vertical(edge) ? bar.top : bar.left;
    const float end = start + (Vertical(edge) ? bar.height : bar.width);
    for (const Geometry& other : monitors) {
        const float otherStart = Vertical(edge) ? other.top : other.left;
        const float otherEnd = otherStart + (Vertical(edge) ? other.height : other.width);
        if (!(other == monitor) && std::fabs(OuterSide(other, facing) - line) < kSameLine &&
            std::min(end, otherEnd) > std::max(start, otherStart)) {
            return true;
        }
    }
    return false;
}

// The shell refuses a toolbar it still lists: one it takes had lost the bar, and with it the room or the edge it held.
void EdgeRoom::JoinAgainIfAsked() {
    if (!std::exchange(joinAgain_, false)) {
        return;
    }
    refused_ = false;
    if (registered_ && shell_.Register()) {
        room_.reset();
        autoHide_ = false;
        rejoined_ = true;
    }
}

bool EdgeRoom::Join() {
    if (!registered_ && !refused_) {
        registered_ = shell_.Register();
        refused_ = !registered_;
    }
    return registered_;
}

std::optional<Geometry> EdgeRoom::Reserve(const Geometry& bar, ScreenEdge edge, const Geometry& monitor) {
    JoinAgainIfAsked();
    if (autoHide_) {
        GiveBack();  // an auto-hide toolbar holds no room: it joins again as another
    }
    if (!Join()) {
        return std::nullopt;
    }
    const float thickness = Thickness(bar, edge);
    // The documented order: the monitor's whole edge proposed, the shell's answer given the bar's thickness again
    // from the outer side it chose, then taken.
    const Geometry queried =
        WithThickness(shell_.QueryPlace(edge, WithThickness(monitor, edge, thickness)), edge, thickness);
    if (!room_ || edge_ != edge || !(queried == *room_)) {
        const Geometry answer = shell_.SetPlace(edge, queried);
        if (answer.width <= 0 || answer.height <= 0) {
            GiveBack();  // no room left on that edge: the bar docks by itself
            return std::nullopt;
        }
        room_ = answer;
        edge_ = edge;
    }
    return AlongInside(WithOuterSide(bar, edge, OuterSide(*room_, edge)), *room_, edge);
}

bool EdgeRoom::HideAt(ScreenEdge edge, const Geometry& monitor) {
    JoinAgainIfAsked();
    if (room_) {
        GiveBack();  // the room goes back before the bar hides
    }
    if (autoHide_ && (edge_ != edge || !(hideMonitor_ == monitor))) {
        shell_.SetAutoHide(edge_, hideMonitor_, false);
        autoHide_ = false;
    }
    if (!autoHide_ && Join()) {
        autoHide_ = shell_.SetAutoHide(edge, monitor, true);
        edge_ = edge;
        hideMonitor_ = monitor;
    }
    return autoHide_;
}

void EdgeRoom::GiveBack() {
    if (autoHide_) {
        shell_.SetAutoHide(edge_, hideMonitor_, false);
    }
    if (registered_) {
        shell_.Unregister();
    }
    registered_ = autoHide_ = false;
    room_.reset();
}

void EdgeRoom::ShellRestarted() {
    registered_ = refused_ = autoHide_ = false;
    room_.reset();
}

std::optional<HeldRoom> EdgeRoom::Held() const {
    return room_ ? std::optional<HeldRoom>(HeldRoom{edge_, *room_}) : std::nullopt;
}

}  // namespace zudav
