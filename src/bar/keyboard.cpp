#include "bar/keyboard.h"

#include "bar/slot_geometry.h"

namespace zudav {

namespace {

KeyAction MoveItemAlong(unsigned key, int focused, bool horizontal) {
    const unsigned back = horizontal ? vk::kLeft : vk::kUp, forward = horizontal ? vk::kRight : vk::kDown;
    const std::optional<int> slot = SlotOf(focused);
    if (!slot || (key != back && key != forward)) {
        return {};
    }
    const int to = *slot + (key == forward ? 1 : -1);
    return to >= 0 && to < kSlotCount ? KeyAction{KeyIntent::MoveItem, SlotElement(to)} : KeyAction{};
}

}  // namespace

KeyAction KeyToAction(unsigned key, KeyModifiers modifiers, int focused, bool horizontal) {
    const auto around = [focused](int step) {
        return KeyAction{KeyIntent::Focus, (focused + step + kElementCount) % kElementCount};
    };
    if (modifiers.alt && modifiers.shift && !modifiers.control && key >= vk::kLeft && key <= vk::kDown) {
        return MoveItemAlong(key, focused, horizontal);
    }
    if (key >= vk::kDigit0 && key <= vk::kDigit9 && !modifiers.control && !modifiers.alt) {
        const unsigned digit = key - vk::kDigit0;
        return {KeyIntent::Activate, SlotElement(digit == 0 ? 9 : static_cast<int>(digit) - 1)};
    }
    if (key >= vk::kNumpad0 && key <= vk::kNumpad9 && !modifiers.control && !modifiers.alt) {
        const unsigned digit = key - vk::kNumpad0;
        return {KeyIntent::Activate, SlotElement(digit == 0 ? 9 : static_cast<int>(digit) - 1)};
    }
    switch (key) {
        case vk::kTab:
            return around(modifiers.shift ? -1 : 1);
        case vk::kRight:
        case vk::kDown:
            return around(1);
        case vk::kLeft:
        case vk::kUp:
            return around(-1);
        case vk::kHome:
            return {KeyIntent::Focus, SlotElement(0)};
        case vk::kEnd:
            return {KeyIntent::Focus, SlotElement(kSlotCount - 1)};
        case vk::kReturn:
            return {modifiers.control && modifiers.shift && SlotOf(focused) ? KeyIntent::AsAdministrator
                                                                            : KeyIntent::Activate,
                    focused};
        case vk::kSpace:
            return {KeyIntent::Activate, focused};
        case vk::kApps:
            return {KeyIntent::Edit, focused};
        case vk::kF10:
            return {modifiers.shift ? KeyIntent::Edit : KeyIntent::Menu, modifiers.shift ? focused : kActionElement};
        case vk::kEscape:
            return {KeyIntent::GiveBack, focused};
        default:
            return {};
    }
}

HotKeyCombination ToHotKeyCombination(std::uint16_t controlValue) {
    constexpr unsigned kHotKeyShift = 0x01, kHotKeyControl = 0x02, kHotKeyAlt = 0x04;  // HOTKEYF_
    constexpr unsigned kModAlt = 0x01, kModControl = 0x02, kModShift = 0x04;           // MOD_
    const unsigned flags = controlValue >> 8;
    HotKeyCombination combination;
    combination.key = controlValue & 0xFFu;
    combination.modifiers = ((flags & kHotKeyShift) != 0 ? kModShift : 0) |
                            ((flags & kHotKeyControl) != 0 ? kModControl : 0) |
                            ((flags & kHotKeyAlt) != 0 ? kModAlt : 0);
    return combination;
}

}  // namespace zudav
