// The Win32 menu of a folder's contents: read with the shell as Explorer lists it, away from the bar, its sub-folders
// read when they open, a typed letter selecting the next entry, and the path of what was chosen.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "bar/folder_menu.h"
#include "bar/win32/folder_reading.h"
#include "platform/win32/handles.h"

namespace zudav::win32 {

class FolderMenu {
  public:
    // The menu of a folder (a path or a shell: name), its pictures at `pixels` square, given a moment to be read
    // unless it is `slow`; `message` comes to `window` when a reading is over, for ReadingOver.
    FolderMenu(const std::wstring& folder, int pixels, bool slow, HWND window, UINT message);
    FolderMenu(const FolderMenu&) = delete;
    FolderMenu& operator=(const FolderMenu&) = delete;

    HMENU Handle() const { return top_.Get(); }
    // WM_INITMENUPOPUP: the menu shows what is known of its folder, read now the first time it opens, "Lecture…" when
    // the reading takes longer than a moment; false for a menu that is not one of these.
    bool Opening(HMENU menu);
    // WM_UNINITMENUPOPUP.
    void Closed(HMENU menu);
    // The entries of reading `token` are listed: its menu holds all of its folder now. The menu, when it is open now
    // and must be shown again to show them all.
    std::optional<HMENU> Listed(WPARAM token);
    // More pictures of reading `token` came: its menu shows them in place of the blanks that kept their room. True
    // when that menu is open now, to be drawn again.
    bool PicturesCame(WPARAM token);
    // WM_MENUCHAR: the answer that selects the next entry beginning with the letter; none for another menu.
    std::optional<LRESULT> MenuChar(HMENU menu, wchar_t letter) const;
    // The path of a chosen command (TrackPopupMenuEx's answer).
    std::optional<std::wstring> PathOf(UINT command) const;
    // The path of the item at `position` of `menu` (WM_MENURBUTTONUP).
    std::optional<std::wstring> PathAt(HMENU menu, int position) const;

  private:
    struct Level {
        std::wstring folder;
        std::shared_ptr<FolderRead> read;
        WPARAM token = 0;
        bool complete = false;  // shows the whole folder
        FolderKnown known;
        std::vector<FolderMenuLine> lines;
        std::vector<HBITMAP> shown;  // each line's picture
    };
    void Show(HMENU menu, Level& level);
    void Forget(HMENU menu);

    int pixels_;
    std::chrono::milliseconds patience_;
    UniqueBitmap blank_;  // where a picture has not come yet, or never will
    HWND window_;
    UINT message_;
    WPARAM lastToken_ = 0;
    UniqueMenu top_;
    std::map<HMENU, Level> levels_;
    std::set<HMENU> open_;
    std::vector<std::wstring> commands_;  // the path of command n + 1
};

}  // namespace zudav::win32
