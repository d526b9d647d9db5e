// Small drawing steps shared by the program's windows.
#pragma once

#include <windows.h>

namespace zudav::win32 {

// Whether the user has a high-contrast theme on: the windows then draw with the system's colour pairs only.
inline bool HighContrastOn() {
    HIGHCONTRASTW theme{};
    theme.cbSize = sizeof theme;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof theme, &theme, 0) &&
           (theme.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// A one-pixel outline of the rectangle in a colour, its inside left as it is.
inline void DrawOutline(HDC dc, const RECT& rect, COLORREF colour) {
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    HGDIOBJ previousPen = SelectObject(dc, GetStockObject(DC_PEN));
    const COLORREF previousColour = SetDCPenColor(dc, colour);
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    SetDCPenColor(dc, previousColour);
    SelectObject(dc, previousPen);
    SelectObject(dc, previousBrush);
}

}  // namespace zudav::win32
