// The item column of the configuration window: filled from the bar's items, and two clicks that move an item to
// another position or exchange two items, stored at once.
#include <utility>

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

namespace {

// What the screen reader hears when the item at `from` goes to position `to` (numbered from 1, as the user counts
// them), exchanged with the item there or moved to a free position.
std::wstring EchangeAnnonce(int from, int to, bool toWasFree) {
    const std::wstring a = std::to_wstring(from + 1), b = std::to_wstring(to + 1);
    return toWasFree ? L"\u00c9l\u00e9ment " + a + L" d\u00e9plac\u00e9 \u00e0 la position " + b + L"."
                     : L"\u00c9l\u00e9ments " + a + L" et " + b + L" \u00e9chang\u00e9s.";
}

}  // namespace

// The window state and the document flag move with their items: a document must not be run as a program at its new
// place. The column shows the exchange when the bar's items tell it.
void FrmAide::Intervertir(int first, int second) {
    if (first != second) {
        bar_.Announce(EchangeAnnonce(first, second, items[static_cast<std::size_t>(second)].Free()));
    }
    model_.ExchangeItems(first, second);
}

}  // namespace zudav
