// The picture of an item dragged from slot to slot: its icon box as the bar shows it, framed, in a small window above
// every other that follows the pointer and lets it through (the bar, which has the capture, hears the pointer all the
// same). The window goes with the object, on every road that ends the drag.
#pragma once

#include <windows.h>

#include "platform/win32/picture.h"

namespace zudav::win32 {

class DragPicture {
  public:
    // box: the icon box in the bar's client area; at: the pointer there, which holds the picture where it took it.
    DragPicture(HINSTANCE instance,
                HWND bar,
                const Picture& picture,
                const RECT& box,
                POINT at,
                COLORREF face,
                COLORREF frame);
    ~DragPicture();
    DragPicture(const DragPicture&) = delete;
    DragPicture& operator=(const DragPicture&) = delete;

    HWND Window() const { return window_; }
    // The pointer moved to a point of the bar's client area.
    void Follow(POINT at);

  private:
    HWND bar_;
    HWND window_ = nullptr;
    POINT offset_{};  // from the pointer to the picture's top-left corner
};

}  // namespace zudav::win32
