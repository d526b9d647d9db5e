// Keeping the bar where the user can see it: a bar whose place lies on no monitor (a monitor unplugged, a
// resolution lowered, a place edited by hand) is brought into the nearest monitor's work area.
#pragma once

#include <optional>
#include <vector>

#include "platform/geometry.h"

namespace zudav {

// The place the bar takes, its size kept: inside the nearest work area, or at that area's top-left corner when it
// is larger than the area. Nothing when some of the bar lies on a work area: a bar partly off the screen (as the
// presets and the layout allow) stays where it is.
std::optional<Geometry> PlaceOnAScreen(const Geometry& bar, const std::vector<Geometry>& workAreas);

}  // namespace zudav
