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

}  // namespace zudav
