#include "bar/lancer_item.h"

#include "bar/principal.h"
#include "platform/paths.h"

namespace zudav {

std::wstring CommandLine(const std::wstring& path, const std::wstring& arguments, bool pathIsExistingFile) {
    std::wstring command = pathIsExistingFile ? L"\"" + path + L"\"" : path;
    if (!arguments.empty()) {
        command += L" " + arguments;
    }
    return command;
}

std::wstring ErreurFichierTexte(const std::wstring& sautLigne) {
    return L"Le fichier recherch\u00e9 n'existe plus" + sautLigne + L"ou il a chang\u00e9 de place." + sautLigne +
           sautLigne + L"Impossible de charger ce fichier.";
}

void Principal::Lancer(std::int16_t n, const std::wstring& arguments) {
    const std::wstring path = settings_.ReadItem(keys::kChemin, n);
    if (path.empty()) {
        platform_.Beep();
        return;
    }
    // Any step below that fails ends the launch with the message.
    auto fail = [&] {
        Modal([&] {
            platform_.ShowMessage(kErreurFichierTitre, ErreurFichierTexte(module_.SautLigne), MessageIcon::Stop);
        });
    };

    const auto asDocument = ToNumber(settings_.ReadItem(keys::kFicALancer, n, L"0"), settings_.DecimalSeparator());
    if (!asDocument) {
        return fail();
    }
    if (*asDocument == 1) {
        // A document: no window state, no arguments, no minimising.
        platform_.ShellOpen(L"open", path, FolderOf(platform_.ExecutablePath()));
        return;
    }
    const auto state = RoundToInteger16(LeadingNumber(settings_.ReadItem(keys::kFocus, n, L"1")));
    if (!state) {
        return fail();
    }
    const std::wstring command = CommandLine(path, arguments, platform_.FileExists(path));
    if (!platform_.StartProcess(command, *state)) {
        return fail();
    }
    platform_.DoEvents();
    const auto minimise = settings_.ReadNumber(keys::kRetourAuto, L"1");
    if (!minimise) {
        return fail();  // the program has started all the same
    }
    if (*minimise == 1 && trayIcon_) {
        window_.Minimize();
    }
}

}  // namespace zudav
