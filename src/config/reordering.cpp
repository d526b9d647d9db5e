// The item column of the configuration window: filled from the bar's items, and two clicks that move an item to
// another position or exchange two items, stored at once.
#include <utility>

#include "bar/accessible_names.h"
#include "bar/construire_boutons.h"
#include "config/frm_aide.h"

namespace zudav {

void DessinerIconeConfig(ConfigWindow& window, const std::wstring& path, int position) {
    window.DrawFirstIcon(position, path);
}

void FrmAide::RemplirIcones() {
    for (int i = 0; i < kSlotCount; ++i) {
        BarItem& item = items[static_cast<std::size_t>(i)];
        item = model_.Item(i);
        if (item.Free()) {
            window_.ShowFreeSlotPicture(i);
            item.tool.clear();
            continue;
        }
        window_.ClearPicture(i);  // a picture that does not load leaves the box empty, not with the picture it had
        // Drawn from the expanded texts; the item keeps them as typed.
        if (IconFromItemFile(platform_.ExpandEnvironment(item.icone))) {
            DessinerIconeConfig(window_, platform_.ExpandEnvironment(item.chemin), i);
        } else if (!window_.LoadPicture(i, platform_.ExpandEnvironment(item.icone))) {
            // Left empty.
        }
    }
}

void FrmAide::OnIcoClick(int position) {
    if (!selection) {
        if (items[static_cast<std::size_t>(position)].Free()) {
            return;  // a free position: nothing to move
        }
        selection = position;
        window_.ShowSelection(position);
        return;
    }
    Intervertir(*std::exchange(selection, std::nullopt), position);
    window_.ClearSelection();
}

// The window state and the document flag move with their items: a document must not be run as a program at its new
// place. The column shows the exchange when the bar's items tell it.
void FrmAide::Intervertir(int first, int second) {
    if (first != second) {
        bar_.Announce(ExchangeAnnouncement(first, second, items[static_cast<std::size_t>(second)].Free()));
    }
    model_.ExchangeItems(first, second);
}

}  // namespace zudav
