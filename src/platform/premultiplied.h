// A picture's transparency learnt from two drawings of it, one on black and one on white: whatever drew it (an icon
// with its own alpha, one with a mask only, plain GDI), the two differ exactly where it lets the background through.
// Menus and layered surfaces take the result, 32-bit pixels with their colours premultiplied by their alpha.
#pragma once

#include <cstdint>
#include <vector>

namespace zudav {

// Pixels as 0xAARRGGBB, of the same size. Where the drawings agree the pixel is opaque; where they differ by the
// whole range it is transparent; in between, the alpha that mixed it. The colour is the one drawn on black, which is
// premultiplied already, never above its alpha.
std::vector<std::uint32_t> PremultipliedFromBackgrounds(const std::vector<std::uint32_t>& onBlack,
                                                        const std::vector<std::uint32_t>& onWhite);

}  // namespace zudav
