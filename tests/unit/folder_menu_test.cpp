// A folder's menu: its lines and their order, the letter that selects an entry, where it opens, and the names of the
// shortcuts that dropped files become.
#include "bar/folder_menu.h"

#include <gtest/gtest.h>

#include <set>

#include "bar/accessible_names.h"
#include "bar/slot_geometry.h"
#include "bar_test.h"
#include "editor/fake/fake_editor_window.h"
#include "editor/frm_ajoute_enleve.h"
#include "platform/fake/fake_platform.h"

namespace zudav {
namespace {

// Explorer's order, as the fake platform answers it for these names like Windows' StrCmpLogicalW.
int Logical(const std::wstring& a, const std::wstring& b) {
    static const FakePlatform platform;
    return platform.CompareAsExplorer(a, b);
}

std::wstring Shown(const std::vector<FolderMenuLine>& lines) {
    std::wstring text;
    for (const FolderMenuLine& line : lines) {
        text += (line.kind == FolderMenuLine::Kind::Separator ? L"-" : line.text) + (line.submenu ? L">" : L"") +
                (line.greyed ? L"~" : L"") + L"|";
    }
    return text;
}

TEST(FolderMenu, SubFoldersThenFilesInExplorersOrderThenTheFolderItself) {
    const std::vector<FolderEntry> entries = {
        {L"Sous-dossier 10", true},
        {L"notes.txt"},
        {L"Sous-dossier 2", true},
        {L"desktop.ini", false, true},
        {L"Outils & jeux", true},
        {L"agenda"},
        {L"Cach\u00e9", true, true},
        {L"Bloc-notes"},
        {L"\u00e9t\u00e9 2026.docx"},
        {L"Document 9"},
        {L"document 10"},
    };
    const struct {
        FolderReading reading;
        bool showHidden;
        std::wstring shown;
    } cases[] = {
        {FolderReading::Done, false,
         L"Outils && jeux>|Sous-dossier 2>|Sous-dossier 10>|agenda|Bloc-notes|Document 9|document 10|"
         L"\u00e9t\u00e9 2026.docx|notes.txt|-|Ouvrir le dossier|"},
        {FolderReading::Reading, true,
         L"Cach\u00e9>|Outils && jeux>|Sous-dossier 2>|Sous-dossier 10>|agenda|Bloc-notes|desktop.ini|Document 9|"
         L"document 10|\u00e9t\u00e9 2026.docx|notes.txt|Lecture\u2026~|-|Ouvrir le dossier|"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Shown(FolderMenuLines(entries, c.reading, c.showHidden, Logical)), c.shown);
    }
    EXPECT_EQ(Shown(FolderMenuLines({}, FolderReading::Done, false, Logical)), L"(vide)~|-|Ouvrir le dossier|");
    EXPECT_EQ(Shown(FolderMenuLines({{L".cache", true, true}}, FolderReading::Done, false, Logical)),
              L"(vide)~|-|Ouvrir le dossier|")
        << "only hidden entries: empty as Explorer shows it";
    EXPECT_EQ(Shown(FolderMenuLines({}, FolderReading::Unreadable, false, Logical)),
              L"(inaccessible)~|-|Ouvrir le dossier|");
}

TEST(FolderMenu, ALetterSelectsTheNextEntryBeginningWithItInAnyCase) {
    const std::vector<FolderEntry> entries = {{L"bloc"}, {L"Agenda"}, {L"archives", true}, {L"Bureau"}};
    const auto lines = FolderMenuLines(entries, FolderReading::Done, false, Logical);  // archives, Agenda, bloc, Bureau
    const struct {
        wchar_t letter;
        std::optional<int> current, selected;
    } cases[] = {{L'b', {}, 2}, {L'B', 2, 3}, {L'b', 3, 2}, {L'a', 1, 0}, {L'o', 0, std::nullopt}, {L'a', 5, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(LineForLetter(lines, entries, c.letter, c.current), c.selected) << c.letter;
    }
}

TEST(FolderMenu, ItOpensBesideItsSlotTowardsTheRoomOfTheWorkArea) {
    const PixelRect area{0, 0, 1920, 1040};
    const struct {
        PixelRect slot;
        bool horizontal;
        PixelPoint at;
        bool right, bottom;
        MenuSide side;
    } cases[] = {
        {{0, 300, 58, 358}, false, {58, 300}, false, false, MenuSide::Right},       // left edge: to the right
        {{1862, 300, 1920, 358}, false, {1862, 300}, true, false, MenuSide::Left},  // right edge: to the left
        {{500, 0, 558, 58}, true, {500, 58}, false, false, MenuSide::Below},        // top edge: below
        {{500, 982, 558, 1040}, true, {500, 982}, false, true, MenuSide::Above},    // bottom edge: above
        {{900, 400, 958, 458}, false, {958, 400}, false, false, MenuSide::Right},   // floating, more room right
    };
    for (const auto& c : cases) {
        const MenuAnchor anchor = FolderMenuAnchor(c.slot, area, c.horizontal);
        EXPECT_EQ(anchor.at.x, c.at.x);
        EXPECT_EQ(anchor.at.y, c.at.y);
        EXPECT_EQ(anchor.alignRight, c.right);
        EXPECT_EQ(anchor.alignBottom, c.bottom);
        EXPECT_EQ(FolderMenuSide(c.slot, area, c.horizontal), c.side);
    }
}

// The slot's mark points to where its menu opens, in the cell's margin; a cell without a margin shows none.
TEST(FolderMenu, TheSlotsMarkPointsToItsMenuInTheCellsMargin) {
    const PixelRect cell{0, 0, 48, 48}, icon{8, 8, 40, 40};
    using Mark = std::optional<std::array<PixelPoint, 3>>;
    const auto text = [](const Mark& mark) {
        std::string drawn;
        for (const PixelPoint& point : mark.value_or(std::array<PixelPoint, 3>{})) {
            drawn += std::to_string(point.x) + "," + std::to_string(point.y) + " ";
        }
        return mark ? drawn : "none";
    };
    EXPECT_EQ(text(FolderMark(cell, icon, MenuSide::Right)), "41,19 46,24 41,29 ");
    EXPECT_EQ(text(FolderMark(cell, icon, MenuSide::Left)), "7,19 2,24 7,29 ");
    EXPECT_EQ(text(FolderMark(cell, icon, MenuSide::Below)), "19,41 24,46 29,41 ");
    EXPECT_EQ(text(FolderMark(cell, icon, MenuSide::Above)), "19,7 24,2 29,7 ");
    EXPECT_EQ(text(FolderMark(cell, cell, MenuSide::Right)), "none");
}

TEST(FolderMenu, ADroppedFileNeverReplacesOneOfTheFolder) {
    const std::set<std::wstring> folder = {L"outil.lnk", L"outil (2).lnk", L"lettre.txt"};
    const auto taken = [&](const std::wstring& name) { return folder.count(name) > 0; };
    EXPECT_EQ(ShortcutFileName(L"outil", taken), L"outil (3).lnk");
    EXPECT_EQ(ShortcutFileName(L"lettre", taken), L"lettre.lnk");
}

using FolderSlot = BarTest;

// A slot that shows its folder's contents opens the menu instead of the folder, and starts what is chosen there as a
// launch does; a folder on a share opens its menu at once, without being touched by the bar (it is read away from it);
// an app or a slot without the option opens as before.
TEST_F(FolderSlot, TheMenuOpensInsteadOfTheFolderAndWhatIsChosenStartsAsALaunch) {
    principal.Charger();
    platform.existingFolders = {L"C:\\Outils", L"R:\\Commun"};
    platform.remoteDrives = {L'R'};
    using Choice = std::optional<BarWindow::FolderChoice>;
    const struct {
        const wchar_t *chemin, *contenu;
        Choice choice;
        bool administrator;
        StartResult answer;
        std::wstring menus, starts;  // the menus shown; each start as "verb|file|folder"
        size_t messages;
    } cases[] = {
        {L"C:\\Outils", L"1", Choice{{L"C:\\Outils\\a.exe", false}}, false, StartResult::Started, L"3 C:\\Outils",
         L"item |C:\\Outils\\a.exe|C:\\Outils", 0},
        {L"C:\\Outils", L"1", Choice{{L"C:\\Outils\\Jeux\\b.lnk", false}}, true, StartResult::Cancelled,
         L"3 C:\\Outils", L"item runas|C:\\Outils\\Jeux\\b.lnk|C:\\Outils\\Jeux", 0},
        {L"C:\\Outils", L"1", Choice{{L"C:\\Outils\\c.exe", true}}, false, StartResult::NotFound, L"3 C:\\Outils",
         L"item runas|C:\\Outils\\c.exe|C:\\Outils", 1},
        {L"C:\\Outils", L"1", std::nullopt, false, StartResult::Started, L"3 C:\\Outils", L"", 0},  // closed
        {L"shell:Programs", L"1", std::nullopt, false, StartResult::Started, L"3 shell:Programs", L"", 0},
        {L"R:\\Commun", L"1", std::nullopt, false, StartResult::Started, L"3 R:\\Commun away", L"", 0},
        {L"\\\\serveur\\Commun", L"1", std::nullopt, false, StartResult::Started, L"3 \\\\serveur\\Commun away", L"",
         0},
        {L"C:\\Outils", L"0", std::nullopt, false, StartResult::Started, L"", L"open|C:\\Outils|", 0},
        {L"shell:AppsFolder\\Calc!App", L"1", std::nullopt, false, StartResult::Started, L"", L"open|", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << testing::PrintToString(std::wstring(c.chemin)) << " " << c.contenu);
        Item(ItemField::Chemin, 3, c.chemin);
        Item(ItemField::FicALancer, 3, L"1");
        Item(ItemField::Contenu, 3, c.contenu);
        bar.folderMenus.clear();
        bar.folderChoice = c.choice;
        platform.shellStarts.clear();
        platform.messages.clear();
        platform.shellAnswer = c.answer;
        principal.LancerItem(3, c.administrator);
        std::wstring menus, starts;
        for (const auto& menu : bar.folderMenus) {
            menus += menu;
        }
        for (const ShellStart& start : platform.shellStarts) {
            starts += (start.asShellItem ? L"item " : L"") + start.verb + L"|" + start.file + L"|" + start.folder;
        }
        EXPECT_EQ(menus, c.menus);
        EXPECT_EQ(starts.substr(0, c.starts.size()), c.starts);
        EXPECT_EQ(platform.messages.size(), c.messages);
    }
    EXPECT_TRUE(platform.waitingCalls.empty()) << "a folder on a share was read on the bar's thread";
}

// The editor offers the menu for a folder only, and stores the choice with the item; opened again, it shows it.
TEST_F(FolderSlot, TheEditorOffersTheMenuForAFolderAndStoresItWithTheItem) {
    platform.existingFolders = {L"C:\\Outils"};
    platform.environment = {{L"O", L"C:\\Outils"}};
    const struct {
        const wchar_t* path;
        bool offered;
        const wchar_t* stored;
    } cases[] = {{L"%O%", true, L"1"},
                 {L"shell:Downloads", true, L"1"},
                 {L"shell:AppsFolder\\Calc!App", false, L"0"},
                 {L"C:\\Outils\\a.exe", false, L"0"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.path)));
        FakeEditorWindow view;
        FrmAjouteEnleve editor{platform, principal.Model(), 2, view};
        editor.Charger();
        editor.text2 = c.path;
        editor.OnText2Pause();
        EXPECT_EQ(editor.contenuPossible, c.offered);
        editor.contenu = 1;
        editor.Enregistrer();
        EXPECT_EQ(Stored(L"Contenu2"), c.stored);
        FrmAjouteEnleve again{platform, principal.Model(), 2, view};
        again.Charger();
        EXPECT_EQ(again.contenu, c.offered ? 1 : 0);
    }
}

// Files dropped on the slot become shortcuts in its folder, the pointer showing a link; an app, or a shell folder
// without files of its own, is refused. Screen readers hear a menu button that shows the folder's contents.
TEST_F(FolderSlot, FilesDroppedOnItBecomeShortcutsInItsFolderWithoutReplacingOne) {
    principal.Charger();
    principal.OnResize();  // a column of 720-twip cells: cell n from 300 + 720 n down
    platform.existingFolders = {L"C:\\Outils", L"D:\\Photos"};
    platform.existingFiles = {L"C:\\Outils\\lettre.lnk"};
    Item(ItemField::Chemin, 2, L"C:\\Outils");
    Item(ItemField::Contenu, 2, L"1");
    Item(ItemField::Chemin, 3, L"shell:Programs");
    Item(ItemField::Contenu, 3, L"1");
    platform.shellNames = {{L"shell:Programs", L"Programmes"}};
    principal.Rafraichir();
    const auto middle = [](int slot) { return 300 + 720 * slot + 360.f; };
    EXPECT_EQ(principal.OnDragOver(10, middle(2), {}), DropEffect::Link);
    EXPECT_EQ(principal.OnDragOver(10, middle(2), {}, DragContent::App), DropEffect::None);
    EXPECT_EQ(principal.OnDragOver(10, middle(3), {}), DropEffect::None);
    const std::vector<std::wstring> files{L"C:\\Docs\\lettre.txt", L"C:\\Docs\\lettre.doc", L"D:\\Photos"};
    EXPECT_EQ(principal.OnDrop(10, middle(2), {}, files), DropEffect::Link);
    principal.AfterDrop();
    EXPECT_EQ(platform.shortcutsMade, (std::vector<std::wstring>{L"C:\\Outils\\lettre (2).lnk -> C:\\Docs\\lettre.txt",
                                                                 L"C:\\Outils\\lettre (3).lnk -> C:\\Docs\\lettre.doc",
                                                                 L"C:\\Outils\\Photos.lnk -> D:\\Photos"}));
    EXPECT_TRUE(platform.started.empty() && platform.shellStarts.empty() && bar.editorShown == 0);
    const AccessibleElement described = DescribeElement(SlotElement(2), bar.items, true);
    EXPECT_EQ(described.role, ElementRole::MenuButton);
    EXPECT_EQ(described.defaultAction, L"Afficher le contenu");
    // Without a tooltip of its own, a folder's slot is called by the folder's name.
    EXPECT_EQ(bar.tooltips[2], L"Outils");
    EXPECT_EQ(bar.tooltips[3], L"Programmes");
    EXPECT_EQ(described.name, L"Outils");
}

}  // namespace
}  // namespace zudav
