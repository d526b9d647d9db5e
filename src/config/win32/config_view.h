// The Win32 window of the configuration window FrmAide ("Configuration"), shown modally over the bar.
#pragma once

#include <windows.h>

#include "bar/bar_window.h"
#include "bar/principal.h"
#include "platform/platform.h"

namespace zudav::win32 {

// Shows the configuration of the bar `owner` and returns when it is closed. freeSlot is the bar's picture of a
// free slot, shown for the free positions of the item column.
void ShowConfigWindow(HWND owner, Platform& platform, Principal& principal, BarWindow& bar, HICON freeSlot);

}  // namespace zudav::win32
