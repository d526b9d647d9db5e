#include "platform/win32/slow_icons.h"

#include <shellapi.h>

#include <thread>

#include "platform/slow_files.h"

namespace zudav::win32 {

bool SlowToRead(const std::wstring& path) {
    if (IsSharePath(path)) {
        return true;
    }
    if (path.size() >= 2 && path[1] == L':') {
        const wchar_t root[] = {path[0], L':', L'\\', L'\0'};
        if (GetDriveTypeW(root) == DRIVE_REMOTE) {
            return true;
        }
    }
    WIN32_FILE_ATTRIBUTE_DATA data{};
    return GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data) && IsOnlineOnly(data.dwFileAttributes);
}

void ReadIconAway(HWND window, UINT message, const std::wstring& path) {
    // Detached: a read held for the network's time-out must not hold the bar's exit either.
    std::thread([window, message, path] {
        auto result = std::make_unique<ReadIcon>();
        result->path = path;
        result->icon = ExtractIconW(GetModuleHandleW(nullptr), path.c_str(), 0);
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
