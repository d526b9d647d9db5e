#include "bar/tray.h"

namespace zudav {

TrayAction DecodeTrayCode(std::uint32_t code, std::uint32_t lastButtonCode) {
    switch (code) {
        case 0x201:  // WM_LBUTTONDOWN
            return TrayAction::RefreshAndRestore;
        case 0x202:  // WM_LBUTTONUP
            return TrayAction::Show;
        case 0x203:  // WM_LBUTTONDBLCLK
            return TrayAction::About;
        case 0x205:  // WM_RBUTTONUP
            return TrayAction::Menu;
        case kTraySelect:
            return lastButtonCode == 0x202 ? TrayAction::None : TrayAction::Keyboard;
        case kTrayKeySelect:
            return TrayAction::Keyboard;
        case kTrayContextMenu:
            return lastButtonCode == 0x205 ? TrayAction::None : TrayAction::Menu;
        default:  // the right button down (0x204) included
            return TrayAction::None;
    }
}

}  // namespace zudav
