// A folder read for its menu on a thread of its own, its entries first and then their pictures: a share that does not
// answer, online-only files or a folder of hundreds of entries then hold that thread, not the bar. The menu shows what
// is known when it opens, and is told when the entries are all listed and as the pictures come.
#pragma once

#include <windows.h>

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "bar/folder_menu.h"
#include "platform/win32/handles.h"

namespace zudav::win32 {

// What is known of a folder at one moment: its entries in the shell's order, each one's path as the shell parses it
// and its picture (none yet, or none at all), owned by the reading.
struct FolderKnown {
    FolderReading reading = FolderReading::Reading;  // Done once every entry is listed, their pictures may still come
    std::vector<FolderEntry> entries;
    std::vector<std::wstring> paths;
    std::vector<HBITMAP> pictures;
};

// Explorer's order of two names (StrCmpLogicalW).
int ExplorerOrder(const std::wstring& a, const std::wstring& b);

// What a reading's message says (its LPARAM).
enum class FolderNews : LPARAM { Listed, Pictures };

class FolderRead {
  public:
    // Reads `folder` (a path or a shell: name), its pictures at `pixels` square; `message` is posted to `window` with
    // `token` as its WPARAM once the entries are listed (or the folder found unreadable), then now and then as their
    // pictures come. The reading lives as long as the thread or its last holder needs it.
    static std::shared_ptr<FolderRead> Start(const std::wstring& folder,
                                             int pixels,
                                             HWND window,
                                             UINT message,
                                             WPARAM token);

    // Waits at most `patience` for the entries to be listed; true when they are.
    bool WaitListed(std::chrono::milliseconds patience) const;
    FolderKnown Known() const;

  private:
    struct Notice {
        HWND window;
        UINT message;
        WPARAM token;
        void Post(FolderNews news) const { PostMessageW(window, message, token, static_cast<LPARAM>(news)); }
    };
    void Read(const std::wstring& folder, int pixels, const Notice& notice);
    void Add(FolderEntry entry, std::wstring path);
    class SystemPictures;
    void SetPicture(size_t entry, HBITMAP picture);
    void End(FolderReading reading);

    mutable std::mutex lock_;
    mutable std::condition_variable over_;
    FolderKnown known_;
    std::map<int, UniqueBitmap> pictures_;  // by the shell's picture index: one of each kind
};

}  // namespace zudav::win32
