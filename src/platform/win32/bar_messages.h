// Messages of the bar window that other programs (the shell, the end-to-end tests) send to it.
#pragma once

#include <windows.h>

namespace zudav::win32 {

inline constexpr wchar_t kBarWindowClass[] = L"ZudavPrincipal";
// The notification icon's callback: wParam is the icon's id, lParam the mouse message (WM_LBUTTONDBLCLK...).
inline constexpr UINT kTrayMessage = WM_APP + 1;
inline constexpr UINT kTrayIconId = 1;

}  // namespace zudav::win32
