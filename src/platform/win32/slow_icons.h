// The pictures of files that may be slow to read (on a share, or a cloud file whose data is not on the disk), read on
// a thread of their own and posted to a window: a share that does not answer then holds that thread, not the window.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/win32/handles.h"

namespace zudav::win32 {

// What is read of the file: its first icon made at a size, a picture file (an icon or a bitmap) at its own size, or a
// window's icon (the icon file at its own size and at a small size).
enum class AwayPicture { FirstIcon, PictureFile, WindowIcon };

// What a read posts (as the message's LPARAM, owned by the receiver). Nothing read when the file is missing or is not
// of the kind asked; for a first icon, iconKind tells a file of a kind without icons (a document) from a missing one.
struct ReadPicture {
    AwayPicture kind = AwayPicture::FirstIcon;
    std::wstring path;
    UniqueIcon icon;
    UniqueIcon smallIcon;
    UniqueBitmap bitmap;
    bool iconKind = true;
};

// Starts the read; `message` comes to `window` once it is over. `pixels`: the first icon's size, or the window icon's
// small size. A window that is gone by then gets nothing.
void ReadPictureAway(HWND window, UINT message, AwayPicture kind, const std::wstring& path, int pixels);
// The receiver's side.
std::unique_ptr<ReadPicture> TakeReadPicture(LPARAM lParam);

// An icon or bitmap file at its own size, the icon when it is one.
struct PictureFile {
    UniqueIcon icon;
    UniqueBitmap bitmap;
};
PictureFile LoadPictureFile(const std::wstring& path);
// An icon file at `pixels` square (0: its own size).
UniqueIcon LoadIconFromFile(const std::wstring& path, int pixels);

}  // namespace zudav::win32
