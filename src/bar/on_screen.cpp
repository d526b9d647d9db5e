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

// How much of the rectangle lies on the area, along one axis.
double Overlap(double start, double length, double areaStart, double areaLength) {
    return std::max(0.0, std::min(start + length, areaStart + areaLength) - std::max<double>(start, areaStart));
}

}  // namespace

std::optional<Geometry> WorkAreaOf(const Geometry& rect, const std::vector<Geometry>& workAreas) {
    const Geometry* found = nullptr;
    double mostShared = 0;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (const Geometry& area : workAreas) {
        const double shared = Overlap(rect.left, rect.width, area.left, area.width) *
                              Overlap(rect.top, rect.height, area.top, area.height);
        const double distance = std::hypot(Gap(rect.left, rect.width, area.left, area.width),
                                           Gap(rect.top, rect.height, area.top, area.height));
        if (shared > mostShared || (mostShared == 0 && shared == 0 && distance < nearestDistance)) {
            mostShared = shared;
            nearestDistance = distance;
            found = &area;
        }
    }
    return found == nullptr ? std::nullopt : std::optional<Geometry>(*found);
}

std::optional<Geometry> PlaceOnAScreen(const Geometry& bar, const std::vector<Geometry>& workAreas) {
    const std::optional<Geometry> area = WorkAreaOf(bar, workAreas);
    return area ? std::optional<Geometry>(KeepInside(bar, *area)) : std::nullopt;
}

}  // namespace zudav
