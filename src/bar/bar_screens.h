// A bar shown on every monitor (key ChaqueEcran): its own window, whose place is stored, and on each other monitor a
// window of the same bar, at the same place on that monitor. They share the bar's one model; what moves or sizes one
// moves every other the same way on its own monitor.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "bar/every_screen.h"
#include "platform/platform.h"

namespace zudav {

class Principal;

// A window of the bar on another monitor, with its logic; closed when destroyed.
class ScreenWindow {
  public:
    virtual ~ScreenWindow() = default;
    virtual Principal& Logic() = 0;
    // Shown without taking the keyboard, once it stands at its place; hidden once the bar has no more use for it.
    virtual void Show() = 0;
    virtual void Hide() = 0;
};

class BarScreens {
  public:
    // `make` opens a window of the bar's model, its logic started as another monitor's and not shown yet.
    using WindowMaker = std::function<std::unique_ptr<ScreenWindow>()>;
    BarScreens(Platform& platform, Principal& own, WindowMaker make);
    BarScreens(const BarScreens&) = delete;
    BarScreens& operator=(const BarScreens&) = delete;
    ~BarScreens();

    // From the bar's start on: its windows follow the option and the monitors.
    void Start();
    // The windows as the option and the monitors ask now, each at its place: a window opened on a monitor that has
    // none, one closed whose monitor went, the bar's own moved to the primary monitor when its own went. `moved`: the
    // window the user moved or sized, which the others follow (the bar's own first, when another was moved).
    void Arrange(const Principal* moved = nullptr);
    // The other windows close (the bar ends).
    void CloseOthers();

    // The window on the monitor that holds the pointer (the icon, a second start), or the window in front (the hot
    // key); the bar's own when none.
    Principal& ForPointer();
    Principal& ForHotKey();
    Principal& Own() { return own_; }
    bool IsOwn(const Principal& window) const { return &window == &own_; }
    // The bar's own window first.
    std::vector<Principal*> Windows();
    std::size_t Count() const { return 1 + others_.size(); }

  private:
    struct Other {
        std::unique_ptr<ScreenWindow> window;
        MonitorArea on;  // the monitor it stands on
        bool shown = false;
    };
    Principal& WindowAt(PixelPoint point);
    // A window the bar no longer shows: hidden and out of the bar at once, destroyed at the next arrangement, which
    // the bar's own window runs shortly, as the call that retires it may come from that very window.
    void Retire(std::size_t other);
    void PlaceOthers(const std::vector<MonitorArea>& screens);

    Platform& platform_;
    Principal& own_;
    WindowMaker make_;
    std::vector<Other> others_;
    std::vector<std::unique_ptr<ScreenWindow>> retired_;
    MonitorArea ownOn_;  // the monitor the bar's own window stood on when last seen on one
    bool started_ = false;
    bool arranging_ = false;  // the windows moved here do not move the others again
};

}  // namespace zudav
