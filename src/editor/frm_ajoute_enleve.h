// The item editor frmAjouteEnleve: adds, changes or removes the item of the slot it opens for (IndexCourant). Its
// fields are plain data that the view shows; every step runs on its own and a failed one is skipped without a message.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "bar/bar_window.h"
#include "bar/model/bar_model.h"
#include "editor/editor_window.h"
#include "platform/platform.h"

namespace zudav {

// Captions of the window states, by Option1 index (index 5 has none and cannot be chosen).
extern const std::array<const wchar_t*, 7> kOption1Captions;

inline constexpr const wchar_t* kFiltreProgramme = L"Exe (*.exe)|*.exe;*.com;*.bat|Tous Fichiers (*.*)|*.*";
inline constexpr const wchar_t* kFiltreLigne = L"Tous|*.*";
inline constexpr const wchar_t* kFiltreIcone = L"Images (*.bmp;*.ico)|*.bmp;*.ico";

// The save refuses what Windows could not take, and says which.
inline constexpr const wchar_t* kTitreTropLong = L"Ajouter / Enlever";
inline constexpr const wchar_t* kCheminTropLong =
    L"Ce chemin a plus de 259 caract\u00e8res : Windows ne peut pas le lancer. Choisissez un chemin plus court.";
inline constexpr const wchar_t* kLigneTropLongue =
    L"Cette ligne de commande est trop longue : avec le chemin, Windows n'en prend que 32 766 caract\u00e8res.";
inline constexpr const wchar_t* kImageTropLongue =
    L"Le chemin de cette image a plus de 259 caract\u00e8res : Windows ne peut pas la charger.";

class FrmAjouteEnleve {
  public:
    FrmAjouteEnleve(Platform& platform, BarModel& model, int indexCourant, EditorWindow& window);

    void Charger();
    void RafraichirIcone();
    const wchar_t* TooLong() const;
    void OnCommand1Click();  // browse for the program
    void OnCommand3Click();  // browse for a command-line file
    void OnIconeClick();     // Icone1 or Label3: choose an icon picture
    void OnText2LostFocus() {
        SuggererInfoBulle();
        SuivreChemin();
    }
    // The user stopped typing the path: the picture shows what the bar will show for it.
    void OnText2Pause() {
        RafraichirIcone();
        SuivreChemin();
    }
    // A file dropped on the bar's free slot, taken as if the user had browsed for it; a shortcut gives its target,
    // arguments and icon instead. Like the rest of the form, nothing of it is stored before the save.
    void OnFileDropped(const std::wstring& file);
    // An app of the Start menu dropped on the bar's free slot, taken as if the user had browsed for it.
    void OnAppDropped(const ShellItem& app) { TakeApp(app); }
    void Enregistrer();  // Command2(0) "&Ajouter Modifier"
    void Annuler();      // Command2(1) "Annuler &Retour"
    void Enlever();      // Command2(2) "&Enlever"
    void Aide();         // Command2(3) "Aide"

    // What the window shows.
    std::wstring caption = L"Ajouter / Enlever";
    std::wstring text1;              // tooltip
    std::wstring text2;              // path
    std::wstring text3;              // command line
    int check1 = 0;                  // 0 clear, 1 ticked, 2 greyed
    std::optional<int> option1 = 1;  // the selected window state
    std::wstring icone1Tag;          // the file the preview was made from
    int contenu = 0;                 // "Afficher le contenu du dossier en menu"
    bool contenuPossible = false;    // the path names a folder: the box can be ticked

  private:
    void SuggererInfoBulle();
    // The folder's box is enabled while the path names a folder: a folder's path (its variables expanded) or one of
    // the shell's folders, not an app.
    void SuivreChemin();
    void TakeApp(const ShellItem& app);

    Platform& platform_;
    BarModel& model_;
    EditorWindow& window_;
    const int indexCourant_;       // the slot edited
    std::wstring dialogFileName_;  // what the shared dialog opens on
    // The picture chosen in this edit, or a dropped shortcut's: stored by the save only, as every field is.
    std::optional<std::wstring> chosenIcon_;
};

}  // namespace zudav
