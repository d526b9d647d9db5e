// The switches of Zudav.exe that act on the bar's settings without starting it: "/export FICHIER" and
// "/import FICHIER", and "/?" that lists them (or with '-'; case does not matter). Any other command line starts the
// bar, as it always has.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bar/settings/settings_store.h"
#include "platform/platform.h"

namespace zudav {

enum class TransferKind { Export, Import, Help };

struct TransferCommand {
    TransferKind kind = TransferKind::Export;
    std::wstring file;  // empty: the switch came without a file
};

// What "/?" says: the switches, their exit codes, and how to wait for them at a prompt, which does not wait for a
// program with windows (a batch file does).
std::wstring SwitchesHelp(const std::wstring& executableName);

// The bar of this executable's name, which may run while a switch changes its settings under it: it holds them in
// memory and would write them back over an import.
class RunningBar {
  public:
    enum class Found { None, Listening, Deaf };  // Deaf: it runs and cannot be told (hung, a dialog open, elevated)
    virtual ~RunningBar() = default;
    virtual Found Find() = 0;
    // Asks the bar found to take its settings from the store again; false when it did not answer that it had.
    virtual bool TakeSettingsAgain() = 0;
    // Asks the bar of that name, when one runs, to store its place as it is now (a bar stores it at exit); false when
    // none answered that it had, windows of it open or not.
    virtual bool StorePlace() = 0;
};

// The arguments after the program's name, as the C runtime splits them; nothing when they ask for the bar.
std::optional<TransferCommand> ReadTransferCommand(const std::vector<std::wstring>& arguments);

// Carries out the command on the bar of this executable's name and tells the user how it ended. An export beside a
// running bar of that name carries the place where the bar stands. An import beside it has it take the new values
// before reporting, and is refused when it cannot be told. The process's exit code: 0 when done.
int RunTransferCommand(const TransferCommand& command,
                       SettingsStore& store,
                       Platform& platform,
                       RunningBar& running,
                       const std::function<void(const std::wstring&)>& tell);

}  // namespace zudav
