#include "bar/accessible_names.h"

#include "bar/slot_geometry.h"
#include "platform/paths.h"

namespace zudav {
namespace {

AccessibleElement DescribeSlot(int slot, const SlotItem& item) {
    switch (item.kind) {
        case SlotKind::Free:
            // A left click on a free slot only beeps: its action is the item editor, on the context key.
            return {L"Emplacement libre " + std::to_wstring(slot + 1), ElementRole::PushButton, L""};
        case SlotKind::Program:
        case SlotKind::Document:
            break;
    }
    return {item.tooltip.empty() ? FileNameOf(item.path) : item.tooltip, ElementRole::PushButton,
            item.kind == SlotKind::Document ? L"Ouvrir" : L"Lancer"};
}

}  // namespace

AccessibleElement DescribeElement(int element, const std::array<SlotItem, keys::kItemCount>& slots) {
    if (const auto slot = SlotOf(element)) {
        return DescribeSlot(*slot, slots[*slot]);
    }
    if (element == kActionElement) {
        return {L"Action", ElementRole::MenuButton, L"Ouvrir"};
    }
    return {L"Arr\u00eater", ElementRole::PushButton, L"Appuyer"};
}

}  // namespace zudav
