// Where a running bar draws its slots and "Arrêter", in pixels of its client area, for the programs that drive a bar
// from outside (the end-to-end scenarios, the drag and probe tools, the benchmarks): the bar's own layout rule and
// pixel conversion applied to the size of its window. A bar lays itself out from its thickness, so a horizontal bar
// is the one whose client area is wider than high.
#pragma once

#include <windows.h>

#include "bar/layout.h"
#include "bar/slot_geometry.h"

namespace zudav_tools {

// The places at the given DPI, the bar's own.
inline zudav::BarPixels BarPlaces(HWND bar, int dpi) {
    RECT window{}, client{};
    GetWindowRect(bar, &window);
    GetClientRect(bar, &client);
    const float width = zudav::PixelsToTwips(window.right - window.left, dpi);
    zudav::BarControls controls;
    zudav::LayOut(client.right > client.bottom, width, zudav::PixelsToTwips(window.bottom - window.top, dpi), controls);
    zudav::PlaceStopImage(width, controls);
    return zudav::InPixels(controls, dpi);
}

inline zudav::BarPixels BarPlaces(HWND bar) {
    return BarPlaces(bar, static_cast<int>(GetDpiForWindow(bar)));
}

// A point of a slot's cell beside its icon box (inside its top-left corner), and the middle of its icon box.
inline POINT OnCell(const zudav::BarPixels& places, int slot) {
    return {places.cells[slot].left + 4, places.cells[slot].top + 4};
}
inline POINT Middle(const zudav::PixelRect& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

}  // namespace zudav_tools
