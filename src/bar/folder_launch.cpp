// A slot whose folder opens as a menu: the menu beside the slot, and what the entry chosen in it starts.
#include "bar/lancer_item.h"
#include "bar/principal.h"
#include "platform/item_picture.h"
#include "platform/paths.h"
#include "platform/shell_item.h"
#include "platform/slow_files.h"

namespace zudav {

// A folder path or one of the shell's folders (shell:Programs, shell:Downloads), not an app of the Applications
// folder. A folder on a share or online only opens in Explorer, as it always did: its contents would be read on the
// bar's thread.
bool Principal::ShowsAsMenu(const std::wstring& path) const {
    if (IsShellName(path)) {
        return path.compare(0, std::wstring(kAppsFolderPrefix).size(), kAppsFolderPrefix) != 0;
    }
    return ReadingOf(platform_, path) == Reading::InPlace && platform_.FolderExists(path);
}

// The chosen entry opens as Explorer opens it, in its own folder: a program starts (as administrator with
// Ctrl+Shift), a document opens with its program, a shortcut with its target; "Ouvrir le dossier" opens the folder.
void Principal::OpenFolderMenu(std::int16_t n, const std::wstring& folder, bool asAdministrator) {
    menuOpen_ = true;  // an auto-hide bar stays shown under its menu
    const std::optional<BarWindow::FolderChoice> chosen = window_.ShowFolderMenu(n, folder);
    menuOpen_ = false;
    HideLater();
    if (!chosen) {
        return;
    }
    if (!PathFitsWindows(chosen->path)) {
        return FailLaunch();
    }
    constexpr int kNormal = 1;
    const bool administrator = asAdministrator || chosen->asAdministrator;
    const StartResult result =
        platform_.StartWithShell({administrator ? L"runas" : L"", chosen->path, L"", FolderOf(chosen->path), kNormal});
    AfterStart(result, chosen->path);
}

}  // namespace zudav
