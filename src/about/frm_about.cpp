#include "about/frm_about.h"

#include "platform/paths.h"

namespace zudav {

void FrmAbout::Charger(const std::wstring& barCaption, const std::wstring& sautLigne) {
    const std::wstring executable = platform_.ExecutablePath();
    caption = barCaption;
    lblDescription =
        sautLigne + platform_.VersionText(L"FileDescription") + sautLigne + platform_.VersionText(L"Comments");
    lblVersion = L"Version 3.0";
    lblTitle = BaseName(executable);
}

void FrmAbout::OnLabel1Click(int index) {
    if (index != 2) {
        return;
    }
    platform_.ShellOpen(L"open", std::wstring(kAdresseSiteWeb) + L"/", FolderOf(platform_.ExecutablePath()));
}

void FrmAbout::OnLabel2Click() {
    platform_.ShellOpen(L"Open", std::wstring(L"mailto:") + kAdresseCourriel, FolderOf(platform_.ExecutablePath()));
}

}  // namespace zudav
