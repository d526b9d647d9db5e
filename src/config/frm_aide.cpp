#include "config/frm_aide.h"

#include <algorithm>

#include "bar/on_screen.h"
#include "bar/settings/conversions.h"
#include "bar/settings/ini_file_store.h"
#include "bar/settings/ini_text.h"
#include "bar/settings/transfer.h"
#include "platform/help.h"
#include "platform/paths.h"
#include "platform/placement.h"

namespace zudav {
namespace {

// A check box shows 0 (clear) or 1 (ticked); a stored value that is neither leaves the box as it is.
void ReadCheckBox(const BarModel& model, Option option, int& box) {
    if (auto value = model.CheckBox(option)) {
        box = *value;
    }
}

}  // namespace

std::wstring CopieImpossible(CopyResult copy,
                             const std::wstring& name,
                             const std::wstring& folder,
                             const std::wstring& sautLigne) {
    const std::wstring start = L"Impossible de cr\u00e9er la barre \u00ab " + name + L" \u00bb : ";
    switch (copy) {
        case CopyResult::AccessDenied:
            return start + L"vous n'avez pas le droit d'\u00e9crire dans le dossier" + sautLigne + folder + L"." +
                   sautLigne + sautLigne + L"Copiez Zudav dans un dossier \u00e0 vous pour y cr\u00e9er des barres.";
        case CopyResult::NameTooLong:
            return start + L"le nom est trop long pour le dossier" + sautLigne + folder + L".";
        default:
            return start + L"la copie de Zudav n'a pas pu \u00eatre faite dans le dossier" + sautLigne + folder + L".";
    }
}

std::wstring DemarrageImpossible(const std::wstring& name,
                                 const std::wstring& copyLeft,
                                 const std::wstring& sautLigne) {
    const std::wstring start = L"La nouvelle barre \u00ab " + name + L" \u00bb ne peut pas d\u00e9marrer";
    return copyLeft.empty() ? start + L" : sa copie a \u00e9t\u00e9 retir\u00e9e."
                            : start + L", et sa copie n'a pas pu \u00eatre retir\u00e9e :" + sautLigne + copyLeft;
}

FrmAide::FrmAide(Platform& platform, Principal& principal, BarWindow& bar, ConfigWindow& window)
    : platform_(platform), principal_(principal), model_(principal.Model()), bar_(bar), window_(window) {
    model_.AddObserver(*this);
}

FrmAide::~FrmAide() {
    model_.RemoveObserver(*this);
}

// An item saved, removed or moved, here or by the bar: the column shows it.
void FrmAide::OnItemsChanged(const std::vector<int>&) {
    RemplirIcones();
}

// Opening. The two options that the bar treats as on when their key is absent (on top, minimise after a
// launch) are read with the bar's own default, so that the boxes show what the bar does.
void FrmAide::Charger() {
    model_.Reload();  // what another program stored meanwhile
    text2 = IntegerToText(principal_.Correction());
    barreHV = principal_.Horizontal() ? 1 : 0;
    frame4Visible = principal_.Horizontal();
    frame3Visible = !principal_.Horizontal();
    window_.ShowBarIcon();
    text1 = bar_.Caption();
    ReadCheckBox(model_, Option::AlwaysOnTop, check1[0]);
    text3 = model_.Text(Option::MargeHt);
    text4 = model_.Text(Option::MargeDx);
    ReadCheckBox(model_, Option::RetourAuto, check1[2]);
    ReadCheckBox(model_, Option::Bloquee, check2);
    ReadCheckBox(model_, Option::Reserver, reserver);
    ReadCheckBox(model_, Option::Masquer, masquer);
    ReadCheckBox(model_, Option::Basculer, basculer);
    ReadCheckBox(model_, Option::ChaqueEcran, chaqueEcran);
    theme = static_cast<int>(principal_.Theme());
    DireAncrage();
    label1 = std::wstring(kConsigneAjout) + kSautLigne + kSautLigne;
    raccourci = principal_.HotKey();
    RemplirIcones();
    window_.ShowFields();
    if (principal_.TellAutoHideRefusal()) {
        platform_.ShowMessage(kTitreMasquer, kMasquerRefuse, MessageIcon::Information);
    }
}

// The options of a bar at an edge act only while it is docked there.
void FrmAide::DireAncrage() {
    const auto edge = principal_.DockedAt();
    const wchar_t* const names[] = {L"gauche", L"haut", L"droit", L"bas"};
    ancrage = edge ? std::wstring(L"La barre est au bord ") + names[static_cast<int>(*edge)] + L" de l'\u00e9cran."
                   : L"La barre n'est pas au bord de l'\u00e9cran : l'option agira quand vous l'y placerez.";
    ancrageMasquer = principal_.DockedWhereAnotherMonitorTouches() ? kMasquerAutreEcran : ancrage;
}

std::wstring RaccourciAltGr(const std::wstring& keyName, const std::wstring& character) {
    return L"Ctrl+Alt+" + keyName + L" donne \u00ab " + character +
           L" \u00bb sur votre clavier. Choisissez une autre "
           L"combinaison.";
}

std::optional<std::wstring> CharacterTakenByHotKey(std::uint16_t value, const Platform& platform) {
    constexpr unsigned kShift = 0x01, kControl = 0x02, kAlt = 0x04;  // HOTKEYF_
    if (((value >> 8) & (kShift | kControl | kAlt)) != (kControl | kAlt) || (value & 0xFF) == 0) {
        return std::nullopt;
    }
    for (const std::wstring& given : platform.AltGrCharacters(value & 0xFFu)) {
        const bool typed = std::any_of(given.begin(), given.end(), [](wchar_t c) { return c >= 0x20 && c != 0x7F; });
        if (typed) {
            return given;
        }
    }
    return std::nullopt;
}

void FrmAide::OnThemeChange() {
    principal_.ChangeTheme(ThemeChoiceOf(theme));
}

void FrmAide::OnRaccourciChange() {
    // While modifiers are held without a key, the hot-key control holds them alone or nothing at all (as Wine's
    // does); it goes back to nothing when they are let go without a key. A combination that another program holds
    // never reaches it: the system hands it to that program first.
    const bool letGo = raccourci == 0 && !modificateurTenu && raccourciEnCours;
    raccourciEnCours = (raccourci & 0xFFu) == 0 && (raccourci != 0 || modificateurTenu);
    if (raccourciEnCours) {
        return;
    }
    if (letGo) {
        raccourci = principal_.HotKey();
        return;
    }
    if (const auto taken = CharacterTakenByHotKey(raccourci, platform_)) {
        platform_.ShowMessage(kTitreRaccourci, RaccourciAltGr(platform_.KeyName(raccourci & 0xFFu), *taken),
                              MessageIcon::Exclamation);
        raccourci = principal_.HotKey();
        return;
    }
    if (!principal_.ChangeHotKey(raccourci)) {
        platform_.ShowMessage(kTitreRaccourci, kRaccourciPris, MessageIcon::Exclamation);
        raccourci = principal_.HotKey();
    }
}

void FrmAide::OnRaccourciPris(std::uint16_t combination) {
    raccourciEnCours = false;
    raccourci = principal_.HotKey();
    if (combination != principal_.HotKey()) {
        platform_.ShowMessage(kTitreRaccourci, kRaccourciPris, MessageIcon::Exclamation);
    }
}

// Closing. The lock itself is not switched here: a box ticked without the pointer over it locks the bar
// from its next start, with the place it has now.
void FrmAide::Fermer() {
    {
        const SettingsStore::Batch batch = model_.Batch();  // the options, stored at once
        model_.SetOptions({{Option::Caption, text1},
                           {Option::Coef, text2},
                           {Option::AlwaysOnTop, IntegerToText(check1[0])},
                           {Option::RetourAuto, IntegerToText(check1[2])},
                           {Option::Bloquee, IntegerToText(check2)},
                           {Option::Reserver, IntegerToText(reserver)},
                           {Option::Masquer, IntegerToText(masquer)},
                           {Option::Basculer, IntegerToText(basculer)},
                           {Option::ChaqueEcran, IntegerToText(chaqueEcran)},
                           {Option::Theme, IntegerToText(theme)},
                           {Option::MargeHt, text3},
                           {Option::MargeDx, text4},
                           {Option::Raccourci, IntegerToText(principal_.HotKey())}});
        if (check2 == 1) {
            principal_.StoreLock();
        }
    }
    bar_.Show();
    window_.Close();
}

void FrmAide::OnBarreHVPress(int index) {
    if (index == (principal_.Horizontal() ? 1 : 0)) {
        return;  // the bar has that orientation: swapping its sides again would only grow it at every press
    }
    Orienter(index);
    principal_.FitOnScreen();
    DireAncrage();
}

void FrmAide::Orienter(int index) {
    check2 = 0;
    barreHV = index;
    principal_.Orient(index == 1);
    frame4Visible = index == 1;
    frame3Visible = !frame4Visible;
}

void FrmAide::OnCheck2PointerMove() {
    if (check2 != 1) {
        principal_.Unlock();
        return;
    }
    principal_.Lock();
}

void FrmAide::OnPresetClick(PresetGroup group, int index) {
    // The margins are read as they stand at the click: a text that is not a number is 0.
    const PresetMargins margins{TypedNumber(text3), TypedNumber(text4), TypedNumber(text5), TypedNumber(text6),
                                TypedNumber(text7)};
    const Geometry bar = bar_.Bounds();
    const PresetPlace place =
        PlaceForPreset(group, index, bar, platform_.MonitorAt(bar), margins, bar_.InvisibleFrame());
    if (place.topFirst) {
        bar_.SetTop(place.top);
        bar_.SetLeft(place.left);
    } else {
        bar_.SetLeft(place.left);
        bar_.SetTop(place.top);
    }
    principal_.FitOnScreen();  // a place beyond the edge, or over the taskbar, comes inside
    DireAncrage();
}

namespace {

// Beside the bar that makes it, wholly in the work area of that bar's monitor: after it across its thickness (right of
// a vertical bar, below a horizontal one), or before it where that side has no room.
Geometry NewBarPlace(const Geometry& maker, bool horizontal, const std::vector<Geometry>& workAreas) {
    Geometry place = maker;
    const std::optional<Geometry> area = WorkAreaOf(maker, workAreas);
    if (horizontal) {
        place.top = maker.top + maker.height;
        if (area && place.top + place.height > area->top + area->height) {
            place.top = maker.top - maker.height;
        }
    } else {
        place.left = maker.left + maker.width;
        if (area && place.left + place.width > area->left + area->width) {
            place.left = maker.left - maker.width;
        }
    }
    return area ? KeepInside(place, *area) : place;
}

const wchar_t* NameRefusal(FileNameFault fault) {
    switch (fault) {
        case FileNameFault::Character:
            return kNomCaracteres;
        case FileNameFault::Device:
            return kNomPeripherique;
        case FileNameFault::Ending:
            return kNomFin;
        case FileNameFault::None:
        case FileNameFault::Empty:  // cancelled before it is asked
            break;
    }
    return nullptr;
}

}  // namespace

void FrmAide::OnCommand3Click() {
    const std::wstring executable = platform_.ExecutablePath();
    const std::wstring folder = FolderOf(executable);
    const std::wstring source = JoinPath(folder, BaseName(executable) + L".exe");
    for (;;) {
        const std::optional<std::wstring> name = window_.AskText(kInvite, kTitreCreation);
        if (!name || name->empty()) {
            return;
        }
        const std::wstring target = JoinPath(folder, *name + L".exe");
        // A name that could not stand for a file in the bar's folder is asked again, with its reason.
        if (const wchar_t* why = NameRefusal(FaultOfFileName(*name))) {
            platform_.ShowMessage(BaseName(executable), why, MessageIcon::None);
            continue;
        }
        const CopyResult copy =
            platform_.FileExists(target) ? CopyResult::TargetExists : platform_.CopyFileTo(source, target);
        if (copy == CopyResult::TargetExists) {
            platform_.ShowMessage(BaseName(executable), kFichierExistant, MessageIcon::None);
            continue;
        }
        if (copy != CopyResult::Copied) {
            platform_.ShowMessage(kTitreCreation, CopieImpossible(copy, *name, folder, kSautLigne),
                                  MessageIcon::Exclamation);
            return;
        }
        // The new bar of a portable bar is portable, with its design values: an .ini with only its section beside
        // it (one that lies there already is the user's, and is kept). Without it, the new bar does not start.
        // Either way it opens beside this bar, unless it has a place of its own already.
        const std::wstring newSettings = PortableSettingsFile(target);
        const bool newIsPortable = platform_.FileExists(newSettings);
        const bool madeSettings = platform_.FileExists(PortableSettingsFile(executable)) && !newIsPortable;
        const StoredValues placeValues =
            model_.PlaceValues(NewBarPlace(bar_.Bounds(), principal_.Horizontal(), platform_.WorkAreas()));
        const bool placeInStore = !madeSettings && !newIsPortable && !model_.HasPlace(*name);
        if (placeInStore) {
            model_.WriteFor(*name, placeValues);
        }
        const bool settingsReady = !madeSettings || platform_.WriteFileWhole(newSettings, WriteIniText(placeValues));
        // The new bar starts in its own folder; a copy that cannot start is not left behind.
        constexpr int kNormalWithFocus = 1;
        if (!settingsReady ||
            platform_.StartProcess(L"\"" + target + L"\"", kNormalWithFocus, folder) != StartResult::Started) {
            if (settingsReady && madeSettings && !platform_.RemoveFile(newSettings)) {
                // An .ini of design values left beside no bar changes nothing.
            }
            if (placeInStore) {
                model_.DeleteFor(*name, placeValues);  // nothing of the bar that did not start is left
            }
            const bool removed = platform_.RemoveFile(target);
            platform_.ShowMessage(kTitreCreation, DemarrageImpossible(*name, removed ? L"" : target, kSautLigne),
                                  MessageIcon::Exclamation);
        }
        return;
    }
}

void FrmAide::OnCommand4Click(int index) {
    if (index == 0) {
        if (platform_.AskYesNo(kTitreDemarrage, kQuestionDemarrage, MessageIcon::Information)) {
            Register();
        }
    } else if (platform_.AskYesNo(kTitreDemarrage, kQuestionAnnulation, MessageIcon::Exclamation)) {
        Unregister();
    }
}

// The machine's list runs the bar at every user's logon: only a bar in a folder that only an administrator may change
// (Program Files, Windows) is put there, when it can be written. Any other (a portable bar in C:\Outils, one installed
// in a user's own folder) is a file its owner, or any user, may replace: it goes in the current user's list, even from
// an elevated bar. The path is quoted so that one with blanks cannot be read as a shorter program followed by
// arguments.
void FrmAide::Register() {
    const std::wstring executable = platform_.ExecutablePath();
    const std::wstring name = BaseName(executable);
    const std::wstring command = L"\"" + JoinPath(FolderOf(executable), name + L".exe") + L"\"";
    const std::vector<std::wstring> protectedFolders = platform_.FoldersForEveryUser();
    const bool forEveryUser = std::any_of(protectedFolders.begin(), protectedFolders.end(),
                                          [&](const std::wstring& folder) { return IsInFolder(executable, folder); });
    if (forEveryUser && platform_.WriteRunAtLogon(RunScope::Machine, name, command)) {
        return;
    }
    if (!platform_.WriteRunAtLogon(RunScope::User, name, command)) {
        // Neither list can be written: nothing is registered, as nothing is reported.
    }
}

// A value in the machine's list, written by a bar that ran as administrator, is not this user's to remove.
void FrmAide::Unregister() {
    const std::wstring name = BaseName(platform_.ExecutablePath());
    const bool machine = platform_.RemoveRunAtLogon(RunScope::Machine, name);
    const bool user = platform_.RemoveRunAtLogon(RunScope::User, name);
    if (!machine || !user) {
        platform_.ShowMessage(kTitreDemarrage, machine ? kAnnulationImpossible : kAnnulationReservee,
                              MessageIcon::Exclamation);
    }
}

// The settings are saved first, so that a reset by mistake can be undone by importing the backup.
void FrmAide::OnCommand5Click() {
    const TransferResult backup = BackUpSettings(model_.Store(), model_.Application(), platform_);
    Orienter(0);  // unlocks and turns the bar upright, whatever its orientation
    barreHV = 0;
    bar_.SetLeft(1);
    bar_.SetTop(1);
    bar_.SetWidth(kDesignWidth);
    bar_.SetHeight(kDesignHeight);
    principal_.FitOnScreen();
    DireAncrage();
    window_.ShowFields();
    platform_.ShowMessage(kTitreReglages, backup.message,
                          backup.done ? MessageIcon::Information : MessageIcon::Exclamation);
}

void FrmAide::OnCommand6Click() {
    ShowHelpOrTell(platform_);
}

void FrmAide::OnExporterClick() {
    const std::optional<std::wstring> file = window_.AskSaveFile(kFiltreReglages, model_.Application() + L".ini");
    if (!file) {
        return;
    }
    principal_.StorePlace();  // the file says where the bar stands, not where it stood at its last exit
    const TransferResult result = ExportSettings(model_.Store(), model_.Application(), platform_, *file);
    platform_.ShowMessage(kTitreReglages, result.message,
                          result.done ? MessageIcon::Information : MessageIcon::Exclamation);
}

void FrmAide::OnImporterClick() {
    const std::optional<std::wstring> file = window_.AskOpenFile(kFiltreReglages, L"");
    if (!file) {
        return;
    }
    const TransferResult result = ImportSettings(model_.Store(), model_.Application(), platform_, *file);
    // A failed import put the previous values back, which the bar and the window still show; after one that took,
    // both show the file's before the message tells it, and closing the window stores what it shows. An item picked
    // for an exchange is no longer the bar's.
    if (result.done) {
        principal_.Reprendre();
        selection.reset();
        window_.ClearSelection();
        Charger();
    }
    platform_.ShowMessage(kTitreReglages, result.message,
                          result.done ? MessageIcon::Information : MessageIcon::Exclamation);
}

void FrmAide::OnImage1Click() {
    const std::optional<std::wstring> file = window_.AskOpenFile(kFiltreIconeBarre, L"");
    if (!file) {
        return;  // cancelled: the icon and its key stay as they were
    }
    if (!window_.LoadApplicationIcon(*file)) {
        // Not a picture: Image1 keeps what it showed; the bar and the key are still given the file.
    }
    model_.SetOption(Option::Icone, *file);  // the bar takes it
}

}  // namespace zudav
