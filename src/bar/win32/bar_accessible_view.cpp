// BarView as the screen readers see it through its accessible objects: its elements, their places and the keyboard's
// focus among them, the answers to WM_GETOBJECT and the default actions they ask for.
#include "bar/win32/bar_view.h"

#include "bar/win32/bar_ids.h"

namespace zudav::win32 {

AccessibleElement BarView::Element(int element) const {
    return DescribeElement(element, items_, IsWindowEnabled(window_) != FALSE, running_);
}

RECT BarView::ElementPlace(int element) const {
    const PixelRect place = ElementRect(parts_, element);
    return {place.left, place.top, place.right, place.bottom};
}

std::optional<int> BarView::ElementAt(POINT client) const {
    return ElementOf(HitTest(parts_, client.x, client.y));
}

std::optional<int> BarView::KeyboardFocus() const {
    return GetFocus() == window_ ? std::optional<int>(focus_) : std::nullopt;
}

void BarView::FocusElement(int element) {
    SetFocus(window_);
    MoveFocus(element);
}

void BarView::PostDefaultAction(int element) {
    PostMessageW(window_, kDefaultActionMessage, static_cast<WPARAM>(element), 0);
}

BarAutomation* BarView::Automation() {
    if (!automation_ && window_ != nullptr) {
        automation_.Reset(BarAutomation::Make(*this));
    }
    return automation_.Get();
}

void BarView::Announce(const std::wstring& text) {
    if (BarAutomation* automation = Automation()) {
        automation->Announce(text);
    }
}

LRESULT BarView::AnswerAccessibility(WPARAM wParam, LPARAM lParam) {
    if (static_cast<DWORD>(lParam) == static_cast<DWORD>(UiaRootObjectId)) {
        BarAutomation* automation = Automation();
        return automation != nullptr ? automation->Answer(wParam, lParam) : 0;
    }
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) {
        return 0;  // the frame, the caption and the rest are the window system's
    }
    if (!accessible_) {
        accessible_.Reset(new BarAccessible(*this));
    }
    return accessible_.Get()->Answer(wParam);
}

BarView::Answer BarView::OnGetObject(WPARAM flags, LPARAM objectId) {
    if (const LRESULT answer = AnswerAccessibility(flags, objectId)) {
        return answer;
    }
    return std::nullopt;
}

BarView::Answer BarView::OnDefaultAction(WPARAM element) {
    if (element < static_cast<WPARAM>(kElementCount)) {
        Activate(static_cast<int>(element));
    }
    return 0;
}

}  // namespace zudav::win32
