#include "bar/slot_drag.h"

#include <cstdlib>

namespace zudav {

void SlotDrag::Press(int slot, PixelPoint at, bool movable) {
    *this = {};
    pressed_ = slot;
    at_ = at;
    movable_ = movable;
    under_ = slot;
}

// The pointer may go as far as the distance on either side of the press: only beyond it does the press become a drag.
bool SlotDrag::Move(PixelPoint at, DragDistance distance, std::optional<int> under) {
    if (!pressed_) {
        return false;
    }
    under_ = under;
    if (!dragging_ && movable_ && (std::abs(at.x - at_.x) > distance.x || std::abs(at.y - at_.y) > distance.y)) {
        dragging_ = true;
    }
    return dragging_;
}

std::optional<int> SlotDrag::Target() const {
    return dragging_ && under_ != pressed_ ? under_ : std::nullopt;
}

SlotDragEnd SlotDrag::Release(std::optional<int> under) {
    under_ = under;
    SlotDragEnd end;
    if (pressed_) {
        end.from = *pressed_;
        if (const std::optional<int> target = Target()) {
            end = {SlotDragEnd::Action::Exchange, *pressed_, *target};
        } else if (!dragging_ && under == pressed_) {
            end.action = SlotDragEnd::Action::Launch;
        }
    }
    Cancel();
    return end;
}

}  // namespace zudav
