// The bars a user made are copies of Zudav.exe beside it, which an upgrade of Zudav.exe leaves at their version: a
// bar that starts brings those of an older version up to its own.
#pragma once

#include "platform/platform.h"

namespace zudav {

// Each other executable of the running bar's folder that is an older Zudav and does not run is replaced by a copy of
// the running one, made under a temporary name beside it and moved over it in one step. Anything else is left as it
// is, the settings too (they belong to the bar's name); only a temporary file of ours is ever removed. A bar whose
// folder is on the network does it away from its thread, which the share would hold.
void UpgradeOlderCopies(Platform& platform);

}  // namespace zudav
