// The shell's items as the program takes them: a file, or an app of the Applications folder (the Start menu's apps,
// Store apps among them), which has none.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <shobjidl.h>

#include <cstddef>
#include <optional>

#include "platform/shell_item.h"
#include "platform/win32/handles.h"

namespace zudav::win32 {

// A file system item as its file, an item of the Applications folder as its application id; nothing for any other
// item (a computer, a part of the control panel): the shell could not start it by that id.
std::optional<ShellItem> ReadShellItem(IShellItem* item);

// The Applications folder (shell:AppsFolder), where Windows has one (8 and later).
UniqueCom<IShellItem> AppsFolder();

// The first item of a "Shell IDList Array" (CIDA) of `size` bytes, as ReadShellItem takes it; nothing when the array
// does not hold one whole.
std::optional<ShellItem> FirstItemOfIdList(const void* list, std::size_t size);

}  // namespace zudav::win32
