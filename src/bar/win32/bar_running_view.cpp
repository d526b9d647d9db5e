// Which of the bar's programs run: the shell's notices of windows that come and go (its shell hook, or the window
// system's events where the shell gives none, as under another shell), never a poll; the marks on the slots, the
// state screen readers hear, and the menu of a program's windows.
#include <algorithm>
#include <utility>

#include "bar/win32/bar_ids.h"
#include "bar/win32/bar_view.h"
#include "platform/premultiplied.h"
#include "platform/win32/pictures.h"
#include "platform/win32/twips.h"

namespace zudav::win32 {
namespace {

// The bar told of the desktop's windows, one per process: an event callback carries no pointer of its own.
HWND listening = nullptr;

bool IsTopLevel(HWND window) {
    return window != nullptr && GetAncestor(window, GA_PARENT) == GetDesktopWindow();
}

void CALLBACK OnWindowEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (listening != nullptr && object == OBJID_WINDOW && child == CHILDID_SELF && IsTopLevel(window)) {
        PostMessageW(listening, kDesktopWindowsMessage, 0, 0);
    }
}

}  // namespace

void BarView::ListenToDesktopWindows() {
    listening = window_;
    shellHook_ = RegisterWindowMessageW(L"SHELLHOOK");
    if (shellHook_ != 0 && RegisterShellHookWindow(window_)) {
        return;
    }
    shellHook_ = 0;
    // Shown, hidden and destroyed: the windows the taskbar would add or take away; and the foreground, which every
    // program that opens or closes its window moves (Wine tells only that one to another process), the bar's own
    // included: it takes the foreground back from a program that closes. Out of context, as messages to the bar's
    // thread.
    windowEventsHook_.Reset(SetWinEventHook(EVENT_OBJECT_DESTROY, EVENT_OBJECT_HIDE, nullptr, OnWindowEvent, 0, 0,
                                            WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS));
    foregroundEventsHook_.Reset(SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                                OnWindowEvent, 0, 0, WINEVENT_OUTOFCONTEXT));
}

void BarView::StopListeningToDesktopWindows() {
    if (shellHook_ != 0) {
        DeregisterShellHookWindow(window_);
    }
    windowEventsHook_.Reset();
    foregroundEventsHook_.Reset();
    listening = nullptr;
}

BarView::Answer BarView::OnShellHook(WPARAM code) {
    switch (code & 0x7FFF) {  // HSHELL_RUDEAPPACTIVATED is HSHELL_WINDOWACTIVATED with the high bit
        case HSHELL_WINDOWCREATED:
        case HSHELL_WINDOWDESTROYED:
        case HSHELL_WINDOWACTIVATED:
        case HSHELL_WINDOWREPLACED:
            PostMessageW(window_, kDesktopWindowsMessage, 0, 0);
            break;
        default:
            break;
    }
    return 0;
}

// A burst of notices (a program opening shows several windows) is answered once.
BarView::Answer BarView::OnDesktopWindows() {
    MSG more;
    while (PeekMessageW(&more, window_, kDesktopWindowsMessage, kDesktopWindowsMessage, PM_REMOVE)) {
    }
    if (principal_ != nullptr) {
        principal_->OnDesktopWindowsChanged();
    }
    return 0;
}

void BarView::ShowRunning(const std::bitset<kSlotCount>& running) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (running_[slot] != running[slot]) {
            running_[slot] = running[slot];
            InvalidatePart(parts_.cells[slot]);
            NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window_, OBJID_CLIENT, SlotElement(slot) + 1);
            if (automation_) {
                const std::wstring now = Element(SlotElement(slot)).status;
                automation_.Get()->RaiseStatusChanged(SlotElement(slot), now.empty() ? L"ouvert" : L"", now);
            }
        }
    }
}

std::function<void()> BarView::DesktopNotice() const {
    return [window = window_] { PostMessageW(window, kDesktopWindowsMessage, 0, 0); };
}

std::uintptr_t BarView::WindowBeforeBar() const {
    HWND front = GetForegroundWindow();
    if (front == window_ && previousWindow_ != nullptr && IsWindow(previousWindow_)) {
        front = previousWindow_;
    }
    return reinterpret_cast<std::uintptr_t>(front);
}

// The side the slots' menus open on, and their marks stand: the cells of a column (of a row) share it, as they share
// their left and right (top and bottom) edges.
std::optional<MenuSide> BarView::MarksSide() const {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST), &monitor)) {
        return std::nullopt;
    }
    POINT origin{0, 0};
    ClientToScreen(window_, &origin);
    const PixelRect& cell = parts_.cells[0];
    const RECT& work = monitor.rcWork;
    return FolderMenuSide({cell.left + origin.x, cell.top + origin.y, cell.right + origin.x, cell.bottom + origin.y},
                          {work.left, work.top, work.right, work.bottom},
                          principal_ != nullptr && principal_->Horizontal());
}

// A bar moved across the middle of its screen turns its marks to the side that has the room now.
void BarView::FollowMarksSide() {
    const std::optional<MenuSide> side = MarksSide();
    const bool marked = running_.any() || std::any_of(items_.begin(), items_.end(),
                                                      [](const SlotItem& item) { return item.kind == SlotKind::Menu; });
    if (std::exchange(marksSide_, side) != side && marked) {
        InvalidateRect(window_, nullptr, FALSE);
    }
}

std::array<std::optional<PixelRect>, kSlotCount> BarView::RunningMarks() const {
    std::array<std::optional<PixelRect>, kSlotCount> marks;
    const std::optional<MenuSide> side = running_.any() ? MarksSide() : std::nullopt;
    for (int slot = 0; side && slot < kSlotCount; ++slot) {
        if (running_[slot]) {
            marks[slot] = RunningMark(parts_.cells[slot], *side);
        }
    }
    return marks;
}

// The windows' own small pictures, as the taskbar shows them.
std::optional<int> BarView::ChooseWindow(int slot, const std::vector<DesktopWindow>& windows) {
    const UniqueMenu menu(CreatePopupMenu());
    if (!menu) {
        return std::nullopt;
    }
    const int pixels = SystemMetricAtDpi(SM_CXSMICON, WindowDpi(window_));
    std::vector<UniqueBitmap> pictures;
    for (size_t index = 0; index < windows.size(); ++index) {
        const HWND shown = reinterpret_cast<HWND>(windows[index].id);
        std::wstring title = windows[index].title.empty() ? L"(sans titre)" : windows[index].title;
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_STRING | MIIM_ID | MIIM_FTYPE;
        item.fType = MFT_STRING;
        item.wID = static_cast<UINT>(index + 1);
        item.dwTypeData = title.data();
        HICON icon = reinterpret_cast<HICON>(SendMessageW(shown, WM_GETICON, ICON_SMALL2, 0));
        if (icon == nullptr) {
            icon = reinterpret_cast<HICON>(GetClassLongPtrW(shown, GCLP_HICONSM));
        }
        if (UniqueBitmap picture = PremultipliedIconPicture(icon, pixels)) {
            item.fMask |= MIIM_BITMAP;
            item.hbmpItem = picture.Get();
            pictures.push_back(std::move(picture));
        }
        InsertMenuItemW(menu.Get(), static_cast<UINT>(index), TRUE, &item);
    }
    openMenu_ = SlotElement(slot);
    const UINT chosen = TrackBesideSlot(menu.Get(), slot, TPM_RIGHTBUTTON);
    openMenu_.reset();
    PostMessageW(window_, WM_NULL, 0, 0);
    if (chosen == 0) {
        return std::nullopt;
    }
    return static_cast<int>(chosen) - 1;
}

}  // namespace zudav::win32
