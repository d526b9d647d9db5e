// The configuration window as its logic sees it: the column of item icons Ico(0..12), the selection picture
// Image2, the application icon Image1, the file dialogs and the program's input box.
#pragma once

#include <optional>
#include <string>

#include "platform/icon_lookup.h"

namespace zudav {

class ConfigWindow {
  public:
    virtual ~ConfigWindow() = default;

    // Ico(position): the first icon of a file, a picture file (false when it does not load), the bar's
    // free-slot picture, or nothing.
    virtual IconLookup DrawFirstIcon(int position, const std::wstring& path) = 0;
    virtual bool LoadPicture(int position, const std::wstring& path) = 0;
    virtual void ShowFreeSlotPicture(int position) = 0;
    virtual void ClearPicture(int position) = 0;

    // Image2: a copy of what Ico(position) shows now, or nothing.
    virtual void ShowSelection(int position) = 0;
    virtual void ClearSelection() = 0;

    // Image1: the bar window's icon as it is now, or a picture file (false when it does not load).
    virtual void ShowBarIcon() = 0;
    virtual bool LoadApplicationIcon(const std::wstring& path) = 0;

    // The file-open dialog: filter as "Name|patterns|Name|patterns". Nothing when the user cancels.
    virtual std::optional<std::wstring> AskOpenFile(const std::wstring& filter, const std::wstring& initialName) = 0;
    // The file-save dialog, the same way; it asks before a file is replaced and adds the filter's extension to a name
    // typed without one.
    virtual std::optional<std::wstring> AskSaveFile(const std::wstring& filter, const std::wstring& initialName) = 0;
    // The program's input box: a prompt, a title and an empty text box. Nothing when the user cancels.
    virtual std::optional<std::wstring> AskText(const std::wstring& prompt, const std::wstring& title) = 0;

    // Shows the fields of the window's logic as they stand in the middle of an event, before a message that speaks of
    // them: the user reads it over the window. (Every event ends by showing them.)
    virtual void ShowFields() = 0;

    virtual void Close() = 0;
};

}  // namespace zudav
