#include "platform/paths.h"

namespace zudav {
namespace {

size_t LastSeparator(const std::wstring& path) {
    return path.find_last_of(L"\\/");
}

}  // namespace

std::wstring BaseName(const std::wstring& path) {
    const size_t separator = LastSeparator(path);
    std::wstring name = separator == std::wstring::npos ? path : path.substr(separator + 1);
    const size_t dot = name.find_last_of(L'.');
    if (dot != std::wstring::npos && dot > 0) {
        name.erase(dot);
    }
    return name;
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

}  // namespace zudav
