#include "bar/running.h"

#include <algorithm>

#include "platform/item_picture.h"
#include "platform/paths.h"
#include "platform/shell_item.h"
#include "platform/slow_files.h"

namespace zudav {
namespace {

bool EndsWith(const std::wstring& text, const wchar_t* end) {
    const std::wstring tail = end;
    return text.size() >= tail.size() && SameNameNoCase(text.substr(text.size() - tail.size()), tail);
}

bool IsProgramFile(const std::wstring& path) {
    return EndsWith(path, L".exe") || EndsWith(path, L".com");
}

}  // namespace

bool ShownOnTaskbar(const DesktopWindow& window) {
    return !window.cloaked && (window.appWindow || (!window.owned && !window.toolWindow));
}

std::optional<RunningKey> RunningKeyOf(const BarItem& item, const std::wstring& barFolder, const Platform& platform) {
    if (item.Free() || item.IsDocument()) {
        return std::nullopt;
    }
    std::wstring path = platform.ExpandEnvironment(item.chemin);
    const std::wstring apps = kAppsFolderPrefix;
    if (path.size() > apps.size() && SameNameNoCase(path.substr(0, apps.size()), apps)) {
        return RunningKey{L"", path.substr(apps.size())};
    }
    if (IsAddress(path) || IsShellName(path)) {
        return std::nullopt;
    }
    if (EndsWith(path, L".lnk")) {
        if (ReadingOf(platform, path) == Reading::Away) {
            return std::nullopt;
        }
        const std::optional<Shortcut> shortcut = platform.ReadShortcut(path);
        if (!shortcut) {
            return std::nullopt;
        }
        path = platform.ExpandEnvironment(shortcut->target);
    }
    const size_t name = path.find_last_of(L"\\/");
    const bool extension = path.find(L'.', name == std::wstring::npos ? 0 : name) != std::wstring::npos;
    if (extension && !IsProgramFile(path)) {
        return std::nullopt;  // a document (a program may be named without its ".exe", as a start finds it)
    }
    // A program on a share is known by its path as it stands: finding it would read the share.
    if (ReadingOf(platform, path) == Reading::Away) {
        return RunningKey{path, L""};
    }
    const std::optional<StartTarget> target = ProgramToStart(path, barFolder, platform);
    if (!target || !IsProgramFile(target->file)) {
        return std::nullopt;
    }
    return RunningKey{target->file, L""};
}

SlotWindows WindowsOfSlots(const std::array<std::optional<RunningKey>, kSlotCount>& keys,
                           const std::vector<DesktopWindow>& windows) {
    SlotWindows slots;
    for (const DesktopWindow& window : windows) {
        if (!ShownOnTaskbar(window)) {
            continue;
        }
        for (int slot = 0; slot < kSlotCount; ++slot) {
            const std::optional<RunningKey>& key = keys[static_cast<size_t>(slot)];
            // Paths and ids compare as Windows compares them, without regard to case.
            const bool runs =
                key && (key->appId.empty() ? !window.program.empty() && SameNameNoCase(window.program, key->program)
                                           : !window.appId.empty() && SameNameNoCase(window.appId, key->appId));
            if (runs) {
                slots[static_cast<size_t>(slot)].push_back(window);
            }
        }
    }
    return slots;
}

PixelRect RunningMark(const PixelRect& cell, MenuSide side) {
    const int width = cell.right - cell.left, height = cell.bottom - cell.top;
    const int thick = std::max(2, std::min(width, height) / 16);
    const bool across = side == MenuSide::Left || side == MenuSide::Right;  // along an upright edge
    const int middle = across ? (cell.top + cell.bottom) / 2 : (cell.left + cell.right) / 2;
    const int half = (across ? height : width) / 4;
    switch (side) {
        case MenuSide::Left:
            return {cell.left + 1, middle - half, cell.left + 1 + thick, middle + half};
        case MenuSide::Right:
            return {cell.right - 1 - thick, middle - half, cell.right - 1, middle + half};
        case MenuSide::Above:
            return {middle - half, cell.top + 1, middle + half, cell.top + 1 + thick};
        case MenuSide::Below:
            break;
    }
    return {middle - half, cell.bottom - 1 - thick, middle + half, cell.bottom - 1};
}

ClickAnswer AnswerToClick(bool basculer,
                          ClickWay way,
                          const std::vector<DesktopWindow>& windows,
                          std::uintptr_t inFront) {
    using Kind = ClickAnswer::Kind;
    if (way == ClickWay::Administrator) {
        return {Kind::StartAsAdministrator};
    }
    if (way == ClickWay::NewCopy || !basculer || windows.empty()) {
        return {Kind::Start};
    }
    if (windows.size() > 1) {
        return {Kind::ChooseWindow};
    }
    const DesktopWindow& only = windows.front();
    return {only.id == inFront && !only.minimised ? Kind::Minimise : Kind::BringBack, only.id};
}

}  // namespace zudav
