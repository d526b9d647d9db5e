// The bar's layout rule: cells lined up in a column (vertical bar) or a row (horizontal bar), each icon box
// centred in its cell, and the window's length set so that exactly thirteen cells fit.
#pragma once

#include <array>
#include <optional>

#include "bar/model/stored_keys.h"
#include "platform/geometry.h"

namespace zudav {

// The size of a new bar, in twips: its window's design size, its stored default and the reset's.
inline constexpr float kDesignWidth = 870;
inline constexpr float kDesignHeight = 8490;

// A control's place and size, in twips of the window's client area.
using ControlRect = Geometry;

// Where the controls of the bar stand, in twips of the window's client area.
struct BarControls {
    std::array<ControlRect, kSlotCount> cells{};     // CoolBar(0..12)
    std::array<ControlRect, kSlotCount> pictures{};  // Picture1(0..12)
    ControlRect stopImage{0, 0, 240, 240};           // Image2
    ControlRect label{0, 15, 450, 195};              // Label1, "Action": the layout never moves it
    BarControls() {
        for (auto& picture : pictures) {
            picture.width = picture.height = 480;
        }
    }
};

struct WindowLength {
    bool horizontal;  // the length is the window's width (horizontal bar) or its height
    float value;
};

// The side of the icon boxes, and of the pictures made for them, in cells of a side (twips): the largest of 32, 24 and
// 16 pixels at 96 dpi (480, 360 and 240 twips) that the cell holds, so that a picture shows whole; 16 in a smaller one.
float PictureSide(float cell);

// Lays the cells out from the window's thickness, the icon boxes at the side the cells hold. An assignment that cannot
// be made (a negative size) is skipped and keeps the control's previous value, as the window system would. Returns the
// window's new length. The caller sets that length, which lays the bar out once more with the same values, then calls
// PlaceStopImage with the window's width.
WindowLength LayOut(bool horizontal, float windowWidth, float windowHeight, BarControls& controls);

// The bar's length as the layout makes it from its thickness (the window's width when it stands upright, its height
// when it lies), and the thickest bar whose length is at most `length`, never thinner than cells of 16 pixels at
// 96 dpi (240 twips): a smaller icon could not be told apart.
float BarLength(bool horizontal, float thickness);
float ThicknessForLength(bool horizontal, float length);

// The "Arrêter" image keeps 100 twips inside the window's right edge.
void PlaceStopImage(float windowWidth, BarControls& controls);

}  // namespace zudav
