// A window of the bar among those it shows on every monitor: how one on another monitor starts, stands where the bar's
// own window does, and shares the bar's modal windows, its icon and its hot key.
#include <cmath>

#include "bar/on_screen.h"
#include "bar/principal.h"

namespace zudav {

void Principal::StartOnOtherScreen() {
    otherScreen_ = true;
    layoutOn_ = true;
    horizontal_ = model_.Boolean(Option::Horizont).value_or(false);
    window_.SetCaption(model_.Text(Option::Caption));
    ShowIconLookAndItems();
    ReadEdgeOptions();
}

PixelRect Principal::SeenPixels() const {
    const Geometry seen = ShownPlace();
    const float pixel = platform_.ScreenPixel();
    const auto at = [pixel](float twips) { return static_cast<int>(std::lround(twips / pixel)); };
    return {at(seen.left), at(seen.top), at(seen.left + seen.width), at(seen.top + seen.height)};
}

// The size is taken in twips of each window's own monitor, so that it follows that monitor's DPI; the window is moved
// once more after its size, which its frame follows at another DPI.
void Principal::StandAs(const PixelRect& seen, const Principal& like) {
    if (window_.IsMinimized()) {
        return;  // fitted once it is restored
    }
    Reveal();
    locked_ = false;
    const float pixel = platform_.ScreenPixel();
    const Geometry place{static_cast<float>(seen.left) * pixel, static_cast<float>(seen.top) * pixel,
                         static_cast<float>(seen.right - seen.left) * pixel,
                         static_cast<float>(seen.bottom - seen.top) * pixel};
    MoveSeenTo(place);
    if (&like != this) {
        horizontal_ = like.horizontal_;
        if (theme_ != like.theme_) {
            theme_ = like.theme_;
            ShowLook();
        }
        ReadEdgeOptions();
        const Geometry size = like.window_.Bounds();
        layoutOn_ = false;  // the layout runs once, with both sides set
        window_.SetWidth(size.width);
        window_.SetHeight(size.height);
        layoutOn_ = true;
        OnResize();
        MoveSeenTo(place);
    }
    Fit();
    // Made thinner to fit, it stays against the edge the bar is docked at.
    const std::optional<ScreenEdge> edge = like.DockedAt();
    if (const auto area = WorkAreaOf(Seen(), platform_.WorkAreas()); edge && area && &like != this) {
        MoveSeenTo(WithOuterSide(Seen(), *edge, OuterSide(*area, *edge)));
    }
    Dock();
    if (like.locked_) {
        locked_ = true;
        held_ = window_.Bounds();
    }
}

void Principal::ShownOnOtherScreen() {
    if (model_.On(Option::AlwaysOnTop) && !topmostBand_.SteppedAside()) {
        window_.MakeTopmost();
    }
}

void Principal::LeaveScreen() {
    reserver_ = masquer_ = false;
    edgeRoom_.GiveBack();
    model_.RemoveObserver(*this);  // a hidden window that followed "on top" would be shown again
}

void Principal::ArrangeScreensSoon() {
    screensPending_ = true;
    window_.StartDockingTimer();
}

void Principal::OnMovedByUser(bool sizedByBorder) {
    OnMoveSizeLoop(false);
    if (sizedByBorder) {
        Fit();
    }
    Dock();
    if (screens_ != nullptr) {
        screens_->Arrange(this);
    }
}

bool Principal::ModalOpen() const {
    if (screens_ == nullptr) {
        return openModals_ > 0;
    }
    for (Principal* window : screens_->Windows()) {
        if (window->openModals_ > 0) {
            return true;
        }
    }
    return false;
}

// A modal window disables its owner only: the bar's other windows are disabled with it, as one bar.
void Principal::EnableOtherWindows(bool enabled) {
    for (Principal* window : Windows()) {
        if (window != this) {
            window->window_.SetEnabled(enabled);
        }
    }
}

std::vector<Principal*> Principal::Windows() {
    if (screens_ == nullptr) {
        return {this};
    }
    return screens_->Windows();
}

Principal& Principal::AtPointer() {
    return screens_ != nullptr ? screens_->ForPointer() : *this;
}

void Principal::ShowAgain() {
    Reveal();
    if (window_.IsMinimized()) {
        window_.Restore();
    }
    window_.Show();
    Fit();
    Dock();
}

}  // namespace zudav
