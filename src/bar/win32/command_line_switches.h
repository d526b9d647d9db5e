// The switches of the command line that end Zudav.exe without a window (bar/command_line.h), with what they say
// written to the console the program was started from.
#pragma once

#include <optional>

#include "bar/settings/settings_store.h"
#include "platform/platform.h"

namespace zudav::win32 {

// The process's exit code once a switch was carried out, or nothing when the command line asks for the bar.
std::optional<int> RunCommandLineSwitches(SettingsStore& store, Platform& platform);

}  // namespace zudav::win32
