#include "platform/premultiplied.h"

#include <algorithm>

namespace zudav {
namespace {

std::uint32_t Channel(std::uint32_t pixel, int shift) {
    return (pixel >> shift) & 0xFFu;
}

}  // namespace

std::vector<std::uint32_t> PremultipliedFromBackgrounds(const std::vector<std::uint32_t>& onBlack,
                                                        const std::vector<std::uint32_t>& onWhite) {
    std::vector<std::uint32_t> pixels(std::min(onBlack.size(), onWhite.size()));
    for (size_t i = 0; i < pixels.size(); ++i) {
        // On white a channel reads c + (1 - a) * 255, on black c: their difference is what the background gave. The
        // largest of the three channels' differences is the least rounded.
        std::uint32_t through = 0;
        for (int shift : {16, 8, 0}) {
            const std::uint32_t black = Channel(onBlack[i], shift);
            const std::uint32_t white = Channel(onWhite[i], shift);
            through = std::max(through, white > black ? white - black : 0u);
        }
        const std::uint32_t alpha = 255u - through;
        std::uint32_t pixel = alpha << 24;
        for (int shift : {16, 8, 0}) {
            pixel |= std::min(Channel(onBlack[i], shift), alpha) << shift;
        }
        pixels[i] = pixel;
    }
    return pixels;
}

}  // namespace zudav
