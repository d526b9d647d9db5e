// Files or an app dropped on the bar: the highlight of the cell under the pointer while they are dragged, the answer of
// each slot, and what the drop does once the program the files came from has been let go.
#include "bar/drop.h"

#include <utility>

#include "bar/construire_boutons.h"
#include "bar/dropped_file.h"
#include "bar/lancer_item.h"
#include "bar/principal.h"
#include "bar/settings/conversions.h"
#include "platform/item_picture.h"
#include "platform/paths.h"
#include "platform/slow_files.h"

namespace zudav {

std::optional<int> SlotAt(const BarControls& controls, float x, float y) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const ControlRect& cell = controls.cells[slot];
        if (x >= cell.left && x < cell.left + cell.width && y >= cell.top && y < cell.top + cell.height) {
            return slot;
        }
    }
    return std::nullopt;
}

namespace {

// As the C runtime and CommandLineToArgvW read a quoted argument back: backslashes are literal except in a run before
// a quote, where two stand for one; so those before a quote of the path and before the closing quote are doubled.
std::wstring QuotedArgument(const std::wstring& text) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : text) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        quoted += c;
        backslashes = 0;
    }
    return quoted.append(2 * backslashes, L'\\') + L"\"";
}

}  // namespace

std::wstring QuotedArguments(const std::vector<std::wstring>& files) {
    std::wstring arguments;
    for (const std::wstring& file : files) {
        arguments += (arguments.empty() ? L"" : L" ") + QuotedArgument(file);
    }
    return arguments;
}

std::wstring SansEmplacementTexte(const std::vector<std::wstring>& names) {
    std::wstring text = IntegerToText(names.size()) +
                        (names.size() == 1 ? L" fichier n'a pas" : L" fichiers n'ont pas") +
                        L" trouv\u00e9 d'emplacement libre : ";
    for (std::size_t i = 0; i < names.size(); ++i) {
        text += (i == 0 ? L"" : L", ") + names[i];
    }
    return text;
}

// A path that expands to nothing is a free slot, as for a launch.
SlotKind Principal::KindOf(int slot) const {
    const BarItem& item = model_.Item(slot);
    return KindOfItem(item, platform_.ExpandEnvironment(item.chemin), platform_);
}

// A free slot takes the file or the app as a new item, a program opens the files; each shows its own effect when the
// drag's source allows it, else the other one.
DropEffect Principal::DropEffectAt(std::optional<int> slot, AllowedEffects allowed, DragContent content) const {
    if (ModalOpen()) {
        return DropEffect::None;  // a second item editor, or a launch, over a modal window of the bar
    }
    if (!slot || KindOf(*slot) == SlotKind::Document) {
        return DropEffect::None;  // a document opens with its own program, and the bar's edges take nothing
    }
    const SlotKind kind = KindOf(*slot);
    if (kind != SlotKind::Free && content == DragContent::App) {
        return DropEffect::None;  // an app is no file that a program could open, nor one to link to
    }
    if (kind == SlotKind::Menu && IsShellName(platform_.ExpandEnvironment(model_.Item(*slot).chemin))) {
        return DropEffect::None;  // no folder of files to make the shortcuts in
    }
    // A program opens the files, a folder's menu takes shortcuts to them: both link.
    const bool linkFirst = kind != SlotKind::Free;
    if (linkFirst ? allowed.link : allowed.copy) {
        return linkFirst ? DropEffect::Link : DropEffect::Copy;
    }
    if (linkFirst ? allowed.copy : allowed.link) {
        return linkFirst ? DropEffect::Copy : DropEffect::Link;
    }
    return DropEffect::None;
}

void Principal::HighlightDragSlot(std::optional<int> slot) {
    if (dragSlot_ != slot && dragSlot_) {
        window_.SetCellBorder(*dragSlot_, false);
    }
    if (slot) {
        window_.SetCellBorder(*slot, true);
    }
    dragSlot_ = slot;
}

DropEffect Principal::OnDragOver(float x, float y, AllowedEffects allowed, DragContent content) {
    if (!std::exchange(filesOver_, true)) {
        model_.Reload();  // a drag that comes in meets the items as stored now
    }
    Reveal();
    const std::optional<int> slot = SlotAt(controls_, x, y);
    HighlightDragSlot(slot);
    return DropEffectAt(slot, allowed, content);
}

