#include "editor/frm_ajoute_enleve.h"

#include <gtest/gtest.h>

#include "bar/fake/fake_bar_window.h"
#include "bar/principal.h"
#include "bar/settings/memory_store.h"
#include "editor/fake/fake_editor_window.h"
#include "platform/fake/fake_platform.h"

namespace zudav {
namespace {

class Editor : public ::testing::Test {
  protected:
    void SetUp() override { module.IndexCourant = 3; }
    void Item(const wchar_t* prefix, int n, const std::wstring& value) {
        store.Write(L"Zudav", L"Donnees", keys::ItemKey(prefix, n), value);
    }
    std::optional<std::wstring> Stored(const wchar_t* prefix, int n) const {
        return store.Find(L"Zudav", L"Donnees", keys::ItemKey(prefix, n));
    }
    void FillSlot3() {
        Item(keys::kChemin, 3, L"C:\\Prog\\agenda.exe");
        Item(keys::kTool, 3, L"Agenda");
        Item(keys::kLigne, 3, L"C:\\Docs\\rdv.txt");
        Item(keys::kFicALancer, 3, L"0");
        Item(keys::kFocus, 3, L"3");
    }

    FakePlatform platform;
    MemoryStore store;
    BarSettings settings{store, L"Zudav", L'.'};
    LaBarre module;
    FakeBarWindow bar;
    FakeEditorWindow window;
    FrmAjouteEnleve editor{platform, settings, module, bar, window};
};

TEST_F(Editor, OpensOnAFilledSlotWithItsStoredValues) {
    FillSlot3();
    window.filesWithIcon = {L"C:\\Prog\\agenda.exe"};
    editor.Charger();
    EXPECT_EQ(editor.caption, L"C:\\Prog\\agenda.exe");
    EXPECT_EQ(editor.text1, L"Agenda");
    EXPECT_EQ(editor.text2, L"C:\\Prog\\agenda.exe");
    EXPECT_EQ(editor.text3, L"C:\\Docs\\rdv.txt");
    EXPECT_EQ(editor.check1, 0);
    EXPECT_EQ(editor.option1, 3);  // "Agrandie, activée"
    EXPECT_EQ(window.preview, L"icon:C:\\Prog\\agenda.exe");
    EXPECT_EQ(editor.icone1Tag, L"C:\\Prog\\agenda.exe");
    EXPECT_EQ(store.Changes(), 5);  // opening writes nothing
}

TEST_F(Editor, OpensBlankOnAnEmptySlot) {
    Item(keys::kTool, 3, L"reste");  // only the path decides whether anything is loaded
    editor.Charger();
    EXPECT_EQ(editor.caption, L"Ajouter / Enlever");
    EXPECT_EQ(editor.text1, L"");
    EXPECT_EQ(editor.option1, 1);  // "Normalle, Activée"
    EXPECT_EQ(editor.check1, 0);
    EXPECT_EQ(window.preview, L"");
}

TEST_F(Editor, StoredWindowStateAndFlagSelectTheirControls) {
    struct Case {
        std::optional<std::wstring> focus;
        std::optional<int> option;
        std::wstring flag;
        int check;
    } const cases[] = {
        {std::nullopt, 1, L"1", 1}, {L"5", 5, L"2", 2},   {L"6", 6, L"3", 0},    {L"9", 1, L"x", 0},
        {L"", 0, L"", 0},           {L"4.5", 4, L"0", 0}, {L"-1", 1, L"1.4", 1},
    };
    for (const auto& c : cases) {
        MemoryStore s;
        BarSettings bs{s, L"Zudav", L'.'};
        FakeEditorWindow w;
        FrmAjouteEnleve e{platform, bs, module, bar, w};
        s.Write(L"Zudav", L"Donnees", L"Chemin3", L"C:\\Prog\\agenda.exe");
        if (c.focus) {
            s.Write(L"Zudav", L"Donnees", L"Focus3", *c.focus);
        }
        s.Write(L"Zudav", L"Donnees", L"FicALancer3", c.flag);
        e.Charger();
        EXPECT_EQ(e.option1, c.option) << (c.focus ? "focus stored" : "focus absent");
        EXPECT_EQ(e.check1, c.check);
    }
}

TEST_F(Editor, InvisibleStateFiveIsSavedBackAsFive) {
    FillSlot3();
    Item(keys::kFocus, 3, L"5");
    editor.Charger();
    editor.Enregistrer();
    EXPECT_EQ(Stored(keys::kFocus, 3), L"5");
}

TEST_F(Editor, SaveWritesTheFieldsRebuildsTheBarAndCloses) {
    bar.filesWithIcon = window.filesWithIcon = {L"C:\\Prog\\bloc.exe"};
    editor.Charger();
    editor.text2 = L"C:\\Prog\\bloc.exe";
    editor.text1 = L"Bloc";
    editor.text3 = L"C:\\Docs\\a.txt";
    editor.option1 = 4;
    editor.check1 = 1;
    editor.Enregistrer();
    EXPECT_EQ(Stored(keys::kChemin, 3), L"C:\\Prog\\bloc.exe");
    EXPECT_EQ(Stored(keys::kTool, 3), L"Bloc");
    EXPECT_EQ(Stored(keys::kLigne, 3), L"C:\\Docs\\a.txt");
    EXPECT_EQ(Stored(keys::kFocus, 3), L"4");
    EXPECT_EQ(Stored(keys::kFicALancer, 3), L"1");
    EXPECT_FALSE(Stored(keys::kIcone, 3).has_value());  // the save never writes the icon
    EXPECT_EQ(bar.tooltips[3], L"Bloc");
    EXPECT_EQ(bar.pictures[3], L"icon:C:\\Prog\\bloc.exe");
    EXPECT_EQ(bar.pictures[0], L"free");
    EXPECT_EQ(window.closes, 1);
}

TEST_F(Editor, SaveWithEmptyCommandLineDeletesItAndEmptyPathIsKept) {
    FillSlot3();
    editor.Charger();
    editor.text3.clear();
    editor.text2.clear();
    editor.Enregistrer();
    EXPECT_FALSE(Stored(keys::kLigne, 3).has_value());
    EXPECT_EQ(Stored(keys::kChemin, 3), L"");
    EXPECT_EQ(Stored(keys::kTool, 3), L"Agenda");
    EXPECT_EQ(bar.pictures[3], L"free");

    // Saving again with no command line to delete goes on all the same.
    FrmAjouteEnleve again{platform, settings, module, bar, window};
    again.Charger();
    again.Enregistrer();
    EXPECT_EQ(window.closes, 2);
}

TEST(TooltipSuggestion, FileNameWithoutItsExtension) {
    struct Case {
        const wchar_t* path;
        std::optional<std::wstring> tooltip;
    } const cases[] = {
        {L"C:\\Prog\\Agenda.exe", L"Agenda"},
        {L"bloc.exe", L"bloc"},
        {L"C:\\ab", std::nullopt},
        {L"C:\\x.html", L"x."},
        {L"C:/Prog/outil.exe", L"C:/Prog/outil"},
        {L"C:\\Prog\\", std::nullopt},
        {L"C:\\Program Files\\Outil\\outil.exe", L"outil"},
        {L"abcd", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SuggestedTooltip(c.path), c.tooltip);
    }
}

TEST_F(Editor, BrowsingSuggestsATooltipButNeverReplacesOne) {
    window.answers = {L"C:\\Prog\\Agenda.exe"};
    editor.Charger();
    editor.OnCommand1Click();
    EXPECT_EQ(editor.text2, L"C:\\Prog\\Agenda.exe");
    EXPECT_EQ(editor.text1, L"Agenda");
    EXPECT_EQ(window.dialogs[0].filter, L"Exe (*.exe)|*.exe;*.com;*.bat|Tous Fichiers (*.*)|*.*");

    editor.text1 = L"Mon agenda";
    window.answers = {L"C:\\Prog\\bloc.exe"};
    editor.OnCommand1Click();
    EXPECT_EQ(editor.text1, L"Mon agenda");
    EXPECT_EQ(window.dialogs[1].initialName, L"C:\\Prog\\Agenda.exe");  // the name it last returned
    EXPECT_EQ(store.Changes(), 0);                                      // browsing writes nothing
}

TEST_F(Editor, UpperCaseExeIsNotAProgramToTheBrowseButIsToTheRefresh) {
    window.filesWithIcon = {L"C:\\Prog\\AGENDA.EXE"};
    window.answers = {L"C:\\Prog\\AGENDA.EXE"};
    editor.Charger();
    editor.OnCommand1Click();
    EXPECT_EQ(window.preview, L"placeholder");
    EXPECT_EQ(editor.icone1Tag, L"");

    Item(keys::kIcone, 3, L"C:\\Autre\\OUTIL.EXE");
    editor.RafraichirIcone();
    EXPECT_EQ(window.preview, L"icon:C:\\Prog\\AGENDA.EXE");
    EXPECT_EQ(editor.icone1Tag, L"C:\\Prog\\AGENDA.EXE");
}

TEST_F(Editor, CancelledProgramDialogLeavesPathAndPreview) {
    window.filesWithIcon = {L"C:\\Prog\\agenda.exe"};
    window.answers = {L"C:\\Prog\\agenda.exe", std::nullopt};
    editor.Charger();
    editor.OnCommand1Click();
    editor.OnCommand1Click();
    EXPECT_EQ(editor.text2, L"C:\\Prog\\agenda.exe");
    EXPECT_EQ(window.preview, L"icon:C:\\Prog\\agenda.exe");
    EXPECT_EQ(editor.icone1Tag, L"C:\\Prog\\agenda.exe");
}

TEST_F(Editor, IconChoiceAndCommandLineFileSurviveACancel) {
    FillSlot3();
    window.pictureFiles = {L"C:\\Images\\rond.ico"};
    window.answers = {L"C:\\Images\\rond.ico", L"C:\\Docs\\autre.txt"};
    editor.Charger();
    editor.OnIconeClick();
    EXPECT_EQ(window.dialogs[0].filter, L"Images (*.bmp;*.ico)|*.bmp;*.ico");
    EXPECT_EQ(window.dialogs[0].initialName, L"C:\\Prog\\agenda.exe");  // pre-set from the preview's tag
    EXPECT_EQ(window.preview, L"picture:C:\\Images\\rond.ico");
    editor.OnCommand3Click();
    EXPECT_EQ(editor.text3, L"C:\\Docs\\autre.txt");
    editor.Annuler();
    EXPECT_EQ(Stored(keys::kIcone, 3), L"C:\\Images\\rond.ico");
    EXPECT_EQ(Stored(keys::kLigne, 3), L"C:\\Docs\\autre.txt");
    EXPECT_EQ(Stored(keys::kTool, 3), L"Agenda");
    EXPECT_EQ(window.closes, 1);
}

TEST_F(Editor, IconDialogKeepsItsNameForADocumentAndStoresAPictureThatDoesNotLoad) {
    FillSlot3();
    Item(keys::kFicALancer, 3, L"1");
    window.answers = {L"C:\\Docs\\rdv.txt", L"C:\\Images\\abime.bmp"};
    editor.Charger();
    editor.OnCommand3Click();
    editor.OnIconeClick();
    EXPECT_EQ(window.dialogs[1].initialName, L"C:\\Docs\\rdv.txt");  // not pre-set when Check1 is ticked
    EXPECT_EQ(Stored(keys::kIcone, 3), L"C:\\Images\\abime.bmp");
}

TEST_F(Editor, NewProgramKeepsAChosenPictureIcon) {
    FillSlot3();
    Item(keys::kIcone, 3, L"C:\\Images\\rond.ico");
    window.pictureFiles = bar.pictureFiles = {L"C:\\Images\\rond.ico"};
    window.filesWithIcon = {L"C:\\Prog\\bloc.exe"};
    window.answers = {L"C:\\Prog\\bloc.exe"};
    editor.Charger();
    EXPECT_EQ(window.preview, L"picture:C:\\Images\\rond.ico");
    editor.OnCommand1Click();
    editor.Enregistrer();
    EXPECT_EQ(Stored(keys::kIcone, 3), L"C:\\Images\\rond.ico");
    EXPECT_EQ(bar.pictures[3], L"picture:C:\\Images\\rond.ico");
}

TEST_F(Editor, RemovingOneSlotLeavesTheOthersUntouched) {
    module.IndexCourant = 4;
    for (int n = 0; n <= 6; ++n) {
        Item(keys::kChemin, n, L"C:\\Prog\\p" + std::to_wstring(n) + L".exe");
        Item(keys::kTool, n, L"p" + std::to_wstring(n));
        Item(keys::kFocus, n, L"2");
    }
    bar.tooltips[4] = L"p4";
    editor.Charger();
    editor.Enlever();
    for (const wchar_t* prefix :
         {keys::kChemin, keys::kTool, keys::kIcone, keys::kLigne, keys::kFocus, keys::kFicALancer}) {
        EXPECT_EQ(Stored(prefix, 4), L"") << prefix;
    }
    for (int n : {0, 1, 2, 3, 5, 6}) {
        EXPECT_EQ(Stored(keys::kChemin, n), L"C:\\Prog\\p" + std::to_wstring(n) + L".exe");
        EXPECT_EQ(Stored(keys::kFocus, n), L"2");
    }
    EXPECT_EQ(bar.tooltips[4], L"");
    EXPECT_EQ(bar.pictures[4], L"free");
    EXPECT_EQ(window.closes, 1);
}

TEST_F(Editor, RightPressOnTheBarOpensTheEditorForThatSlotEvenWhenLocked) {
    Principal principal{platform, store, bar, module};
    principal.Block = true;
    principal.OnRightPress(9);
    EXPECT_EQ(module.IndexCourant, 9);
    EXPECT_EQ(bar.editorShown, 1);
}

}  // namespace
}  // namespace zudav
