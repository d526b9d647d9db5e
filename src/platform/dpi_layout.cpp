#include "platform/dpi_layout.h"

#include <algorithm>
#include <cstdint>

#include "platform/geometry.h"

namespace zudav {

PixelSize WindowSizeForClientTwips(float clientWidth, float clientHeight, int dpi, const FrameInsets& frame) {
    return {TwipsToPixels(clientWidth, dpi) + frame.left + frame.right,
            TwipsToPixels(clientHeight, dpi) + frame.top + frame.bottom};
}

int FontHeightAtDpi(int height, int fromDpi, int toDpi) {
    if (fromDpi <= 0 || toDpi <= 0 || fromDpi == toDpi) {
        return height;
    }
    // Rounded half away from zero, as MulDiv does: -11 at 96 dpi is -17 at 144, not -16.
    const std::int64_t product = static_cast<std::int64_t>(height) * toDpi;
    const std::int64_t half = fromDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / fromDpi : (product - half) / fromDpi);
}

CaptionFit FitCaption(const PixelBox& box, const CaptionNeed& need, bool multiLine, int roomRight) {
    CaptionFit fit{box, false};
    fit.box.height = std::max(box.height, need.lineHeight);
    if (need.width <= box.width) {
        return fit;
    }
    if (!multiLine) {
        const int room = std::max(box.width, roomRight - box.left);
        fit.box.width = std::min(need.width, room);
    }
    fit.wraps = need.width > fit.box.width;
    return fit;
}

PixelBox FitHeight(const PixelBox& box, int textHeight) {
    PixelBox fitted = box;
    fitted.height = std::max(box.height, textHeight);
    return fitted;
}

void DpiFollower::LaidOutAt(int dpi) {
    laidOut_ = dpi;
    asked_ = 0;
}

DpiFollower::Step DpiFollower::Check(int windowDpi, int monitorDpi) {
    if (windowDpi > 0 && windowDpi != laidOut_) {
        return Step::LayOut;
    }
    if (monitorDpi <= 0 || monitorDpi == laidOut_) {
        asked_ = 0;  // caught up: a later change is asked for again
        return Step::None;
    }
    if (monitorDpi == asked_) {
        return Step::None;  // asked already: resizing again would not help, and every notice would resize the bar
    }
    asked_ = monitorDpi;
    return Step::Resize;
}

}  // namespace zudav
