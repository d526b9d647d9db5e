#include "bar/copy_upgrade.h"

#include "platform/paths.h"
#include "platform/slow_files.h"

namespace zudav {
namespace {

// Zudav.exe and every bar made from it say so in their version information, whatever their file's name.
bool IsZudav(const std::optional<ExecutableVersion>& version) {
    return version && version->productName == L"Zudav" && SameNameNoCase(version->originalFilename, L"Zudav.exe");
}

void UpgradeNow(Platform& platform) {
    const std::wstring running = platform.ExecutablePath();
    const std::optional<ExecutableVersion> own = platform.VersionOf(running);
    if (!IsZudav(own)) {
        return;
    }
    for (const std::wstring& copy : platform.ExecutablesIn(FolderOf(running))) {
        if (SameNameNoCase(copy, running)) {
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

}  // namespace

void UpgradeOlderCopies(Platform& platform) {
    if (ReadingOf(platform, FolderOf(platform.ExecutablePath())) == Reading::Away) {
        platform.RunAway(UpgradeNow);
        return;
    }
    UpgradeNow(platform);
}

}  // namespace zudav
