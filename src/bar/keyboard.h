// The bar's keys: what a key pressed while the bar has the keyboard asks for, given the element that has the focus
// (bar/slot_geometry.h), and the hot key's value as the common controls' hot-key control holds it.
#pragma once

#include <cstdint>

namespace zudav {

// The virtual-key codes the bar answers (the window system's values).
namespace vk {
inline constexpr unsigned kTab = 0x09, kReturn = 0x0D, kEscape = 0x1B, kSpace = 0x20;
inline constexpr unsigned kEnd = 0x23, kHome = 0x24, kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;
inline constexpr unsigned kDigit0 = 0x30, kDigit9 = 0x39, kApps = 0x5D, kNumpad0 = 0x60, kNumpad9 = 0x69;
inline constexpr unsigned kF10 = 0x79;
}  // namespace vk

struct KeyModifiers {
    bool shift = false;
    bool control = false;
    bool alt = false;
};

enum class KeyIntent {
    None,             // the key is the window system's
    Focus,            // the focus moves to the element
    Activate,         // the element acts as clicked: a slot starts its item
    AsAdministrator,  // the slot starts its item as administrator (as Ctrl+Shift+click)
    Edit,             // the context key: the item editor for a slot, as a right press (Action and "Arrêter" act)
    Menu,             // the menu "Fichier" under "Action"
    GiveBack,         // the keyboard goes back to the window that had it
    MoveItem,         // the focused slot's item goes to the element's slot, and the focus with it
};

struct KeyAction {
    KeyIntent intent = KeyIntent::None;
    int element = 0;

    bool operator==(const KeyAction& other) const { return intent == other.intent && element == other.element; }
};

// A key pressed (WM_KEYDOWN, or WM_SYSKEYDOWN for F10) with the focus on an element. Tab and both pairs of arrows go
// round the elements; Home and End go to the first and last slot; the digits 1 to 9 and 0 start the first to the
// tenth slot. Alt+Shift with an arrow along the bar (Up and Down in a column, Left and Right in a row) moves the
// focused slot's item one place, none beyond the first and the last slot.
KeyAction KeyToAction(unsigned key, KeyModifiers modifiers, int focused, bool horizontal);

// The hot-key control's value (virtual key in the low byte, HOTKEYF_ flags in the high byte) as RegisterHotKey's
// modifiers (MOD_ flags) and key.
struct HotKeyCombination {
    unsigned modifiers = 0;
    unsigned key = 0;
};
HotKeyCombination ToHotKeyCombination(std::uint16_t controlValue);

}  // namespace zudav
