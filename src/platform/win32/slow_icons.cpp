#include "platform/win32/slow_icons.h"

#include <shellapi.h>
#include <shlobj.h>

#include <cwctype>
#include <map>
#include <thread>

#include "platform/slow_files.h"

namespace zudav::win32 {

namespace {

// Under Wine a drive's type is asked of the mount manager, a millisecond each time: a refresh, which looks at every
// item's drive, asks once per drive. A drive mapped to a share since is known as one two seconds later at most.
bool RemoteDrive(wchar_t letter) {
    constexpr ULONGLONG kValidMs = 2000;
    struct Known {
        bool remote;
        ULONGLONG at;
    };
    static std::map<wchar_t, Known> known;  // the window's thread only
    const ULONGLONG now = GetTickCount64();
    const auto found = known.find(letter);
    if (found != known.end() && now - found->second.at < kValidMs) {
        return found->second.remote;
    }
    const wchar_t root[] = {letter, L':', L'\\', L'\0'};
    const bool remote = GetDriveTypeW(root) == DRIVE_REMOTE;
    known[letter] = {remote, now};
    return remote;
}

}  // namespace

bool OnNetwork(const std::wstring& path) {
    return IsSharePath(path) ||
           (path.size() >= 2 && path[1] == L':' && RemoteDrive(static_cast<wchar_t>(std::towupper(path[0]))));
}

bool SlowToRead(const std::wstring& path) {
    if (OnNetwork(path)) {
        return true;
    }
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) && IsOnlineOnly(data.dwFileAttributes);
}

void ReadIconAway(HWND window, UINT message, const std::wstring& path, int pixels) {
    // Detached: a read held for the network's time-out must not hold the bar's exit either.
    std::thread([window, message, path, pixels] {
        auto result = std::make_unique<ReadIcon>();
        result->path = path;
        HICON icon = nullptr;
        const HRESULT read = SHDefExtractIconW(path.c_str(), 0, 0, &icon, nullptr, MAKELONG(pixels, 0));
        // S_FALSE: a file that holds no icon (a document); a failure: a missing file.
        result->icon = read == S_OK ? icon : read == S_FALSE ? reinterpret_cast<HICON>(1) : nullptr;
        if (PostMessageW(window, message, 0, reinterpret_cast<LPARAM>(result.get()))) {
            result.release();  // the window owns it now
        } else if (result->icon != nullptr && result->icon != reinterpret_cast<HICON>(1)) {
            DestroyIcon(result->icon);
        }
    }).detach();
}

std::unique_ptr<ReadIcon> TakeReadIcon(LPARAM lParam) {
    return std::unique_ptr<ReadIcon>(reinterpret_cast<ReadIcon*>(lParam));
}

}  // namespace zudav::win32
