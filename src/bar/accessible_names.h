// What screen readers are told of each element of the bar, through MSAA and UI Automation alike: its name, its role
// and default action, its help text, its place among the slots, whether it can be used, and what UI Automation makes
// of it. A slot is named by its tooltip, by its file's name when it has none, and a free slot by its number; a
// document opens, a program starts. And what they hear when an item changes places.
#pragma once

#include <array>
#include <bitset>
#include <string>

#include "bar/model/stored_keys.h"

namespace zudav {

enum class SlotKind { Free, Program, Document, Menu };  // Menu: a folder whose contents open as a menu

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

// UI Automation's control types for the bar (a tool bar) and its elements (buttons).
enum class ControlType { ToolBar, Button };
// The one control pattern each element answers: a button that acts, or one that opens a menu.
enum class ElementPattern { Invoke, ExpandCollapse };

struct AccessibleElement {
    std::wstring name;
    ElementRole role = ElementRole::PushButton;
    std::wstring defaultAction;  // empty: none
    std::wstring help;           // a slot's item path; empty otherwise
    std::wstring status;         // "ouvert": the slot's program runs
    int positionInSet = 0;       // 1-based among the slots; 0 for "Action" and "Arrêter", which are in no set
    int sizeOfSet = 0;
    bool enabled = true;  // false while one of the bar's modal windows is open
    ControlType controlType = ControlType::Button;
    ElementPattern pattern = ElementPattern::Invoke;
};

// Element `element` of the bar (slot_geometry.h: "Action", the slots, "Arrêter"), in a bar that is enabled or not.
// A running slot's program is "ouvert".
AccessibleElement DescribeElement(int element,
                                  const std::array<SlotItem, kSlotCount>& slots,
                                  bool enabled,
                                  const std::bitset<kSlotCount>& running = {});

// What the screen reader hears when the item of slot `from` goes to slot `to` (numbered from 1, as the user counts
// them), exchanged with the item there or moved to a free slot: in the configuration window's column and on the bar.
std::wstring ExchangeAnnouncement(int from, int to, bool toWasFree);

// What UI Automation makes of the bar itself.
inline constexpr ControlType kBarControlType = ControlType::ToolBar;

}  // namespace zudav
