#include "bar/slot_geometry.h"

#include <algorithm>

namespace zudav {
namespace {

PixelRect ToPixels(const ControlRect& rect, int dpi) {
    const int left = TwipsToPixels(rect.left, dpi);
    const int top = TwipsToPixels(rect.top, dpi);
    return {left, top, left + TwipsToPixels(rect.width, dpi), top + TwipsToPixels(rect.height, dpi)};
}

PixelRect Union(const PixelRect& a, const PixelRect& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

}  // namespace

BarPixels InPixels(const BarControls& controls, int dpi) {
    BarPixels parts;
    for (int i = 0; i < kSlotCount; ++i) {
        parts.cells[i] = ToPixels(controls.cells[i], dpi);
        parts.icons[i] = ToPixels(controls.pictures[i], dpi);
    }
    parts.action = ToPixels(controls.label, dpi);
    parts.stop = ToPixels(controls.stopImage, dpi);
    return parts;
}

bool Contains(const PixelRect& rect, int x, int y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

BarHit HitTest(const BarPixels& parts, int x, int y) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (Contains(parts.icons[slot], x, y)) {
            return {BarPart::Icon, slot};
        }
    }
    if (Contains(parts.action, x, y)) {
        return {BarPart::Action};
    }
    if (Contains(parts.stop, x, y)) {
        return {BarPart::Stop};
    }
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (Contains(parts.cells[slot], x, y)) {
            return {BarPart::Cell, slot};
        }
    }
    return {};
}

PixelRect PartRect(const BarPixels& parts, const BarHit& hit) {
    switch (hit.part) {
        case BarPart::Cell:
            return parts.cells[hit.slot];
        case BarPart::Icon:
            return parts.icons[hit.slot];
        case BarPart::Action:
            return parts.action;
        case BarPart::Stop:
            return parts.stop;
        case BarPart::Background:
            break;
    }
    return {};
}

std::optional<int> SlotOf(int element) {
    if (element > kActionElement && element < kStopElement) {
        return element - 1;
    }
    return std::nullopt;
}

std::optional<int> ElementOf(const BarHit& hit) {
    switch (hit.part) {
        case BarPart::Cell:
        case BarPart::Icon:
            return SlotElement(hit.slot);
        case BarPart::Action:
            return kActionElement;
        case BarPart::Stop:
            return kStopElement;
        case BarPart::Background:
            break;
    }
    return std::nullopt;
}

PixelRect ElementRect(const BarPixels& parts, int element) {
    if (const auto slot = SlotOf(element)) {
        return Union(parts.cells[*slot], parts.icons[*slot]);
    }
    return element == kActionElement ? parts.action : parts.stop;
}

}  // namespace zudav
