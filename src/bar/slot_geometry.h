// Where the bar's drawn parts stand in the window's client area, in pixels, and which part a point falls on. The bar
// draws its thirteen cells, their icon boxes, "Action" and "Arrêter" itself: an icon box lies above its cell, so a
// point on both is on the icon; a point on no part is on the background, which drags the bar.
#pragma once

#include <optional>

#include "bar/layout.h"
#include "platform/geometry.h"

namespace zudav {

enum class BarPart { Background, Cell, Icon, Action, Stop };

struct BarHit {
    BarPart part = BarPart::Background;
    int slot = -1;  // the slot of a cell or an icon box
};

inline bool operator==(const BarHit& a, const BarHit& b) {
    return a.part == b.part && a.slot == b.slot;
}

struct BarPixels {
    std::array<PixelRect, kSlotCount> cells{};  // CoolBar(0..12)
    std::array<PixelRect, kSlotCount> icons{};  // Picture1(0..12)
    PixelRect action;                           // Label1
    PixelRect stop;                             // Image2
};

inline bool operator==(const BarPixels& a, const BarPixels& b) {
    return a.cells == b.cells && a.icons == b.icons && a.action == b.action && a.stop == b.stop;
}

// The controls' places at a DPI: each edge as the window system would place a control of that place and size.
BarPixels InPixels(const BarControls& controls, int dpi);

bool Contains(const PixelRect& rect, int x, int y);

// The part under a point of the client area: icon boxes first, then "Action", "Arrêter" and the cells.
BarHit HitTest(const BarPixels& parts, int x, int y);

// The rectangle of a part (empty for the background).
PixelRect PartRect(const BarPixels& parts, const BarHit& hit);

// The elements of the bar in their order along it, as the keyboard and screen readers go through them: "Action",
// the thirteen slots, "Arrêter".
inline constexpr int kElementCount = kSlotCount + 2;
inline constexpr int kActionElement = 0;
inline constexpr int kStopElement = kElementCount - 1;
inline constexpr int SlotElement(int slot) {
    return slot + 1;
}
// The slot of an element, none for "Action" and "Arrêter".
std::optional<int> SlotOf(int element);
// The element a part belongs to: a slot's cell and its icon box are one element; the background is none.
std::optional<int> ElementOf(const BarHit& hit);
// Where an element stands as a whole: a slot covers its cell and its icon box.
PixelRect ElementRect(const BarPixels& parts, int element);

}  // namespace zudav
