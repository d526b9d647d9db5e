#include "platform/win32/fonts.h"

#include "platform/win32/twips.h"

namespace zudav::win32 {

UniqueFont MakeFont(HWND window, const wchar_t* face, float points, FontStyle style) {
    return MakeFontAtDpi(WindowDpi(window), face, points, style);
}

UniqueFont ScaledDialogFont(int dpi) {
    const int systemDpi = SystemDpi();
    LOGFONTW font{};
    if (dpi == systemDpi || GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font) == 0) {
        return UniqueFont();
    }
    font.lfHeight = FontHeightAtDpi(font.lfHeight, systemDpi, dpi);
    return UniqueFont(CreateFontIndirectW(&font));
}

UniqueFont MakeFontAtDpi(int dpi, const wchar_t* face, float points, FontStyle style) {
    const int height = -static_cast<int>(points * static_cast<float>(dpi) / 72.0f + 0.5f);
    return UniqueFont(CreateFontW(height, 0, 0, 0, style.bold ? FW_BOLD : FW_NORMAL, FALSE, style.underline, FALSE,
                                  DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH, face));
}

}  // namespace zudav::win32
