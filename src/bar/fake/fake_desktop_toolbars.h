// A model of the shell's list of desktop toolbars, as Microsoft documents it, shared by the bars of a test: each
// monitor's edges, the taskbar, toolbars stacking on one edge in the order they joined, one auto-hide toolbar per edge
// of a monitor, and the work area that the room they hold leaves. Every message is logged.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "bar/desktop_toolbar.h"

namespace zudav {

class DesktopToolbarList {
  public:
    // The taskbar joins first: `thickness` at an edge of a monitor, hiding there or holding its room.
    void AddTaskbar(ScreenEdge edge, const Geometry& monitor, float thickness, bool autoHide = false);
    // Explorer restarted: every toolbar but the taskbar is forgotten.
    void Restart();
    // The shell drops a toolbar from its list without a word, as it may over a sleep or a change of monitors.
    void Lose(int id);
    // The monitor less the room the toolbars hold on it.
    Geometry WorkArea(const Geometry& monitor) const;

    bool answers = true;            // false: no shell (every message fails or changes nothing)
    std::vector<std::wstring> log;  // "NEW 1", "QUERYPOS 1 left", "SETPOS 1 left", "AUTOHIDE 1 left on", "REMOVE 1"

  private:
    friend class FakeDesktopToolbar;
    struct Entry {
        int id = 0;
        std::optional<ScreenEdge> edge;  // once placed
        Geometry rect;
        bool autoHide = false;
        Geometry autoHideMonitor;
    };
    Entry* Find(int id);
    Geometry ClearOfOthers(int id, ScreenEdge edge, Geometry proposed) const;
    void Log(const std::wstring& message, int id, std::optional<ScreenEdge> edge = std::nullopt);

    std::vector<Entry> entries_;  // in the order they joined
};

// One bar's side of the list.
class FakeDesktopToolbar : public DesktopToolbar {
  public:
    FakeDesktopToolbar(DesktopToolbarList& list, int id) : list_(&list), id_(id) {}
    void UseList(DesktopToolbarList& list) { list_ = &list; }

    bool Register() override;
    void Unregister() override;
    Geometry QueryPlace(ScreenEdge edge, const Geometry& proposed) override;
    Geometry SetPlace(ScreenEdge edge, const Geometry& proposed) override;
    bool SetAutoHide(ScreenEdge edge, const Geometry& monitor, bool on) override;

  private:
    DesktopToolbarList* list_;
    int id_;
};

std::wstring EdgeName(ScreenEdge edge);

}  // namespace zudav
