#include "platform/help.h"

#include "platform/paths.h"

namespace zudav {

void ShowHelpOrTell(Platform& platform) {
    if (platform.FileExists(platform.HelpFile())) {
        platform.ShowHelp();
        return;
    }
    platform.ShowMessage(BaseName(platform.ExecutablePath()), kAideIntrouvable, MessageIcon::Exclamation);
}

}  // namespace zudav
