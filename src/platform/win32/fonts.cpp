#include "platform/win32/fonts.h"

#include "platform/win32/twips.h"

namespace zudav::win32 {

UniqueFont MakeFont(HWND window, const wchar_t* face, float points, FontStyle style) {
    const int height = -static_cast<int>(points * static_cast<float>(WindowDpi(window)) / 72.0f + 0.5f);
    return UniqueFont(CreateFontW(height, 0, 0, 0, style.bold ? FW_BOLD : FW_NORMAL, FALSE, style.underline, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH, face));
}

}  // namespace zudav::win32
