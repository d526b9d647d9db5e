#include "bar/principal.h"

#include <algorithm>
#include <cmath>

#include "bar/construire_boutons.h"
#include "bar/copy_upgrade.h"
#include "bar/on_screen.h"
#include "platform/environment.h"
#include "platform/paths.h"
#include "platform/placement.h"
#include "platform/slow_files.h"

namespace zudav {

Principal::Principal(Platform& platform, SettingsStore& store, BarWindow& window, LaBarre& module)
    : platform_(platform),
      window_(window),
      module_(module),
      settings_(store, BaseName(platform.ExecutablePath()), platform.DecimalSeparator()),
      edgeRoom_(window.Toolbar()) {}

// Start-up. Each step that cannot be done (a stored value that is not a number, an icon that does not load)
// is skipped on purpose and the next one runs; the window then keeps its design value for that property.
Principal::LoadResult Principal::Charger() {
    module_.SautLigne = L"\r\n";

    if (!platform_.ClaimSingleCopy(settings_.Application())) {
        window_.BringBackRunningCopy(settings_.Application());
        return LoadResult::AlreadyRunning;
    }

    platform_.SetHelpFile(JoinPath(FolderOf(platform_.ExecutablePath()), L"Zudav.chm"));
    platform_.RegisterForRestart();

    Reprendre();
    // A tool window has no taskbar button, so there is no task-list entry to switch off here.
    AddTrayIcon();

    UpgradeOlderCopies(platform_);
    FollowOnTopOption();
    return LoadResult::Running;
}

void Principal::Reprendre() {
    ResizeOK = true;
    if (auto horizontal = settings_.ReadBoolean(keys::kHorizont, BooleanToText(false))) {
        Horizon = *horizontal;
    }

    window_.SetCaption(settings_.Read(keys::kCaption, settings_.Application()));
    if (window_.Caption().empty()) {
        C = 0;
    } else if (auto correction = settings_.ReadInteger16(keys::kCoef, L"0")) {
        C = *correction;
    }

    ReadGeometry();
    ReadWindowIcon();
    theme_ = ThemeChoiceOf(settings_.ReadNumber(keys::kTheme, L"0"));
    ShowLook();  // before the pictures are made for it

    if (auto onTop = settings_.ReadNumber(keys::kAlwaysOnTop, L"1"); onTop && *onTop == 1) {
        window_.MakeTopmost();
    }

    Rafraichir();

    ReadLock();
    ReadEdgeOptions();
    FitOnScreen();
    // One that another program holds is left out; none stored, the bar has none.
    const auto hotKey = settings_.ReadInteger16(keys::kRaccourci, L"0");
    ChangeHotKey(hotKey && *hotKey > 0 ? static_cast<std::uint16_t>(*hotKey) : 0);
}

void Principal::TakeSettingsAgain() {
    settings_.Store().Reload();
    Reprendre();
}

// A stored place or size as far as the window system can place a window (32,768 pixels at 96 dpi); beyond, the
// value is taken for one that does not convert.
std::optional<float> Principal::ReadTwips(const wchar_t* key, const std::wstring& fallback) const {
    constexpr double kFarthest = 32768.0 * 15;
    const std::optional<double> value = settings_.ReadNumber(key, fallback);
    if (!value || std::fabs(*value) > kFarthest) {
        return std::nullopt;
    }
    return static_cast<float>(*value);
}

// A side shorter than one cell leaves no room for the bar, which could not be laid out nor seen again, and one longer
// than all the monitors together cannot be used: the design size takes its place, and the layout fits it.
float Principal::UsableSide(float side, float designSide, float screenSide) {
    constexpr float kOneCell = 720;
    return side < kOneCell || (screenSide > 0 && side > screenSide) ? designSide : side;
}

void Principal::ReadGeometry() {
    // Each size change lays the bar out again, so orientation is known before these run.
    if (auto left = ReadTwips(keys::kLeft, L"1")) {
        window_.SetLeft(*left);
    }
    if (auto top = ReadTwips(keys::kTop, L"1")) {
        window_.SetTop(*top + C);
    }
    const ScreenSize screens = platform_.VirtualScreen();
    if (auto width = ReadTwips(keys::kWidthRead, L"870")) {
        window_.SetWidth(UsableSide(*width, kDesignWidth, screens.width));
    }
    if (auto height = ReadTwips(keys::kHeightRead, L"8490")) {
        window_.SetHeight(UsableSide(*height, kDesignHeight, screens.height));
    }
    placeInStore_ = PlaceToStore();
}

void Principal::ReadWindowIcon() {
    const std::wstring iconFile = settings_.Read(keys::kIconeRead);
    if (iconFile.empty()) {
        window_.ClearIcon();
        return;
    }
    if (!window_.LoadIconFile(iconFile, ReadingOf(platform_, iconFile))) {
        return;  // not an icon: the built-in one stays
    }
}

void Principal::ReadLock() {
    if (auto locked = settings_.ReadBoolean(keys::kBloquee, BooleanToText(false))) {
        Block = *locked;
    }
    if (!Block) {
        return;
    }
    // A held value that is absent or does not convert keeps the bar's own: its stored or design place and size.
    const Geometry own = window_.Bounds();
    struct {
        const wchar_t* key;
        float* member;
        float own;
    } const held[] = {{keys::kGranX, &GranX, own.left},
                      {keys::kGranY, &GranY, own.top},
                      {keys::kHau, &Hau, own.height},
                      {keys::kLar, &Lar, own.width}};
    for (const auto& [key, member, ownValue] : held) {
        *member = ReadTwips(key).value_or(ownValue);
    }
    const ScreenSize screens = platform_.VirtualScreen();
    Lar = UsableSide(Lar, kDesignWidth, screens.width);
    Hau = UsableSide(Hau, kDesignHeight, screens.height);
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
}

void Principal::OnDisplayChange() {
    Fit();
    Rafraichir();  // the pictures at the size for the bar's DPI
    OnDockingNotice(DockingNotice::DisplayChanged);
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
    if (!Block && ResizeOK) {
        // The window system rounds the thickness to whole pixels, which may lengthen the bar by a few: a thinner
        // try follows, a pixel (15 twips at 96 dpi) a cell shorter.
        constexpr float kPixelEachCell = 13 * 15;
        for (int tries = 0; tries < 3; ++tries) {
            const Geometry bar = OnScreen();
            const float length = Horizon ? bar.width : bar.height, room = Horizon ? area->width : area->height;
            const float thickness = Horizon ? bar.height : bar.width, cross = Horizon ? area->height : area->width;
            if (length <= room && thickness <= cross) {
                break;
            }
            const float fitting = std::min(
                ThicknessForLength(Horizon, room / scale - kPixelEachCell * static_cast<float>(tries)), cross / scale);
            if (fitting >= thickness / scale) {
                break;  // already the thinnest: it stands at the area's edge
            }
            Horizon ? window_.SetHeight(fitting) : window_.SetWidth(fitting);
        }
    }
    MoveInto(*area);
    if (Block) {
        if (auto held = PlaceOnAScreen({GranX, GranY, Lar * scale, Hau * scale}, areas)) {
            GranX = held->left;
            GranY = held->top;
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

void Principal::Rafraichir() {
    // The view keeps what each box shows and paints it again at every repaint; the slots whose item changed are made
    // again.
    ConstruireBoutons(module_, settings_, window_, platform_);
    picturesMade_ = true;
}

void Principal::OnMenu(MenuCommand command) {
    if (openModals_ > 0) {
        return;  // a second configuration window would overwrite the first one's settings when closed
    }
    switch (command) {
        case MenuCommand::Configuration:
            Modal([this] { window_.ShowConfiguration(); });
            Rafraichir();
            ReadEdgeOptions();
            Dock();
            FollowOnTopOption();
            break;
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
    const SettingsStore::Batch batch(settings_.Store());
    settings_.WriteNumber(keys::kLeft, place.left);
    settings_.WriteNumber(keys::kTop, place.top);
    settings_.WriteNumber(keys::kWidthWritten, place.width);
    settings_.WriteNumber(keys::kHeightWritten, place.height);
    placeInStore_ = place;
}

void Principal::StorePlace() {
    if (const Geometry place = PlaceToStore(); !(placeInStore_ == place)) {
        WritePlace(place);
    }
}

void Principal::Decharger() {
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
    Decharger();
    if (closeApp) {
        window_.Close();
    }
}

void Principal::OnResize() {
    if (!ResizeOK || Block) {
        return;
    }
    const Geometry size = window_.Bounds();
    const float pictureSide = controls_.pictures[0].width;
    const WindowLength length = LayOut(Horizon, size.width, size.height, controls_);
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
    return ResizeOK && !Block ? SizedByBorder(Horizon, border, proposed, room, dpi) : proposed;
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
    const std::optional<double> onTop = settings_.ReadNumber(keys::kAlwaysOnTop, L"1");
    MoveInBand(topmostBand_.TakeOption((onTop && *onTop == 1) || hideEdge_));
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
