// Showing an item's picture or a picture file in a picture box: shared by the bar's icon boxes, the item editor's
// preview and the configuration window's item column; and the program's own icons at the size for a DPI.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "platform/icon_lookup.h"
#include "platform/win32/handles.h"
#include "platform/win32/picture.h"

namespace zudav::win32 {

// The picture of what an item is, made at `pixels` square: a program's own icon, the shell's picture of a document,
// a shortcut, a folder, a shell name or an app, the browser's icon for an address. NoIcon (the picture as it was)
// when there is none: a missing file, a program without an icon.
IconLookup ShowItemPicture(Picture& picture, const std::wstring& item, int pixels);

// The file a start of the path would start (a name alone as the Run box finds it, a relative path in the bar's folder),
// an address or a shell name as it is; empty when there is none.
std::wstring LocatedProgram(const std::wstring& path);

// The item's picture (as ShowItemPicture makes it) as a 32-bit bitmap with its colours premultiplied by its alpha, as
// a menu item takes it beside its text (hbmpItem); none when the item has no picture.
UniqueBitmap PremultipliedItemPicture(const std::wstring& item, int pixels);
// The same of an icon that belongs to someone else (a window's) drawn at `pixels` square, of what a picture box shows,
// and of any drawing in a square of `pixels`.
UniqueBitmap PremultipliedIconPicture(HICON icon, int pixels);
UniqueBitmap PremultipliedPicture(const Picture& picture, int pixels);
UniqueBitmap PremultipliedDrawing(int pixels, const std::function<void(HDC)>& draw);

// A bitmap or icon file, at its own size; false (picture unchanged) when it does not load.
bool ShowPictureFile(Picture& picture, const std::wstring& path);

// The program's icon resource `id` drawn at `size` pixels at 96 dpi, at the size that stands for it at `dpi`.
UniqueIcon LoadResourceIcon(HINSTANCE instance, int id, int size, int dpi);

}  // namespace zudav::win32
