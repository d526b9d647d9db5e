// The look the program's windows are drawn in: chosen by the bar, followed by every window of the program (the bar,
// its secondary windows, their controls and the menus).
#pragma once

#include <windows.h>

#include <optional>

#include "platform/look.h"

namespace zudav::win32 {

// The look from now on; the menus follow it where Windows can darken them.
void SetProgramLook(Look look);
Look ProgramLook();
// Its colours; those of the high-contrast look are the system's own pairs, as they are now.
Palette ProgramPalette();
// The user's accent colour (the windows' colourisation), Windows' blue where there is none; the selection's colour.
Rgb SystemAccent();
Rgb SystemHighlight();
COLORREF ColourOf(Rgb colour);

// Gives a window its caption in the program's look, and each of its controls the theme of that look.
void DressWindow(HWND window);
// Dresses every window of this thread again and repaints it whole, after the look changed.
void DressThreadWindows();
// A window flush against an edge of the screen has square corners; the others Windows 11's rounded ones. Nothing on
// systems that do not round windows.
void SetSquareCorners(HWND window, bool square);

// Windows draws message boxes light: in the dark look, a message box that opens on this thread while this lives is
// dressed as the program's windows (caption, background, texts and buttons).
class MessageBoxLook {
  public:
    MessageBoxLook();
    ~MessageBoxLook();
    MessageBoxLook(const MessageBoxLook&) = delete;
    MessageBoxLook& operator=(const MessageBoxLook&) = delete;

  private:
    HHOOK hook_ = nullptr;
};

// In the dark look: the colours of the window's controls (WM_CTLCOLOR*) and its background (WM_ERASEBKGND). Nothing in
// the other looks, whose colours are the system's.
std::optional<LRESULT> LookMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace zudav::win32
