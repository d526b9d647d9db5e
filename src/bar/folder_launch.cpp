// A slot whose folder opens as a menu: the menu beside the slot, and what the entry chosen in it starts.
#include "bar/folder_menu.h"
#include "bar/lancer_item.h"
#include "bar/principal.h"
#include "platform/paths.h"

namespace zudav {

// The chosen entry opens as Explorer opens it, in its own folder: a program starts (as administrator with
// Ctrl+Shift), a document opens with its program, a shortcut with its target; "Ouvrir le dossier" opens the folder.
void Principal::OpenFolderMenu(std::int16_t n, const std::wstring& folder, bool asAdministrator) {
    menuOpen_ = true;  // an auto-hide bar stays shown under its menu
    const std::optional<BarWindow::FolderChoice> chosen =
        window_.ShowFolderMenu(n, folder, ReadingOf(platform_, folder));
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
    const StartResult result = platform_.StartWithShell(
        {administrator ? L"runas" : L"", chosen->path, L"", FolderOf(chosen->path), kNormal, true});
    AfterStart(result, chosen->path);
}

// Each file dropped on the slot becomes a shortcut in its folder, named after it and never replacing a file there;
// the files themselves are left as they are. One that cannot be made (a folder that cannot be written) beeps.
void Principal::AddShortcuts(std::int16_t n, const std::vector<std::wstring>& files) {
    const std::wstring folder = platform_.ExpandEnvironment(model_.Item(n).chemin);
    for (const std::wstring& file : files) {
        const std::wstring name = ShortcutFileName(BaseName(file), [&](const std::wstring& candidate) {
            return platform_.FileExists(JoinPath(folder, candidate));
        });
        if (!platform_.MakeShortcut(JoinPath(folder, name), file)) {
            platform_.Beep();
        }
    }
}

}  // namespace zudav
