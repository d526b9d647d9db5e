#include "bar/bar_screens.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>

#include "bar/principal.h"

namespace zudav {
namespace {

// The monitor that holds most of a rectangle, as the window system finds a window's; none when it is on none.
std::optional<std::size_t> ScreenHolding(const PixelRect& rect, const std::vector<MonitorArea>& screens) {
    std::optional<std::size_t> best;
    long long most = 0;
    for (std::size_t i = 0; i < screens.size(); ++i) {
        const PixelRect& m = screens[i].monitor;
        const long long width = std::min(rect.right, m.right) - std::max(rect.left, m.left);
        const long long height = std::min(rect.bottom, m.bottom) - std::max(rect.top, m.top);
        if (width > 0 && height > 0 && width * height > most) {
            most = width * height;
            best = i;
        }
    }
    return best;
}

ScreenArea AreaOf(const MonitorArea& screen) {
    return {screen.work, screen.dpi};
}

}  // namespace

BarScreens::BarScreens(Platform& platform, Principal& own, WindowMaker make)
    : platform_(platform), own_(own), make_(std::move(make)) {
    own_.JoinScreens(this);
}

BarScreens::~BarScreens() {
    CloseOthers();
    own_.JoinScreens(nullptr);
}

void BarScreens::Start() {
    started_ = true;
    Arrange();
}

void BarScreens::CloseOthers() {
    for (Other& other : others_) {
        other.window->Logic().LeaveScreen();
    }
    others_.clear();
    retired_.clear();
}

void BarScreens::Retire(std::size_t other) {
    Principal& window = others_[other].window->Logic();
    window.LeaveScreen();
    window.JoinScreens(nullptr);
    others_[other].window->Hide();
    retired_.push_back(std::move(others_[other].window));
    others_.erase(others_.begin() + static_cast<std::ptrdiff_t>(other));
    own_.ArrangeScreensSoon();  // which destroys it, out of any handler of its own
}

std::vector<Principal*> BarScreens::Windows() {
    std::vector<Principal*> windows{&own_};
    for (Other& other : others_) {
        windows.push_back(&other.window->Logic());
    }
    return windows;
}

void BarScreens::Arrange(const Principal* moved) {
    if (!started_ || arranging_) {
        return;  // the windows placed here tell of their own moves
    }
    retired_.clear();
    // Without the option, the monitors are not even asked (which loads the DLL of their DPIs).
    const std::vector<MonitorArea> screens =
        own_.OnEveryScreen() ? platform_.MonitorAreas() : std::vector<MonitorArea>{};
    if (screens.empty()) {
        while (!others_.empty()) {
            Retire(others_.size() - 1);
        }
        return;
    }
    arranging_ = true;
    if (const auto on = ScreenHolding(own_.SeenPixels(), screens)) {
        ownOn_ = screens[*on];
    }
    // Another window was moved: the bar's own goes to the same place on its own monitor, and the others follow it.
    for (Other& other : others_) {
        if (&other.window->Logic() == moved) {
            const PixelRect seen = moved->SeenPixels();
            const auto on = ScreenHolding(seen, screens);
            own_.StandAs(PlaceOnScreen(seen, AreaOf(on ? screens[*on] : other.on), moved->DockedAt(), AreaOf(ownOn_)),
                         *moved);
        }
    }
    std::vector<PixelRect> shown{ownOn_.monitor}, monitors;
    for (const Other& other : others_) {
        shown.push_back(other.on.monitor);
    }
    int primary = 0;
    for (std::size_t i = 0; i < screens.size(); ++i) {
        monitors.push_back(screens[i].monitor);
        primary = screens[i].primary ? static_cast<int>(i) : primary;
    }
    const ScreenChanges changes = ChangesForScreens(shown, 0, monitors, primary);
    for (auto window = changes.close.rbegin(); window != changes.close.rend(); ++window) {
        Retire(static_cast<std::size_t>(*window - 1));  // the bar's own window is the first shown, and never closes
    }
    // A minimised bar has no place to show the others at: they open and follow once it is restored.
    if (own_.Minimised()) {
        arranging_ = false;
        return;
    }
    if (changes.ownMovesTo) {
        const MonitorArea& to = screens[static_cast<std::size_t>(*changes.ownMovesTo)];
        own_.StandAs(PlaceOnScreen(own_.SeenPixels(), AreaOf(ownOn_), own_.DockedAt(), AreaOf(to)), own_);
        ownOn_ = to;
    }
    for (int screen : changes.open) {
        if (std::unique_ptr<ScreenWindow> window = make_()) {
            window->Logic().JoinScreens(this);
            others_.push_back({std::move(window), screens[static_cast<std::size_t>(screen)]});
        }
    }
    PlaceOthers(screens);
    arranging_ = false;
}

// A monitor keeps its rectangle while its work area or its DPI change: each window takes its monitor's as they are.
void BarScreens::PlaceOthers(const std::vector<MonitorArea>& screens) {
    const PixelRect seen = own_.SeenPixels();
    const std::optional<ScreenEdge> docked = own_.DockedAt();
    for (Other& other : others_) {
        for (const MonitorArea& screen : screens) {
            other.on = screen.monitor == other.on.monitor ? screen : other.on;
        }
        Principal& window = other.window->Logic();
        window.StandAs(PlaceOnScreen(seen, AreaOf(ownOn_), docked, AreaOf(other.on)), own_);
        if (!other.shown) {
            other.window->Show();  // placed before it is seen, and again once shown at its real size
            other.shown = true;
            window.ShownOnOtherScreen();
            window.StandAs(PlaceOnScreen(seen, AreaOf(ownOn_), docked, AreaOf(other.on)), own_);
        }
    }
}

Principal& BarScreens::WindowAt(PixelPoint point) {
    std::vector<PixelRect> screens{ownOn_.monitor};
    for (const Other& other : others_) {
        screens.push_back(other.on.monitor);
    }
    const int window = others_.empty() ? 0 : WindowToBringBack(screens, point);
    return window == 0 ? own_ : others_[static_cast<std::size_t>(window - 1)].window->Logic();
}

Principal& BarScreens::ForPointer() {
    return WindowAt(platform_.PointerPosition());
}

Principal& BarScreens::ForHotKey() {
    const std::optional<PixelRect> front = platform_.WindowInFrontPlace();
    return front ? WindowAt({(front->left + front->right) / 2, (front->top + front->bottom) / 2}) : ForPointer();
}

}  // namespace zudav
