// Showing a window modally over its owner: the owner is disabled, a nested message loop runs until the
// window is gone, and the activation goes back to the owner (which then refreshes).
#pragma once

#include <windows.h>

namespace zudav {
class Platform;
}

namespace zudav::win32 {

// Runs until `window` is destroyed. Enter and Escape are sent to it as WM_COMMAND IDOK / IDCANCEL;
// F1 opens the program's help.
void RunModal(HWND owner, HWND window, Platform& platform);

// Outer size of a window whose client area has the given size in twips.
SIZE WindowSizeForClient(HWND reference, float clientWidth, float clientHeight, DWORD style, DWORD exStyle);

}  // namespace zudav::win32
