// The bar window's class, control ids and messages: the view creates them, and other programs (the shell,
// the end-to-end tests, the benchmarks) find the bar and its controls by them.
#pragma once

#include <windows.h>

namespace zudav::win32 {

inline constexpr wchar_t kBarWindowClass[] = L"ZudavPrincipal";
// The notification icon's callback: wParam is the icon's id, lParam the mouse message (WM_LBUTTONDBLCLK...).
inline constexpr UINT kTrayMessage = WM_APP + 1;
inline constexpr UINT kTrayIconId = 1;
// Registered message: wParam is a HandleKind (platform/win32/handles.h); the bar answers how many handles of that kind
// its wrappers hold now, or -1 for a kind it does not know. The benchmarks and the end-to-end tests compare the counts
// before and after many refreshes and openings of its windows: a count that grows is a leak.
inline constexpr wchar_t kLiveHandlesMessage[] = L"Zudav.LiveHandles";

// Registered message: posted by a second start of a bar to the bar of that name that already runs, which comes back.
inline constexpr wchar_t kStartedAgainMessage[] = L"Zudav.StartedAgain";

// Posted to the bar by its drop target once a drop is answered: the bar then acts on it.
inline constexpr UINT kAfterDropMessage = WM_APP + 2;
// Posted to the bar when the icon of a file that is slow to read has been read away from it
// (platform/win32/slow_icons).
inline constexpr UINT kSlowIconMessage = WM_APP + 3;

// Picture1(i) is kPicture1 + i, CoolBar(i) is kCoolBar + i.
inline constexpr int kPicture1 = 1000;
inline constexpr int kCoolBar = 1100;
inline constexpr int kBarLabel1 = 1200;  // "Action"
inline constexpr int kBarImage2 = 1201;  // "Arrêter"

}  // namespace zudav::win32
