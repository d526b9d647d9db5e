#include "platform/item_picture.h"

#include <cwctype>

namespace zudav {
namespace {

size_t SchemeEnd(const std::wstring& path) {
    const size_t end = path.find(L"://");
    if (end == std::wstring::npos || end < 2) {
        return std::wstring::npos;
    }
    for (size_t i = 0; i < end; ++i) {
        const wchar_t c = path[i];
        if (!(std::iswalpha(c) || (i > 0 && (std::iswdigit(c) || c == L'+' || c == L'-' || c == L'.')))) {
            return std::wstring::npos;
        }
    }
    return end;
}

bool StartsWithNoCase(const std::wstring& text, const std::wstring& start) {
    if (text.size() < start.size()) {
        return false;
    }
    for (size_t i = 0; i < start.size(); ++i) {
        if (std::towlower(text[i]) != std::towlower(start[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool IsAddress(const std::wstring& path) {
    return SchemeEnd(path) != std::wstring::npos;
}

bool IsShellName(const std::wstring& path) {
    return StartsWithNoCase(path, L"shell:") || StartsWithNoCase(path, L"::{");
}

std::wstring AddressScheme(const std::wstring& path) {
    const size_t end = SchemeEnd(path);
    return end == std::wstring::npos ? std::wstring() : path.substr(0, end);
}

PictureRoad PictureRoadOf(const std::wstring& path, const PathFacts& facts) {
    if (IsAddress(path)) {
        return PictureRoad::BrowserIcon;
    }
    if (IsShellName(path)) {
        return PictureRoad::ShellPicture;
    }
    if (!facts.exists) {
        return PictureRoad::Missing;
    }
    return facts.holdsIcons && !facts.folder ? PictureRoad::OwnIcon : PictureRoad::ShellPicture;
}

std::optional<std::wstring> DisplayNameOf(const std::wstring& path,
                                          bool folder,
                                          const std::optional<std::wstring>& shellName) {
    std::wstring name;
    if (const size_t end = SchemeEnd(path); end != std::wstring::npos) {
        const size_t start = end + 3;
        const size_t stop = path.find_first_of(L"/:?#", start);
        name = path.substr(start, stop == std::wstring::npos ? std::wstring::npos : stop - start);
    } else if (IsShellName(path) && shellName && !shellName->empty()) {
        name = *shellName;
    } else {
        const size_t last = path.find_last_not_of(L"\\/");
        const std::wstring trimmed = last == std::wstring::npos ? std::wstring() : path.substr(0, last + 1);
        folder = folder || trimmed.size() < path.size();  // "C:\Projets.2024\" names a folder
        const size_t separator = trimmed.find_last_of(L"\\/:");
        name = separator == std::wstring::npos ? trimmed : trimmed.substr(separator + 1);
        const size_t dot = name.rfind(L'.');
        if (!folder && !IsShellName(path) && dot != std::wstring::npos && dot > 0) {
            name.resize(dot);
        }
    }
    return name.empty() ? std::nullopt : std::optional<std::wstring>(name);
}

}  // namespace zudav
