// The bar's keys: what each key asks for from the element that has the focus, and the hot key's combination.
#include <gtest/gtest.h>

#include "bar/keyboard.h"
#include "bar/slot_geometry.h"

namespace zudav {
namespace {

TEST(Keyboard, EachKeyMovesTheFocusStartsASlotEditsItOpensTheMenuOrGivesTheKeyboardBack) {
    const KeyModifiers none, shift{true, false, false}, ctrlShift{true, true, false}, alt{false, false, true};
    const int slot0 = SlotElement(0), slot2 = SlotElement(2), last = SlotElement(12);
    struct Case {
        const char* what;
        unsigned key;
        KeyModifiers modifiers;
        int focused;
        KeyAction expected;
    } const cases[] = {
        {"Down: the next slot", vk::kDown, none, slot0, {KeyIntent::Focus, SlotElement(1)}},
        {"Right, as Down", vk::kRight, none, slot0, {KeyIntent::Focus, SlotElement(1)}},
        {"Up: the slot before", vk::kUp, none, slot2, {KeyIntent::Focus, SlotElement(1)}},
        {"Left, as Up", vk::kLeft, none, slot2, {KeyIntent::Focus, SlotElement(1)}},
        {"Up from the first slot: Action", vk::kUp, none, slot0, {KeyIntent::Focus, kActionElement}},
        {"Down from the last slot: Arreter", vk::kDown, none, last, {KeyIntent::Focus, kStopElement}},
        {"Down from Arreter: round to Action", vk::kDown, none, kStopElement, {KeyIntent::Focus, kActionElement}},
        {"Shift+Tab from Action: round to Arreter", vk::kTab, shift, kActionElement, {KeyIntent::Focus, kStopElement}},
        {"Tab", vk::kTab, none, kActionElement, {KeyIntent::Focus, slot0}},
        {"Home: the first slot", vk::kHome, none, kStopElement, {KeyIntent::Focus, slot0}},
        {"End: the last slot", vk::kEnd, none, kActionElement, {KeyIntent::Focus, last}},
        {"Enter", vk::kReturn, none, slot2, {KeyIntent::Activate, slot2}},
        {"Space", vk::kSpace, none, slot2, {KeyIntent::Activate, slot2}},
        {"Ctrl+Shift+Enter: as administrator", vk::kReturn, ctrlShift, slot2, {KeyIntent::AsAdministrator, slot2}},
        {"Ctrl+Shift+Enter on Action: presses it",
         vk::kReturn,
         ctrlShift,
         kActionElement,
         {KeyIntent::Activate, kActionElement}},
        {"Enter on Arreter", vk::kReturn, none, kStopElement, {KeyIntent::Activate, kStopElement}},
        {"1: the first slot", vk::kDigit0 + 1, none, kStopElement, {KeyIntent::Activate, slot0}},
        {"4: the fourth", vk::kDigit0 + 4, none, slot0, {KeyIntent::Activate, SlotElement(3)}},
        {"9: the ninth", vk::kDigit9, none, slot0, {KeyIntent::Activate, SlotElement(8)}},
        {"0: the tenth", vk::kDigit0, none, slot0, {KeyIntent::Activate, SlotElement(9)}},
        {"keypad 2", vk::kNumpad0 + 2, none, slot0, {KeyIntent::Activate, SlotElement(1)}},
        {"keypad 0: the tenth", vk::kNumpad0, none, slot0, {KeyIntent::Activate, SlotElement(9)}},
        {"Alt+4 is the window system's", vk::kDigit0 + 4, alt, slot0, {}},
        {"Shift+F10: the editor of the focused slot", vk::kF10, shift, slot2, {KeyIntent::Edit, slot2}},
        {"the Menu key", vk::kApps, none, slot2, {KeyIntent::Edit, slot2}},
        {"F10: the menu under Action", vk::kF10, none, slot2, {KeyIntent::Menu, kActionElement}},
        {"Escape", vk::kEscape, none, slot2, {KeyIntent::GiveBack, slot2}},
        {"a letter", 'A', none, slot2, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const KeyAction action = KeyToAction(c.key, c.modifiers, c.focused);
        EXPECT_EQ(action.intent, c.expected.intent);
        if (c.expected.intent != KeyIntent::None) {
            EXPECT_EQ(action.element, c.expected.element);
        }
    }
}

TEST(Keyboard, TheHotKeyControlsFlagsBecomeRegisterHotKeysModifiers) {
    const struct {
        std::uint16_t value;
        unsigned modifiers, key;  // MOD_ALT 1, MOD_CONTROL 2, MOD_SHIFT 4
    } cases[] = {
        {0x0142, 4, 0x42},  // HOTKEYF_SHIFT + B
        {0x0242, 2, 0x42},  // HOTKEYF_CONTROL
        {0x0442, 1, 0x42},  // HOTKEYF_ALT
        {0x0779, 7, 0x79},  // all three + F10
        {0x0C31, 1, 0x31},  // HOTKEYF_ALT + HOTKEYF_EXT: the extended flag is no modifier
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const HotKeyCombination combination = ToHotKeyCombination(c.value);
        EXPECT_EQ(combination.modifiers, c.modifiers);
        EXPECT_EQ(combination.key, c.key);
    }
}

}  // namespace
}  // namespace zudav
