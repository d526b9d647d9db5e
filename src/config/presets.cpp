#include "config/presets.h"

namespace zudav {

PresetPlace PlaceForPreset(PresetGroup group,
                           int index,
                           const Geometry& bar,
                           ScreenSize screen,
                           const PresetMargins& margins) {
    const double k = index;
    const double w = bar.width;
    const double h = bar.height;
    // The horizontal rows stand against the left edge for indexes 0 to 2 and against the right one from 3 on.
    const double rowLeft = index < 3 ? margins.left : screen.width - margins.right - w;
    const double row = index < 3 ? k : k - 3;
    double left = 0;
    double top = 0;
    switch (group) {
        case PresetGroup::CommandGx:
            left = (k - 1) * w + margins.side;
            top = margins.top;
            break;
        case PresetGroup::Command2:
            left = screen.width - k * w - margins.side;
            top = margins.top;
            break;
        case PresetGroup::CommandHt:
            left = rowLeft;
            top = row * h;  // the top rows have no margin
            break;
        case PresetGroup::CommandB:
            left = rowLeft;
            top = screen.height - (row + 1) * h - margins.bottom;
            break;
    }
    const bool vertical = group == PresetGroup::CommandGx || group == PresetGroup::Command2;
    return {static_cast<float>(left), static_cast<float>(top), vertical};
}

}  // namespace zudav
