// The item column of the configuration window: filled from the store, and two clicks that move an item to
// another position or exchange two items, written to the store at once.
#include "bar/construire_boutons.h"
#include "config/frm_aide.h"

namespace zudav {

void DessinerIconeConfig(ConfigWindow& window, const std::wstring& path, int position) {
    window.DrawFirstIcon(position, path);
}

void FrmAide::RemplirIcones() {
    for (int i = 0; i < keys::kItemCount; ++i) {
        ConfigItem& item = items[i];
        item.focus = settings_.FindItem(keys::kFocus, i);
        item.ficALancer = settings_.FindItem(keys::kFicALancer, i);
        const std::wstring chemin = settings_.ReadItem(keys::kChemin, i);
        if (chemin.empty()) {
            // A free position keeps the icon source and command line it had: they travel with it.
            window_.ShowFreeSlotPicture(i);
            item.tool.clear();
            item.chemin.clear();
            continue;
        }
        item.tool = settings_.ReadItem(keys::kTool, i);
        item.chemin = chemin;
        window_.ClearPicture(i);  // a picture that does not load leaves the box empty, not with the picture it had
        // Drawn from the expanded texts; the item keeps them as typed.
        const std::wstring icone = settings_.ReadItem(keys::kIcone, i);
        if (IconFromItemFile(platform_.ExpandEnvironment(icone))) {
            DessinerIconeConfig(window_, platform_.ExpandEnvironment(chemin), i);
        } else if (!window_.LoadPicture(i, platform_.ExpandEnvironment(icone))) {
            // Left empty.
        }
        item.icone = icone;
        item.ligne = settings_.ReadItem(keys::kLigne, i);
    }
}

void FrmAide::OnIcoClick(int position) {
    if (!selection) {
        if (items[position].chemin.empty()) {
            return;  // a free position: nothing to move
        }
        selected_ = items[position];
        selection = position;
        window_.ShowSelection(position);
        return;
    }
    Intervertir(*selection, position);
    RemplirIcones();
    window_.ClearSelection();
}

namespace {

// What the screen reader hears when the item at `from` goes to position `to` (numbered from 1, as the user counts
// them), exchanged with the item there or moved to a free position.
std::wstring EchangeAnnonce(int from, int to, bool toWasFree) {
    const std::wstring a = std::to_wstring(from + 1), b = std::to_wstring(to + 1);
    return toWasFree ? L"\u00c9l\u00e9ment " + a + L" d\u00e9plac\u00e9 \u00e0 la position " + b + L"."
                     : L"\u00c9l\u00e9ments " + a + L" et " + b + L" \u00e9chang\u00e9s.";
}

}  // namespace

void FrmAide::Intervertir(int first, int second) {
    const ConfigItem partner = items[second];
    if (first != second) {
        bar_.Announce(EchangeAnnonce(first, second, partner.chemin.empty()));
    }
    items[second] = selected_;
    items[first] = partner;
    selection.reset();
    selected_ = {};
    const SettingsStore::Batch batch(settings_.Store());  // the whole column, stored at once
    for (int i = 0; i < keys::kItemCount; ++i) {
        settings_.WriteItem(keys::kChemin, i, items[i].chemin);
        settings_.WriteItem(keys::kLigne, i, items[i].ligne);
        settings_.WriteItem(keys::kTool, i, items[i].tool);
        settings_.WriteItem(keys::kIcone, i, items[i].icone);
    }
    // The window state and the document flag move with their items: a document must not be run as a program
    // at its new place. A key absent at the old place is absent at the new one.
    for (int position : {second, first}) {
        for (auto [prefix, value] : {std::pair{keys::kFocus, &items[position].focus},
                                     std::pair{keys::kFicALancer, &items[position].ficALancer}}) {
            if (*value) {
                settings_.WriteItem(prefix, position, **value);
            } else if (!settings_.Delete(keys::ItemKey(prefix, position))) {
                // Absent already.
            }
        }
    }
}

}  // namespace zudav
