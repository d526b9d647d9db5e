// The program's help, as F1 and the "Aide" buttons open it.
#pragma once

#include "platform/platform.h"

namespace zudav {

inline constexpr const wchar_t* kAideIntrouvable =
    L"Le fichier d'aide Zudav.chm est introuvable \u00e0 c\u00f4t\u00e9 de la barre.";

// The help viewer on the help file, or, when the file is not there (a bar copied without it), the message that says
// so: the viewer alone would open nothing, or an empty window, without a word.
void ShowHelpOrTell(Platform& platform);

}  // namespace zudav
