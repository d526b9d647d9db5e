// The bar's layout: thirteen square cells in a column (or a row), each icon box in the middle of its
// cell, the window's length set so that exactly the thirteen cells fit, and the "Arrêter" image kept
// 100 twips inside the window's right edge.
#include <windows.h>

#include <string>
#include <vector>

#include "bar_test.h"
#include "driver/poll.h"
#include "driver/window.h"

namespace e2e {
namespace {

struct LayoutCase {
    const char* what;
    std::vector<std::pair<std::wstring, std::wstring>> stored;
    bool horizontal;
    long thickness;  // the window's width (vertical bar) or height (horizontal bar), in twips
};

// The length the bar gives itself for a thickness: the window's height (vertical bar) or width.
long lengthFor(bool horizontal, long thickness) {
    if (horizontal) {
        // The side is the height less 500; 500 before the first cell, 500 between cells, 550 after.
        const long side = thickness - 500;
        return 500 + 12 * (side + 500) + side + 550;
    }
    // The side is the width less 150; 300 above the first cell and 550 below the last.
    return 300 + 13 * (thickness - 150) + 550;
}

long twipsOf(long pixels) {
    return pixels * twipsPerPixel();
}

TEST_F(BarTest, CellsFillTheBarWhichTakesTheLengthOfThirteenCells) {
    static_assert(300 + 13 * 720 + 550 == 10210);
    const LayoutCase cases[] = {
        {"an empty store", {}, false, 870},
        {"a stored width of 930", {{L"width", L"930"}}, false, 930},
        // 998.7 pixels wide at 96 dpi: within a 1024-pixel screen.
        {"a horizontal bar 1110 high", {{L"Horizont", L"True"}, {L"height", L"1110"}}, true, 1110},
        // 1089.7 pixels wide from its real height of 81 pixels (1215 twips): wider than a 1024-pixel screen.
        {"a horizontal bar 1220 high", {{L"Horizont", L"True"}, {L"height", L"1220"}}, true, 1220},
    };
    const long pixel = twipsPerPixel();
    for (const LayoutCase& layout : cases) {
        SCOPED_TRACE(layout.what);
        deleteAppSettings(L"Zudav");
        for (const auto& [key, value] : layout.stored) {
            writeSetting(L"Zudav", key, value);
        }
        HWND bar = startBar();
        ASSERT_NE(bar, nullptr);

        // The window holds whole pixels: the layout follows the thickness the window really has.
        const TwipsRect place = toTwips(windowRect(bar));
        const long thickness = layout.horizontal ? place.height : place.width;
        const long length = layout.horizontal ? place.width : place.height;
        EXPECT_NEAR(thickness, layout.thickness, pixel) << "the stored thickness";
        EXPECT_NEAR(length, lengthFor(layout.horizontal, thickness), pixel)
            << "the bar's length for a thickness of " << thickness << " twips";
        const long side = layout.horizontal ? thickness - 500 : thickness - 150;

        for (int slot = 0; slot < kSlotCount; ++slot) {
            SCOPED_TRACE("slot " + std::to_string(slot));
            const RECT cellRect = rectInClient(cell(bar, slot), bar);
            const RECT boxRect = rectInClient(iconBox(bar, slot), bar);
            EXPECT_NEAR(twipsOf(cellRect.right - cellRect.left), side, pixel) << "the cell's width";
            EXPECT_NEAR(twipsOf(cellRect.bottom - cellRect.top), side, pixel) << "the cell's height";
            if (layout.horizontal) {
                EXPECT_NEAR(twipsOf(cellRect.left), 500 + slot * (side + 500), pixel);
                EXPECT_NEAR(twipsOf(cellRect.top), 40, pixel);
            } else {
                EXPECT_NEAR(twipsOf(cellRect.left), 0, pixel);
                EXPECT_NEAR(twipsOf(cellRect.top), 300 + slot * side, pixel);
            }
            // The icon box in the middle of its cell.
            EXPECT_NEAR(boxRect.left + boxRect.right, cellRect.left + cellRect.right, 1);
            EXPECT_NEAR(boxRect.top + boxRect.bottom, cellRect.top + cellRect.bottom, 1);
        }

        const RECT stop = rectInClient(childWithId(bar, ids::kBarImage2), bar);
        EXPECT_NEAR(twipsOf(stop.right), place.width - 100, pixel)
            << "the \"Arr\u00eater\" image's right edge, in the window's client area, against the window's width";

        post(bar, WM_CLOSE);
        ASSERT_TRUE(barProcess().waitForExit(kStepTimeoutMs)) << "the bar did not end after WM_CLOSE";
    }
}

}  // namespace
}  // namespace e2e
