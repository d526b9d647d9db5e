#include "bar/tray.h"

#include <algorithm>

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

TrayIconFields DescribeTrayIcon(const std::wstring& caption, const std::wstring& application) {
    constexpr std::size_t kTipLength = 63;
    const bool blank = std::all_of(caption.begin(), caption.end(), [](wchar_t c) { return c == L' '; });
    std::wstring tip = blank ? application : caption;
    if (tip.size() > kTipLength) {
        const bool splitsAPair = tip[kTipLength - 1] >= 0xD800 && tip[kTipLength - 1] <= 0xDBFF;
        tip.resize(splitsAPair ? kTipLength - 1 : kTipLength);
    }
    return {kTrayFieldMessage | kTrayFieldIcon | kTrayFieldTip | kTrayFieldShowTip, tip};
}

}  // namespace zudav
