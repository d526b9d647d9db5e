#include "config/presets.h"

namespace zudav {

PresetPlace PlaceForPreset(PresetGroup group,
                           int index,
                           const Geometry& bar,
                           const Geometry& monitor,
                           const PresetMargins& margins,
                           const FrameMargins& invisible) {
    const double k = index;
    const double w = bar.width;
    const double h = bar.height;
    // Measured from the monitor's left and top edges, and to what shows of the bar.
    const double fromLeft = monitor.left - invisible.left, fromTop = monitor.top - invisible.top;
    const double rightEdge = monitor.left + monitor.width + invisible.right;
    const double bottomEdge = monitor.top + monitor.height + invisible.bottom;
    // The horizontal rows stand against the left edge for indexes 0 to 2 and against the right one from 3 on.
    const double rowLeft = index < 3 ? fromLeft + margins.left : rightEdge - margins.right - w;
    const double row = index < 3 ? k : k - 3;
    double left = 0;
    double top = 0;
    switch (group) {
        case PresetGroup::CommandGx:
            left = fromLeft + (k - 1) * w + margins.side;
            top = fromTop + margins.top;
            break;
        case PresetGroup::Command2:
            left = rightEdge - k * w - margins.side;
            top = fromTop + margins.top;
            break;
        case PresetGroup::CommandHt:
            left = rowLeft;
            top = fromTop + row * h;  // the top rows have no margin
            break;
        case PresetGroup::CommandB:
            left = rowLeft;
            top = bottomEdge - (row + 1) * h - margins.bottom;
            break;
    }
    const bool vertical = group == PresetGroup::CommandGx || group == PresetGroup::Command2;
    return {static_cast<float>(left), static_cast<float>(top), vertical};
}

}  // namespace zudav
