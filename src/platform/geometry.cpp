#include "platform/geometry.h"

#include <cmath>

namespace zudav {
namespace {

float TwipsPerPixel(int dpi) {
    return 1440.0f / static_cast<float>(dpi > 0 ? dpi : 96);
}

}  // namespace

int TwipsToPixels(float twips, int dpi) {
    constexpr float kFarthest = 1 << 30;
    const float pixels = twips / TwipsPerPixel(dpi);
    return static_cast<int>(std::lround(pixels < -kFarthest ? -kFarthest : pixels > kFarthest ? kFarthest : pixels));
}

float PixelsToTwips(int pixels, int dpi) {
    return static_cast<float>(pixels) * TwipsPerPixel(dpi);
}

Geometry WindowTwips(const PixelRect& pixels, int systemDpi, int windowDpi) {
    return {PixelsToTwips(pixels.left, systemDpi), PixelsToTwips(pixels.top, systemDpi),
            PixelsToTwips(pixels.right - pixels.left, windowDpi), PixelsToTwips(pixels.bottom - pixels.top, windowDpi)};
}

}  // namespace zudav
