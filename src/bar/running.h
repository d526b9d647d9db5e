// What runs of the bar's programs: which of the desktop's windows the taskbar would show, which slot each one marks,
// and what a click on a slot whose program runs does when the user chose to get back to it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bar/folder_menu.h"
#include "bar/model/bar_item.h"
#include "bar/model/stored_keys.h"
#include "platform/platform.h"

namespace zudav {

// A window the taskbar shows: visible and not hidden by the window manager, and either an app window or neither owned
// nor a tool window.
bool ShownOnTaskbar(const DesktopWindow& window);

// What a slot's item runs as: a program's full path, or an app's id. Nothing for a document, a folder, an address or
// a shell folder, which show no mark. A shortcut stands for its target; a name alone for the program a start finds.
// A shortcut on a share is not read here, where the network's time-out would hold the bar.
struct RunningKey {
    std::wstring program;
    std::wstring appId;
};
std::optional<RunningKey> RunningKeyOf(const BarItem& item, const std::wstring& barFolder, const Platform& platform);

// The windows of each slot's program, the one in front first; a program on two slots marks both.
using SlotWindows = std::array<std::vector<DesktopWindow>, kSlotCount>;
SlotWindows WindowsOfSlots(const std::array<std::optional<RunningKey>, kSlotCount>& keys,
                           const std::vector<DesktopWindow>& windows);

// The mark of a slot whose program runs: a short bar along the cell's edge on the given side (the side away from the
// screen's edge, where a folder's menu opens), half the cell's side long and a sixteenth of its thickness thick.
PixelRect RunningMark(const PixelRect& cell, MenuSide side);

// How the slot was clicked: a plain click (or Enter, Space, its digit), a middle click or Shift+click (another
// copy, always), Ctrl+Shift+click (as administrator).
enum class ClickWay { Plain, NewCopy, Administrator };

struct ClickAnswer {
    enum class Kind { Start, StartAsAdministrator, BringBack, Minimise, ChooseWindow };
    Kind kind = Kind::Start;
    std::uintptr_t window = 0;  // the window brought back or minimised
};
// As on the taskbar, when the user chose it (`Basculer`): a running program's only window comes to the front,
// restored, unless it is in front already, when it is minimised; of several windows, the user chooses one.
ClickAnswer AnswerToClick(bool basculer,
                          ClickWay way,
                          const std::vector<DesktopWindow>& windows,
                          std::uintptr_t inFront);

}  // namespace zudav
