#include "bar/on_screen.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/placement.h"

namespace zudav {
namespace {

// How far the rectangle stands from the area, along one axis: 0 when they overlap on it.
double Gap(double start, double length, double areaStart, double areaLength) {
    return std::max({0.0, areaStart - (start + length), start - (areaStart + areaLength)});
}

bool Overlaps(const Geometry& bar, const Geometry& area) {
    return bar.left < area.left + area.width && area.left < bar.left + bar.width && bar.top < area.top + area.height &&
           area.top < bar.top + bar.height;
}

}  // namespace

std::optional<Geometry> PlaceOnAScreen(const Geometry& bar, const std::vector<Geometry>& workAreas) {
    const Geometry* nearest = nullptr;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (const Geometry& area : workAreas) {
        if (Overlaps(bar, area)) {
            return std::nullopt;
        }
        const double distance = std::hypot(Gap(bar.left, bar.width, area.left, area.width),
                                           Gap(bar.top, bar.height, area.top, area.height));
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = &area;
        }
    }
    if (nearest == nullptr) {
        return std::nullopt;  // no monitor known: nowhere better to go
    }
    return KeepInside(bar, *nearest);
}

}  // namespace zudav
