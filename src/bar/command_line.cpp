#include "bar/command_line.h"

#include "bar/settings/memory_store.h"
#include "bar/settings/transfer.h"
#include "platform/paths.h"

namespace zudav {

std::optional<TransferCommand> ReadTransferCommand(const std::vector<std::wstring>& arguments) {
    if (arguments.empty() || arguments[0].size() < 2 || (arguments[0][0] != L'/' && arguments[0][0] != L'-')) {
        return std::nullopt;
    }
    const std::wstring name = FoldCase(arguments[0].substr(1));
    TransferCommand command;
    if (name == L"EXPORT") {
        command.kind = TransferKind::Export;
    } else if (name == L"IMPORT") {
        command.kind = TransferKind::Import;
    } else if (name == L"?") {
        command.kind = TransferKind::Help;
        return command;
    } else {
        return std::nullopt;
    }
    if (arguments.size() > 1) {
        command.file = arguments[1];
    }
    return command;
}

std::wstring SwitchesHelp(const std::wstring& executableName) {
    const std::wstring& exe = executableName;
    return exe + L" /export FICHIER   enregistre les r\u00e9glages de cette barre dans FICHIER.\r\n" + exe +
           L" /import FICHIER   les remplace par ceux de FICHIER (sauvegard\u00e9s avant dans "
           L"%LOCALAPPDATA%\\Zudav\\Sauvegardes).\r\n" +
           exe +
           L" /?                affiche cette aide.\r\n\r\nCode de sortie : 0 fait, 1 \u00e9chec, 2 fichier "
           L"non indiqu\u00e9.\r\nL'invite de commandes et PowerShell n'attendent pas la fin de " +
           exe + L" (un fichier .bat ou .cmd l'attend) : pour l'attendre et lire son code, tapez\r\n  start /wait " +
           exe + L" /export f.ini\r\n  echo %ERRORLEVEL%\r\nou, dans PowerShell :\r\n  (Start-Process .\\" + exe +
           L" -ArgumentList '/export f.ini' -Wait -PassThru).ExitCode";
}

int RunTransferCommand(const TransferCommand& command,
                       SettingsStore& store,
                       Platform& platform,
                       RunningBar& running,
                       const std::function<void(const std::wstring&)>& tell) {
    constexpr int kDone = 0, kFailed = 1, kMisused = 2;
    const std::wstring application = BaseName(platform.ExecutablePath());
    if (command.kind == TransferKind::Help) {
        tell(SwitchesHelp(application + L".exe"));
        return kDone;
    }
    if (command.file.empty()) {
        tell(L"Indiquez le fichier : Zudav.exe /export FICHIER ou Zudav.exe /import FICHIER.");
        return kMisused;
    }
    if (command.kind == TransferKind::Export) {
        if (running.StorePlace()) {
            store.Reload();  // a portable bar's file, read as this program started, holds the place now
        }
        const TransferResult result = ExportSettings(store, application, platform, command.file);
        tell(result.message);
        return result.done ? kDone : kFailed;
    }
    const RunningBar::Found found = running.Find();
    if (found == RunningBar::Found::Deaf) {
        tell(BarreOuverte(application));
        return kFailed;
    }
    const TransferResult result = ImportSettings(
        store, application, platform, command.file,
        found == RunningBar::Found::Listening ? std::function<bool()>([&] { return running.TakeSettingsAgain(); })
                                              : std::function<bool()>());
    tell(result.message);
    return result.done ? kDone : kFailed;
}

}  // namespace zudav
