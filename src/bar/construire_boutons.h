// Filling the thirteen slots of the bar from its items: tooltips, the items' icons, the placeholder for an item
// without an icon and the picture of a free slot.
#pragma once

#include <array>
#include <bitset>
#include <optional>
#include <string>

#include "bar/bar_window.h"
#include "bar/model/bar_model.h"
#include "platform/platform.h"

namespace zudav {

// What a slot's picture was made from: while it stays the same, a rebuild keeps the picture.
struct PictureSource {
    std::wstring path;  // expanded
    std::wstring icon;  // the item's picture file, expanded
    std::optional<FileStamp> pathStamp;
    std::optional<FileStamp> iconStamp;
    PictureLook look;
    bool operator==(const PictureSource& o) const {
        return path == o.path && icon == o.icon && pathStamp == o.pathStamp && iconStamp == o.iconStamp &&
               look == o.look;
    }
};
using PicturesMadeFrom = std::array<std::optional<PictureSource>, kSlotCount>;

// Rebuilds every slot; an item's path and picture are read with their environment variables expanded. Clearing the
// boxes beforehand is the caller's (start-up, refresh). A file on the network or online only is not touched: its
// picture is read away from the bar, and it has no stamp (its picture is made again only when the item changes). The
// answer holds the slots whose picture was made again and found no icon (IconeAbsente).
std::bitset<kSlotCount> ConstruireBoutons(const BarModel& model,
                                          PicturesMadeFrom& madeFrom,
                                          BarWindow& window,
                                          const Platform& platform);

// Draws the first icon of a file into a slot; true when the file has none (IconeAbsente).
bool DessinerIconeBarre(BarWindow& window, int slot, const std::wstring& path, Reading reading);

// A free slot (its path expands to nothing), a folder whose contents open as a menu, a document or a program.
SlotKind KindOfItem(const BarItem& item, const std::wstring& expandedPath, const Platform& platform);

// A path that names a folder, or one of the shell's folders (shell:Programs, shell:Downloads), not an app.
bool NamesAFolder(const std::wstring& expandedPath, const Platform& platform);

// An item whose folder opens as a menu: one with the option, whose path names a folder, or is on a share or online
// only (its menu is read away from the bar).
bool OpensAsMenu(const BarItem& item, const std::wstring& expandedPath, const Platform& platform);

// True when the item's icon is to be taken from its own file: no picture chosen, or one ending in "exe".
bool IconFromItemFile(const std::wstring& icone);

}  // namespace zudav
