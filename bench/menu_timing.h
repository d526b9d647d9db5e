// Timing a click that opens a popup menu in another program: until the menu is shown, and until the pictures of its
// visible entries are drawn, as read back from the screen. Also the folder of small files that such a menu lists.
#pragma once

#include <windows.h>

#include <string>

namespace zudav_bench {

// The benchmarks' clock, in milliseconds.
double Now();

// A folder of `count` small command files, f1.cmd to f<count>.cmd, in the temporary folder: its path, or empty when
// it could not be made. RemoveFiles deletes it.
std::wstring MakeFiles(int count);
void RemoveFiles(const std::wstring& folder, int count);

struct MenuTimes {
    double shownMs = 0;     // from the click to the menu shown
    double picturesMs = 0;  // from the click to the pictures of its visible entries drawn, when asked for
};

// Posts a left click at `at` in `window`'s client area and times it until a menu of the window's process is shown,
// and with `pictures` until every entry it shows has its picture drawn; then closes the menu with Escape and waits
// until it is gone. False when the menu did not show, its pictures did not come or it did not close in time.
bool TimeMenu(HWND window, POINT at, bool pictures, MenuTimes& times);

}  // namespace zudav_bench
