// Laying out a window's standard controls from positions in twips: creating them with the dialog font,
// tooltips, and the text of a control read and written without flicker. Shared by the program's windows.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/child_control.h"

namespace zudav::win32 {

// A control's place in twips: Left, Top, Width, Height.
struct Twips {
    float left, top, width, height;
};

class ControlBuilder {
  public:
    // Positions are given from `origin` (twips of the window's client area): a frame's corner, or 0, 0.
    ControlBuilder(HWND window, float originLeft = 0, float originTop = 0);

    RECT ToPixels(const Twips& at) const;
    // A standard control (a window class such as BUTTON, EDIT, STATIC), shown, in the dialog font unless given.
    HWND Add(const wchar_t* windowClass,
             const std::wstring& text,
             DWORD style,
             int id,
             const Twips& at,
             HFONT font = nullptr) const;
    // One of the program's own light controls.
    void Place(ChildControl& control, int id, ControlOwner& owner, const Twips& at) const;
    // A text drawn by a light control (`format`: DrawText flags), in the dialog font unless given. Wine's STATIC
    // control keeps a block of memory for good once it has been given a font: a window opened again and again grows.
    void Label(ChildControl& control,
               ControlOwner& owner,
               const std::wstring& text,
               UINT format,
               const Twips& at,
               HFONT font = nullptr) const;
    ControlBuilder Inside(float left, float top) const { return ControlBuilder(window_, left_ + left, top_ + top); }

  private:
    HWND window_;
    float left_;
    float top_;
};

// A tooltip window for `window`, and a tool on one of its controls.
HWND CreateTooltipWindow(HWND window);
void AddTooltip(HWND tooltip, HWND window, HWND control, const std::wstring& text);
void SetTooltipText(HWND tooltip, HWND window, HWND control, const std::wstring& text);

std::wstring TextOf(HWND control);
void SetTextIfChanged(HWND control, const std::wstring& text);

}  // namespace zudav::win32
