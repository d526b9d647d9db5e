// Filling the thirteen slots of the bar from the settings store: tooltips, the items' icons, the placeholder
// for an item without an icon and the picture of a free slot.
#pragma once

#include <string>

#include "bar/bar_window.h"
#include "bar/labarre.h"
#include "bar/settings/bar_settings.h"
#include "platform/platform.h"

namespace zudav {

// Rebuilds every slot; an item's path and picture are read with their environment variables expanded. Clearing the
// boxes beforehand is the caller's (start-up, refresh). A file on the network or online only is not touched: its
// picture is read away from the bar, and it has no stamp (its picture is made again only when the item changes).
void ConstruireBoutons(LaBarre& module, const BarSettings& settings, BarWindow& window, const Platform& platform);

// Draws the first icon of a file into the slot IndexCourant; sets IconeAbsente when the file has none.
void DessinerIconeBarre(LaBarre& module, BarWindow& window, const std::wstring& path, Reading reading);

// A free slot, a document (its flag reads as 1, as a launch reads it) or a program.
SlotKind ReadSlotKind(const BarSettings& settings, int slot);

// True when the item's icon is to be taken from its own file: no picture chosen, or one ending in "exe".
bool IconFromItemFile(const std::wstring& icone);

}  // namespace zudav
