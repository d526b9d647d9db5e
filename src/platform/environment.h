// The environment a program gets, renewed as Explorer renews its own when the user's or the machine's variables change.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace zudav {

// One variable to set, or to remove (no value).
struct EnvironmentChange {
    std::wstring name;
    std::optional<std::wstring> value;
};

// What turns the current variables into the fresh ones: each fresh variable that is new or has another value is set,
// and each current one that the fresh set lacks is removed (those that the bar got from whoever started it, as in
// Explorer), save the hidden ones whose name begins with '=' (each drive's current folder), which are the process's
// own. Names compare without regard to case.
std::vector<EnvironmentChange> EnvironmentChanges(const Environment& current, const Environment& fresh);

}  // namespace zudav
