// Twips <-> pixels with the real DPI of a window (15 twips per pixel at 96 dpi).
#pragma once

#include <windows.h>

#include "platform/geometry.h"

namespace zudav::win32 {

// Dots per inch of the monitor that shows the window (of the screen when the system is older).
int WindowDpi(HWND window);

class TwipsScale {
  public:
    explicit TwipsScale(int dpi) : dpi_(dpi) {}
    static TwipsScale ForWindow(HWND window) { return TwipsScale(WindowDpi(window)); }

    int ToPixels(float twips) const { return TwipsToPixels(twips, dpi_); }
    float ToTwips(int pixels) const { return PixelsToTwips(pixels, dpi_); }

  private:
    int dpi_;
};

}  // namespace zudav::win32
