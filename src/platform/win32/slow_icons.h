// The first icon of a file that may be slow to read (on a share, or a cloud file whose data is not on the disk), read
// on a thread of its own and posted to a window: a share that does not answer then holds that thread, not the window.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/win32/handles.h"

namespace zudav::win32 {

// On a share (a UNC path or a drive mapped to one) or online only. Answers from the path and the local file system:
// nothing here waits for the network.
bool SlowToRead(const std::wstring& path);
// On a share or on a drive mapped to one: its files are not read from the window's thread.
bool OnNetwork(const std::wstring& path);

// What a read posts (as the message's LPARAM, owned by the receiver): the file, and its first icon, none when the file
// has none, or the value 1 when it is of a kind without icons.
struct ReadIcon {
    std::wstring path;
    HICON icon = nullptr;
};

// Starts the read of the icon made at `pixels` square; `message` comes to `window` once it is over. A window that is
// gone by then gets nothing.
void ReadIconAway(HWND window, UINT message, const std::wstring& path, int pixels);
// The receiver's side: the result, whose icon a UniqueIcon then owns (none when the file gave no icon).
std::unique_ptr<ReadIcon> TakeReadIcon(LPARAM lParam);

}  // namespace zudav::win32
