// Window geometry in twips (1/1440 inch; 15 twips per pixel at 96 dpi), as single-precision values.
#pragma once

namespace zudav {

struct Geometry {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

inline bool operator==(const Geometry& a, const Geometry& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

// How far a window's rectangle reaches beyond what the user sees of it, on each side: the invisible resize borders
// of Windows 10 and 11 (none where the window system draws what it counts).
struct FrameMargins {
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;
};

// A window's rectangle in twips from the window system's pixels. Places (left, top) are converted with the one factor
// of the whole desktop, the system's DPI: on monitors of different DPIs the desktop is laid out in physical pixels, and
// a place converted with one monitor's DPI would land elsewhere when set back on another. Sizes follow the window's own
// DPI, so that a bar keeps its size in inches from monitor to monitor.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
inline bool operator==(const PixelRect& a, const PixelRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
// A point of the screen in the window system's pixels.
struct PixelPoint {
    int x = 0;
    int y = 0;
};

Geometry WindowTwips(const PixelRect& pixels, int systemDpi, int windowDpi);

// Twips <-> pixels at a DPI (15 twips per pixel at 96 dpi; an unknown DPI counts as 96). Pixels are held within the
// window system's coordinates: a far-off value (a typed margin of 1e30) must not overflow.
int TwipsToPixels(float twips, int dpi);
float PixelsToTwips(int pixels, int dpi);

}  // namespace zudav
