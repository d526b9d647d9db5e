// Paints the bar in one pass, into a back buffer copied to the window at once: the background, the cells' borders,
// "Action", the "Arrêter" picture, then each icon box above its cell, its picture at its top-left corner at its own
// size, in the colours of the program's look. With a high-contrast theme, every colour is one of the system's pairs,
// every cell is framed and the built-in pictures are drawn in the text colour, so that they show on any background.
#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "bar/model/stored_keys.h"
#include "bar/slot_geometry.h"
#include "platform/look.h"
#include "platform/win32/picture.h"

namespace zudav::win32 {

struct BarScene {
    const BarPixels& parts;
    const std::array<Picture, kSlotCount>& pictures;
    const std::array<bool, kSlotCount>& borders;  // the hover's highlight
    HICON stop;
    HFONT labelFont;
    std::optional<PixelRect> focus;  // the keyboard's focus, once the keyboard has been used
    Palette palette;
    bool highContrast;
    std::array<HICON, 2> builtIn;  // the placeholder and the free-slot picture
    // The mark of a slot whose folder opens as a menu, in the text's colour: it shows in every look.
    std::array<std::optional<std::array<PixelPoint, 3>>, kSlotCount> marks;
    // The marks of the slots whose program runs, in the look's accent made readable on the face.
    std::array<std::optional<PixelRect>, kSlotCount> running;
    Rgb runningColour;
};

// Paints `area` (client pixels) of the window into `dc`.
void PaintBar(HDC dc, const RECT& area, const BarScene& scene);

}  // namespace zudav::win32
