#include "driver/screen.h"

#include <algorithm>
#include <set>

#include "driver/error.h"
#include "driver/poll.h"

namespace e2e {

bool ScreenPicture::uniform() const {
    for (std::uint32_t pixel : pixels) {
        if (pixel != pixels.front()) {
            return false;
        }
    }
    return true;
}

size_t ScreenPicture::colourCount() const {
    return std::set<std::uint32_t>(pixels.begin(), pixels.end()).size();
}

ScreenPicture captureScreen(const RECT& area) {
    ScreenPicture picture;
    picture.width = area.right - area.left;
    picture.height = area.bottom - area.top;
    if (picture.width <= 0 || picture.height <= 0) {
        picture.width = picture.height = 0;
        return picture;
    }
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = picture.width;
    format.bmiHeader.biHeight = -picture.height;  // top row first
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    const bool copied = bitmap != nullptr && SelectObject(memory, bitmap) != nullptr &&
                        BitBlt(memory, 0, 0, picture.width, picture.height, screen, area.left, area.top, SRCCOPY);
    const DWORD error = GetLastError();
    if (copied) {
        GdiFlush();
        const auto* first = static_cast<const std::uint32_t*>(bits);
        picture.pixels.assign(first, first + static_cast<size_t>(picture.width) * picture.height);
        for (std::uint32_t& pixel : picture.pixels) {
            pixel &= 0x00FFFFFFu;
        }
    }
    DeleteDC(memory);
    if (bitmap != nullptr) {
        DeleteObject(bitmap);
    }
    ReleaseDC(nullptr, screen);
    if (!copied) {
        throwWindowsError("cannot read the screen", error);
    }
    return picture;
}

ScreenPicture captureWindow(HWND window) {
    RECT area{};
    if (!GetWindowRect(window, &area)) {
        throwWindowsError("GetWindowRect");
    }
    return captureScreen(area);
}

bool captureSteadyWindow(HWND window, ScreenPicture* picture) {
    // Wine copies what a window has painted to the display a moment later: a picture counts as steady
    // once it has come back the same from several readings in a row.
    constexpr int kSameReadings = 10;
    int same = 0;
    *picture = captureWindow(window);
    return pollUntil([&] {
        ScreenPicture again = captureWindow(window);
        same = again == *picture ? same + 1 : 0;
        *picture = std::move(again);
        return same >= kSameReadings;
    });
}

ScreenPicture crop(const ScreenPicture& picture, const RECT& part) {
    const LONG left = std::max<LONG>(part.left, 0);
    const LONG top = std::max<LONG>(part.top, 0);
    const LONG right = std::min<LONG>(part.right, picture.width);
    const LONG bottom = std::min<LONG>(part.bottom, picture.height);
    ScreenPicture cut;
    if (right <= left || bottom <= top) {
        return cut;
    }
    cut.width = right - left;
    cut.height = bottom - top;
    for (LONG y = top; y < bottom; ++y) {
        const auto row = picture.pixels.begin() + static_cast<ptrdiff_t>(y) * picture.width;
        cut.pixels.insert(cut.pixels.end(), row + left, row + right);
    }
    return cut;
}

std::string describe(const ScreenPicture& picture) {
    return std::to_string(picture.width) + "x" + std::to_string(picture.height) + " pixels, " +
           std::to_string(picture.colourCount()) + " colour(s)";
}

}  // namespace e2e
