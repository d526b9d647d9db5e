// Fonts of the program's windows, sized in points for the window's real DPI.
#pragma once

#include <windows.h>

#include "platform/win32/handles.h"

namespace zudav::win32 {

struct FontStyle {
    bool bold = false;
    bool underline = false;
};

UniqueFont MakeFont(HWND window, const wchar_t* face, float points, FontStyle style = {});
UniqueFont MakeFontAtDpi(int dpi, const wchar_t* face, float points, FontStyle style = {});

// The stock dialog font (DEFAULT_GUI_FONT) is made for the system's DPI: for another DPI, the same font scaled; none
// at the system's DPI, where the stock one is right.
UniqueFont ScaledDialogFont(int dpi);

}  // namespace zudav::win32
