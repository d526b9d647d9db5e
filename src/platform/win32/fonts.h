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

}  // namespace zudav::win32
