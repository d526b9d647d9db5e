#include "bar/copy_upgrade.h"

#include <cwctype>

#include "platform/paths.h"

namespace zudav {
namespace {

bool SameName(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(a[i]) != std::towlower(b[i])) {
            return false;
        }
    }
    return true;
}

// Zudav.exe and every bar made from it say so in their version information, whatever their file's name.
bool IsZudav(const std::optional<ExecutableVersion>& version) {
    return version && version->productName == L"Zudav" && SameName(version->originalFilename, L"Zudav.exe");
}

}  // namespace

void UpgradeOlderCopies(Platform& platform) {
    const std::wstring running = platform.ExecutablePath();
    const std::optional<ExecutableVersion> own = platform.VersionOf(running);
    if (!IsZudav(own)) {
        return;
    }
    for (const std::wstring& copy : platform.ExecutablesIn(FolderOf(running))) {
        if (SameName(copy, running)) {
            continue;
        }
        const std::optional<ExecutableVersion> version = platform.VersionOf(copy);
        if (!IsZudav(version) || version->fileVersion >= own->fileVersion || platform.IsRunning(copy)) {
            continue;
        }
        // A file of that name that is already there is not ours: it stays, and so does the copy.
        const std::wstring temporary = copy + L".maj";
        if (platform.CopyFileTo(running, temporary) != CopyResult::Copied) {
            continue;
        }
        if (!platform.MoveOver(temporary, copy)) {
            platform.RemoveFile(temporary);
        }
    }
}

}  // namespace zudav
