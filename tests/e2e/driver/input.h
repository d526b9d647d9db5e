// Real pointer input, as a user's mouse gives it: the test moves the system's cursor and presses its
// buttons, and the window system decides which window gets the press (the icon box lying over a cell,
// or the cell around it). The test program shares the desktop of the program under test.
#pragma once

#include <windows.h>

namespace e2e {

enum class MouseButton { Left, Right };

// The centre of a window's rectangle, in screen coordinates.
POINT centreOf(const RECT& rect);
// Moves the cursor to the point (screen coordinates) and waits until the system reports it there.
void moveCursorTo(POINT at);
// Moves the cursor to the point, then presses and releases the button there.
void clickAt(POINT at, MouseButton button);
// Moves the cursor to a corner of the screen where no window of the tests stands, so that no tooltip
// nor highlight of an earlier test covers what a test reads from the screen.
void parkCursor();

}  // namespace e2e
