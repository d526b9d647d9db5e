// What each key asks of the bar from the focused element, and the hot key's combination.
#include <gtest/gtest.h>

#include "bar/keyboard.h"
#include "bar/slot_geometry.h"
#include "bar/tray.h"

namespace zudav {
namespace {

TEST(Keyboard, KeysMoveTheFocusOrAnItemStartOrEditASlotOpenTheMenuOrGiveTheKeyboardBackAndSoDoesTheTrayIcon) {
    const KeyModifiers none, shift{true, false, false}, ctrlShift{true, true, false}, alt{false, false, true};
    const KeyModifiers altShift{true, false, true};
    const int first = SlotElement(0), third = SlotElement(2), last = SlotElement(12);
    using I = KeyIntent;
    const struct {
        unsigned key;
        KeyModifiers modifiers;
        int focused;
        KeyAction expected;
        bool horizontal = false;
    } cases[] = {
        {vk::kDown, none, first, {I::Focus, SlotElement(1)}},
        {vk::kRight, none, first, {I::Focus, SlotElement(1)}},
        {vk::kUp, none, third, {I::Focus, SlotElement(1)}},
        {vk::kLeft, none, first, {I::Focus, kActionElement}},
        {vk::kTab, shift, kActionElement, {I::Focus, kStopElement}},
        {vk::kHome, none, kStopElement, {I::Focus, first}},
        {vk::kEnd, none, kActionElement, {I::Focus, last}},
        {vk::kReturn, none, third, {I::Activate, third}},
        {vk::kReturn, ctrlShift, third, {I::AsAdministrator, third}},
        {vk::kReturn, ctrlShift, kStopElement, {I::Activate, kStopElement}},
        {vk::kDigit0 + 1, none, last, {I::Activate, first}},
        {vk::kDigit0 + 4, none, first, {I::Activate, SlotElement(3)}},
        {vk::kDigit0, none, first, {I::Activate, SlotElement(9)}},
        {vk::kDigit0 + 4, alt, first, {}},
        {vk::kF10, shift, third, {I::Edit, third}},
        {vk::kApps, none, third, {I::Edit, third}},
        {vk::kF10, none, third, {I::Menu, kActionElement}},
        {vk::kEscape, none, third, {I::GiveBack, third}},
        // Alt+Shift with an arrow along the bar moves the focused item, not beyond the ends.
        {vk::kDown, altShift, first, {I::MoveItem, SlotElement(1)}},
        {vk::kRight, altShift, third, {}},
        {vk::kRight, altShift, third, {I::MoveItem, SlotElement(3)}, true},
        {vk::kLeft, altShift, third, {I::MoveItem, SlotElement(1)}, true},
        {vk::kUp, altShift, first, {}},
        {vk::kRight, altShift, last, {}, true},
        {vk::kDown, altShift, kActionElement, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << " on element " << c.focused
                                        << (c.horizontal ? " across" : ""));
        const KeyAction action = KeyToAction(c.key, c.modifiers, c.focused, c.horizontal);
        EXPECT_EQ(action.intent, c.expected.intent);
        EXPECT_TRUE(c.expected.intent == I::None || action.element == c.expected.element) << action.element;
    }
    // The hot-key control's HOTKEYF_ flags (Shift 1, Ctrl 2, Alt 4, extended 8) as MOD_ flags (Alt 1, Ctrl 2, Shift 4).
    EXPECT_EQ(ToHotKeyCombination(0x0142).modifiers, 4u);
    EXPECT_EQ(ToHotKeyCombination(0x0C31).modifiers, 1u);
    EXPECT_EQ(ToHotKeyCombination(0x0279).key, 0x79u);
    // The notification icon (version 4): NIN_SELECT after a click's release, WM_CONTEXTMENU after a right click's, do
    // nothing more; alone, they come from the keyboard.
    EXPECT_EQ(DecodeTrayCode(kTraySelect, 0x202), TrayAction::None);
    EXPECT_EQ(DecodeTrayCode(kTraySelect, 0x200), TrayAction::Keyboard);
    EXPECT_EQ(DecodeTrayCode(kTrayContextMenu, 0x205), TrayAction::None);
    EXPECT_EQ(DecodeTrayCode(kTrayContextMenu, 0x202), TrayAction::Menu);
}

}  // namespace
}  // namespace zudav
