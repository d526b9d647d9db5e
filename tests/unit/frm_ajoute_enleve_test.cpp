#include "editor/frm_ajoute_enleve.h"

#include <optional>
#include <vector>

#include "bar/dropped_file.h"
#include "bar/lancer_item.h"
#include "bar_test.h"
#include "editor/fake/fake_editor_window.h"

namespace zudav {
namespace {

class Editor : public BarTest {
  protected:
    void Fill(int n) {
        slot = n;
        Item(ItemField::Chemin, n, L"C:\\Prog\\agenda.exe");
        Item(ItemField::Tool, n, L"Agenda");
        Item(ItemField::Ligne, n, L"C:\\Docs\\rdv.txt");
        Item(ItemField::FicALancer, n, L"0");
    }

    // The editor opens at its first use, on the slot named then.
    FrmAjouteEnleve& editor() {
        if (!opened_) {
            opened_.emplace(platform, principal.Model(), slot, view);
        }
        return *opened_;
    }

    FakeEditorWindow view;
    int slot = 0;

  private:
    std::optional<FrmAjouteEnleve> opened_;
};

TEST_F(Editor, OpensWithTheSlotsStoredValuesWhichTheSaveWritesBack) {
    slot = 9;
    Item(ItemField::Tool, 9, L"reste");  // only the path decides whether anything is loaded
    editor().Charger();
    EXPECT_EQ(editor().text1, L"");
    EXPECT_EQ(editor().caption, L"Ajouter / Enlever");

    struct Case {
        const wchar_t *focus, *flag;
        int option, check;
    } const cases[] = {
        {nullptr, L"1", 1, 1}, {L"5", L"2", 5, 2},   {L"6", L"3", 6, 0},    {L"9", L"x", 1, 0},
        {L"", L"", 0, 0},      {L"4.5", L"0", 4, 0}, {L"-1", L"1.4", 1, 1},
    };
    view.filesWithIcon = {L"C:\\Prog\\agenda.exe"};
    for (int n = 0; n < static_cast<int>(std::size(cases)); ++n) {
        const Case& c = cases[n];
        SCOPED_TRACE(testing::Message() << "Focus " << (c.focus ? c.focus : L"absent") << ", FicALancer " << c.flag);
        Fill(n);
        Item(ItemField::Focus, n, c.focus);
        Item(ItemField::FicALancer, n, c.flag);
        const int writes = store.Changes();
        FrmAjouteEnleve opened{platform, principal.Model(), slot, view};
        opened.Charger();
        EXPECT_EQ(store.Changes(), writes);  // opening writes nothing
        EXPECT_EQ(
            (std::vector{opened.caption, opened.text1, opened.text2, opened.text3, view.preview, opened.icone1Tag}),
            (std::vector<std::wstring>{L"C:\\Prog\\agenda.exe", L"Agenda", L"C:\\Prog\\agenda.exe",
                                       L"C:\\Docs\\rdv.txt", L"icon:C:\\Prog\\agenda.exe", L"C:\\Prog\\agenda.exe"}));
        EXPECT_EQ(opened.option1, c.option);
        EXPECT_EQ(opened.check1, c.check);
        opened.Enregistrer();  // the invisible state 5 included
        EXPECT_EQ(Stored(ItemKeyName(ItemField::Focus, n)), std::to_wstring(c.option));
        EXPECT_EQ(Stored(ItemKeyName(ItemField::FicALancer, n)), std::to_wstring(c.check));
    }
}

TEST_F(Editor, SaveWritesTheFieldsButNotTheIconDropsAnEmptyCommandLineAndRebuildsTheBar) {
    Fill(3);
    Item(ItemField::Icone, 3, L"C:\\Images\\rond.ico");
    view.pictureFiles = bar.pictureFiles = {L"C:\\Images\\rond.ico"};
    view.answers = {L"C:\\Prog\\bloc.exe"};
    editor().Charger();
    EXPECT_EQ(view.preview, L"picture:C:\\Images\\rond.ico");
    editor().OnCommand1Click();  // a new program keeps the chosen picture
    editor().text1 = L"Bloc";
    editor().text3 = L"C:\\Docs\\a.txt";
    editor().option1 = 4;
    editor().check1 = 1;
    editor().Enregistrer();
    EXPECT_EQ(StoredItem(3),
              (ItemValues{L"C:\\Prog\\bloc.exe", L"Bloc", L"C:\\Images\\rond.ico", L"C:\\Docs\\a.txt", L"4", L"1"}));
    EXPECT_EQ(bar.tooltips[3], L"Bloc");
    EXPECT_EQ(bar.pictures[3], L"picture:C:\\Images\\rond.ico");
    EXPECT_EQ(bar.pictures[0], L"free");
    EXPECT_EQ(view.closes, 1);

    // An empty command line is deleted and an empty path kept.
    FrmAjouteEnleve again{platform, principal.Model(), slot, view};
    again.Charger();
    again.text2.clear();
    again.text3.clear();
    again.Enregistrer();
    EXPECT_EQ(StoredItem(3), (ItemValues{L"", L"Bloc", L"C:\\Images\\rond.ico", {}, L"4", L"1"}));
    EXPECT_EQ(bar.pictures[3], L"free");
    // With no command line left to delete, the save goes on all the same.
    FrmAjouteEnleve third{platform, principal.Model(), slot, view};
    third.Charger();
    third.Enregistrer();
    EXPECT_EQ(view.closes, 3);
}

TEST_F(Editor, ThePreviewShowsWhatTheBarWillShowForThePathTyped) {
    platform.environment = {{L"OUTILS", L"C:\\Prog"}};
    view.filesWithIcon = {L"C:\\Prog\\agenda.exe"};
    editor().Charger();
    const std::pair<const wchar_t*, const wchar_t*> typed[] = {
        {L"%OUTILS%\\agenda.exe", L"icon:C:\\Prog\\agenda.exe"},
        {L"C:\\Prog\\parti.exe", L"placeholder"},
    };
    for (const auto& [path, preview] : typed) {
        editor().text2 = path;
        editor().OnText2Pause();
        EXPECT_EQ(view.preview, preview) << path;
    }
}

TEST(TooltipSuggestion, TheDisplayNameOfWhatThePathNames) {
    FakePlatform platform;
    platform.existingFolders = {L"C:\\Mes fichiers", L"C:\\Projets.2024", L"C:\\Dossier \u00c9t\u00e9"};
    platform.shellNames = {{L"shell:AppsFolder\\Microsoft.WindowsCalculator_8wekyb3d8bbwe!App", L"Calculatrice"}};
    struct Case {
        const wchar_t* path;
        std::optional<std::wstring> tooltip;  // {}: none
    } const cases[] = {
        {L"C:\\Prog\\Agenda.exe", L"Agenda"},
        {L"bloc", L"bloc"},
        {L"C:\\x.html", L"x"},
        {L"C:\\Mes fichiers", L"Mes fichiers"},
        {L"C:\\Projets.2024\\", L"Projets.2024"},
        {L"C:\\Dossier \u00c9t\u00e9", L"Dossier \u00c9t\u00e9"},
        {L"C:\\Version.2\\lisez-moi", L"lisez-moi"},
        {L"https://example.com:8080/page?q=1", L"example.com"},
        {L"shell:AppsFolder\\Microsoft.WindowsCalculator_8wekyb3d8bbwe!App", L"Calculatrice"},
        {L"shell:Downloads", L"Downloads"},
        {L"C:\\", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SuggestedTooltip(c.path, platform), c.tooltip) << c.path;
    }
}

TEST_F(Editor, BrowsingSuggestsATooltipButNeverReplacesOneAndOnlyALowerCaseExeIsAProgram) {
    view.filesWithIcon = {L"C:\\Prog\\Agenda.exe", L"C:\\Prog\\bloc.exe", L"C:\\Prog\\AGENDA.EXE"};
    view.answers = {L"C:\\Prog\\Agenda.exe", L"C:\\Prog\\bloc.exe", std::nullopt, L"C:\\Prog\\AGENDA.EXE"};
    editor().Charger();
    editor().OnCommand1Click();
    EXPECT_EQ(editor().text2, L"C:\\Prog\\Agenda.exe");
    EXPECT_EQ(editor().text1, L"Agenda");
    EXPECT_EQ(view.dialogs[0].filter, kFiltreProgramme);

    editor().text1 = L"Mon agenda";
    editor().OnCommand1Click();
    EXPECT_EQ(editor().text1, L"Mon agenda");
    EXPECT_EQ(view.dialogs[1].initialName, L"C:\\Prog\\Agenda.exe");  // the name it last returned

    editor().OnCommand1Click();  // cancelled
    EXPECT_EQ(editor().text2, L"C:\\Prog\\bloc.exe");
    EXPECT_EQ(view.preview, L"icon:C:\\Prog\\bloc.exe");
    EXPECT_EQ(editor().icone1Tag, L"C:\\Prog\\bloc.exe");

    editor().OnCommand1Click();  // an upper-case EXE is no program to the browse...
    EXPECT_EQ(view.preview, L"placeholder");
    EXPECT_EQ(editor().icone1Tag, L"C:\\Prog\\bloc.exe");
    EXPECT_EQ(store.Changes(), 0);  // browsing writes nothing

    Item(ItemField::Icone, 0, L"C:\\Autre\\OUTIL.EXE");  // ...but it is to the refresh
    editor().RafraichirIcone();
    EXPECT_EQ(view.preview, L"icon:C:\\Prog\\AGENDA.EXE");
    EXPECT_EQ(editor().icone1Tag, L"C:\\Prog\\AGENDA.EXE");
}

// The editor edits a copy of the item: "Annuler Retour", Escape, the close box or the end of the process leave the
// store as it was; only the save stores the chosen icon and command line.
TEST_F(Editor, IconAndCommandLineFileChosenAreStoredOnlyBySaving) {
    // The icon dialog opens on the preview's file, unless Check1 says the item is a document.
    struct Case {
        const wchar_t *flag, *picture, *iconDialogName, *preview;
        const wchar_t *file, *line;  // a file with blanks is quoted, as a dropped one
    } const cases[] = {
        {L"0", L"C:\\Images\\rond.ico", L"C:\\Prog\\agenda.exe", L"picture:C:\\Images\\rond.ico",
         L"C:\\Docs\\autre.txt", L"C:\\Docs\\autre.txt"},
        {L"1", L"C:\\Images\\abime.bmp", L"C:\\Docs\\compte rendu.txt", L"icon:C:\\Prog\\agenda.exe",  // does not load
         L"C:\\Docs\\compte rendu.txt", L"\"C:\\Docs\\compte rendu.txt\""},
    };
    view.filesWithIcon = {L"C:\\Prog\\agenda.exe"};
    view.pictureFiles = {L"C:\\Images\\rond.ico"};
    for (int n = 0; n < 2; ++n) {
        const Case& c = cases[n];
        SCOPED_TRACE(testing::Message() << "FicALancer " << c.flag);
        Fill(n);
        Item(ItemField::FicALancer, n, c.flag);
        const ItemValues before = StoredItem(n);
        view.dialogs.clear();
        view.answers = {c.file, c.picture};
        FrmAjouteEnleve opened{platform, principal.Model(), slot, view};
        opened.Charger();
        const int writes = store.Changes();
        opened.OnCommand3Click();
        EXPECT_EQ(opened.text3, c.line);
        opened.OnIconeClick();
        ASSERT_EQ(view.dialogs.size(), 2u);
        EXPECT_EQ(view.dialogs[1].filter, kFiltreIcone);
        EXPECT_EQ(view.dialogs[1].initialName, c.iconDialogName);
        EXPECT_EQ(view.preview, c.preview);
        opened.RafraichirIcone();
        EXPECT_EQ(view.preview, c.preview) << "the preview shows the choice until the save";
        EXPECT_EQ(store.Changes(), writes) << "stored before the save: lost to a cancel or the end of the process";
        opened.Annuler();
        EXPECT_EQ(StoredItem(n), before);
        opened.Enregistrer();
        EXPECT_EQ(StoredItem(n), (ItemValues{L"C:\\Prog\\agenda.exe", L"Agenda", c.picture, c.line, L"1", c.flag}));
    }
}

// The save refuses what Windows could not take, and says which: the editor stays open, the store as it was.
TEST_F(Editor, TheSaveRefusesAPathACommandLineOrAPictureLongerThanWindowsTakes) {
    const std::wstring path259 = L"C:\\" + std::wstring(kLongestPath - 3, L'p');
    const struct {
        std::wstring path, line, icon;
        const wchar_t* refusal;
    } cases[] = {
        {path259, L"", L"", nullptr},
        {path259 + L"p", L"", L"", kCheminTropLong},
        {L"C:\\a.exe", std::wstring(kLongestCommandLine - 11, L'l'), L"", nullptr},  // with "C:\a.exe" and a blank
        {L"C:\\a.exe", std::wstring(kLongestCommandLine - 10, L'l'), L"", kLigneTropLongue},
        {L"C:\\a.exe", L"", L"C:\\" + std::wstring(kLongestPath - 2, L'i'), kImageTropLongue},
    };
    for (int n = 0; n < static_cast<int>(std::size(cases)); ++n) {
        const auto& c = cases[n];
        SCOPED_TRACE(n);
        slot = n;
        FrmAjouteEnleve opened{platform, principal.Model(), slot, view};
        opened.Charger();
        opened.text2 = c.path;
        opened.text3 = c.line;
        if (!c.icon.empty()) {
            view.answers = {c.icon};
            opened.OnIconeClick();
        }
        const int closes = view.closes;
        const size_t told = platform.messages.size();
        opened.Enregistrer();
        EXPECT_EQ(view.closes, closes + (c.refusal ? 0 : 1));
        EXPECT_EQ(platform.messages.size(), told + (c.refusal ? 1 : 0));
        if (c.refusal) {
            EXPECT_EQ(platform.messages.back().text, c.refusal);
        }
        EXPECT_EQ(StoredItem(n)[0], c.refusal ? std::nullopt : std::optional<std::wstring>(c.path));
    }
}

TEST_F(Editor, AFileDroppedOnAFreeSlotFillsTheFormAsIfBrowsedForAndOnlyTheSaveStoresIt) {
    platform.existingFiles = {L"C:\\P\\ou.exe"};
    platform.existingFolders = {L"C:\\D\\Projets.com", L"C:\\D\\Photos"};
    platform.shortcuts = {
        {L"C:\\B\\Ou.lnk", {L"C:\\P\\ou.exe", L"/f \"C:\\a b\"", L"C:\\o.ico"}},
        {L"C:\\B\\Photos.lnk", {L"C:\\D\\Photos", L"", L"C:\\P\\ou.exe"}},  // an icon the form cannot show
        {L"C:\\B\\Parti.LNK", {L"C:\\P\\parti.exe", L"/x", L"C:\\o.ico"}},  // a target that is gone
    };
    view.filesWithIcon = {L"C:\\P\\Agenda.EXE", L"C:\\P\\ou.exe", L"C:\\D\\Photos"};
    view.pictureFiles = {L"C:\\o.ico"};
    struct Case {
        const wchar_t* dropped;
        ItemValues saved;  // Chemin, Tool, Icone, Ligne, Focus, FicALancer
        const wchar_t* preview;
    } const cases[] = {
        {L"C:\\P\\Agenda.EXE", {L"C:\\P\\Agenda.EXE", L"Agenda", {}, {}, L"1", L"0"}, L"icon:C:\\P\\Agenda.EXE"},
        {L"C:\\P\\sauve.Cmd", {L"C:\\P\\sauve.Cmd", L"sauve", {}, {}, L"1", L"0"}, L"placeholder"},
        {L"C:\\D\\lettre.txt", {L"C:\\D\\lettre.txt", L"lettre", {}, {}, L"1", L"1"}, L"placeholder"},
        {L"C:\\D\\Projets.com", {L"C:\\D\\Projets.com", L"Projets.com", {}, {}, L"1", L"1"}, L"placeholder"},
        {L"C:\\B\\Ou.lnk",
         {L"C:\\P\\ou.exe", L"ou", L"C:\\o.ico", L"/f \"C:\\a b\"", L"1", L"0"},
         L"picture:C:\\o.ico"},
        {L"C:\\B\\Photos.lnk", {L"C:\\D\\Photos", L"Photos", {}, {}, L"1", L"1"}, L"icon:C:\\D\\Photos"},
        {L"C:\\B\\Parti.LNK", {L"C:\\B\\Parti.LNK", L"Parti", {}, {}, L"1", L"1"}, L"placeholder"},
    };
    for (int n = 0; n < static_cast<int>(std::size(cases)); ++n) {
        const Case& c = cases[n];
        SCOPED_TRACE(c.dropped);
        slot = n;
        const int writes = store.Changes();
        FrmAjouteEnleve dropped{platform, principal.Model(), slot, view};
        dropped.Charger();
        dropped.OnFileDropped(c.dropped);
        EXPECT_EQ((std::vector{dropped.text2, dropped.text1, dropped.text3, view.preview}),
                  (std::vector<std::wstring>{*c.saved[0], *c.saved[1], c.saved[3].value_or(L""), c.preview}));
        dropped.Annuler();
        EXPECT_EQ(store.Changes(), writes);
        dropped.Enregistrer();
        EXPECT_EQ(StoredItem(n), c.saved);
    }
}

// An app of the Start menu has no file: the shell starts it by its id, and the shell's name for it is the tooltip.
TEST_F(Editor, AnAppChosenOrDroppedIsStartedByTheShellAndNamedAsTheShellNamesIt) {
    const ShellItem calculator{L"Calc!App", L"Calculatrice", true}, terminal{L"Term!App", L"Terminal", true};
    const std::wstring calculatorPath = L"shell:AppsFolder\\Calc!App", terminalPath = L"shell:AppsFolder\\Term!App";
    const ShellItem notepad{L"C:\\W\\np.exe", L"Bloc-notes", false};
    view.filesWithIcon = {terminalPath, notepad.path};
    struct Case {
        const char* what;
        bool dropped;
        const wchar_t* typed;  // the tooltip before
        const ShellItem& item;
        std::vector<std::wstring> shown;  // path, tooltip, preview
    } const cases[] = {
        {"chosen", false, L"", calculator, {calculatorPath, L"Calculatrice", L"placeholder"}},
        {"chosen, tooltip typed", false, L"Calcul", calculator, {calculatorPath, L"Calcul", L"placeholder"}},
        {"dropped", true, L"", terminal, {terminalPath, L"Terminal", L"icon:" + terminalPath}},
        // A desktop program in the Applications folder that the shell resolves to its file, named as a browsed one.
        {"file", false, L"", notepad, {L"C:\\W\\np.exe", L"np", L"icon:C:\\W\\np.exe"}},
    };
    for (int n = 0; n < static_cast<int>(std::size(cases)); ++n) {
        const Case& c = cases[n];
        SCOPED_TRACE(c.what);
        slot = n;
        FrmAjouteEnleve opened{platform, principal.Model(), slot, view};
        opened.Charger();
        opened.text1 = c.typed;
        view.programAnswers = {c.item};
        const int writes = store.Changes();
        c.dropped ? opened.OnAppDropped(c.item) : opened.OnCommand1Click();
        EXPECT_EQ((std::vector{opened.text2, opened.text1, view.preview}), c.shown);
        EXPECT_EQ(store.Changes(), writes);
        opened.Enregistrer();
        EXPECT_EQ(StoredItem(n), (ItemValues{c.shown[0], c.shown[1], {}, {}, L"1", L"0"}));
    }
    EXPECT_EQ(view.dialogs.size(), 3u);
    EXPECT_EQ(view.dialogs[0].filter, kFiltreProgramme);
}

// The bar's activation rebuilds the slots while the editor is open: the save and the removal still act on the slot the
// editor was opened for.
TEST_F(Editor, SavesAndRemovesTheSlotItWasOpenedForWhateverRebuildsRunMeanwhile) {
    principal.Charger();
    principal.OnResize();  // a column of 720-twip cells: cell n from 300 + 720 n down
    Item(ItemField::Chemin, 1, L"C:\\Prog\\agenda.exe");
    Item(ItemField::Chemin, 2, L"C:\\Docs\\lettre.txt");
    Item(ItemField::FicALancer, 2, L"1");
    const ItemValues program = StoredItem(1), document = StoredItem(2);
    for (const bool byDrop : {false, true}) {
        for (const bool save : {true, false}) {
            SCOPED_TRACE(testing::Message() << (byDrop ? "drop, " : "right press, ") << (save ? "save" : "remove"));
            bar.duringModal = [&] {
                FrmAjouteEnleve opened{platform, principal.Model(), bar.editorSlots.back(), view};
                opened.Charger();
                opened.OnFileDropped(L"C:\\windows\\notepad.exe");
                principal.OnActivated(true);
                save ? opened.Enregistrer() : opened.Enlever();
            };
            if (byDrop) {
                ASSERT_EQ(principal.OnDrop(10, 300 + 720 * 5 + 360, {}, {L"C:\\notepad.exe"}), DropEffect::Copy);
                principal.AfterDrop();
            } else {
                principal.OnRightPress(5);
            }
            EXPECT_EQ(Stored(L"Chemin5"), save ? L"C:\\windows\\notepad.exe" : L"");
            EXPECT_EQ(StoredItem(1), program);
            EXPECT_EQ(StoredItem(2), document);
            Item(ItemField::Chemin, 5, L"");  // free again for the next row
            principal.Rafraichir();
        }
    }
}

TEST_F(Editor, RemovingOneSlotLeavesTheOthersUntouched) {
    for (int n : {3, 5, 4}) {
        Fill(n);
    }
    bar.tooltips[4] = L"Agenda";
    editor().Charger();
    editor().Enlever();
    EXPECT_EQ(StoredItem(4), (ItemValues{L"", L"", L"", L"", L"", L""}));
    const ItemValues untouched{L"C:\\Prog\\agenda.exe", L"Agenda", {}, L"C:\\Docs\\rdv.txt", {}, L"0"};
    EXPECT_EQ(StoredItem(3), untouched);
    EXPECT_EQ(StoredItem(5), untouched);
    EXPECT_EQ(bar.tooltips[4], L"");
    EXPECT_EQ(bar.pictures[4], L"free");
    EXPECT_EQ(view.closes, 1);
}

}  // namespace
}  // namespace zudav
