#include "bar/construire_boutons.h"

#include <cwctype>

#include "bar/lancer_item.h"
#include "platform/item_picture.h"
#include "platform/paths.h"
#include "platform/shell_item.h"
#include "platform/slow_files.h"

namespace zudav {

bool IconFromItemFile(const std::wstring& icone) {
    if (icone.empty()) {
        return true;
    }
    if (icone.size() < 3) {
        return false;
    }
    std::wstring ending = icone.substr(icone.size() - 3);
    for (auto& c : ending) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return ending == L"exe";
}

bool DessinerIconeBarre(BarWindow& window, int slot, const std::wstring& path, Reading reading) {
    return window.DrawFirstIcon(slot, path, reading) == IconLookup::NoIcon;
}

bool NamesAFolder(const std::wstring& expandedPath, const Platform& platform) {
    if (IsShellName(expandedPath)) {
        return expandedPath.compare(0, std::wstring(kAppsFolderPrefix).size(), kAppsFolderPrefix) != 0;
    }
    return !expandedPath.empty() && platform.FolderExists(expandedPath);
}

// Only an item with the option looks at its path: a rebuild asks this of every slot. A folder on a share is not
// touched here, where a share that does not answer would hold the bar: its menu says so when it cannot be read.
bool OpensAsMenu(const BarItem& item, const std::wstring& expandedPath, const Platform& platform) {
    if (!item.menu) {
        return false;
    }
    if (!IsShellName(expandedPath) && ReadingOf(platform, expandedPath) == Reading::Away) {
        return true;
    }
    return NamesAFolder(expandedPath, platform);
}

// What a folder's slot is called when the user gave it no tooltip: the folder's name as Explorer shows it.
std::wstring FolderTitle(const std::wstring& expandedPath, const Platform& platform) {
    if (IsShellName(expandedPath)) {
        return platform.ShellDisplayName(expandedPath).value_or(expandedPath.substr(std::wstring(L"shell:").size()));
    }
    return FileNameOf(expandedPath);
}

SlotKind KindOfItem(const BarItem& item, const std::wstring& expandedPath, const Platform& platform) {
    if (expandedPath.empty()) {
        return SlotKind::Free;
    }
    if (OpensAsMenu(item, expandedPath, platform)) {
        return SlotKind::Menu;
    }
    return item.IsDocument() ? SlotKind::Document : SlotKind::Program;
}

// A slot's picture is made again only when what it is made from changed: the path or the icon file, either file's size
// or time, the size or the theme of the pictures.
std::bitset<kSlotCount> ConstruireBoutons(const BarModel& model,
                                          PicturesMadeFrom& madeFrom,
                                          BarWindow& window,
                                          const Platform& platform) {
    std::bitset<kSlotCount> iconeAbsente;
    for (int n = 0; n < kSlotCount; ++n) {
        const BarItem& stored = model.Item(n);
        const std::wstring path = platform.ExpandEnvironment(stored.chemin);
        std::optional<PictureSource>& made = madeFrom[static_cast<size_t>(n)];
        SlotItem item;
        if (path.empty()) {
            // A free slot keeps its tooltips; the item editor clears them when it removes an item.
            made.reset();
            window.ShowBuiltInPicture(n, BuiltInPicture::FreeSlot);
            window.ShowSlotItem(n, item);
            continue;
        }
        item = {KindOfItem(stored, path, platform), path, stored.tool};
        if (item.kind == SlotKind::Menu && item.tooltip.empty()) {
            item.tooltip = FolderTitle(path, platform);
        }
        window.SetSlotTooltips(n, ShownTooltip(item.tooltip));
        const std::wstring icon = platform.ExpandEnvironment(stored.icone);
        const Reading pathReading = ReadingOf(platform, path);
        const Reading iconReading = icon.empty() ? Reading::InPlace : ReadingOf(platform, icon);
        const auto stamp = [&](const std::wstring& file, Reading reading) {
            return file.empty() || reading == Reading::Away ? std::nullopt : platform.StampOf(file);
        };
        const PictureSource source{path, icon, stamp(path, pathReading), stamp(icon, iconReading), window.Look()};
        if (made == source) {
            window.ShowSlotItem(n, item);
            continue;  // the picture it shows is still the item's
        }
        made = source;
        window.ClearPicture(n);
        if (IconFromItemFile(icon) && !PathFitsWindows(path)) {
            iconeAbsente[n] = true;  // no call takes such a path: the placeholder says so
        } else if (IconFromItemFile(icon)) {
            iconeAbsente[n] = DessinerIconeBarre(window, n, path, pathReading);
        } else if (!PathFitsWindows(icon) || !window.LoadPicture(n, icon, iconReading)) {
            // A picture that does not load leaves the box as the caller cleared it.
        }
        if (iconeAbsente[n] && stored.ShowsPlaceholder()) {
            window.ShowBuiltInPicture(n, BuiltInPicture::Placeholder);
        }
        window.ShowSlotItem(n, item);
    }
    return iconeAbsente;
}

}  // namespace zudav
