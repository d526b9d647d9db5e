// The bar's items moved on the bar itself: a slot's item dragged onto another slot, or moved one place from the
// keyboard, by the configuration window's rule.
#include "bar/accessible_names.h"
#include "bar/principal.h"

namespace zudav {

void Principal::OnSlotPress(int slot, PixelPoint at) {
    slotDrag_.Press(slot, at, KindOf(slot) != SlotKind::Free);
}

// While the item is dragged, the highlight shows where it would go: the cell it left loses the hover's.
bool Principal::OnSlotPointerMove(PixelPoint at, DragDistance distance, std::optional<int> under) {
    const bool wasDragging = slotDrag_.Dragging();
    if (!slotDrag_.Move(at, distance, under)) {
        return false;
    }
    if (!wasDragging) {
        window_.SetCellBorder(*slotDrag_.From(), false);
    }
    HighlightDragSlot(slotDrag_.Target());
    return true;
}

std::optional<int> Principal::OnSlotRelease(std::optional<int> under) {
    if (!slotDrag_.Pressed()) {
        return std::nullopt;
    }
    if (slotDrag_.Dragging()) {
        HighlightDragSlot(std::nullopt);
    }
    const SlotDragEnd end = slotDrag_.Release(under);
    HideLater();  // an auto-hide bar stayed shown while the button was down
    if (end.action == SlotDragEnd::Action::Exchange) {
        MoveItem(end.from, end.to);
    }
    return end.action == SlotDragEnd::Action::Launch ? std::optional<int>(end.from) : std::nullopt;
}

// As a release over no slot: nothing happens.
void Principal::CancelSlotPress() {
    OnSlotRelease(std::nullopt);
}

bool Principal::MoveItem(int from, int to) {
    if (from == to || KindOf(from) == SlotKind::Free) {
        return false;
    }
    window_.Announce(ExchangeAnnouncement(from, to, KindOf(to) == SlotKind::Free));
    model_.ExchangeItems(from, to);
    return true;
}

}  // namespace zudav
