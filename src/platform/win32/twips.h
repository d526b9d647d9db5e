// Twips <-> pixels with the real DPI of a window (15 twips per pixel at 96 dpi).
#pragma once

#include <windows.h>

#include <cmath>

namespace zudav::win32 {

// Dots per inch of the monitor that shows the window (of the screen when the system is older).
int WindowDpi(HWND window);

class TwipsScale {
  public:
    explicit TwipsScale(int dpi) : twipsPerPixel_(1440.0f / static_cast<float>(dpi > 0 ? dpi : 96)) {}
    static TwipsScale ForWindow(HWND window) { return TwipsScale(WindowDpi(window)); }

    // Held within the window system's coordinates: a far-off value (a typed margin of 1e30) must not overflow.
    int ToPixels(float twips) const {
        constexpr float kFarthest = 1 << 30;
        const float pixels = twips / twipsPerPixel_;
        return static_cast<int>(std::lround(pixels < -kFarthest  ? -kFarthest
                                            : pixels > kFarthest ? kFarthest
                                                                 : pixels));
    }
    float ToTwips(int pixels) const { return static_cast<float>(pixels) * twipsPerPixel_; }

  private:
    float twipsPerPixel_;
};

}  // namespace zudav::win32
