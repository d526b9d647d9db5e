// The item editor's window as its logic sees it: the icon preview Icone1, the shared file-open dialog and the program
// dialog.
#pragma once

#include <optional>
#include <string>

#include "platform/icon_lookup.h"
#include "platform/shell_item.h"

namespace zudav {

class EditorWindow {
  public:
    virtual ~EditorWindow() = default;

    // Draws the first icon of a file at the preview's top-left corner, over what it shows; a file without
    // an icon draws nothing.
    virtual IconLookup DrawFirstIcon(const std::wstring& path) = 0;
    // Replaces the preview with a picture file (bitmap or icon); false when it does not load.
    virtual bool LoadPicture(const std::wstring& path) = 0;
    // The bar's placeholder picture (ImaRien) in the preview.
    virtual void ShowPlaceholder() = 0;
    virtual void ClearPicture() = 0;

    // The file-open dialog: filter as "Name|patterns|Name|patterns", opening on initialName.
    // Nothing when the user cancels.
    virtual std::optional<std::wstring> AskOpenFile(const std::wstring& filter, const std::wstring& initialName) = 0;
    // The same dialog for a program, the Start menu's apps offered too (the Applications folder among its places):
    // a file, or an app that has none. Nothing when the user cancels.
    virtual std::optional<ShellItem> AskProgram(const std::wstring& filter, const std::wstring& initialName) = 0;

    virtual void Close() = 0;
};

}  // namespace zudav
