// The shell's list of desktop toolbars (the taskbar is one): a bar docked at an edge of its monitor may reserve room
// there, which the work area then leaves out, or hide at that edge. Rectangles are in twips of the virtual screen, as
// the work areas. The Win32 view speaks SHAppBarMessage; the fake is a model of the documented shell.
#pragma once

#include "platform/geometry.h"

namespace zudav {

enum class ScreenEdge { Left, Top, Right, Bottom };

class DesktopToolbar {
  public:
    virtual ~DesktopToolbar() = default;

    // Joins the list (ABM_NEW, with the bar's callback message); false when the shell refuses or does not answer.
    virtual bool Register() = 0;
    // Leaves it (ABM_REMOVE): the room it held goes back to the work area, its auto-hide edge is free again.
    virtual void Unregister() = 0;
    // The rectangle proposed for an edge, as the shell moves it clear of the taskbar and the toolbars already there
    // (ABM_QUERYPOS), then as it takes it (ABM_SETPOS).
    virtual Geometry QueryPlace(ScreenEdge edge, const Geometry& proposed) = 0;
    virtual Geometry SetPlace(ScreenEdge edge, const Geometry& proposed) = 0;
    // Becomes, or stops being, the auto-hide toolbar of an edge of a monitor (ABM_SETAUTOHIDEBAREX); false when the
    // edge has one already.
    virtual bool SetAutoHide(ScreenEdge edge, const Geometry& monitor, bool on) = 0;
};

}  // namespace zudav
