// The notification-area icon's codes (version 4: the mouse codes, NIN_SELECT, NIN_KEYSELECT, WM_CONTEXTMENU) and what
// the bar does with each.
#pragma once

#include <cstdint>
#include <string>

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

// What the notification icon tells the shell: its fields (NIF_ flags) and its tooltip. Under version 4 the shell
// shows no tooltip without NIF_SHOWTIP, and the tooltip is how a user tells two bars' icons apart: a bar without a
// caption is named by its application name. The field holds 63 characters and the NUL; a character written as two
// UTF-16 units is not cut in half.
struct TrayIconFields {
    std::uint32_t flags = 0;
    std::wstring tip;
};
inline constexpr std::uint32_t kTrayFieldMessage = 0x01;  // NIF_MESSAGE
inline constexpr std::uint32_t kTrayFieldIcon = 0x02;     // NIF_ICON
inline constexpr std::uint32_t kTrayFieldTip = 0x04;      // NIF_TIP
inline constexpr std::uint32_t kTrayFieldShowTip = 0x80;  // NIF_SHOWTIP
TrayIconFields DescribeTrayIcon(const std::wstring& caption, const std::wstring& application);

}  // namespace zudav
