// What a screen reader says of each element of the bar: its name, its role and its default action. A slot is named by
// its tooltip, by its file's name when it has none, and a free slot by its number; a document opens, a program starts.
#pragma once

#include <array>
#include <string>

#include "bar/settings/keys.h"

namespace zudav {

enum class SlotKind { Free, Program, Document };

// What a slot holds, as the last rebuild read it.
struct SlotItem {
    SlotKind kind = SlotKind::Free;
    std::wstring path;     // Chemin
    std::wstring tooltip;  // Tool
};

inline bool operator==(const SlotItem& a, const SlotItem& b) {
    return a.kind == b.kind && a.path == b.path && a.tooltip == b.tooltip;
}

enum class ElementRole { PushButton, MenuButton };

struct AccessibleElement {
    std::wstring name;
    ElementRole role = ElementRole::PushButton;
    std::wstring defaultAction;  // empty: none
};

// Element `element` of the bar (slot_geometry.h: "Action", the slots, "Arrêter").
AccessibleElement DescribeElement(int element, const std::array<SlotItem, keys::kItemCount>& slots);

}  // namespace zudav
