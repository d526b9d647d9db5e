// Keeping the bar where the user can see it: wholly inside the work area of its monitor, after a monitor is unplugged,
// a resolution lowered, a place edited by hand, a preset or a change of orientation.
#pragma once

#include <optional>
#include <vector>

#include "platform/geometry.h"

namespace zudav {

// The work area a rectangle belongs to: the one it overlaps most, else the nearest; nothing when none is known.
std::optional<Geometry> WorkAreaOf(const Geometry& rect, const std::vector<Geometry>& workAreas);

// The place the bar takes, its size kept: inside the work area of its monitor, or at that area's left or top edge
// where it is larger than the area. Nothing when no monitor is known.
std::optional<Geometry> PlaceOnAScreen(const Geometry& bar, const std::vector<Geometry>& workAreas);

}  // namespace zudav
