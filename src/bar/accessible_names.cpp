#include "bar/accessible_names.h"

#include "bar/settings/conversions.h"
#include "bar/slot_geometry.h"
#include "platform/paths.h"

namespace zudav {
namespace {

AccessibleElement DescribeSlot(int slot, const SlotItem& item) {
    AccessibleElement described;
    described.help = item.path;
    described.positionInSet = slot + 1;
    described.sizeOfSet = kSlotCount;
    switch (item.kind) {
        case SlotKind::Free:
            // A left click on a free slot only beeps: its action is the item editor, on the context key. Invoked, it
            // beeps as the click does.
            described.name = L"Emplacement libre " + IntegerToText(slot + 1);
            return described;
        case SlotKind::Menu:
            described.role = ElementRole::MenuButton;
            described.pattern = ElementPattern::ExpandCollapse;  // it opens the folder's menu
            break;
        case SlotKind::Program:
        case SlotKind::Document:
            break;
    }
    described.name = item.tooltip.empty() ? FileNameOf(item.path) : item.tooltip;
    described.defaultAction = item.kind == SlotKind::Document ? L"Ouvrir"
                              : item.kind == SlotKind::Menu   ? L"Afficher le contenu"
                                                              : L"Lancer";
    return described;
}

}  // namespace

AccessibleElement DescribeElement(int element,
                                  const std::array<SlotItem, kSlotCount>& slots,
                                  bool enabled,
                                  const std::bitset<kSlotCount>& running) {
    AccessibleElement described;
    if (const auto slot = SlotOf(element)) {
        described = DescribeSlot(*slot, slots[*slot]);
        if (running[static_cast<size_t>(*slot)] && slots[*slot].kind != SlotKind::Free) {
            described.status = L"ouvert";
        }
    } else if (element == kActionElement) {
        described.name = L"Action";
        described.role = ElementRole::MenuButton;
        described.defaultAction = L"Ouvrir";
        described.pattern = ElementPattern::ExpandCollapse;  // it opens the menu "Fichier"
    } else {
        described.name = L"Arr\u00eater";
        described.defaultAction = L"Appuyer";
    }
    described.enabled = enabled;
    return described;
}

std::wstring ExchangeAnnouncement(int from, int to, bool toWasFree) {
    const std::wstring a = IntegerToText(from + 1), b = IntegerToText(to + 1);
    return toWasFree ? L"\u00c9l\u00e9ment " + a + L" d\u00e9plac\u00e9 \u00e0 la position " + b + L"."
                     : L"\u00c9l\u00e9ments " + a + L" et " + b + L" \u00e9chang\u00e9s.";
}

}  // namespace zudav
