// Small drawing steps shared by the program's windows.
#pragma once

#include <windows.h>

namespace zudav::win32 {

// A one-pixel black outline of the rectangle, its inside left as it is.
inline void DrawOutline(HDC dc, const RECT& rect) {
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    HGDIOBJ previousPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    SelectObject(dc, previousPen);
    SelectObject(dc, previousBrush);
}

}  // namespace zudav::win32
