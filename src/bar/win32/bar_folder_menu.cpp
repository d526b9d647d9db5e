#include "bar/win32/bar_folder_menu.h"

#include <shlobj.h>
#include <shlwapi.h>

namespace zudav::win32 {
namespace {

// A shell string, freed as the shell asks.
std::wstring TakeString(PWSTR text) {
    std::wstring taken = text != nullptr ? text : L"";
    CoTaskMemFree(text);
    return taken;
}

// Hidden entries as Explorer shows them: all when the user shows hidden files, protected system files only when
// they show those too.
bool ExplorerHides(SFGAOF attributes) {
    SHELLSTATEW state{};
    SHGetSetSettings(&state, SSF_SHOWALLOBJECTS | SSF_SHOWSUPERHIDDEN, FALSE);
    const bool hidden = (attributes & SFGAO_HIDDEN) != 0;
    const bool system = (attributes & SFGAO_SYSTEM) != 0;
    return hidden && (!state.fShowAllObjects || (system && !state.fShowSuperHidden));
}

// A name the shell gives, freed as it asks.
std::wstring NameOf(IShellFolder* folder, PCUITEMID_CHILD child, SHGDNF kind) {
    STRRET name{};
    PWSTR text = nullptr;
    if (FAILED(folder->GetDisplayNameOf(child, kind, &name)) || FAILED(StrRetToStrW(&name, child, &text))) {
        return {};
    }
    return TakeString(text);
}

// The folder's entries, each with its name as Explorer shows it and its path; a folder that the shell cannot list is
// unreadable.
FolderReading ReadFolder(const std::wstring& path,
                         std::vector<FolderEntry>& entries,
                         std::vector<std::wstring>& paths) {
    PIDLIST_ABSOLUTE location = nullptr;
    if (FAILED(SHParseDisplayName(path.c_str(), nullptr, &location, 0, nullptr))) {
        return FolderReading::Unreadable;
    }
    IShellFolder* opened = nullptr;
    const HRESULT bound = SHBindToObject(nullptr, location, nullptr, IID_PPV_ARGS(&opened));
    CoTaskMemFree(location);
    if (FAILED(bound) || opened == nullptr) {
        return FolderReading::Unreadable;
    }
    const UniqueCom<IShellFolder> folder(opened);
    IEnumIDList* listing = nullptr;
    const SHCONTF kinds = SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | SHCONTF_INCLUDEHIDDEN;
    if (folder.Get()->EnumObjects(nullptr, kinds, &listing) != S_OK || listing == nullptr) {
        return FolderReading::Unreadable;  // S_FALSE: the folder could not be read
    }
    const UniqueCom<IEnumIDList> list(listing);
    PITEMID_CHILD child = nullptr;
    while (list.Get()->Next(1, &child, nullptr) == S_OK) {
        SFGAOF attributes = SFGAO_FOLDER | SFGAO_STREAM | SFGAO_HIDDEN | SFGAO_SYSTEM;
        PCUITEMID_CHILD one = child;
        if (FAILED(folder.Get()->GetAttributesOf(1, &one, &attributes))) {
            attributes = 0;
        }
        std::wstring name = NameOf(folder.Get(), child, SHGDN_NORMAL | SHGDN_INFOLDER);
        std::wstring parsed = NameOf(folder.Get(), child, SHGDN_FORPARSING);
        CoTaskMemFree(child);
        if (name.empty() || parsed.empty()) {
            continue;  // an entry the shell cannot name cannot be started either
        }
        // A zip file is a folder to the shell, and a file to the user.
        const bool isFolder = (attributes & SFGAO_FOLDER) != 0 && (attributes & SFGAO_STREAM) == 0;
        entries.push_back({std::move(name), isFolder, ExplorerHides(attributes)});
        paths.push_back(std::move(parsed));
    }
    return FolderReading::Done;
}

int ExplorerOrder(const std::wstring& a, const std::wstring& b) {
    return StrCmpLogicalW(a.c_str(), b.c_str());
}

}  // namespace

FolderMenu::FolderMenu(const std::wstring& folder) : top_(CreatePopupMenu()) {
    if (top_) {
        Level& level = levels_[top_.Get()];
        level.folder = folder;
        FillLevel(top_.Get(), level);
    }
}

bool FolderMenu::Fill(HMENU menu) {
    const auto found = levels_.find(menu);
    if (found == levels_.end()) {
        return false;
    }
    if (!found->second.filled) {
        FillLevel(menu, found->second);
    }
    return true;
}

void FolderMenu::FillLevel(HMENU menu, Level& level) {
    level.filled = true;
    const FolderReading reading = ReadFolder(level.folder, level.entries, level.paths);
    level.lines = FolderMenuLines(level.entries, reading, false, ExplorerOrder);
    for (const FolderMenuLine& line : level.lines) {
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
        if (line.kind == FolderMenuLine::Kind::Entry || line.kind == FolderMenuLine::Kind::OpenFolder) {
            const std::wstring& path =
                line.kind == FolderMenuLine::Kind::Entry ? level.paths[static_cast<size_t>(line.entry)] : level.folder;
            commands_.push_back(path);
            item.wID = static_cast<UINT>(commands_.size());
        }
        if (line.submenu) {
            HMENU sub = CreatePopupMenu();  // destroyed with its parent
            if (sub != nullptr) {
                item.fMask |= MIIM_SUBMENU;
                item.hSubMenu = sub;
                levels_[sub].folder = level.paths[static_cast<size_t>(line.entry)];
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
    const std::optional<int> line = LineForLetter(found->second.lines, found->second.entries, letter, current);
    return line ? MAKELRESULT(*line, MNC_SELECT) : MAKELRESULT(0, MNC_IGNORE);
}

std::optional<std::wstring> FolderMenu::PathOf(UINT command) const {
    if (command == 0 || command > commands_.size()) {
        return std::nullopt;
    }
    return commands_[command - 1];
}

}  // namespace zudav::win32
