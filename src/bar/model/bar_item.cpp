#include "bar/model/bar_item.h"

#include "bar/settings/conversions.h"

namespace zudav {

std::optional<std::int16_t> BarItem::WindowState() const {
    return RoundToInteger16(LeadingNumber(focus.value_or(L"1")));
}

std::optional<int> BarItem::CheckBox() const {
    if (!ficALancer) {
        return 0;
    }
    const auto rounded = flag ? RoundToInteger16(*flag) : std::nullopt;
    return rounded && *rounded >= 0 && *rounded <= 2 ? std::optional<int>(*rounded) : std::nullopt;
}

}  // namespace zudav
