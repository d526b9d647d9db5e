// A slot's item dragged onto another slot, as the view sees it: the slot under the pointer, the window system's drag
// distance, and the item's picture under the pointer. What the drag does, the logic decides (Principal::OnSlotPress).
#include "bar/win32/bar_view.h"
// After bar_view.h, which includes windows.h.
#include <commctrl.h>

#include <utility>

#include "platform/win32/twips.h"
#include "platform/win32/window_look.h"

namespace zudav::win32 {

// With the capture, the bar hears the pointer over every window: a dragged item's slot counts only where nothing
// covers the bar (the dragged picture, which lets the pointer through, and the bar's tooltip do not). A click is the
// bar's own, as a button's release over itself.
std::optional<int> BarView::SlotUnder(int x, int y) const {
    const BarHit hit = HitTest(parts_, x, y);
    if (hit.part != BarPart::Cell && hit.part != BarPart::Icon) {
        return std::nullopt;
    }
    if (principal_ == nullptr || !principal_->DraggingItem()) {
        return hit.slot;
    }
    POINT at{x, y};
    ClientToScreen(window_, &at);
    const HWND over = WindowFromPoint(at);
    const bool seen = over == window_ || over == tooltip_ || (dragPicture_ && over == dragPicture_->Window());
    return seen ? std::optional<int>(hit.slot) : std::nullopt;
}

DragDistance BarView::DragDistanceNow() const {
    const int dpi = WindowDpi(window_);
    return {SystemMetricAtDpi(SM_CXDRAG, dpi), SystemMetricAtDpi(SM_CYDRAG, dpi)};
}

// The slots' tooltips would cover the picture and the cells: they are off while the button is down, and one that a
// hover had already asked for before (Wine's shows all the same) goes at the next move.
void BarView::PressSlot(int slot, POINT at) {
    principal_->OnSlotPress(slot, {at.x, at.y});
    SendMessageW(tooltip_, TTM_ACTIVATE, FALSE, 0);
    tipsOff_ = true;
}

void BarView::ShowDraggedItem(int slot, POINT at) {
    SendMessageW(tooltip_, TTM_POP, 0, 0);
    if (dragPicture_) {
        dragPicture_->Follow(at);
        return;
    }
    const PixelRect& box = parts_.icons[slot];
    const Palette palette = ProgramPalette();
    dragPicture_.emplace(instance_, window_, pictures_[slot], RECT{box.left, box.top, box.right, box.bottom}, at,
                         ColourOf(palette.face), ColourOf(palette.hoverFrame));
}

void BarView::EndSlotPress() {
    dragPicture_.reset();
    if (std::exchange(tipsOff_, false)) {
        SendMessageW(tooltip_, TTM_ACTIVATE, TRUE, 0);
    }
}

void BarView::CancelSlotPress() {
    if (principal_ != nullptr) {
        principal_->CancelSlotPress();
    }
    pressed_.reset();
    EndSlotPress();
}

}  // namespace zudav::win32
