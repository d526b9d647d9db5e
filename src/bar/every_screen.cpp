#include "bar/every_screen.h"

#include <algorithm>
#include <optional>

namespace zudav {
namespace {

int Scaled(int value, int fromDpi, int toDpi) {
    return fromDpi > 0 ? (value * toDpi + fromDpi / 2) / fromDpi : value;
}

bool Contains(const PixelRect& rect, PixelPoint point) {
    return point.x >= rect.left && point.x < rect.right && point.y >= rect.top && point.y < rect.bottom;
}

bool Same(const PixelRect& a, const PixelRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

PixelRect PlaceOnScreen(const PixelRect& own,
                        const ScreenArea& from,
                        std::optional<ScreenEdge> docked,
                        const ScreenArea& to) {
    const int width = Scaled(own.right - own.left, from.dpi, to.dpi);
    const int height = Scaled(own.bottom - own.top, from.dpi, to.dpi);
    int left = to.work.left + Scaled(own.left - from.work.left, from.dpi, to.dpi);
    int top = to.work.top + Scaled(own.top - from.work.top, from.dpi, to.dpi);
    if (docked == ScreenEdge::Left) {
        left = to.work.left;
    } else if (docked == ScreenEdge::Right) {
        left = to.work.right - width;
    } else if (docked == ScreenEdge::Top) {
        top = to.work.top;
    } else if (docked == ScreenEdge::Bottom) {
        top = to.work.bottom - height;
    }
    // Inside the work area, from its top-left corner where the window is larger.
    left = std::max(to.work.left, std::min(left, to.work.right - width));
    top = std::max(to.work.top, std::min(top, to.work.bottom - height));
    return {left, top, left + width, top + height};
}

ScreenChanges ChangesForScreens(const std::vector<PixelRect>& shown,
                                int own,
                                const std::vector<PixelRect>& screens,
                                int primary) {
    ScreenChanges changes;
    const auto screenOf = [&](int window) -> std::optional<size_t> {
        for (size_t screen = 0; screen < screens.size(); ++screen) {
            if (Same(screens[screen], shown[static_cast<size_t>(window)])) {
                return screen;
            }
        }
        return std::nullopt;
    };
    std::vector<bool> covered(screens.size(), false);
    // The bar's own window first: it never closes. It goes to the primary screen when its own went, and stays where
    // it is when no screen is known.
    if (own >= 0 && own < static_cast<int>(shown.size())) {
        if (const auto screen = screenOf(own)) {
            covered[*screen] = true;
        } else if (!screens.empty()) {
            const int to = primary >= 0 && primary < static_cast<int>(screens.size()) ? primary : 0;
            changes.ownMovesTo = to;
            covered[static_cast<size_t>(to)] = true;
        }
    }
    // Every other window keeps a screen of its own; one whose screen went, or that stands where another does, closes.
    for (int window = 0; window < static_cast<int>(shown.size()); ++window) {
        if (window == own) {
            continue;
        }
        const auto screen = screenOf(window);
        if (screen && !covered[*screen]) {
            covered[*screen] = true;
        } else {
            changes.close.push_back(window);
        }
    }
    for (size_t screen = 0; screen < screens.size(); ++screen) {
        if (!covered[screen]) {
            changes.open.push_back(static_cast<int>(screen));
        }
    }
    return changes;
}

int WindowToBringBack(const std::vector<PixelRect>& windowScreens, PixelPoint point) {
    for (size_t window = 0; window < windowScreens.size(); ++window) {
        if (Contains(windowScreens[window], point)) {
            return static_cast<int>(window);
        }
    }
    return 0;
}

}  // namespace zudav
