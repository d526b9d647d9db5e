// A combination typed in one of the program's hot-key boxes while another bar holds it: the system hands it to that
// bar (RegisterHotKey takes it before the box sees it), which hands it back to the box's window.
#pragma once

#include <windows.h>

#include <cstdint>

namespace zudav::win32 {

// Registered message, posted to the window of the box: wParam is the combination as the hot-key control holds it.
inline constexpr wchar_t kHotKeyTakenMessage[] = L"Zudav.RaccourciPris";

// Whether the window in front is one of the program's (any bar's) with the keyboard in a hot-key box; if so, the
// combination is posted to it and true returned.
bool HandHotKeyToBoxInFront(std::uint16_t combination);

}  // namespace zudav::win32
