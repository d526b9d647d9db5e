// Files whose reading may hold the reader for a network's time-out or a download, and the bookkeeping of the icons
// read from them away from the window: which boxes wait for which file, so that one file is read once at a time and a
// box that has moved on drops what comes too late.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace zudav {

// A path on a share: \\server\share\..., or \\?\UNC\server\share\... (not \\?\C:\ nor a device's \\.\).
bool IsSharePath(const std::wstring& path);
// File attributes of a cloud file whose data is not on the disk (offline, recalled when opened or read).
bool IsOnlineOnly(unsigned long attributes);
// The drive letter of a path on a drive (C:\..., \\?\C:\...); 0 for any other path.
wchar_t DriveLetterOf(const std::wstring& path);

// Where a file is read: in place, or away from the bar's thread, which a share that does not answer or a download
// would hold.
enum class Reading { InPlace, Away };
// Away for a path on a share, on a drive mapped to one (a WebDAV folder too), or an online-only cloud file. Only a
// local path's attributes are read to know it; a share's path is not touched at all.
Reading ReadingOf(const Platform& platform, const std::wstring& path);

class PendingReads {
  public:
    // Box `box` wants the icon of `path`; true when a read must start (none of that file is under way).
    bool Ask(int box, const std::wstring& path);
    // The box shows something else now: what comes for it is dropped.
    void Forget(int box);
    // The read of `path` is over: the boxes that still want its icon.
    std::vector<int> Arrived(const std::wstring& path);

  private:
    std::map<int, std::wstring> wanted_;  // box -> the file whose icon it waits for
    std::set<std::wstring> reading_;      // files being read now
};

}  // namespace zudav
