#include "platform/paths.h"

#include <algorithm>
#include <cwctype>
#include <string_view>

namespace zudav {
namespace {

size_t LastSeparator(const std::wstring& path) {
    return path.find_last_of(L"\\/");
}

bool IsDeviceName(const std::wstring& name) {
    // The device is the part before the first dot: "con.txt" is the console too.
    std::wstring stem = name.substr(0, name.find(L'.'));
    while (!stem.empty() && stem.back() == L' ') {
        stem.pop_back();
    }
    for (auto& c : stem) {
        c = static_cast<wchar_t>(std::towupper(c));
    }
    if (stem == L"CON" || stem == L"PRN" || stem == L"AUX" || stem == L"NUL") {
        return true;
    }
    const bool numbered = stem.size() == 4 && (stem.compare(0, 3, L"COM") == 0 || stem.compare(0, 3, L"LPT") == 0);
    return numbered && stem[3] >= L'1' && stem[3] <= L'9';
}

}  // namespace

FileNameFault FaultOfFileName(const std::wstring& name) {
    if (name.empty()) {
        return FileNameFault::Empty;
    }
    for (wchar_t c : name) {
        if (c < 0x20 || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos) {
            return FileNameFault::Character;
        }
    }
    if (name.back() == L'.' || name.back() == L' ') {
        return FileNameFault::Ending;
    }
    return IsDeviceName(name) ? FileNameFault::Device : FileNameFault::None;
}

std::wstring BaseName(const std::wstring& path) {
    const size_t separator = LastSeparator(path);
    std::wstring name = separator == std::wstring::npos ? path : path.substr(separator + 1);
    const size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos && dot > 0) {
        name.erase(dot);
    }
    return name;
}

std::wstring FileNameOf(const std::wstring& path) {
    const size_t end = path.find_last_not_of(L"\\/");
    if (end == std::wstring::npos) {
        return path;  // only separators: nothing shorter to show
    }
    const size_t separator = path.find_last_of(L"\\/", end);
    const size_t start = separator == std::wstring::npos ? 0 : separator + 1;
    return path.substr(start, end + 1 - start);
}

std::wstring FolderOf(const std::wstring& path) {
    const size_t separator = LastSeparator(path);
    if (separator == std::wstring::npos) {
        return {};
    }
    // "C:\x.exe": the folder is the root itself, "C:\".
    if (separator == 2 && path.size() > 1 && path[1] == L':') {
        return path.substr(0, 3);
    }
    return path.substr(0, separator);
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
    if (!folder.empty() && (folder.back() == L'\\' || folder.back() == L'/')) {
        return folder + name;
    }
    return folder + L"\\" + name;
}

bool SameNameNoCase(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return std::towupper(static_cast<wint_t>(x)) == std::towupper(static_cast<wint_t>(y));
           });
}

std::wstring PlainFullPath(const std::wstring& path) {
    std::wstring text = path;
    std::replace(text.begin(), text.end(), L'/', L'\\');
    if (text.compare(0, 8, L"\\\\?\\UNC\\") == 0) {
        text.erase(2, 6);
    } else if (text.compare(0, 4, L"\\\\?\\") == 0) {
        text.erase(0, 4);
    }
    // The root ("C:" or "\\server\share") stays; the names after it are walked, ".." taking the last one back.
    const bool share = text.compare(0, 2, L"\\\\") == 0;
    size_t rootEnd = text.find(L'\\', share ? 2 : 0);
    if (share && rootEnd != std::wstring::npos) {
        rootEnd = text.find(L'\\', rootEnd + 1);
    }
    rootEnd = std::min(rootEnd, text.size());
    std::wstring result = text.substr(0, rootEnd);
    const size_t rootSize = result.size();
    for (size_t start = rootEnd; start < text.size();) {
        const size_t end = std::min(text.find(L'\\', start + 1), text.size());
        const std::wstring name = text.substr(start + 1, end - start - 1);
        if (name == L"..") {
            result.erase(std::max(rootSize, std::min(result.size(), result.find_last_of(L'\\'))));
        } else if (!name.empty() && name != L".") {
            result += L"\\" + name;
        }
        start = end;
    }
    if (!share && result.size() == 2 && result[1] == L':') {
        result += L'\\';
    }
    return result;
}

bool IsInFolder(const std::wstring& path, const std::wstring& folder) {
    const std::wstring inner = PlainFullPath(path), outer = PlainFullPath(folder);
    if (outer.empty() || inner.size() < outer.size() || !SameNameNoCase(inner.substr(0, outer.size()), outer)) {
        return false;
    }
    return inner.size() == outer.size() || outer.back() == L'\\' || inner[outer.size()] == L'\\';
}

}  // namespace zudav
