// The docking presets of the configuration window's screen miniatures: where each button puts the bar, from
// the bar's size, the monitor it stands on and the margins typed beside the buttons (twips).
#pragma once

#include "platform/geometry.h"
#include "platform/platform.h"

namespace zudav {

enum class PresetGroup {
    CommandGx,  // 1..4: vertical bar in a column counted from the screen's left edge
    Command2,   // 1..6: vertical bar in a column counted from the right edge
    CommandHt,  // 0..5: horizontal bar in a row from the top, at the left (0..2) or at the right (3..5)
    CommandB,   // 0..5: horizontal bar in a row from the bottom, at the left (0..2) or at the right (3..5)
};

struct PresetMargins {
    double top = 0;     // Text3, vertical bars
    double side = 0;    // Text4, vertical bars
    double bottom = 0;  // Text5, horizontal bars
    double left = 0;    // Text6
    double right = 0;   // Text7
};

struct PresetPlace {
    float left = 0;
    float top = 0;
    bool topFirst = false;  // the vertical presets set Top before Left, the horizontal ones Left before Top
};

// The bar's edges and margins count from the monitor's edges to what the user sees of the bar: its invisible frame
// stands beyond them. Off-screen results are returned as they are: a large bar may stand partly outside the monitor.
PresetPlace PlaceForPreset(PresetGroup group,
                           int index,
                           const Geometry& bar,
                           const Geometry& monitor,
                           const PresetMargins& margins,
                           const FrameMargins& invisible = {});

}  // namespace zudav
