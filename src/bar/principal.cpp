#include "bar/principal.h"

#include "bar/construire_boutons.h"
#include "platform/paths.h"

namespace zudav {

Principal::Principal(Platform& platform, SettingsStore& store, BarWindow& window, LaBarre& module)
    : platform_(platform),
      window_(window),
      module_(module),
      settings_(store, BaseName(platform.ExecutablePath()), platform.DecimalSeparator()) {}

// Start-up. Each step that cannot be done (a stored value that is not a number, an icon that does not load)
// is skipped on purpose and the next one runs; the window then keeps its design value for that property.
Principal::LoadResult Principal::Charger() {
    module_.SautLigne = L"\r\n";

    if (!platform_.ClaimSingleCopy(settings_.Application())) {
        return LoadResult::AlreadyRunning;
    }

    platform_.SetHelpFile(JoinPath(FolderOf(platform_.ExecutablePath()), L"Zudav.chm"));

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

    if (auto onTop = settings_.ReadNumber(keys::kAlwaysOnTop, L"1"); onTop && *onTop == 1) {
        window_.MakeTopmost();
    }

    Rafraichir();

    // A tool window has no taskbar button, so there is no task-list entry to switch off here.
    window_.AddTrayIcon();

    ReadLock();
    return LoadResult::Running;
}

void Principal::ReadGeometry() {
    // Each size change lays the bar out again, so orientation is known before these run.
    if (auto left = settings_.ReadNumber(keys::kLeft, L"1")) {
        window_.SetLeft(static_cast<float>(*left));
    }
    if (auto top = settings_.ReadNumber(keys::kTop, L"1")) {
        window_.SetTop(static_cast<float>(*top + C));
    }
    if (auto width = settings_.ReadNumber(keys::kWidthRead, L"870")) {
        window_.SetWidth(static_cast<float>(*width));
    }
    if (auto height = settings_.ReadNumber(keys::kHeightRead, L"8490")) {
        window_.SetHeight(static_cast<float>(*height));
    }
}

void Principal::ReadWindowIcon() {
    const std::wstring iconFile = settings_.Read(keys::kIconeRead);
    if (iconFile.empty()) {
        window_.ClearIcon();
        return;
    }
    if (!window_.LoadIconFile(iconFile)) {
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
    // No default: an absent key does not convert and the member keeps its value.
    struct {
        const wchar_t* key;
        float* member;
    } const held[] = {{keys::kGranX, &GranX}, {keys::kGranY, &GranY}, {keys::kHau, &Hau}, {keys::kLar, &Lar}};
    for (const auto& [key, member] : held) {
        if (auto value = settings_.ReadNumber(key)) {
            *member = static_cast<float>(*value);
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
    // The view keeps what each box shows and paints it again at every repaint.
    for (int box = 0; box < keys::kItemCount; ++box) {
        window_.ClearPicture(box);
    }
    ConstruireBoutons(module_, settings_, window_);
}

void Principal::OnMenu(MenuCommand command) {
    switch (command) {
        case MenuCommand::Configuration:
            window_.ShowConfiguration();
            Rafraichir();
            break;
        case MenuCommand::Rafraichir:
            Rafraichir();
            break;
        case MenuCommand::Propos:
            window_.ShowAbout();
            break;
        case MenuCommand::Quitter:
            window_.Close();
            break;
    }
}

void Principal::OnActionLabelClick() {
    window_.PopupMenuAide(false);
}

void Principal::OnStopImageClick() {
    window_.Close();
}

void Principal::Decharger() {
    // A minimised window reports the window system's off-screen placeholder as its place; its normal
    // placement is where the user will want the bar back at the next start.
    const Geometry place = window_.IsMinimized() ? window_.RestoredBounds() : window_.Bounds();
    settings_.WriteNumber(keys::kLeft, place.left);
    settings_.WriteNumber(keys::kTop, place.top);
    settings_.WriteNumber(keys::kWidthWritten, place.width);
    settings_.WriteNumber(keys::kHeightWritten, place.height);
    window_.RemoveTrayIcon();
}

void Principal::OnResize() {
    if (!ResizeOK || Block) {
        return;
    }
    const Geometry size = window_.Bounds();
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
}

}  // namespace zudav
