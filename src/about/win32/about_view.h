// The Win32 window of the About box frmAbout, shown modally over the bar.
#pragma once

#include <windows.h>

#include <string>

#include "platform/platform.h"

namespace zudav::win32 {

// Shows the About box of the bar `owner` (its icon and caption) and returns when the user closes it.
void ShowAboutBox(HWND owner, Platform& platform, const std::wstring& sautLigne);

}  // namespace zudav::win32
