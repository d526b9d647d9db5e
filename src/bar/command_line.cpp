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
    } else {
        return std::nullopt;
    }
    if (arguments.size() > 1) {
        command.file = arguments[1];
    }
    return command;
}

int RunTransferCommand(const TransferCommand& command,
                       SettingsStore& store,
                       Platform& platform,
                       const std::function<void(const std::wstring&)>& tell) {
    constexpr int kDone = 0, kFailed = 1, kMisused = 2;
    if (command.file.empty()) {
        tell(L"Indiquez le fichier : Zudav.exe /export FICHIER ou Zudav.exe /import FICHIER.");
        return kMisused;
    }
    const std::wstring application = BaseName(platform.ExecutablePath());
    const TransferResult result = command.kind == TransferKind::Export
                                      ? ExportSettings(store, application, platform, command.file)
                                      : ImportSettings(store, application, platform, command.file);
    tell(result.message);
    return result.done ? kDone : kFailed;
}

}  // namespace zudav
