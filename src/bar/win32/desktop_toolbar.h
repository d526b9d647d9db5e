// The bar's side of the shell's list of desktop toolbars, through SHAppBarMessage: rectangles in twips of the virtual
// screen on the logic's side, the shell's pixels on the other.
#pragma once

#include <windows.h>

#include "bar/desktop_toolbar.h"

namespace zudav::win32 {

class ShellDesktopToolbar final : public DesktopToolbar {
  public:
    void Bind(HWND window) { window_ = window; }

    bool Register() override;
    void Unregister() override;
    Geometry QueryPlace(ScreenEdge edge, const Geometry& proposed) override;
    Geometry SetPlace(ScreenEdge edge, const Geometry& proposed) override;
    bool SetAutoHide(ScreenEdge edge, const Geometry& monitor, bool on) override;

    // What the shell asks of every toolbar in its list: to be told when the bar is activated, and when it moves.
    void OnActivated() const;
    void OnMoved() const;

  private:
    Geometry Place(DWORD message, ScreenEdge edge, const Geometry& proposed) const;

    HWND window_ = nullptr;
    bool registered_ = false;
};

}  // namespace zudav::win32
