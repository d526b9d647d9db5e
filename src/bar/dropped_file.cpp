#include "bar/dropped_file.h"

#include <cwctype>

#include "platform/item_picture.h"

namespace zudav {
namespace {

// The file's extension in lower case, without its dot; nothing when the name has none.
std::wstring LowerExtension(const std::wstring& path) {
    const size_t dot = path.rfind(L'.');
    const size_t separator = path.find_last_of(L"\\/");
    if (dot == std::wstring::npos || (separator != std::wstring::npos && dot < separator)) {
        return {};
    }
    std::wstring extension = path.substr(dot + 1);
    for (auto& c : extension) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return extension;
}

}  // namespace

std::optional<std::wstring> SuggestedTooltip(const std::wstring& path, const Platform& platform) {
    const std::wstring expanded = platform.ExpandEnvironment(path);
    const bool shellName = IsShellName(expanded);
    return DisplayNameOf(expanded, !shellName && !IsAddress(expanded) && platform.FolderExists(expanded),
                         shellName ? platform.ShellDisplayName(expanded) : std::nullopt);
}

DroppedFile TakeDroppedFile(const std::wstring& file,
                            const Platform& platform,
                            const std::function<bool(const std::wstring&)>& show) {
    Shortcut item{file, L"", L""};
    if (LowerExtension(file) == L"lnk") {
        if (auto shortcut = platform.ReadShortcut(file);
            shortcut && (platform.FileExists(shortcut->target) || platform.FolderExists(shortcut->target))) {
            item = *shortcut;
        }
    }
    DroppedFile dropped{item.target, item.arguments, false, std::nullopt};
    const std::wstring extension = LowerExtension(item.target);
    const bool program = (extension == L"exe" || extension == L"com" || extension == L"bat" || extension == L"cmd") &&
                         !platform.FolderExists(item.target);
    dropped.document = !program;
    if (!item.iconFile.empty() && show(item.iconFile)) {
        dropped.picture = item.iconFile;
    }
    return dropped;
}

}  // namespace zudav