void Principal::OnDragLeave() {
    HighlightDragSlot(std::nullopt);
    filesOver_ = false;
    HideLater();
}

// The drag is over: its cell loses the highlight, and the drop waits for AfterDrop when the slot takes it.
DropEffect Principal::Dropped(float x, float y, AllowedEffects allowed, PendingDrop drop) {
    HighlightDragSlot(std::nullopt);
    filesOver_ = false;
    HideLater();
    const std::optional<int> slot = SlotAt(controls_, x, y);
    const bool nothing = drop.app ? drop.app->path.empty() : drop.files.empty();
    const DropEffect effect =
        nothing ? DropEffect::None : DropEffectAt(slot, allowed, drop.app ? DragContent::App : DragContent::Files);
    if (effect != DropEffect::None) {
        drop.slot = static_cast<std::int16_t>(*slot);
        pendingDrop_ = std::move(drop);
    }
    return effect;
}

DropEffect Principal::OnDrop(float x, float y, AllowedEffects allowed, std::vector<std::wstring> files) {
    return Dropped(x, y, allowed, {0, std::move(files), std::nullopt});
}

DropEffect Principal::OnShellItemDrop(float x, float y, AllowedEffects allowed, const ShellItem& item) {
    return item.isApp ? Dropped(x, y, allowed, {0, {}, item}) : OnDrop(x, y, allowed, {item.path});
}

void Principal::AfterDrop() {
    if (!pendingDrop_) {
        return;
    }
    const PendingDrop drop = std::move(*pendingDrop_);
    pendingDrop_.reset();
    switch (KindOf(drop.slot)) {
        case SlotKind::Free:
            if (drop.app) {
                Modal([&] { window_.ShowItemEditorForApp(drop.slot, *drop.app); });
            } else if (drop.files.size() == 1) {
                Modal([&] { window_.ShowItemEditorForFile(drop.slot, drop.files.front()); });
            } else {
                FillFreeSlots(drop.slot, drop.files);
            }
            break;
        case SlotKind::Program:
            if (!drop.app) {  // else the free slot took a program since the drop was answered
                Lancer(drop.slot, QuotedArguments(drop.files));
            }
            break;
        case SlotKind::Menu:
            if (!drop.app) {
                AddShortcuts(drop.slot, drop.files);
            }
            break;
        case SlotKind::Document:
            break;  // the item changed since the drop was answered
    }
}

// Each file takes the next free slot from the one it was dropped on, filled as the item editor fills it for a dropped
// file and saved without asking; all are stored together. What finds no slot is named, and nothing of it is stored.
void Principal::FillFreeSlots(std::int16_t n, const std::vector<std::wstring>& files) {
    std::vector<BarModel::ItemChange> changes;
    std::vector<std::wstring> left;
    int slot = n;
    for (const std::wstring& file : files) {
        while (slot < kSlotCount && KindOf(slot) != SlotKind::Free) {
            ++slot;
        }
        if (slot == kSlotCount) {
            left.push_back(FileNameOf(file));
            continue;
        }
        // The slot's own box shows the shortcut's picture as the rebuild will.
        const DroppedFile dropped = TakeDroppedFile(file, platform_, [&](const std::wstring& picture) {
            return PathFitsWindows(picture) && window_.LoadPicture(slot, picture, ReadingOf(platform_, picture));
        });
        BarItem item;
        item.chemin = dropped.path;
        item.ligne = dropped.arguments;
        item.tool = SuggestedTooltip(dropped.path, platform_).value_or(L"");
        item.focus = L"1";  // "Normalle, Activée", the editor's own choice for a new item
        item.ficALancer = dropped.document ? L"1" : L"0";
        item.icone = dropped.picture.value_or(L"");
        changes.push_back({slot++, item, dropped.picture.has_value()});
    }
    model_.SetItems(changes);
    if (!left.empty()) {
        const std::wstring text = SansEmplacementTexte(left);
        window_.Announce(text);
        Modal([&] { platform_.ShowMessage(kErreurFichierTitre, text, MessageIcon::Exclamation); });
    }
}

}  // namespace zudav
