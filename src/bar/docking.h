// A bar at an edge of its monitor: whether it is docked there, and the room it reserves or the edge it hides at, as
// negotiated with the shell's list of desktop toolbars. Rectangles are what the user sees of the bar (its window less
// its invisible frame), in twips of the virtual screen.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include "bar/desktop_toolbar.h"
#include "platform/geometry.h"

namespace zudav {

// The side of a rectangle that faces an edge of the screen, and the same rectangle moved so that this side lies at a
// coordinate.
float OuterSide(const Geometry& rect, ScreenEdge edge);
Geometry WithOuterSide(Geometry rect, ScreenEdge edge, float at);

struct EdgeTolerances {  // how far from each edge a bar still counts as docked there
    float left = 0;
    float top = 0;
    float right = 0;
    float bottom = 0;
};

// The edge a bar is docked at: a vertical bar's left or right side, a horizontal bar's top or bottom side, within the
// tolerance of that edge of its monitor, of its work area, or of the room the bar itself holds there (which the work
// area leaves out). The nearest edge wins.
struct HeldRoom {
    ScreenEdge edge;
    Geometry room;
};
std::optional<ScreenEdge> DockedEdge(const Geometry& bar,
                                     bool horizontal,
                                     const Geometry& monitor,
                                     const Geometry& workArea,
                                     const EdgeTolerances& tolerances,
                                     const std::optional<HeldRoom>& held);

// Whether another monitor adjoins the bar's monitor at an edge, along the bar's span there: a bar hidden past that edge
// would lie on that monitor, where the pointer cannot rest on its strip.
bool EdgeTouchesAnotherMonitor(const Geometry& bar,
                               ScreenEdge edge,
                               const Geometry& monitor,
                               const std::vector<Geometry>& monitors);

// A docked bar's room at its edge, kept with the shell: registered once, the room asked for and taken again only when
// the answer changes (the work area's change that taking it causes comes back as a notice, and must not loop), given
// back when the bar leaves the edge or ends. A shell that refuses is not asked again until it restarts.
class EdgeRoom {
  public:
    explicit EdgeRoom(DesktopToolbar& shell) : shell_(shell) {}

    // Where the bar stands once its room is reserved at the edge: its outer side where the shell's answer puts it
    // (beyond the taskbar or the toolbars already there), its thickness and its place along the edge its own, kept
    // inside the answer. Nothing when the shell refuses: the bar then docks by itself.
    std::optional<Geometry> Reserve(const Geometry& bar, ScreenEdge edge, const Geometry& monitor);
    // Registered without room, as the auto-hide toolbar of the edge; false when the edge has one (or no shell).
    bool HideAt(ScreenEdge edge, const Geometry& monitor);
    // Leaves the shell's list, if in it.
    void GiveBack();
    // The shell restarted: its list is new and empty, and it may be asked again.
    void ShellRestarted();
    // The shell may have lost the bar from its list without a word (after a sleep, a monitor plugged or unplugged): the
    // next Reserve or HideAt asks to join again, and a shell that refused is asked again.
    void JoinAgain() { joinAgain_ = true; }
    // Whether the shell had lost the bar and took it anew since this was last asked.
    bool TakeRejoined() { return std::exchange(rejoined_, false); }

    std::optional<HeldRoom> Held() const;
    bool Registered() const { return registered_; }
    bool HidesAt(ScreenEdge edge) const { return autoHide_ && edge_ == edge; }

  private:
    bool Join();
    void JoinAgainIfAsked();

    DesktopToolbar& shell_;
    bool registered_ = false;
    bool refused_ = false;
    ScreenEdge edge_ = ScreenEdge::Left;
    std::optional<Geometry> room_;  // what the shell last gave
    bool autoHide_ = false;
    Geometry hideMonitor_;
    bool joinAgain_ = false;
    bool rejoined_ = false;
};

}  // namespace zudav
