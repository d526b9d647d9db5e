// A bar shown on every screen: where each of its other windows stands, which windows the screens that come and go
// open and close, and which window the bar's hot key, its icon and a second start bring back.
#pragma once

#include <optional>
#include <vector>

#include "bar/desktop_toolbar.h"
#include "platform/geometry.h"

namespace zudav {

// A screen as the bar sees it: its work area (pixels of the virtual screen) and its DPI.
struct ScreenArea {
    PixelRect work;
    int dpi = 96;
};

// The place of a window of the bar on `to` that stands where `own` stands on `from`: at the same edge and the same
// offset along it when docked there, at the same offset from the work area's top-left corner when floating, both
// sizes and offsets at `to`'s DPI; then inside `to`'s work area (the bar's fitting makes a bar still too long
// thinner).
PixelRect PlaceOnScreen(const PixelRect& own,
                        const ScreenArea& from,
                        std::optional<ScreenEdge> docked,
                        const ScreenArea& to);

// What the screens now known ask of the bar's windows: the screens that get a window (indexes into `screens`), the
// windows that close (indexes into `shown`, the screens the windows stand on now), and the screen the bar's own
// window moves to when its screen went (the primary). `primary` indexes `screens`; `own` indexes `shown`.
struct ScreenChanges {
    std::vector<int> open;
    std::vector<int> close;
    std::optional<int> ownMovesTo;
};
ScreenChanges ChangesForScreens(const std::vector<PixelRect>& shown,
                                int own,
                                const std::vector<PixelRect>& screens,
                                int primary);

// The window the hot key, the notification icon or a second start bring back: the one on the screen that holds
// `point` (the pointer, or the foreground window's middle for the hot key); the bar's own window (index 0) when none.
int WindowToBringBack(const std::vector<PixelRect>& windowScreens, PixelPoint point);

}  // namespace zudav
