#include "platform/placement.h"

#include <algorithm>

namespace zudav {
namespace {

constexpr float kGap = 8;     // between the owner and the window
constexpr float kAlong = 40;  // from the owner's corner, along its long side

// One axis: after the owner (from `start` to `end`), else before it, else wherever the area puts it.
float BesideOnAxis(float start, float end, float size, float areaStart, float areaEnd) {
    if (end + kGap + size <= areaEnd) {
        return end + kGap;
    }
    if (start - kGap - size >= areaStart) {
        return start - kGap - size;
    }
    return start;  // KeepInside brings it in
}

}  // namespace

Geometry KeepInside(Geometry window, const Geometry& area) {
    window.left = std::max(area.left, std::min(window.left, area.left + area.width - window.width));
    window.top = std::max(area.top, std::min(window.top, area.top + area.height - window.height));
    return window;
}

Geometry PlaceBeside(const Geometry& owner, const Geometry& window, const Geometry& area) {
    Geometry placed = window;
    if (owner.height >= owner.width) {
        placed.left =
            BesideOnAxis(owner.left, owner.left + owner.width, window.width, area.left, area.left + area.width);
        placed.top = owner.top + kAlong;
    } else {
        placed.top = BesideOnAxis(owner.top, owner.top + owner.height, window.height, area.top, area.top + area.height);
        placed.left = owner.left + kAlong;
    }
    return KeepInside(placed, area);
}

}  // namespace zudav
