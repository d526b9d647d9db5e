// A left press on a slot of the bar (its cell or its icon box), followed until the button comes up: a click, which
// starts the slot's item on the release as a button acts, or the item dragged onto another slot, which exchanges the
// two. The view hands it the pointer in client pixels and the slot under it; it decides.
#pragma once

#include <optional>

#include "platform/geometry.h"

namespace zudav {

// How far the pointer may go from the press on either side before the press becomes a drag: the window system's
// SM_CXDRAG and SM_CYDRAG at the bar's DPI.
struct DragDistance {
    int x = 4;
    int y = 4;
};

// What the release does.
struct SlotDragEnd {
    enum class Action { Nothing, Launch, Exchange };
    Action action = Action::Nothing;
    int from = -1;  // the pressed slot
    int to = -1;    // the slot the item goes to (Exchange)
};

class SlotDrag {
  public:
    // movable: the slot holds an item; a free slot's empty picture stays where it is.
    void Press(int slot, PixelPoint at, bool movable);
    // The pointer moved with the button down, onto a slot or none (beside the slots, outside the window). True while
    // the item is dragged: once past the distance, it stays dragged until the release, wherever the pointer goes.
    bool Move(PixelPoint at, DragDistance distance, std::optional<int> under);
    // The button came up over a slot or none. A press that never became a drag is a click only over its own slot; a
    // drag never starts the item, and moves it only onto another slot.
    SlotDragEnd Release(std::optional<int> under);
    // Escape, or the capture lost: nothing happens.
    void Cancel() { *this = {}; }

    bool Pressed() const { return pressed_.has_value(); }
    bool Dragging() const { return dragging_; }
    std::optional<int> From() const { return pressed_; }
    // Where a release now would take the item.
    std::optional<int> Target() const;

  private:
    std::optional<int> pressed_;
    PixelPoint at_;
    bool movable_ = false;
    bool dragging_ = false;
    std::optional<int> under_;
};

}  // namespace zudav
