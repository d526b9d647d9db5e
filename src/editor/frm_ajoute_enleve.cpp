#include "editor/frm_ajoute_enleve.h"

#include "bar/construire_boutons.h"
#include "bar/dropped_file.h"
#include "bar/lancer_item.h"
#include "bar/settings/conversions.h"
#include "platform/help.h"

namespace zudav {

const std::array<const wchar_t*, 7> kOption1Captions = {
    L"Masqu\u00e9e Activ\u00e9e",    L"Normalle, Activ\u00e9e",   L"R\u00e9duite, Activ\u00e9",
    L"Agrandie, activ\u00e9e",       L"Normalle, Inactiv\u00e9e", L"",
    L"R\u00e9duite, Inactiv\u00e9e",
};

FrmAjouteEnleve::FrmAjouteEnleve(Platform& platform, BarModel& model, int indexCourant, EditorWindow& window)
    : platform_(platform), model_(model), window_(window), indexCourant_(indexCourant) {}

void FrmAjouteEnleve::Charger() {
    model_.Reload();  // what another program stored meanwhile
    const BarItem& item = model_.Item(indexCourant_);
    if (!item.Free()) {
        text1 = item.tool;
        text2 = item.chemin;
        text3 = item.ligne;
        // A flag the check box cannot show leaves it as it was.
        if (auto flag = item.CheckBox()) {
            check1 = *flag;
        }
        // A state that names no option leaves the default one.
        if (auto state = item.WindowState();
            state && *state >= 0 && *state < static_cast<int>(kOption1Captions.size())) {
            option1 = *state;
        }
        contenu = item.menu ? 1 : 0;
        caption = text2;
    }
    RafraichirIcone();
    SuivreChemin();
}

void FrmAjouteEnleve::RafraichirIcone() {
    const std::wstring icone = chosenIcon_.value_or(model_.Item(indexCourant_).icone);
    if (IconFromItemFile(icone)) {
        // The path as the bar will read it, and the placeholder where the bar would show it.
        if (!text2.empty() && window_.DrawFirstIcon(platform_.ExpandEnvironment(text2)) == IconLookup::NoIcon) {
            window_.ShowPlaceholder();
        }
        icone1Tag = text2;
    } else {
        if (!window_.LoadPicture(icone)) {
            // The preview keeps its picture; the tag still names the chosen file.
        }
        icone1Tag = icone;
    }
    platform_.DoEvents();
}

void FrmAjouteEnleve::OnCommand1Click() {
    const std::optional<ShellItem> chosen = window_.AskProgram(kFiltreProgramme, dialogFileName_);
    if (chosen && chosen->isApp) {
        TakeApp(*chosen);
        return;
    }
    if (chosen) {
        const std::wstring& file = chosen->path;
        dialogFileName_ = file;
        text2 = file;
        // Only a lower-case "exe" ending counts as a program here.
        if (file.size() >= 3 && file.compare(file.size() - 3, 3, L"exe") == 0) {
            window_.ClearPicture();
            window_.DrawFirstIcon(file);
            platform_.DoEvents();
            icone1Tag = file;
        } else {
            window_.ShowPlaceholder();
        }
    }
    SuggererInfoBulle();
    SuivreChemin();
}

void FrmAjouteEnleve::OnCommand3Click() {
    auto file = window_.AskOpenFile(kFiltreLigne, dialogFileName_);
    if (!file) {
        return;
    }
    dialogFileName_ = *file;
    // Quoted as a dropped file is, so that a path with blanks reaches the program as one argument.
    text3 = file->find(L' ') == std::wstring::npos ? *file : L"\"" + *file + L"\"";
    SuggererInfoBulle();
}

void FrmAjouteEnleve::OnIconeClick() {
    if (check1 == 0) {
        dialogFileName_ = icone1Tag;
    }
    auto file = window_.AskOpenFile(kFiltreIcone, dialogFileName_);
    if (!file) {
        return;
    }
    dialogFileName_ = *file;
    if (!window_.LoadPicture(*file)) {
        // The preview keeps its picture; the save stores the choice all the same.
    }
    chosenIcon_ = *file;
}

void FrmAjouteEnleve::OnFileDropped(const std::wstring& file) {
    window_.ClearPicture();
    const DroppedFile dropped =
        TakeDroppedFile(file, platform_, [&](const std::wstring& picture) { return window_.LoadPicture(picture); });
    dialogFileName_ = dropped.path;
    text2 = dropped.path;
    text3 = dropped.arguments;
    check1 = dropped.document ? 1 : 0;
    chosenIcon_ = dropped.picture;
    if (dropped.picture) {
        icone1Tag = *dropped.picture;
    } else if (window_.DrawFirstIcon(dropped.path) == IconLookup::Drawn) {
        icone1Tag = dropped.path;
    } else {
        window_.ShowPlaceholder();
    }
    SuggererInfoBulle();
    SuivreChemin();
}

// An app has no file whose name could make its tooltip: the shell's name for it does. The dialog keeps opening where
// the last file was.
void FrmAjouteEnleve::TakeApp(const ShellItem& app) {
    text2 = kAppsFolderPrefix + app.path;
    if (text1.empty()) {
        text1 = app.displayName;
    }
    window_.ClearPicture();
    if (window_.DrawFirstIcon(text2) == IconLookup::Drawn) {
        icone1Tag = text2;
    } else {
        window_.ShowPlaceholder();
    }
    platform_.DoEvents();
    SuivreChemin();
}

void FrmAjouteEnleve::SuivreChemin() {
    contenuPossible = NamesAFolder(platform_.ExpandEnvironment(text2), platform_);
}

void FrmAjouteEnleve::SuggererInfoBulle() {
    if (text2.empty() || !text1.empty()) {
        return;  // a tooltip that was typed or loaded is never replaced
    }
    if (auto suggestion = SuggestedTooltip(text2, platform_)) {
        text1 = *suggestion;
    }
}

// Why the item, as the bar would read it, is more than Windows takes; nothing when it fits.
const wchar_t* FrmAjouteEnleve::TooLong() const {
    const std::wstring path = platform_.ExpandEnvironment(text2);
    if (!PathFitsWindows(path)) {
        return kCheminTropLong;
    }
    if (CommandLine(path, platform_.ExpandEnvironment(text3), true).size() > kLongestCommandLine) {
        return kLigneTropLongue;
    }
    return chosenIcon_ && !PathFitsWindows(platform_.ExpandEnvironment(*chosenIcon_)) ? kImageTropLongue : nullptr;
}

void FrmAjouteEnleve::Enregistrer() {
    if (const wchar_t* why = TooLong()) {
        platform_.ShowMessage(kTitreTropLong, why, MessageIcon::Exclamation);
        return;  // the editor stays open on the item, to be mended
    }
    BarItem item;
    item.chemin = text2;
    item.ligne = text3;  // none stored when empty
    item.focus = option1 ? IntegerToText(*option1) : L"7";
    item.tool = text1;
    item.ficALancer = IntegerToText(check1);
    item.icone = chosenIcon_.value_or(L"");
    // The folder's menu is stored once chosen; an item that never had it keeps the keys it always had.
    const bool menu = contenuPossible && contenu == 1;
    const bool stored = model_.Item(indexCourant_).contenu.has_value();
    item.contenu = menu || stored ? std::optional<std::wstring>(menu ? L"1" : L"0") : std::nullopt;
    model_.SetItem(indexCourant_, item, chosenIcon_.has_value());
    window_.Close();
}

void FrmAjouteEnleve::Annuler() {
    window_.Close();
}

void FrmAjouteEnleve::Enlever() {
    model_.RemoveItem(indexCourant_);
    window_.Close();
}

void FrmAjouteEnleve::Aide() {
    ShowHelpOrTell(platform_);
}

}  // namespace zudav
