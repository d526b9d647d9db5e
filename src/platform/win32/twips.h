// Twips <-> pixels with the real DPI of a window (15 twips per pixel at 96 dpi).
#pragma once

#include <windows.h>

#include "platform/dpi_layout.h"
#include "platform/geometry.h"

namespace zudav::win32 {

// Dots per inch of the monitor that shows the window (of the screen when the system is older).
int WindowDpi(HWND window);

// The DPI the process was started with: what the stock objects and the system's metrics are made for.
int SystemDpi();

// What a window's frame adds around its client area at `dpi` (Windows 10 1607 on; before it, the system DPI's frame,
// and no monitor has another DPI then).
FrameInsets FrameAtDpi(DWORD style, DWORD exStyle, int dpi);

// A system metric (GetSystemMetrics) at `dpi`: the system DPI's value scaled where the system cannot give it.
int SystemMetricAtDpi(int index, int dpi);

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
