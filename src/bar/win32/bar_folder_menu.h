// The Win32 menu of a folder's contents: read with the shell as Explorer lists it, its sub-folders filled when they
// open, a typed letter selecting the next entry, and the path of what was chosen.
#pragma once

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "bar/folder_menu.h"
#include "platform/win32/handles.h"

namespace zudav::win32 {

class FolderMenu {
  public:
    // The menu of a folder (a path or a shell: name), its entries read now.
    explicit FolderMenu(const std::wstring& folder);
    FolderMenu(const FolderMenu&) = delete;
    FolderMenu& operator=(const FolderMenu&) = delete;

    HMENU Handle() const { return top_.Get(); }
    // WM_INITMENUPOPUP: a sub-folder's menu is read when it opens; false for a menu that is not one of these.
    bool Fill(HMENU menu);
    // WM_MENUCHAR: the answer that selects the next entry beginning with the letter; none for another menu.
    std::optional<LRESULT> MenuChar(HMENU menu, wchar_t letter) const;
    // The path of a chosen command (TrackPopupMenuEx's answer).
    std::optional<std::wstring> PathOf(UINT command) const;

  private:
    struct Level {
        std::wstring folder;
        bool filled = false;
        std::vector<FolderEntry> entries;
        std::vector<std::wstring> paths;  // each entry's, as the shell parses it
        std::vector<FolderMenuLine> lines;
    };
    void FillLevel(HMENU menu, Level& level);

    UniqueMenu top_;
    std::map<HMENU, Level> levels_;
    std::vector<std::wstring> commands_;  // the path of command n + 1
};

}  // namespace zudav::win32
