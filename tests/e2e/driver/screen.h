// What a window shows on the screen, read back as pixels: the end-to-end tests compare the pictures of
// the bar's icon boxes with one another rather than with stored images, so that a change of theme or
// of Wine's drawing does not break them while a wrong picture still does.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

// The pixels of a screen rectangle, row by row, as 0x00RRGGBB.
struct ScreenPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    bool operator==(const ScreenPicture& other) const {
        return width == other.width && height == other.height && pixels == other.pixels;
    }
    bool operator!=(const ScreenPicture& other) const { return !(*this == other); }
    // True when every pixel has the same colour (an empty picture counts as uniform).
    bool uniform() const;
    // How many colours it holds, for failure messages.
    size_t colourCount() const;
};

// Reads the rectangle (screen coordinates) from the screen. Throws if the screen cannot be read.
ScreenPicture captureScreen(const RECT& area);
// Reads the screen where the window stands (its whole window rectangle).
ScreenPicture captureWindow(HWND window);
// Reads the window's rectangle until several readings in a row agree, so that a window that is still
// being painted (or copied to the display) is seen whole. Returns the last reading either way, and
// whether it was steady.
bool captureSteadyWindow(HWND window, ScreenPicture* picture);

// The part of the picture inside the rectangle (picture coordinates), cut at the picture's edges.
ScreenPicture crop(const ScreenPicture& picture, const RECT& part);

std::string describe(const ScreenPicture& picture);

}  // namespace e2e
