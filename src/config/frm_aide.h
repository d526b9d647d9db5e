// The configuration window FrmAide: the bar's options, orientation and lock, the docking presets, the order of
// the items, and the commands on the bar as a whole (new bar, start with Windows, reset, help, icon). Its
// fields are plain data that the view shows; each step of the opening and the closing runs on its own.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "bar/bar_window.h"
#include "bar/principal.h"
#include "config/config_window.h"
#include "config/presets.h"
#include "platform/platform.h"

namespace zudav {

inline constexpr const wchar_t* kConsigneAjout =
    L"Pour ajouter ou retirer un programme de la barre, cliquez avec le bouton droit de la souris ( Depuis la "
    L"barre, sur le bouton de commande d\u00e9sir\u00e9 ).";
inline constexpr const wchar_t* kTitreDemarrage = L"Zavado Vizid";
inline constexpr const wchar_t* kQuestionDemarrage =
    L"Voulez vous qu'\u00e0 chaque lancement de windows ce programme se lance automatiquement ?";
inline constexpr const wchar_t* kQuestionAnnulation = L"Voulez vous annuler le lancement automatique de ce programme ?";
inline constexpr const wchar_t* kInvite = L"Titre de la nouvelle barre";
inline constexpr const wchar_t* kTitreCreation = L"Cr\u00e9ation d'une barre";
inline constexpr const wchar_t* kFichierExistant = L"Fichier existant, choisissez un autre nom.";
inline constexpr const wchar_t* kNomCaracteres =
    L"Ce nom ne peut pas \u00eatre un nom de fichier : choisissez-en un sans \\ / : * ? \" < > |.";
inline constexpr const wchar_t* kNomPeripherique =
    L"Windows r\u00e9serve ce nom \u00e0 un p\u00e9riph\u00e9rique (CON, PRN, AUX, NUL, COM1 \u00e0 COM9, LPT1 \u00e0 "
    L"LPT9) : choisissez-en un autre.";
inline constexpr const wchar_t* kNomFin =
    L"Un nom de fichier ne peut pas finir par un point ni par un espace : choisissez-en un autre.";
inline constexpr const wchar_t* kFiltreIconeBarre = L"Images (*.bmp;*.ico)|*.bmp;*.ico";
inline constexpr const wchar_t* kAnnulationReservee =
    L"Le lancement automatique de cette barre n'a pas pu \u00eatre annul\u00e9 : il est inscrit pour tous les "
    L"utilisateurs de l'ordinateur, et seul un administrateur peut le retirer.";
inline constexpr const wchar_t* kAnnulationImpossible =
    L"Le lancement automatique de cette barre n'a pas pu \u00eatre annul\u00e9.";

inline constexpr const wchar_t* kTitreRaccourci = L"Raccourci clavier";
inline constexpr const wchar_t* kRaccourciPris =
    L"Ce raccourci clavier est d\u00e9j\u00e0 pris par un autre programme. Choisissez-en un autre.";
inline constexpr const wchar_t* kTitreMasquer = L"Masquer automatiquement la barre";
inline constexpr const wchar_t* kMasquerRefuse =
    L"Windows n'accepte pas d'autre barre masqu\u00e9e sur ce bord de l'\u00e9cran (la barre des t\u00e2ches s'y "
    L"masque sans doute d\u00e9j\u00e0) : la barre s'y masque quand m\u00eame, par elle-m\u00eame.";
inline constexpr const wchar_t* kMasquerAutreEcran =
    L"La barre touche un autre \u00e9cran \u00e0 ce bord : elle ne s'y masque pas.";
// A hot key of Ctrl+Alt and a key that gives a character with AltGr (which Windows takes for Ctrl+Alt) on one of the
// user's keyboards would take that character from every program.
std::wstring RaccourciAltGr(const std::wstring& keyName, const std::wstring& character);
// The first character that a hot-key control value takes from the user's keyboards, or nothing: only a combination
// of Ctrl and Alt alone (no Shift) can; control characters are no characters a user types.
std::optional<std::wstring> CharacterTakenByHotKey(std::uint16_t value, const Platform& platform);

// Why a new bar was not made: its copy failed (the folder is protected, the name too long), or the copy could not
// start and was removed (copyLeft empty) or stays where it was made.
std::wstring CopieImpossible(CopyResult copy,
                             const std::wstring& name,
                             const std::wstring& folder,
                             const std::wstring& sautLigne);
std::wstring DemarrageImpossible(const std::wstring& name, const std::wstring& copyLeft, const std::wstring& sautLigne);

class FrmAide : private BarModelObserver {
  public:
    FrmAide(Platform& platform, Principal& principal, BarWindow& bar, ConfigWindow& window);
    FrmAide(const FrmAide&) = delete;
    FrmAide& operator=(const FrmAide&) = delete;
    ~FrmAide();

