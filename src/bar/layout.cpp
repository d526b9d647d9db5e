#include "bar/layout.h"

#include <algorithm>
#include <cmath>

#include "bar/settings/conversions.h"

namespace zudav {
namespace {

// Sizes cannot be negative; a refused assignment leaves the previous value.
void SetSize(float& property, float value) {
    if (value >= 0) {
        property = value;
    }
}

void CentreIcon(const ControlRect& firstCell,
                const ControlRect& cell,
                ControlRect& picture,
                const ControlRect& firstPicture) {
    // The offset is brought to a 16-bit whole number, halves to even; out of range it is not applied.
    const auto offset = RoundToInteger16((firstCell.width - firstPicture.width) / 2);
    if (!offset) {
        return;
    }
    picture.top = cell.top + *offset;
    picture.left = cell.left + *offset;
}

}  // namespace

float PictureSide(float cell) {
    for (const float side : {480.0F, 360.0F}) {
        if (cell >= side) {
            return side;
        }
    }
    return 240;
}

WindowLength LayOut(bool horizontal, float windowWidth, float windowHeight, BarControls& controls) {
    auto& cells = controls.cells;
    SetSize(cells[0].width, horizontal ? windowHeight - 500 : windowWidth - 150);
    const float pictureSide = PictureSide(cells[0].width);
    for (int i = 0; i < kSlotCount; ++i) {
        ControlRect& cell = cells[i];
        if (horizontal) {
            SetSize(cell.width, windowHeight - 500);
            SetSize(cell.height, cell.width);  // square cells
            cell.top = 40;
            // The pitch is the window's height: a 500-twip gap between cells.
            cell.left = 500 + static_cast<float>(i) * (cells[0].width + 500);
        } else {
            SetSize(cell.width, windowWidth - 150);
            SetSize(cell.height, cell.width);
            cell.left = 0;
            cell.top = 300 + static_cast<float>(i) * cells[0].height;  // cells touch
        }
        controls.pictures[i].width = controls.pictures[i].height = pictureSide;
        CentreIcon(cells[0], cell, controls.pictures[i], controls.pictures[0]);
    }
    const ControlRect& last = cells[kSlotCount - 1];
    if (horizontal) {
        return {true, last.left + last.width + 550};
    }
    return {false, last.top + last.height + 550};
}

// Thirteen cells of the thickness less the frame (150 twips upright, 500 lying), from 300 twips down and touching in a
// column, from 500 twips along with a 500-twip gap in a row, and 550 twips after the last.
namespace {
constexpr float kSmallestCell = 240;
}  // namespace

float BarLength(bool horizontal, float thickness) {
    return horizontal ? kSlotCount * thickness + 550 : 850 + kSlotCount * (thickness - 150);
}

float ThicknessForLength(bool horizontal, float length) {
    const float thickness = horizontal ? (length - 550) / kSlotCount : 150 + (length - 850) / kSlotCount;
    return std::max(std::floor(thickness), (horizontal ? 500 : 150) + kSmallestCell);
}

void PlaceStopImage(float windowWidth, BarControls& controls) {
    controls.stopImage.left = windowWidth - (controls.stopImage.width + 100);
}

}  // namespace zudav
