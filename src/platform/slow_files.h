// Files whose reading may hold the reader for a network's time-out or a download, and the bookkeeping of the icons
// read from them away from the window: which boxes wait for which file, so that one file is read once at a time and a
// box that has moved on drops what comes too late.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

namespace zudav {

// A path on a share: \\server\share\..., or \\?\UNC\server\share\... (not \\?\C:\ nor a device's \\.\).
bool IsSharePath(const std::wstring& path);
// File attributes of a cloud file whose data is not on the disk (offline, recalled when opened or read).
bool IsOnlineOnly(unsigned long attributes);

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
