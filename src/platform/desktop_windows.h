// The top-level windows of the desktop as the taskbar sees them, and what the bar may do with one: bring it back to
// the front, restored, or minimise it.
#pragma once

#include <cstdint>
#include <string>

namespace zudav {

struct DesktopWindow {
    std::uintptr_t id = 0;  // its handle
    std::wstring program;   // the full path of its process's executable; empty when it cannot be read (another user's)
    std::wstring appId;     // its application id (AppUserModelID), its own or else its process's; empty when none
    std::wstring title;
    bool owned = false;       // it has an owner window (a dialog, a tool palette)
    bool toolWindow = false;  // WS_EX_TOOLWINDOW
    bool appWindow = false;   // WS_EX_APPWINDOW: on the taskbar whatever else it is
    bool cloaked = false;     // hidden by the window manager (on another virtual desktop, a suspended app)
    bool minimised = false;
};

enum class WindowCommand { BringBack, Minimise };

}  // namespace zudav
