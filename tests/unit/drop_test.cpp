// Files dragged onto the bar: each slot's answer and highlight, and what a drop does once the drag is over.
#include "bar/drop.h"

#include "bar_test.h"

namespace zudav {
namespace {

class Drop : public BarTest {
  protected:
    void SetUp() override {
        principal.Charger();
        principal.OnResize();  // a column of 720-twip cells: cell n from 300 + 720 n down, 0 to 720 across
        Item(keys::kChemin, 2, L"C:\\Prog\\agenda.exe");
        Item(keys::kLigne, 2, L"/agenda");
        Item(keys::kFocus, 2, L"3");
        Item(keys::kChemin, 3, L"C:\\Docs\\lettre.txt");
        Item(keys::kFicALancer, 3, L"1");
        platform.existingFiles = platform.startablePrograms = {L"C:\\Prog\\agenda.exe"};
    }
    static float Middle(int slot) { return 300 + 720 * slot + 360; }
    int Highlighted() const {  // the one cell with a border, -1 for none, -2 for several
        const auto count = std::count(bar.borders.begin(), bar.borders.end(), true);
        return count == 0  ? -1
               : count > 1 ? -2
                           : int(std::find(bar.borders.begin(), bar.borders.end(), true) - bar.borders.begin());
    }
};

TEST_F(Drop, EachSlotAnswersAndIsHighlightedWhileFilesAreDraggedOverIt) {
    struct Case {
        const char* what;
        float x, y;
        AllowedEffects allowed;
        DropEffect effect;
        int highlighted;
    } const cases[] = {
        {"free slot", 360, Middle(0), {}, DropEffect::Copy, 0},
        {"program", 700, Middle(2), {}, DropEffect::Link, 2},
        {"program, a source that only copies", 10, Middle(2), {true, false}, DropEffect::Copy, 2},
        {"free slot, a source that only links", 360, Middle(12), {false, true}, DropEffect::Link, 12},
        {"program, a source that allows neither", 360, Middle(2), {false, false}, DropEffect::None, 2},
        {"document", 360, Middle(3), {}, DropEffect::None, 3},
        {"above the first cell", 360, 299, {}, DropEffect::None, -1},
        {"below the last cell", 360, 300 + 13 * 720, {}, DropEffect::None, -1},
        {"beside the cells", 720, Middle(0), {}, DropEffect::None, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(principal.OnDragOver(c.x, c.y, c.allowed), c.effect);
        EXPECT_EQ(Highlighted(), c.highlighted);
        EXPECT_EQ(principal.OnDrop(c.x, c.y, c.allowed, {L"C:\\Docs\\a.txt"}), c.effect);
        EXPECT_EQ(Highlighted(), -1);
    }
    principal.OnDragOver(360, Middle(4), {});
    principal.OnDragLeave();
    EXPECT_EQ(Highlighted(), -1);
}

TEST_F(Drop, ADropActsOnlyOnceTheDragIsOverAndNeverMovesALockedBar) {
    // What the drop does: the item editor on the first file, the program with the files, or nothing.
    struct Case {
        const char* what;
        int slot;
        std::vector<std::wstring> files;
        const wchar_t* retourAuto;
        const wchar_t* editorFile;  // nullptr: no editor
        const wchar_t* command;     // nullptr: nothing started
        bool minimized;
    } const cases[] = {
        {"free slot", 7, {L"C:\\Prog\\bloc.exe", L"C:\\Docs\\b.txt"}, L"1", L"C:\\Prog\\bloc.exe", nullptr, false},
        {"program", 2, {L"C:\\Docs\\a.txt"}, L"1", nullptr, L"\"C:\\Prog\\agenda.exe\" \"C:\\Docs\\a.txt\"", true},
        {"program, blanks, accents, RetourAuto 0",
         2,
         {L"C:\\Mes documents\\\u00c9t\u00e9 1.txt", L"D:\\b c"},
         L"0",
         nullptr,
         L"\"C:\\Prog\\agenda.exe\" \"C:\\Mes documents\\\u00c9t\u00e9 1.txt\" \"D:\\b c\"",
         false},
        {"document", 3, {L"C:\\Docs\\a.txt"}, L"1", nullptr, nullptr, false},
        {"no file", 7, {}, L"1", nullptr, nullptr, false},
    };
    principal.Block = true;
    principal.OnPaint();
    const Geometry held = bar.bounds;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Put(keys::kRetourAuto, c.retourAuto);
        bar.minimized = false;
        bar.editorFiles.clear();
        platform.started.clear();
        const int writes = store.Changes();
        principal.OnDrop(360, Middle(c.slot), {}, c.files);
        EXPECT_TRUE(bar.editorFiles.empty() && platform.started.empty());  // the drag's source waits for the answer
        principal.AfterDrop();
        EXPECT_EQ(bar.editorFiles,
                  c.editorFile ? std::vector<std::wstring>{c.editorFile} : std::vector<std::wstring>{});
        ASSERT_EQ(platform.started.size(), c.command ? 1u : 0u);
        if (c.command) {
            EXPECT_EQ(platform.started[0].commandLine, c.command);
            EXPECT_EQ(platform.started[0].showCommand, 3);
        } else if (c.editorFile) {
            EXPECT_EQ(module.IndexCourant, c.slot);
        }
        EXPECT_EQ(bar.minimized, c.minimized);
        EXPECT_EQ(store.Changes(), writes);
        EXPECT_EQ(bar.bounds, held);
        principal.AfterDrop();  // once only
        EXPECT_LE(bar.editorFiles.size() + platform.started.size(), 1u);
    }

    platform.startablePrograms.clear();  // a program that cannot start
    principal.OnDrop(360, Middle(2), {}, {L"C:\\Docs\\a.txt"});
    principal.AfterDrop();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, L"Erreur de fichier");
}

}  // namespace
}  // namespace zudav
