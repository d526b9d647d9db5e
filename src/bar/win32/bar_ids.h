// The bar window's class and messages: the view creates them, and other programs (the shell, the end-to-end tests,
// the benchmarks) find the bar by them.
#pragma once

#include <windows.h>

namespace zudav::win32 {

inline constexpr wchar_t kBarWindowClass[] = L"ZudavPrincipal";
// The property that marks a window of a bar on another monitor than its own window's: a second start, an import and an
// export speak to the bar's own window.
inline constexpr wchar_t kOtherScreenProperty[] = L"ZudavAutreEcran";
// The picture of an item dragged from one slot to another, which follows the pointer.
inline constexpr wchar_t kDragPictureClass[] = L"ZudavElementGlisse";
// The notification icon's callback (version 4): lParam's low word is the code (WM_LBUTTONDBLCLK..., NIN_KEYSELECT,
// WM_CONTEXTMENU), its high word the icon's id; wParam is where the icon is.
inline constexpr UINT kTrayMessage = WM_APP + 1;
inline constexpr UINT kTrayIconId = 1;
// Registered message: wParam is a HandleKind (platform/win32/handles.h); the bar answers how many handles of that kind
// its wrappers hold now, or -1 for a kind it does not know. The benchmarks and the end-to-end tests compare the counts
// before and after many refreshes and openings of its windows: a count that grows is a leak.
inline constexpr wchar_t kLiveHandlesMessage[] = L"Zudav.LiveHandles";

// Registered message: posted by a second start of a bar to the bar of that name that already runs, which comes back.
inline constexpr wchar_t kStartedAgainMessage[] = L"Zudav.StartedAgain";

// Registered message: sent by the switches of another process of the bar's name before and after an import, and before
// an export. wParam kSettingsAskOnly asks whether the bar can take settings now (no dialog of its own open, whose
// closing would store what it shows), kSettingsTakeAgain has it read them from the store again, kSettingsStorePlace has
// it store its place as it is now (dialogs open or not); it answers kSettingsTaken when it can, or did.
inline constexpr wchar_t kTakeSettingsMessage[] = L"Zudav.TakeSettings";
inline constexpr WPARAM kSettingsAskOnly = 0;
inline constexpr WPARAM kSettingsTakeAgain = 1;
inline constexpr WPARAM kSettingsStorePlace = 2;
inline constexpr LRESULT kSettingsTaken = 0x5A75;

// Posted to the bar by its drop target once a drop is answered: the bar then acts on it.
inline constexpr UINT kAfterDropMessage = WM_APP + 2;
// Posted to the bar when the icon of a file that is slow to read has been read away from it
// (platform/win32/slow_icons).
inline constexpr UINT kSlowIconMessage = WM_APP + 3;

// Posted to the bar by its accessible object: wParam is the element (bar/slot_geometry.h) whose default action a screen
// reader asked for, done as a click on it once the reader's call has returned.
inline constexpr UINT kDefaultActionMessage = WM_APP + 4;

// Posted to the bar when a folder of a slot's menu has been read away from it (bar/win32/folder_reading): wParam is the
// reading's token.
inline constexpr UINT kFolderReadMessage = WM_APP + 6;

// Posted to the bar when a window of the desktop came, went or changed (bar/win32/bar_running_view.cpp).
inline constexpr UINT kDesktopWindowsMessage = WM_APP + 7;

// The shell's notices to the bar as a desktop toolbar (ABN_POSCHANGED, ABN_FULLSCREENAPP...): wParam is the notice.
inline constexpr UINT kDesktopToolbarMessage = WM_APP + 5;

}  // namespace zudav::win32
