// The notification-area icon's codes (version 4: the mouse codes, NIN_SELECT, NIN_KEYSELECT, WM_CONTEXTMENU) and what
// the bar does with each.
#pragma once

#include <cstdint>

namespace zudav {

enum class TrayAction {
    None,
    RefreshAndRestore,  // left button down: refresh, back to normal, shown
    Show,               // left button up
    About,              // double click
    Menu,               // right button up: the menu, "A &Propos de ..." as its default item
    Keyboard,           // chosen from the keyboard: restored as by a left press, in front, the focus on its first slot
};

inline constexpr std::uint32_t kTraySelect = 0x400;      // NIN_SELECT
inline constexpr std::uint32_t kTrayKeySelect = 0x401;   // NIN_KEYSELECT
inline constexpr std::uint32_t kTrayContextMenu = 0x7B;  // WM_CONTEXTMENU

// A click with the mouse is followed by NIN_SELECT, a right click by WM_CONTEXTMENU: after the button's own code (the
// button code that came last), these do nothing more.
TrayAction DecodeTrayCode(std::uint32_t code, std::uint32_t lastButtonCode);

}  // namespace zudav
