#include "bar/folder_menu.h"

#include <algorithm>
#include <cwctype>

#include "bar/settings/conversions.h"

namespace zudav {
namespace {

std::wstring MenuText(const std::wstring& name) {
    std::wstring text;
    for (wchar_t c : name) {
        text += c == L'&' ? L"&&" : std::wstring(1, c);
    }
    return text;
}

FolderMenuLine Note(const wchar_t* text) {
    return {FolderMenuLine::Kind::Note, text, -1, false, true};
}

}  // namespace

std::vector<FolderMenuLine> FolderMenuLines(const std::vector<FolderEntry>& entries,
                                            FolderReading reading,
                                            bool showHidden,
                                            const NameOrder& order) {
    std::vector<int> shown;
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        if (showHidden || !entries[static_cast<std::size_t>(i)].hidden) {
            shown.push_back(i);
        }
    }
    std::stable_sort(shown.begin(), shown.end(), [&](int a, int b) {
        const FolderEntry& x = entries[static_cast<std::size_t>(a)];
        const FolderEntry& y = entries[static_cast<std::size_t>(b)];
        return x.folder != y.folder ? x.folder : order(x.name, y.name) < 0;
    });
    std::vector<FolderMenuLine> lines;
    for (int i : shown) {
        const FolderEntry& entry = entries[static_cast<std::size_t>(i)];
        lines.push_back({FolderMenuLine::Kind::Entry, MenuText(entry.name), i, entry.folder, false});
    }
    if (reading == FolderReading::Reading) {
        lines.push_back(Note(kLectureDossier));
    } else if (reading == FolderReading::Unreadable) {
        lines.push_back(Note(kDossierInaccessible));
    } else if (lines.empty()) {
        lines.push_back(Note(kDossierVide));
    }
    lines.push_back({FolderMenuLine::Kind::Separator, L"", -1, false, false});
    lines.push_back({FolderMenuLine::Kind::OpenFolder, kOuvrirLeDossier, -1, false, false});
    return lines;
}

std::optional<int> LineForLetter(const std::vector<FolderMenuLine>& lines,
                                 const std::vector<FolderEntry>& entries,
                                 wchar_t letter,
                                 std::optional<int> current) {
    const int count = static_cast<int>(lines.size());
    const wchar_t wanted = static_cast<wchar_t>(std::towupper(letter));
    for (int step = 1; step <= count; ++step) {
        const int line = (current.value_or(-1) + step + count) % count;
        const FolderMenuLine& candidate = lines[static_cast<std::size_t>(line)];
        if (candidate.kind != FolderMenuLine::Kind::Entry) {
            continue;
        }
        const std::wstring& name = entries[static_cast<std::size_t>(candidate.entry)].name;
        if (!name.empty() && static_cast<wchar_t>(std::towupper(name.front())) == wanted) {
            return line;
        }
    }
    return std::nullopt;
}

MenuAnchor FolderMenuAnchor(const PixelRect& slot, const PixelRect& workArea, bool horizontalBar) {
    MenuAnchor anchor;
    if (horizontalBar) {
        anchor.alignBottom = slot.top - workArea.top > workArea.bottom - slot.bottom;
        anchor.at = {slot.left, anchor.alignBottom ? slot.top : slot.bottom};
    } else {
        anchor.alignRight = slot.left - workArea.left > workArea.right - slot.right;
        anchor.at = {anchor.alignRight ? slot.left : slot.right, slot.top};
    }
    return anchor;
}

MenuSide FolderMenuSide(const PixelRect& slot, const PixelRect& workArea, bool horizontalBar) {
    const MenuAnchor anchor = FolderMenuAnchor(slot, workArea, horizontalBar);
    if (horizontalBar) {
        return anchor.alignBottom ? MenuSide::Above : MenuSide::Below;
    }
    return anchor.alignRight ? MenuSide::Left : MenuSide::Right;
}

std::optional<std::array<PixelPoint, 3>> FolderMark(const PixelRect& cell, const PixelRect& icon, MenuSide side) {
    const bool across = side == MenuSide::Left || side == MenuSide::Right;  // points left or right
    const int gap = side == MenuSide::Left    ? icon.left - cell.left
                    : side == MenuSide::Right ? cell.right - icon.right
                    : side == MenuSide::Above ? icon.top - cell.top
                                              : cell.bottom - icon.bottom;
    const int length = across ? icon.bottom - icon.top : icon.right - icon.left;
    // As deep as two thirds of the margin, twice as long, and no longer than a third of the icon.
    const int depth = std::min(gap * 2 / 3, length / 6);
    if (depth < 2) {
        return std::nullopt;
    }
    const int middle = across ? (icon.top + icon.bottom) / 2 : (icon.left + icon.right) / 2;
    // The base lies nearest the icon, the point towards the menu.
    const int base = side == MenuSide::Left    ? icon.left - (gap - depth) / 2
                     : side == MenuSide::Right ? icon.right + (gap - depth) / 2
                     : side == MenuSide::Above ? icon.top - (gap - depth) / 2
                                               : icon.bottom + (gap - depth) / 2;
    const int tip = side == MenuSide::Left || side == MenuSide::Above ? base - depth : base + depth;
    if (across) {
        return std::array<PixelPoint, 3>{{{base, middle - depth}, {tip, middle}, {base, middle + depth}}};
    }
    return std::array<PixelPoint, 3>{{{middle - depth, base}, {middle, tip}, {middle + depth, base}}};
}

std::wstring ShortcutFileName(const std::wstring& name, const std::function<bool(const std::wstring&)>& taken) {
    std::wstring file = name + L".lnk";
    for (int n = 2; taken(file); ++n) {
        file = name + L" (" + IntegerToText(n) + L").lnk";
    }
    return file;
}

}  // namespace zudav
