// One item of the bar, as the store holds it, and what its values mean: every window reads an item by these rules.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zudav {

struct BarItem {
    std::wstring chemin;  // the program, document, folder, address or app; as typed, variables unexpanded
    std::wstring tool;    // the tooltip
    std::wstring icone;   // the picture file; empty: the item's own icon
    std::wstring ligne;   // the program's command line
    // The window state and the document flag as stored: they travel with the item, and one absent stays absent.
    std::optional<std::wstring> focus;
    std::optional<std::wstring> ficALancer;
    std::optional<std::wstring> contenu;
    // The flag read as a number (the user's decimal separator): nothing when it is absent or does not read.
    std::optional<double> flag;
    // Contenu reads as 1: a folder's slot opens its contents as a menu.
    bool menu = false;

    bool Free() const { return chemin.empty(); }
    // A document is opened by the shell: its flag reads as 1.
    bool IsDocument() const { return flag && *flag == 1; }
    // A stored flag that reads as no number: the item cannot be started.
    bool FlagUnreadable() const { return ficALancer && !flag; }
    // Only a flag that reads as a number other than 1 spares an item without an icon the placeholder.
    bool ShowsPlaceholder() const { return !flag || *flag == 1; }
    // The window state a program starts in (1, normal, when absent): nothing outside 16 bits.
    std::optional<std::int16_t> WindowState() const;
    // The flag as the editor's check box shows it: 0 clear, 1 ticked, 2 greyed; nothing for any other value.
    std::optional<int> CheckBox() const;

    bool operator==(const BarItem& o) const {
        return chemin == o.chemin && tool == o.tool && icone == o.icone && ligne == o.ligne && focus == o.focus &&
               ficALancer == o.ficALancer && contenu == o.contenu;
    }
};

}  // namespace zudav
