#include "bar/win32/desktop_toolbar.h"

#include <shellapi.h>
#include <versionhelpers.h>

#include "bar/win32/bar_ids.h"
#include "platform/win32/twips.h"

namespace zudav::win32 {
namespace {

UINT ShellEdge(ScreenEdge edge) {
    switch (edge) {
        case ScreenEdge::Left:
            return ABE_LEFT;
        case ScreenEdge::Top:
            return ABE_TOP;
        case ScreenEdge::Right:
            return ABE_RIGHT;
        default:
            return ABE_BOTTOM;
    }
}

// The shell's rectangles are in the pixels of the virtual screen, which the system's DPI converts to its twips.
RECT ToPixels(const Geometry& rect) {
    const int dpi = WindowDpi(nullptr);
    return {TwipsToPixels(rect.left, dpi), TwipsToPixels(rect.top, dpi), TwipsToPixels(rect.left + rect.width, dpi),
            TwipsToPixels(rect.top + rect.height, dpi)};
}

Geometry ToTwips(const RECT& rect) {
    const int dpi = WindowDpi(nullptr);
    return WindowTwips({rect.left, rect.top, rect.right, rect.bottom}, dpi, dpi);
}

}  // namespace

bool ShellDesktopToolbar::Register() {
    APPBARDATA data{sizeof data, window_, kDesktopToolbarMessage, 0, {}, 0};
    registered_ = SHAppBarMessage(ABM_NEW, &data) != FALSE;
    return registered_;
}

void ShellDesktopToolbar::Unregister() {
    APPBARDATA data{sizeof data, window_, 0, 0, {}, 0};
    SHAppBarMessage(ABM_REMOVE, &data);
    registered_ = false;
}

Geometry ShellDesktopToolbar::Place(DWORD message, ScreenEdge edge, const Geometry& proposed) const {
    APPBARDATA data{sizeof data, window_, 0, ShellEdge(edge), ToPixels(proposed), 0};
    SHAppBarMessage(message, &data);
    return ToTwips(data.rc);
}

Geometry ShellDesktopToolbar::QueryPlace(ScreenEdge edge, const Geometry& proposed) {
    return Place(ABM_QUERYPOS, edge, proposed);
}

Geometry ShellDesktopToolbar::SetPlace(ScreenEdge edge, const Geometry& proposed) {
    return Place(ABM_SETPOS, edge, proposed);
}

// Windows 8 and later take the edge of a monitor, named by its rectangle; Windows 7 knows the primary monitor's alone.
bool ShellDesktopToolbar::SetAutoHide(ScreenEdge edge, const Geometry& monitor, bool on) {
    constexpr DWORD kSetAutoHideBarEx = 0x0000000c;  // ABM_SETAUTOHIDEBAREX, which headers for Windows 7 leave out
    APPBARDATA data{sizeof data, window_, 0, ShellEdge(edge), ToPixels(monitor), on ? TRUE : FALSE};
    return SHAppBarMessage(IsWindows8OrGreater() ? kSetAutoHideBarEx : ABM_SETAUTOHIDEBAR, &data) != FALSE;
}

void ShellDesktopToolbar::OnActivated() const {
    if (registered_) {
        APPBARDATA data{sizeof data, window_, 0, 0, {}, 0};
        SHAppBarMessage(ABM_ACTIVATE, &data);
    }
}

void ShellDesktopToolbar::OnMoved() const {
    if (registered_) {
        APPBARDATA data{sizeof data, window_, 0, 0, {}, 0};
        SHAppBarMessage(ABM_WINDOWPOSCHANGED, &data);
    }
}

}  // namespace zudav::win32
