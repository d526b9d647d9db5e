// Sizing the bar with the pointer, by a border or a corner of its window: the bar keeps the layout's shape (its length
// follows from its thickness) and the edges the user does not drag stay where they are.
#pragma once

#include "platform/geometry.h"

namespace zudav {

// The border or corner the user drags.
enum class SizingBorder { Left, Right, Top, Bottom, TopLeft, TopRight, BottomLeft, BottomRight };

// The window's rectangle, in pixels of the screen at the window's DPI, for the one the window system proposes as the
// user drags `border` (the dragged edges moved, the others where they were):
// - the thickness follows the dragged edge across the bar (a vertical bar's left or right, a horizontal bar's top or
//   bottom; at a corner, that one), or else the length the user drags, as the thickest bar no longer than that;
// - the length follows from the thickness;
// - every edge the user does not drag stays, but where the thickness or the length moves one that nobody drags: that is
//   the bar's far side (a vertical bar's right or bottom, a horizontal bar's bottom or right).
// The bar grows only as far as `room` reaches (its work area, and its invisible frame beyond) and is never thinner than
// cells of 16 pixels.
PixelRect SizedByBorder(bool horizontal,
                        SizingBorder border,
                        const PixelRect& proposed,
                        const PixelRect& room,
                        int dpi);

}  // namespace zudav
