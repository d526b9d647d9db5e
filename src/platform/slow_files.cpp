#include "platform/slow_files.h"

#include <cwctype>

namespace zudav {

bool IsSharePath(const std::wstring& path) {
    std::wstring p = path.substr(0, 8);  // Windows reads a slash as a backslash
    for (auto& c : p) {
        c = c == L'/' ? L'\\' : c;
    }
    const auto starts = [&](const wchar_t* prefix) { return p.rfind(prefix, 0) == 0; };
    if (starts(L"\\\\?\\")) {
        return path.size() > 8 && (p.compare(4, 4, L"UNC\\") == 0 || p.compare(4, 4, L"unc\\") == 0);
    }
    return starts(L"\\\\") && !starts(L"\\\\.\\") && path.size() > 2;
}

bool IsOnlineOnly(unsigned long attributes) {
    constexpr unsigned long kOffline = 0x1000;               // FILE_ATTRIBUTE_OFFLINE
    constexpr unsigned long kRecallOnOpen = 0x40000;         // FILE_ATTRIBUTE_RECALL_ON_OPEN
    constexpr unsigned long kRecallOnDataAccess = 0x400000;  // FILE_ATTRIBUTE_RECALL_ON_DATA_ACCESS
    return (attributes & (kOffline | kRecallOnOpen | kRecallOnDataAccess)) != 0;
}

wchar_t DriveLetterOf(const std::wstring& path) {
    const size_t at = path.rfind(L"\\\\?\\", 0) == 0 ? 4 : 0;
    if (path.size() < at + 2 || path[at + 1] != L':' || !std::iswalpha(path[at])) {
        return 0;
    }
    return static_cast<wchar_t>(std::towupper(path[at]));
}

Reading ReadingOf(const Platform& platform, const std::wstring& path) {
    const wchar_t drive = DriveLetterOf(path);
    const bool slow = IsSharePath(path) || (drive != 0 && platform.RemoteDrive(drive)) || platform.OnlineOnly(path);
    return slow ? Reading::Away : Reading::InPlace;
}

bool PendingReads::Ask(int box, const std::wstring& path) {
    wanted_[box] = path;
    return reading_.insert(path).second;
}

void PendingReads::Forget(int box) {
    wanted_.erase(box);
}

std::vector<int> PendingReads::Arrived(const std::wstring& path) {
    reading_.erase(path);
    std::vector<int> boxes;
    for (auto it = wanted_.begin(); it != wanted_.end();) {
        if (it->second == path) {
            boxes.push_back(it->first);
            it = wanted_.erase(it);
        } else {
            ++it;
        }
    }
    return boxes;
}

}  // namespace zudav
