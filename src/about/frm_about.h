// The About box frmAbout: the bar's name and icon, the program's description, version and copying terms,
// and the two links (the web site and a mail to the author).
#pragma once

#include <string>

#include "platform/platform.h"

namespace zudav {

// The author's addresses, shown and opened by the About box.
inline constexpr const wchar_t* kAdresseSiteWeb = L"https://zudav.example.org";
inline constexpr const wchar_t* kAdresseCourriel = L"auteur@zudav.example.org";

class FrmAbout {
  public:
    explicit FrmAbout(Platform& platform) : platform_(platform) {}

    // Fills the texts from the bar's caption and the program's version information.
    void Charger(const std::wstring& barCaption, const std::wstring& sautLigne);
    // Label1(index): only the web link, index 2, acts.
    void OnLabel1Click(int index);
    // Label2: a mail to the author.
    void OnLabel2Click();

    // What the window shows.
    std::wstring caption = L"\u00c0 propos de ";
    std::wstring lblTitle = L"Titre de l'application";
    std::wstring lblVersion = L"Version";
    std::wstring lblDescription = L"Description de l'application";
    const std::wstring label2 = L"Envoyer un coucou \u00e0 l'auteur...";
    const std::wstring lblDisclaimer =
        L"Avertissement: ce programme est fourni tel quel, sans aucune garantie. C'est un logiciel libre sous "
        L"licence MIT : vous pouvez l'utiliser, le copier, le modifier, le donner et le vendre, pourvu que sa "
        L"licence (fichier LICENSE) l'accompagne.";
    const std::wstring label1 = kAdresseSiteWeb;
    const std::wstring cmdOK = L"Retour";

  private:
    Platform& platform_;
};

}  // namespace zudav
