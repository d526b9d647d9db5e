// A full-screen program in front on the bar's monitor (a film, a game) takes a bar that stays on top out of the topmost
// band until it leaves full screen, the foreground or closes: the decision, and what the bar remembers of it.
#pragma once

#include <string>

#include "platform/geometry.h"

namespace zudav {

// The window in the foreground, as the view reads it (an empty rectangle: no window is in the foreground).
struct FrontWindow {
    PixelRect rect;           // its window rectangle
    std::wstring className;   // its window class
    bool desktop = false;     // the shell's or the desktop's own window
    bool ownProcess = false;  // a window of the bar's own program
    // Maximised with its caption: a window the user works in, which reaches beyond a monitor without a taskbar only by
    // its invisible borders.
    bool maximisedWindow = false;
};

// Whether the window is the desktop's own (the desktop, the layer behind its icons): Show desktop brings it to the
// front.
bool IsDesktop(const FrontWindow& front);

// Whether the window covers the whole monitor (its full rectangle, not its work area) as a full-screen program does.
// The desktop and the taskbar cover it too, and the bar's own windows are never a program to step aside for.
bool IsFullScreenOn(const FrontWindow& front, const PixelRect& monitor);

// Whether the bar stands in the topmost band: when its option "on top" asks for it and no full-screen program is in
// front on its monitor, neither one in the foreground nor one the shell has reported.
bool StaysOnTop(bool optionOnTop, bool fullScreenInFront, bool shellReportsFullScreen);

// What the bar remembers: whether it stepped aside, so that it goes back only then, and its option as last taken in.
class TopmostBand {
  public:
    enum class Move { None, StepAside, TakeBack };

    // The option as the bar has just applied it (at start-up, when the configuration closes): in the band when on.
    Move TakeOption(bool onTop);
    Move OnFront(bool fullScreenInFront);
    Move OnShellNotice(bool opened);
    bool SteppedAside() const { return aside_; }
    // The desktop came to the foreground (Show desktop, a click on it): no program is in front in full screen, whatever
    // the shell last said, and a bar in the band takes its top again above every topmost window shown before.
    Move OnDesktopInFront();

  private:
    Move Follow();

    bool option_ = false;
    bool front_ = false;
    bool shell_ = false;
    bool aside_ = false;
};

}  // namespace zudav
