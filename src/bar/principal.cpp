#include "bar/principal.h"

#include <algorithm>
#include <cmath>

#include "bar/copy_upgrade.h"
#include "bar/on_screen.h"
#include "platform/environment.h"
#include "platform/paths.h"
#include "platform/placement.h"
#include "platform/slow_files.h"

namespace zudav {

Principal::Principal(Platform& platform, SettingsStore& store, BarWindow& window)
    : platform_(platform),
      window_(window),
      ownedModel_(std::in_place, store, BaseName(platform.ExecutablePath()), platform.DecimalSeparator()),
      model_(*ownedModel_),
      edgeRoom_(window.Toolbar()) {
    model_.AddObserver(*this);
}

Principal::Principal(Platform& platform, BarModel& shared, BarWindow& window)
    : platform_(platform), window_(window), model_(shared), edgeRoom_(window.Toolbar()) {
    model_.AddObserver(*this);
}

Principal::~Principal() {
    model_.RemoveObserver(*this);
}

// Start-up. Each step that cannot be done (a stored value that is not a number, an icon that does not load)
// is skipped on purpose and the next one runs; the window then keeps its design value for that property.
Principal::LoadResult Principal::Charger() {
    if (!platform_.ClaimSingleCopy(model_.Application())) {
        window_.BringBackRunningCopy(model_.Application());
        return LoadResult::AlreadyRunning;
    }

    platform_.SetHelpFile(JoinPath(FolderOf(platform_.ExecutablePath()), L"Zudav.chm"));
    platform_.RegisterForRestart();

    Reprendre();
    // A tool window has no taskbar button, so there is no task-list entry to switch off here.
    platform_.WatchStartedPrograms(window_.DesktopNotice());  // the programs the bar starts, where no shell tells
    AddTrayIcon();

    UpgradeOlderCopies(platform_);
    FollowOnTopOption();
    return LoadResult::Running;
}

void Principal::Reprendre() {
    reloading_ = true;
    model_.Reload();
    reloading_ = false;
    layoutOn_ = true;
    if (auto horizontal = model_.Boolean(Option::Horizont)) {
        horizontal_ = *horizontal;
    }

    window_.SetCaption(model_.Text(Option::Caption));
    if (window_.Caption().empty()) {
        correction_ = 0;
    } else if (auto correction = model_.Integer16(Option::Coef)) {
        correction_ = *correction;
    }

    ReadGeometry();
    ShowIconLookAndItems();
    ReadLock();
    ReadEdgeOptions();
    FitOnScreen();
    // One that another program holds is left out; none stored, the bar has none.
    const auto hotKey = model_.Integer16(Option::Raccourci);
    ChangeHotKey(hotKey && *hotKey > 0 ? static_cast<std::uint16_t>(*hotKey) : 0);
}

void Principal::ShowIconLookAndItems() {
    ReadWindowIcon();
    theme_ = ThemeChoiceOf(model_.Number(Option::Theme));
    ShowLook();  // before the pictures are made for it
    // Made topmost, the window is shown: one on another monitor is not placed yet, and takes the band once it is.
    if (model_.On(Option::AlwaysOnTop) && !otherScreen_) {
        window_.MakeTopmost();
    }
    Rebuild();
}

void Principal::TakeSettingsAgain() {
    model_.Store().Reload();
    Reprendre();
}

// A side shorter than one cell leaves no room for the bar, which could not be laid out nor seen again, and one longer
// than all the monitors together cannot be used: the design size takes its place, and the layout fits it.
float Principal::UsableSide(float side, float designSide, float screenSide) {
    constexpr float kOneCell = 720;
    return side < kOneCell || (screenSide > 0 && side > screenSide) ? designSide : side;
}

void Principal::ReadGeometry() {
    // Each size change lays the bar out again, so orientation is known before these run.
    if (auto left = model_.Twips(Option::Left)) {
        window_.SetLeft(*left);
    }
    if (auto top = model_.Twips(Option::Top)) {
        window_.SetTop(*top + correction_);
    }
    const ScreenSize screens = platform_.VirtualScreen();
    if (auto width = model_.Twips(Option::Width)) {
        window_.SetWidth(UsableSide(*width, kDesignWidth, screens.width));
    }
    if (auto height = model_.Twips(Option::Height)) {
        window_.SetHeight(UsableSide(*height, kDesignHeight, screens.height));
    }
    placeInStore_ = PlaceToStore();
}

void Principal::ReadWindowIcon() {
    const std::wstring iconFile = model_.Text(Option::Icone);
    if (iconFile.empty()) {
        window_.ClearIcon();
        return;
    }
    if (!window_.LoadIconFile(iconFile, ReadingOf(platform_, iconFile))) {
        return;  // not an icon: the built-in one stays
    }
}

void Principal::ReadLock() {
    if (auto locked = model_.Boolean(Option::Bloquee)) {
        locked_ = *locked;
    }
    if (!locked_) {
        return;
    }
    // A held value that is absent or does not convert keeps the bar's own: its stored or design place and size.
    const Geometry own = window_.Bounds();
    struct {
        Option option;
        float* member;
        float own;
    } const held[] = {{Option::GranX, &held_.left, own.left},
                      {Option::GranY, &held_.top, own.top},
                      {Option::Hau, &held_.height, own.height},
                      {Option::Lar, &held_.width, own.width}};
    for (const auto& [option, member, ownValue] : held) {
        *member = model_.Twips(option).value_or(ownValue);
    }
    const ScreenSize screens = platform_.VirtualScreen();
    held_.width = UsableSide(held_.width, kDesignWidth, screens.width);
    held_.height = UsableSide(held_.height, kDesignHeight, screens.height);
}

Geometry Principal::OnScreen() const {
    Geometry bar = window_.Bounds();
    const float scale = window_.SizeScale();
    bar.width *= scale;
    bar.height *= scale;
    return bar;
}

Geometry Principal::Seen() const {
    const Geometry bar = OnScreen();
    const FrameMargins f = window_.InvisibleFrame();
    const float s = window_.SizeScale();
    return {bar.left + f.left * s, bar.top + f.top * s, bar.width - (f.left + f.right) * s,
            bar.height - (f.top + f.bottom) * s};
}

void Principal::MoveSeenTo(const Geometry& place) {
    const Geometry bar = OnScreen(), seen = Seen();
    if (place.left != seen.left) {
        window_.SetLeft(bar.left + place.left - seen.left);
    }
    if (place.top != seen.top) {
        window_.SetTop(bar.top + place.top - seen.top);
    }
}

void Principal::MoveInto(const Geometry& area) {
    MoveSeenTo(KeepInside(Seen(), area));
}

void Principal::FitOnScreen() {
    Fit();
    Dock();
    if (screens_ != nullptr && !otherScreen_) {
        screens_->Arrange(this);  // the other windows stand as this one now does
    }
}

void Principal::OnDisplayChange() {
    Fit();
    Rafraichir();  // the pictures at the size for the bar's DPI
    OnDockingNotice(DockingNotice::DisplayChanged);
    if (screens_ != nullptr && !otherScreen_) {
        ArrangeScreensSoon();  // a monitor may have come or gone: once the burst of notices is over
    }
}

void Principal::Fit() {
    if (window_.IsMinimized() || hidden_) {
        return;  // its place shows once it is restored, or shown
    }
    const std::vector<Geometry> areas = platform_.WorkAreas();
    std::optional<Geometry> area = WorkAreaOf(OnScreen(), areas);
    if (!area) {
        return;  // no monitor known: nowhere better to go
    }
    if (const auto held = edgeRoom_.Held()) {  // the work area leaves out the room the bar holds
        const float right = std::max(area->left + area->width, held->room.left + held->room.width);
        const float bottom = std::max(area->top + area->height, held->room.top + held->room.height);
        area->left = std::min(area->left, held->room.left);
        area->top = std::min(area->top, held->room.top);
        area->width = right - area->left;
        area->height = bottom - area->top;
    }
    const float scale = window_.SizeScale();
    // A bar that fits is only moved; one too long for the area is made thinner first, then moved as little as it needs.
    if (!locked_ && layoutOn_) {
        // The window system rounds the thickness to whole pixels, which may lengthen the bar by a few: a thinner
        // try follows, a pixel (15 twips at 96 dpi) a cell shorter.
        constexpr float kPixelEachCell = kSlotCount * 15;
        for (int tries = 0; tries < 3; ++tries) {
            const Geometry bar = OnScreen();
            const float length = horizontal_ ? bar.width : bar.height, room = horizontal_ ? area->width : area->height;
            const float thickness = horizontal_ ? bar.height : bar.width,
                        cross = horizontal_ ? area->height : area->width;
            if (length <= room && thickness <= cross) {
                break;
            }
            const float fitting =
                std::min(ThicknessForLength(horizontal_, room / scale - kPixelEachCell * static_cast<float>(tries)),
                         cross / scale);
            if (fitting >= thickness / scale) {
                break;  // already the thinnest: it stands at the area's edge
            }
            horizontal_ ? window_.SetHeight(fitting) : window_.SetWidth(fitting);
        }
    }
    MoveInto(*area);
    if (locked_) {
        if (auto held = PlaceOnAScreen({held_.left, held_.top, held_.width * scale, held_.height * scale}, areas)) {
            held_.left = held->left;
            held_.top = held->top;
        }
    }
}

void Principal::OnActivated(bool fromThisProgram) {
    // The first activation follows the window's first showing; later ones count only when they come back
    // from another window of this program (an editor, the configuration window, the About box).
    if (!activatedOnce_ || fromThisProgram) {
        activatedOnce_ = true;
        Rafraichir();
    }
}

void Principal::OnMenu(MenuCommand command) {
    if (ModalOpen()) {
        return;  // a second configuration window would overwrite the first one's settings when closed
    }
    switch (command) {
        case MenuCommand::Configuration: {
            Modal([this] { window_.ShowConfiguration(); });
            // The configuration window works on the bar's own window, wherever it was opened from; the others then
            // take what it changed from it.
            Principal& own = screens_ != nullptr ? screens_->Own() : *this;
            own.Rafraichir();
            own.ReadEdgeOptions();
            own.Dock();
            own.FollowOnTopOption();
            if (screens_ != nullptr) {
                screens_->Arrange();
            }
            break;
        }
        case MenuCommand::Rafraichir:
            Rafraichir();
            break;
        case MenuCommand::Propos:
            Modal([this] { window_.ShowAbout(); });
            break;
        case MenuCommand::Quitter:
            window_.Close();
            break;
    }
}

void Principal::OnActionLabelClick() {
    if (!BringModalForward()) {
        PopupMenu(false, std::nullopt);
    }
}

// Closing under an open configuration window would lose what the user typed there.
void Principal::OnStopImageClick() {
    if (!BringModalForward()) {
        window_.Close();
    }
}

// A minimised window reports the window system's off-screen placeholder as its place; its normal placement is where the
// user will want the bar back at the next start.
Geometry Principal::PlaceToStore() const {
    if (window_.IsMinimized()) {
        return window_.RestoredBounds();
    }
    Geometry place = window_.Bounds();
    if (hidden_) {
        const Geometry seen = Seen();
        place.left += shownPlace_.left - seen.left;
        place.top += shownPlace_.top - seen.top;
    }
    return place;
}

void Principal::WritePlace(const Geometry& place) {
    model_.SetNumbers({{Option::Left, place.left},
                       {Option::Top, place.top},
                       {Option::Width, place.width},
                       {Option::Height, place.height}});
    placeInStore_ = place;
}

void Principal::StorePlace() {
    if (const Geometry place = PlaceToStore(); !(placeInStore_ == place)) {
        WritePlace(place);
    }
}

void Principal::Decharger() {
    if (otherScreen_) {  // closing any window of the bar ends it, and its own window saves its place
        edgeRoom_.GiveBack();
        if (screens_ != nullptr) {
            screens_->Own().window_.Close();
        }
        return;
    }
    if (screens_ != nullptr) {
        screens_->CloseOthers();
    }
    Reveal();  // its place is where the user sees it
    WritePlace(PlaceToStore());
    window_.RemoveTrayIcon();
    trayIcon_ = false;
    window_.SetTrayRetryTimer(false);
    edgeRoom_.GiveBack();  // no strip of the screen stays reserved for a bar that is gone
}

// Variables that cannot be read again are skipped on purpose: the bar keeps those it has.
void Principal::OnEnvironmentChanged() {
    const std::optional<Environment> fresh = platform_.FreshEnvironment();
    if (!fresh) {
        return;
    }
    for (const EnvironmentChange& change : EnvironmentChanges(platform_.ProcessEnvironment(), *fresh)) {
        platform_.SetProcessVariable(change.name, change.value);
    }
    Rafraichir();  // a slot whose path names a new variable shows its icon
}

// A plain end of the session saves and leaves the rest to the window system, which ends the process.
void Principal::OnEndSession(bool ending, bool closeApp) {
    if (!ending) {
        return;
    }
    if (otherScreen_) {  // the bar's own window is told too, and saves for the bar
        edgeRoom_.GiveBack();
        return;
    }
    Decharger();
    if (closeApp) {
        window_.Close();
    }
}

void Principal::OnResize() {
    if (!layoutOn_ || locked_) {
        return;
    }
    const Geometry size = window_.Bounds();
    const float pictureSide = controls_.pictures[0].width;
    const WindowLength length = LayOut(horizontal_, size.width, size.height, controls_);
    window_.ShowControls(controls_);
    // Setting the length lays the bar out once more, with the same values: the thickness has not changed.
    if (length.horizontal) {
        window_.SetWidth(length.value);
    } else {
        window_.SetHeight(length.value);
    }
    PlaceStopImage(window_.Bounds().width, controls_);
    window_.ShowControls(controls_);
    if (controls_.pictures[0].width != pictureSide && picturesMade_) {
        Rafraichir();  // a picture larger than its box would be cut
    }
}

PixelRect Principal::OnSizing(SizingBorder border, const PixelRect& proposed, const PixelRect& room, int dpi) const {
    return layoutOn_ && !locked_ ? SizedByBorder(horizontal_, border, proposed, room, dpi) : proposed;
}

void Principal::OnForegroundWindow(const FrontWindow& front, const PixelRect& barMonitor) {
    if (!IsDesktop(front)) {
        MoveInBand(topmostBand_.OnFront(IsFullScreenOn(front, barMonitor)));
    } else if (topmostBand_.OnDesktopInFront() == TopmostBand::Move::TakeBack) {
        if (hidden_ && hidesOverTaskbar_) {
            MoveInBand(TopmostBand::Move::TakeBack);  // hidden, it stays under the taskbar it lies over
        } else {
            window_.ShowOverDesktop();
        }
    }
}

void Principal::OnFullScreenNotice(bool opened) {
    MoveInBand(topmostBand_.OnShellNotice(opened));
}

void Principal::FollowOnTopOption() {
    // Out of the shell's list, or lost from it and taken anew, the bar hears no more of the full-screen program the
    // shell reported: it would otherwise stay out of the band until the bar ends.
    if (edgeRoom_.TakeRejoined() || !edgeRoom_.Registered()) {
        MoveInBand(topmostBand_.OnShellNotice(false));
    }
    MoveInBand(topmostBand_.TakeOption(model_.On(Option::AlwaysOnTop) || hideEdge_));
}

void Principal::MoveInBand(TopmostBand::Move move) {
    if (move == TopmostBand::Move::StepAside) {
        window_.StepAsideForFront();
        underTaskbar_ = false;
    } else if (move == TopmostBand::Move::TakeBack && hidden_ && hidesOverTaskbar_) {
        window_.StandBelowTaskbar();  // back in the band, still under the taskbar it lies over
        underTaskbar_ = true;
    } else if (move == TopmostBand::Move::TakeBack) {
        window_.MakeTopmost();
    }
}

}  // namespace zudav
