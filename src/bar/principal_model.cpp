// The bar and its model: the slots rebuilt from its items, what the bar does when an item or an option changes, and the
// operations by which the configuration window turns and locks the bar.
#include "bar/principal.h"

#include "bar/settings/conversions.h"

namespace zudav {

std::bitset<kSlotCount> Principal::Rafraichir() {
    reloading_ = true;  // another program may have changed the items
    model_.Reload();
    reloading_ = false;
    return Rebuild();
}

std::bitset<kSlotCount> Principal::Rebuild() {
    // The view keeps what each box shows and paints it again at every repaint; the slots whose item changed are made
    // again.
    const std::bitset<kSlotCount> missing = ConstruireBoutons(model_, picturesMadeFrom_, window_, platform_);
    picturesMade_ = true;
    if (FindRunningKeys()) {
        ShowRunning();
    }
    return missing;
}

// Items saved by the editor, removed or moved: their pictures are made again from what was saved, a removed item's
// tooltips go with it, and the slots are rebuilt once.
void Principal::OnItemsChanged(const std::vector<int>& slots) {
    if (reloading_) {
        return;
    }
    for (int slot : slots) {
        picturesMadeFrom_[static_cast<std::size_t>(slot)].reset();
        if (model_.Item(slot).Free()) {
            window_.SetSlotTooltips(slot, L"");
        }
    }
    Rebuild();
}

// Options set in the configuration window that the bar takes at once. "On top" acts both ways, so that the bar does
// what the box shows; the correction is taken as the user typed it (out of 16 bits, it keeps its value); a picture
// that is not an icon (a bitmap) leaves the bar its icon until the next start.
void Principal::OnOptionChanged(Option option) {
    if (reloading_) {
        return;  // the start-up's own steps show what was taken
    }
    switch (option) {
        case Option::AlwaysOnTop:
            model_.CheckBox(Option::AlwaysOnTop) == 0 ? window_.MakeNotTopmost() : window_.MakeTopmost();
            break;
        case Option::Coef:
            if (auto correction = RoundToInteger16(TypedNumber(model_.Text(Option::Coef)))) {
                correction_ = *correction;
            }
            break;
        case Option::Caption:
            window_.SetCaption(model_.Text(Option::Caption));
            break;
        case Option::Icone:
            ReadWindowIcon();
            break;
        default:
            break;  // read when the bar needs them
    }
}

// Only the last change of the size lays the bar out: the bar's length then follows its new thickness.
void Principal::Orient(bool horizontal) {
    locked_ = false;
    horizontal_ = horizontal;
    model_.SetOption(Option::Horizont, BooleanToText(horizontal));
    layoutOn_ = false;
    const Geometry size = window_.Bounds();
    const double w = size.width;
    const double h = size.height;
    if (h > w) {
        window_.SetHeight(static_cast<float>(w));
        layoutOn_ = true;
        window_.SetWidth(static_cast<float>(h * 1.2));
    } else {
        window_.SetHeight(static_cast<float>(w / 1.2));
        layoutOn_ = true;
        window_.SetWidth(static_cast<float>(h));
    }
}

// Every window of the bar is locked or unlocked with its own, each holding where it stands.
void Principal::Lock() {
    for (Principal* window : Windows()) {
        window->locked_ = true;
        window->held_ = window->window_.Bounds();
    }
}

void Principal::Unlock() {
    for (Principal* window : Windows()) {
        window->locked_ = false;
    }
}

void Principal::StoreLock() {
    held_ = window_.Bounds();
    model_.SetNumbers({{Option::GranX, held_.left},
                       {Option::GranY, held_.top},
                       {Option::Lar, held_.width},
                       {Option::Hau, held_.height}});
}

}  // namespace zudav
