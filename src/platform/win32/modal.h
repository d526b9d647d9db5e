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

// What the views of the program's modal windows share: their owner and window, a closing that gives the
// activation back to the owner, and the events handed to the logic one at a time, between reading the controls
// into the logic's fields (Pull) and showing its fields again (Push).
class ModalView {
  public:
    // For the window procedure.
    void Bind(HWND window) { window_ = window; }

  protected:
    explicit ModalView(HWND owner) : owner_(owner) {}
    ~ModalView() = default;

    virtual void Pull() = 0;
    virtual void Push() = 0;

    template <typename Action>
    void Run(Action action) {
        if (busy_) {
            return;  // a dialog of an earlier event is open
        }
        busy_ = true;
        Pull();
        action();
        Push();
        busy_ = false;
    }

    void CloseModal() {
        // The owner is enabled first so that the activation goes back to it (and the bar refreshes).
        EnableWindow(owner_, TRUE);
        DestroyWindow(window_);
    }

    HWND owner_;
    HWND window_ = nullptr;

  private:
    bool busy_ = false;
};

// Outer size of a window whose client area has the given size in twips.
SIZE WindowSizeForClient(HWND reference, float clientWidth, float clientHeight, DWORD style, DWORD exStyle);

// Where a window of that size opens, wholly inside the work area of its owner's monitor: beside the owner, or in the
// middle of it.
POINT PlaceBesideOwner(HWND owner, SIZE size);
POINT PlaceOverOwner(HWND owner, SIZE size);

}  // namespace zudav::win32
