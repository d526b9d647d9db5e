#include "bar/win32/bar_folder_menu.h"

#include <shlwapi.h>

namespace zudav::win32 {
namespace {

// How long a menu waits for its folder's entries before it opens with what is known: no longer than a user sees as at
// once.
constexpr std::chrono::milliseconds kPatience{200};

// A picture of nothing, 32 bits with no alpha, at `pixels` square.
UniqueBitmap BlankPicture(int pixels) {
    BITMAPINFO format{};
    format.bmiHeader = {sizeof format.bmiHeader, pixels, -pixels, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueBitmap blank(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    return bits != nullptr ? std::move(blank) : UniqueBitmap();  // a new section's bits are zero
}

}  // namespace

FolderMenu::FolderMenu(const std::wstring& folder, int pixels, bool slow, HWND window, UINT message)
    : pixels_(pixels),
      patience_(slow ? std::chrono::milliseconds(0) : kPatience),
      blank_(BlankPicture(pixels)),
      window_(window),
      message_(message),
      top_(CreatePopupMenu()) {
    if (top_) {
        levels_[top_.Get()].folder = folder;
        Opening(top_.Get());  // read before it opens, to open at its size
        open_.clear();
    }
}

bool FolderMenu::Opening(HMENU menu) {
    const auto found = levels_.find(menu);
    if (found == levels_.end()) {
        return false;
    }
    open_.insert(menu);
    Level& level = found->second;
    if (!level.read) {
        level.token = ++lastToken_;
        level.read = FolderRead::Start(level.folder, pixels_, window_, message_, level.token);
        level.read->WaitListed(patience_);
    } else if (level.complete) {
        return true;
    }
    level.known = level.read->Known();
    level.complete = level.known.reading != FolderReading::Reading;
    Show(menu, level);
    return true;
}

void FolderMenu::Closed(HMENU menu) {
    open_.erase(menu);
}

bool FolderMenu::PicturesCame(WPARAM token) {
    for (auto& [menu, level] : levels_) {
        if (level.token != token || !level.complete) {
            continue;
        }
        level.known.pictures = level.read->Known().pictures;
        bool changed = false;
        for (size_t position = 0; position < level.lines.size(); ++position) {
            const FolderMenuLine& line = level.lines[position];
            if (line.kind != FolderMenuLine::Kind::Entry) {
                continue;
            }
            HBITMAP picture = level.known.pictures[static_cast<size_t>(line.entry)];
            if (picture == nullptr || picture == level.shown[position]) {
                continue;
            }
            MENUITEMINFOW item{};
            item.cbSize = sizeof item;
            item.fMask = MIIM_BITMAP;
            item.hbmpItem = picture;  // the reading keeps it
            SetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item);
            level.shown[position] = picture;
            changed = true;
        }
        return changed && open_.count(menu) != 0;
    }
    return false;
}

std::optional<HMENU> FolderMenu::Listed(WPARAM token) {
    for (auto& [menu, level] : levels_) {
        if (level.token != token || level.complete) {
            continue;
        }
        level.known = level.read->Known();
        level.complete = true;
        Show(menu, level);
        if (open_.count(menu) != 0) {
            return menu;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

// The sub-menus of the items about to go, and theirs: their handles die with the items and may come back for others.
void FolderMenu::Forget(HMENU menu) {
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        if (HMENU sub = GetSubMenu(menu, position)) {
            Forget(sub);
            levels_.erase(sub);
            open_.erase(sub);
        }
    }
}

void FolderMenu::Show(HMENU menu, Level& level) {
    Forget(menu);
    while (GetMenuItemCount(menu) > 0) {
        DeleteMenu(menu, 0, MF_BYPOSITION);  // a sub-menu goes with its item
    }
    const FolderKnown& known = level.known;
    level.lines = FolderMenuLines(known.entries, known.reading, false, ExplorerOrder);
    level.shown.assign(level.lines.size(), nullptr);
    for (size_t position = 0; position < level.lines.size(); ++position) {
        const FolderMenuLine& line = level.lines[position];
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        std::wstring text = line.text;
        if (line.kind == FolderMenuLine::Kind::Separator) {
            item.fMask = MIIM_FTYPE;
            item.fType = MFT_SEPARATOR;
        } else {
            item.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE;
            item.dwTypeData = text.data();
            item.fState = line.greyed ? MFS_GRAYED : MFS_ENABLED;
        }
        const bool entry = line.kind == FolderMenuLine::Kind::Entry;
        if (entry || line.kind == FolderMenuLine::Kind::OpenFolder) {
            commands_.push_back(entry ? known.paths[static_cast<size_t>(line.entry)] : level.folder);
            item.wID = static_cast<UINT>(commands_.size());
        }
        if (entry) {
            // Every entry has a picture from the start, a blank until its own comes, so that the menu keeps its size.
            HBITMAP picture = known.pictures[static_cast<size_t>(line.entry)];
            level.shown[position] = picture;
            item.fMask |= MIIM_BITMAP;
            item.hbmpItem = picture != nullptr ? picture : blank_.Get();  // the reading keeps its pictures
        }
        if (line.submenu) {
            HMENU sub = CreatePopupMenu();  // destroyed with its parent
            if (sub != nullptr) {
                item.fMask |= MIIM_SUBMENU;
                item.hSubMenu = sub;
                levels_[sub].folder = known.paths[static_cast<size_t>(line.entry)];
            }
        }
        InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &item);
    }
}

std::optional<LRESULT> FolderMenu::MenuChar(HMENU menu, wchar_t letter) const {
    const auto found = levels_.find(menu);
    if (found == levels_.end()) {
        return std::nullopt;
    }
    std::optional<int> current;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        if ((GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_HILITE) != 0) {
            current = position;
        }
    }
    const Level& level = found->second;
    const std::optional<int> line = LineForLetter(level.lines, level.known.entries, letter, current);
    return line ? MAKELRESULT(*line, MNC_SELECT) : MAKELRESULT(0, MNC_IGNORE);
}

std::optional<std::wstring> FolderMenu::PathOf(UINT command) const {
    if (command == 0 || command > commands_.size()) {
        return std::nullopt;
    }
    return commands_[command - 1];
}

std::optional<std::wstring> FolderMenu::PathAt(HMENU menu, int position) const {
    if (levels_.count(menu) == 0) {
        return std::nullopt;
    }
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &item)) {
        return std::nullopt;
    }
    return PathOf(item.wID);
}

}  // namespace zudav::win32
