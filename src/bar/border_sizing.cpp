#include "bar/border_sizing.h"

#include <algorithm>

#include "bar/layout.h"

namespace zudav {
namespace {

// The window along one axis of the screen: where it starts and ends, how far the room reaches, and which of its two
// edges the user drags.
struct Span {
    int start, end, roomStart, roomEnd;
    bool startDragged, endDragged;

    bool Dragged() const { return startDragged || endDragged; }
    // How long the window may grow from the edge that stays.
    int Room() const { return startDragged ? end - roomStart : roomEnd - start; }
    // The edge that is dragged follows the size, the other stays.
    void Resize(int size) { startDragged ? start = end - size : end = start + size; }
};

}  // namespace

PixelRect SizedByBorder(bool horizontal,
                        SizingBorder border,
                        const PixelRect& proposed,
                        const PixelRect& room,
                        int dpi) {
    using B = SizingBorder;
    const bool left = border == B::Left || border == B::TopLeft || border == B::BottomLeft;
    const bool right = border == B::Right || border == B::TopRight || border == B::BottomRight;
    const bool top = border == B::Top || border == B::TopLeft || border == B::TopRight;
    const bool bottom = border == B::Bottom || border == B::BottomLeft || border == B::BottomRight;
    const Span x{proposed.left, proposed.right, room.left, room.right, left, right};
    const Span y{proposed.top, proposed.bottom, room.top, room.bottom, top, bottom};
    Span across = horizontal ? y : x, along = horizontal ? x : y;

    const auto twips = [dpi](int pixels) { return PixelsToTwips(pixels, dpi); };
    const auto pixels = [dpi](float twips) { return TwipsToPixels(twips, dpi); };
    const auto lengthOf = [&](int thickness) { return pixels(BarLength(horizontal, twips(thickness))); };
    // The thinnest bar, in whole pixels: cells of at least 16 pixels.
    const float thinnestTwips = ThicknessForLength(horizontal, 0);
    int thinnest = pixels(thinnestTwips);
    thinnest += twips(thinnest) < thinnestTwips ? 1 : 0;

    int thickness = across.Dragged() ? across.end - across.start
                                     : pixels(ThicknessForLength(horizontal, twips(along.end - along.start)));
    // As thick as the room across allows, and no longer than the room along: in whole pixels the length rounds, and may
    // pass the room by a pixel that one pixel less of thickness takes back.
    thickness = std::min({thickness, across.Room(), pixels(ThicknessForLength(horizontal, twips(along.Room()))) + 1});
    thickness = std::max(thickness, thinnest);
    while (thickness > thinnest && lengthOf(thickness) > along.Room()) {
        --thickness;
    }
    across.Resize(thickness);
    along.Resize(lengthOf(thickness));
    return horizontal ? PixelRect{along.start, across.start, along.end, across.end}
                      : PixelRect{across.start, along.start, across.end, along.end};
}

}  // namespace zudav