    void Charger();
    // Every way of closing the window ("&Fermer", the close box, Escape) stores the options.
    void Fermer();

    // A mouse press on BarreHV(index): 0 vertical, 1 horizontal. The option of the bar's own orientation does nothing.
    void OnBarreHVPress(int index);
    // The pointer moved over Check2: the lock follows the box.
    void OnCheck2PointerMove();
    void OnPresetClick(PresetGroup group, int index);

    // The item column, filled from the bar's items (a free position shows no tooltip), and a click on Ico(position)
    // (select, then exchange).
    void RemplirIcones();
    void OnIcoClick(int position);

    void OnCommand3Click();           // "Créer une nouvelle barre."
    void OnCommand4Click(int index);  // "Oui" (0) / "Non" (1): start with Windows
    void OnCommand5Click();           // "Reset"
    void OnCommand6Click();           // "Aide"
    void OnExporterClick();           // "Exporter..."
    // "Importer...": the bar and this window take the file's values at once.
    void OnImporterClick();
    void OnImage1Click();  // the bar's icon
    // The hot-key box changed: the bar takes the new key at once; one that another program holds is refused, and the
    // box shows the bar's key again. Modifiers without their key are a combination still being typed: let go without
    // one, the box shows the bar's key again, which the bar keeps.
    void OnRaccourciChange();
    // A combination typed in the box that another bar holds went to that bar, which handed it back here: refused, the
    // box shows the bar's key again (no message when it is the bar's own).
    void OnRaccourciPris(std::uint16_t combination);
    // Another look chosen: the bar, and this window, take it at once.
    void OnThemeChange();

    // What the window shows.
    std::wstring caption = L"Configuration";
    std::wstring label1 = L"Label1";
    std::wstring text1;           // the bar's name
    std::wstring text2;           // the start-up correction, as typed
    std::array<int, 3> check1{};  // 0: on top, 2: minimise after a launch (there is no 1)
    int check2 = 0;               // the lock
    int reserver = 0;             // "Réserver sa place au bord de l'écran"
    int masquer = 0;              // "Masquer automatiquement la barre"
    int basculer = 0;             // "Un clic sur un programme ouvert affiche sa fenêtre"
    int chaqueEcran = 0;          // "Afficher la barre sur chaque écran"
    int theme = 0;                // "Apparence :" 0 "Système", 1 "Clair", 2 "Sombre"
    std::wstring ancrage;         // their tooltip: the edge the bar is docked at, or that it is at none
    std::wstring ancrageMasquer;  // the same on "Masquer", unless another monitor touches the bar at its edge
    std::wstring text3 = L"200";  // margins of the presets: top, side, bottom, left, right
    std::wstring text4 = L"100";
    std::wstring text5 = L"500";
    std::wstring text6 = L"100";
    std::wstring text7 = L"100";
    std::uint16_t raccourci = 0;    // the hot-key box: the bar's hot key, as the hot-key control holds it
    bool modificateurTenu = false;  // Shift, Ctrl or Alt down as the box changed
    bool raccourciEnCours = false;  // the box holds modifiers without their key
    int barreHV = 0;                // the selected orientation option
    bool frame3Visible = false;     // the vertical miniature
    bool frame4Visible = false;     // the horizontal miniature
    std::array<BarItem, kSlotCount> items;
    std::optional<int> selection;  // the first click's position, while an exchange is pending

  private:
    // Unlocks the bar, stores the orientation and swaps the bar's sides, so that its length follows its thickness.
    void Orienter(int index);
    void DireAncrage();
    void Intervertir(int first, int second);
    void Register();
    void Unregister();
    void OnItemsChanged(const std::vector<int>& slots) override;
    void OnOptionChanged(Option) override {}

    Platform& platform_;
    Principal& principal_;
    BarModel& model_;
    BarWindow& bar_;
    ConfigWindow& window_;
};

// Draws the first icon of a file into Ico(position) of the configuration window.
void DessinerIconeConfig(ConfigWindow& window, const std::wstring& path, int position);

}  // namespace zudav
