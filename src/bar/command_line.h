// The switches of Zudav.exe that act on the bar's settings without starting it: "/export FICHIER" and
// "/import FICHIER" (or with '-'; case does not matter). Any other command line starts the bar, as it always has.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bar/settings/settings_store.h"
#include "platform/platform.h"

namespace zudav {

enum class TransferKind { Export, Import };

struct TransferCommand {
    TransferKind kind = TransferKind::Export;
    std::wstring file;  // empty: the switch came without a file
};

// The arguments after the program's name, as the C runtime splits them; nothing when they ask for the bar.
std::optional<TransferCommand> ReadTransferCommand(const std::vector<std::wstring>& arguments);

// Carries out the command on the bar of this executable's name (the settings of a running bar of that name are
// changed under it) and tells the user how it ended. The process's exit code: 0 when done.
int RunTransferCommand(const TransferCommand& command,
                       SettingsStore& store,
                       Platform& platform,
                       const std::function<void(const std::wstring&)>& tell);

}  // namespace zudav
