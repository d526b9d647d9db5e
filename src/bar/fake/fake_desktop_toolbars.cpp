#include "bar/fake/fake_desktop_toolbars.h"

#include <algorithm>

#include "bar/docking.h"

namespace zudav {
namespace {

constexpr int kTaskbar = 0;

bool OnMonitor(const Geometry& rect, const Geometry& monitor) {
    return rect.left < monitor.left + monitor.width && monitor.left < rect.left + rect.width &&
           rect.top < monitor.top + monitor.height && monitor.top < rect.top + rect.height;
}

// The rectangle with its outer side moved inward to `at`, its inner side where it was.
Geometry OuterSideMovedTo(Geometry rect, ScreenEdge edge, float at) {
    const float far = OuterSide(rect, edge == ScreenEdge::Left    ? ScreenEdge::Right
                                      : edge == ScreenEdge::Right ? ScreenEdge::Left
                                      : edge == ScreenEdge::Top   ? ScreenEdge::Bottom
                                                                  : ScreenEdge::Top);
    switch (edge) {
        case ScreenEdge::Left:
            rect = {at, rect.top, far - at, rect.height};
            break;
        case ScreenEdge::Right:
            rect = {far, rect.top, at - far, rect.height};
            break;
        case ScreenEdge::Top:
            rect = {rect.left, at, rect.width, far - at};
            break;
        default:
            rect = {rect.left, far, rect.width, at - far};
            break;
    }
    return rect;
}

}  // namespace

std::wstring EdgeName(ScreenEdge edge) {
    const wchar_t* names[] = {L"left", L"top", L"right", L"bottom"};
    return names[static_cast<int>(edge)];
}

void DesktopToolbarList::AddTaskbar(ScreenEdge edge, const Geometry& monitor, float thickness, bool autoHide) {
    const bool vertical = edge == ScreenEdge::Left || edge == ScreenEdge::Right;
    Geometry rect = monitor;
    (vertical ? rect.width : rect.height) = thickness;
    entries_.insert(entries_.begin(),
                    Entry{kTaskbar, edge, WithOuterSide(rect, edge, OuterSide(monitor, edge)), autoHide, monitor});
}

void DesktopToolbarList::Restart() {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [](const Entry& e) { return e.id != kTaskbar; }),
                   entries_.end());
}

void DesktopToolbarList::Lose(int id) {
    entries_.erase(std::remove_if(entries_.begin(), entries_.end(), [id](const Entry& e) { return e.id == id; }),
                   entries_.end());
}

Geometry DesktopToolbarList::WorkArea(const Geometry& monitor) const {
    float left = monitor.left, top = monitor.top;
    float right = monitor.left + monitor.width, bottom = monitor.top + monitor.height;
    for (const Entry& e : entries_) {
        if (!e.edge || e.autoHide || !OnMonitor(e.rect, monitor)) {
            continue;  // an auto-hide toolbar holds no room
        }
        switch (*e.edge) {
            case ScreenEdge::Left:
                left = std::max(left, e.rect.left + e.rect.width);
                break;
            case ScreenEdge::Right:
                right = std::min(right, e.rect.left);
                break;
            case ScreenEdge::Top:
                top = std::max(top, e.rect.top + e.rect.height);
                break;
            default:
                bottom = std::min(bottom, e.rect.top);
                break;
        }
    }
    return {left, top, right - left, bottom - top};
}

DesktopToolbarList::Entry* DesktopToolbarList::Find(int id) {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [id](const Entry& e) { return e.id == id; });
    return found == entries_.end() ? nullptr : &*found;
}

// The shell moves the proposal's outer side beyond the toolbars of that edge and monitor that joined before it.
Geometry DesktopToolbarList::ClearOfOthers(int id, ScreenEdge edge, Geometry proposed) const {
    for (const Entry& e : entries_) {
        if (e.id == id) {
            break;
        }
        if (e.edge == edge && !e.autoHide && OnMonitor(e.rect, proposed)) {
            const ScreenEdge inner = edge == ScreenEdge::Left    ? ScreenEdge::Right
                                     : edge == ScreenEdge::Right ? ScreenEdge::Left
                                     : edge == ScreenEdge::Top   ? ScreenEdge::Bottom
                                                                 : ScreenEdge::Top;
            proposed = OuterSideMovedTo(proposed, edge, OuterSide(e.rect, inner));
        }
    }
    return proposed;
}

void DesktopToolbarList::Log(const std::wstring& message, int id, std::optional<ScreenEdge> edge) {
    log.push_back(message + L" " + std::to_wstring(id) + (edge ? L" " + EdgeName(*edge) : L""));
}

bool FakeDesktopToolbar::Register() {
    list_->Log(L"NEW", id_);
    if (!list_->answers || list_->Find(id_) != nullptr) {
        return false;
    }
    list_->entries_.push_back({id_, std::nullopt, {}, false, {}});
    return true;
}

void FakeDesktopToolbar::Unregister() {
    list_->Log(L"REMOVE", id_);
    auto& entries = list_->entries_;
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [this](const DesktopToolbarList::Entry& e) { return e.id == id_; }),
                  entries.end());
}

Geometry FakeDesktopToolbar::QueryPlace(ScreenEdge edge, const Geometry& proposed) {
    list_->Log(L"QUERYPOS", id_, edge);
    return list_->Find(id_) != nullptr ? list_->ClearOfOthers(id_, edge, proposed) : proposed;
}

Geometry FakeDesktopToolbar::SetPlace(ScreenEdge edge, const Geometry& proposed) {
    list_->Log(L"SETPOS", id_, edge);
    auto* entry = list_->Find(id_);
    if (entry == nullptr) {
        return proposed;
    }
    entry->rect = list_->ClearOfOthers(id_, edge, proposed);
    entry->edge = edge;
    return entry->rect;
}

bool FakeDesktopToolbar::SetAutoHide(ScreenEdge edge, const Geometry& monitor, bool on) {
    list_->Log(std::wstring(L"AUTOHIDE") + (on ? L" on" : L" off"), id_, edge);
    auto* entry = list_->Find(id_);
    if (entry == nullptr) {
        return false;
    }
    if (on) {
        for (const auto& e : list_->entries_) {
            if (e.id != id_ && e.autoHide && e.edge == edge && e.autoHideMonitor == monitor) {
                return false;  // one auto-hide toolbar per edge of a monitor
            }
        }
        entry->edge = edge;
    }
    entry->autoHide = on;
    entry->autoHideMonitor = monitor;
    return true;
}

}  // namespace zudav
