// Showing a file's first icon or a picture file in a picture box: shared by the bar's icon boxes, the item editor's
// preview and the configuration window's item column; and the program's own icons at the size for a DPI.
#pragma once

#include <windows.h>

#include <string>

#include "platform/icon_lookup.h"
#include "platform/win32/handles.h"
#include "platform/win32/picture.h"

namespace zudav::win32 {

// The first icon of the file, shown at the box's top-left corner at its own size. A file without an icon, or of a
// kind that holds none, leaves the picture as it was.
IconLookup ShowFirstIcon(Picture& picture, HINSTANCE instance, const std::wstring& path);

// A bitmap or icon file, at its own size; false (picture unchanged) when it does not load.
bool ShowPictureFile(Picture& picture, const std::wstring& path);

// The program's icon resource `id` drawn at `size` pixels at 96 dpi, at the size that stands for it at `dpi`.
UniqueIcon LoadResourceIcon(HINSTANCE instance, int id, int size, int dpi);

}  // namespace zudav::win32
