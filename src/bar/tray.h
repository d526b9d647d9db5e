// The notification-area icon's mouse codes and what the bar does with each.
#pragma once

#include <cstdint>

namespace zudav {

enum class TrayAction {
    None,
    RefreshAndRestore,  // left button down: refresh, back to normal, shown
    Show,               // left button up
    About,              // double click
    Menu,               // right button up: the menu, "A &Propos de ..." as its default item
};

TrayAction DecodeTrayCode(std::uint32_t mouseMessage);

}  // namespace zudav
