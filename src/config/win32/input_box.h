// The program's input box: a small modal window with a prompt, a text box and the buttons OK and Annuler.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/platform.h"

namespace zudav::win32 {

// Modal over `owner`; the typed text on OK or Enter, nothing on Annuler, Escape or the close box.
std::optional<std::wstring> AskText(HWND owner,
                                    Platform& platform,
                                    const std::wstring& prompt,
                                    const std::wstring& title);

}  // namespace zudav::win32
