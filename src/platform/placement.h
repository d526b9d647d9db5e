// Where the program's secondary windows open: beside the window they belong to, wholly inside the work area of its
// monitor. Any unit, as long as all the rectangles share it (the views use the window system's pixels).
#pragma once

#include "platform/geometry.h"

namespace zudav {

// The window (only its size counts) beside `owner`: right of an upright owner, else left of it; below a lying one,
// else above it; 40 units along the owner from its first corner. Where neither side has room, the window is moved
// inside the work area, over the owner.
Geometry PlaceBeside(const Geometry& owner, const Geometry& window, const Geometry& workArea);

// The window moved (not resized) into the work area; one larger than the area stands at its left or top edge.
Geometry KeepInside(Geometry window, const Geometry& workArea);

}  // namespace zudav
