// A folder's contents as a pop-up menu beside its slot, the Quick Launch's way: what the menu lists and in which
// order, where it opens, which entry a typed letter selects, and the names of the shortcuts that files dropped on the
// slot become in the folder.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/geometry.h"

namespace zudav {

inline constexpr const wchar_t* kOuvrirLeDossier = L"Ouvrir le dossier";
inline constexpr const wchar_t* kDossierVide = L"(vide)";
inline constexpr const wchar_t* kDossierInaccessible = L"(inaccessible)";
inline constexpr const wchar_t* kLectureDossier = L"Lecture\u2026";

// One entry of a folder, as the shell lists it.
struct FolderEntry {
    std::wstring name;    // as Explorer shows it
    bool folder = false;  // opens as a sub-menu
    bool hidden = false;  // hidden or system
};

// How far the folder has been read.
enum class FolderReading { Reading, Done, Unreadable };

struct FolderMenuLine {
    enum class Kind { Entry, Note, Separator, OpenFolder };
    Kind kind = Kind::Entry;
    std::wstring text;  // as the menu takes it: an & of a name is doubled, shown as is and no accelerator
    int entry = -1;     // an entry's index in the folder's list
    bool submenu = false;
    bool greyed = false;
};

// Explorer's order of two names: below 0 when a comes first (StrCmpLogicalW on Windows: "2" before "10").
using NameOrder = std::function<int(const std::wstring& a, const std::wstring& b)>;

// Sub-folders first, then files, each group in Explorer's order; hidden and system entries only where Explorer shows
// them. While the folder is still read, "Lecture…" greyed after the entries known; an empty folder says "(vide)", an
// unreadable one "(inaccessible)", both greyed; then a separator and "Ouvrir le dossier".
std::vector<FolderMenuLine> FolderMenuLines(const std::vector<FolderEntry>& entries,
                                            FolderReading reading,
                                            bool showHidden,
                                            const NameOrder& order);

// The line a typed letter selects, as in Explorer's menus: the next entry after `current` (from the top again past the
// last) whose name begins with that letter in any case; none when no entry does.
std::optional<int> LineForLetter(const std::vector<FolderMenuLine>& lines,
                                 const std::vector<FolderEntry>& entries,
                                 wchar_t letter,
                                 std::optional<int> current);

// Where the menu opens: beside its slot, which it leaves uncovered, towards the side of the bar with more room in the
// work area (right or left of an upright bar, below or above a lying one), from the slot's first corner.
struct MenuAnchor {
    PixelPoint at;
    bool alignRight = false;   // the menu's right edge at `at`, else its left one
    bool alignBottom = false;  // its bottom at `at`, else its top
};
MenuAnchor FolderMenuAnchor(const PixelRect& slot, const PixelRect& workArea, bool horizontalBar);

// The side of the slot its menu opens on, and the mark that says so on the slot: a small triangle pointing that way,
// in the cell's margin beside its icon box; none where the margin is too thin to show one.
enum class MenuSide { Left, Above, Right, Below };
MenuSide FolderMenuSide(const PixelRect& slot, const PixelRect& workArea, bool horizontalBar);
std::optional<std::array<PixelPoint, 3>> FolderMark(const PixelRect& cell, const PixelRect& icon, MenuSide side);

// The file name of the shortcut that a file dropped on the slot becomes: its name and ".lnk", or "NOM (2).lnk" and on
// where that is taken, so that no file of the folder is ever replaced.
std::wstring ShortcutFileName(const std::wstring& name, const std::function<bool(const std::wstring&)>& taken);

}  // namespace zudav
