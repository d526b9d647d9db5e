// Files dragged onto a locked bar: each slot's answer and highlight, and what a drop does once the drag is over.
#include "bar/drop.h"

#include <algorithm>

#include "bar_test.h"

namespace zudav {
namespace {

using Drop = BarTest;

// What the C runtime gives the program back: each path whole, whatever backslashes end it or stand before a quote.
TEST(DroppedFiles, EachPathIsOneArgumentOfTheProgram) {
    const struct {
        std::vector<std::wstring> files;
        const wchar_t* arguments;
    } cases[] = {
        {{L"D:\\", L"C:\\Mes lettres\\a b.txt"}, L"\"D:\\\\\" \"C:\\Mes lettres\\a b.txt\""},
        {{L"\\\\serveur\\partage\\"}, L"\"\\\\serveur\\partage\\\\\""},
        {{L"shell:x\\\"y\"z"}, L"\"shell:x\\\\\\\"y\\\"z\""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(QuotedArguments(c.files), c.arguments);
    }
}

TEST_F(Drop, EachSlotAnswersAndActsOnlyOnceTheDragIsOverWithoutMovingALockedBar) {
    principal.Charger();
    principal.OnResize();  // a column of 720-twip cells: cell n from 300 + 720 n down, 0 to 720 across
    principal.Lock();
    const Geometry held = bar.bounds;
    Item(ItemField::Chemin, 2, L"%C%\\p.exe");  // expanded, unlike a dropped file's name
    platform.environment = {{L"C", L"C:"}};
    Item(ItemField::Ligne, 2, L"/agenda");  // the dropped files take the command line's place
    Item(ItemField::Focus, 2, L"3");
    Item(ItemField::Chemin, 3, L"C:\\lettre.txt");
    Item(ItemField::FicALancer, 3, L"1");
    platform.existingFiles = platform.startablePrograms = {L"C:\\p.exe"};
    const auto middle = [](int slot) { return 300 + 720 * slot + 360.f; };
    const std::vector<std::wstring> one{L"C:\\a.txt"}, two{L"C:\\\u00e9 1", L"D:\\%C%"};
    const DropEffect none = DropEffect::None, copy = DropEffect::Copy, link = DropEffect::Link;
    struct Case {
        const char* what;
        float x, y;
        AllowedEffects allowed;
        const std::vector<std::wstring>& files;
        DropEffect effect;
        int highlighted;  // -1: no cell
        const wchar_t* retourAuto;
        const wchar_t* action;  // "editor <slot> <file>", "start <window state> <command line>[ minimised]", or ""
    } const cases[] = {
        {"free slot", 10, middle(7), {}, one, copy, 7, L"1", L"editor 7 C:\\a.txt"},
        {"linking source", 710, middle(12), {false, true}, one, link, 12, L"1", L"editor 12 C:\\a.txt"},
        {"program", 360, middle(2), {}, one, link, 2, L"1", L"start 3 \"C:\\p.exe\" \"C:\\a.txt\" minimised"},
        {"RetourAuto 0", 9, middle(2), {}, two, link, 2, L"0", L"start 3 \"C:\\p.exe\" \"C:\\\u00e9 1\" \"D:\\%C%\""},
        {"copying source", 9, middle(2), {true, false}, one, copy, 2, L"0", L"start 3 \"C:\\p.exe\" \"C:\\a.txt\""},
        {"source allowing neither", 360, middle(2), {false, false}, one, none, 2, L"1", L""},
        {"document", 360, middle(3), {}, one, none, 3, L"1", L""},
        {"above the first cell", 360, 299, {}, one, none, -1, L"1", L""},
        {"below the last cell", 360, 300 + 13 * 720, {}, one, none, -1, L"1", L""},
        {"beside the cells", 720, middle(0), {}, one, none, -1, L"1", L""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Put(Key(Option::RetourAuto), c.retourAuto);
        bar.minimized = false;
        bar.editorFiles.clear();
        platform.started.clear();
        const int writes = store.Changes();
        EXPECT_EQ(principal.OnDragOver(c.x, c.y, c.allowed), c.effect);
        std::array<bool, 13> borders{};
        if (c.highlighted >= 0) {
            borders[c.highlighted] = true;
        }
        EXPECT_EQ(bar.borders, borders);
        EXPECT_EQ(principal.OnDrop(c.x, c.y, c.allowed, c.files), c.effect);
        EXPECT_EQ(bar.borders, (std::array<bool, 13>{}));
        EXPECT_TRUE(bar.editorFiles.empty() && platform.started.empty());  // the drag's source waits for the answer
        principal.AfterDrop();
        principal.AfterDrop();  // acts once
        std::wstring action;
        for (const auto& file : bar.editorFiles) {
            action +=
                L"editor " + std::to_wstring((bar.editorSlots.empty() ? -1 : bar.editorSlots.back())) + L" " + file;
        }
        for (const auto& start : platform.started) {
            action += L"start " + std::to_wstring(start.showCommand) + L" " + start.commandLine;
        }
        EXPECT_EQ(action + (bar.minimized ? L" minimised" : L""), c.action);
        EXPECT_EQ(store.Changes(), writes);
        EXPECT_EQ(bar.bounds, held);
    }

    principal.OnDragOver(360, middle(4), {});
    principal.Survol(5);
    principal.OnDragOver(360, middle(5), {});  // the highlight follows the pointer
    principal.OnTimer();                       // and the hover's timer leaves it to the drag
    EXPECT_TRUE(bar.borders[5] && std::count(bar.borders.begin(), bar.borders.end(), true) == 1);
    principal.OnDragLeave();
    EXPECT_EQ(bar.borders, (std::array<bool, 13>{}));
    platform.startablePrograms.clear();  // a program that cannot start
    principal.OnDrop(360, middle(2), {}, one);
    principal.AfterDrop();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, L"Erreur de fichier");
}

// Several files dropped on a free slot take it and the free slots after it, each filled as the item editor fills it
// for a dropped file, all stored together; those that find none are named in one message.
TEST_F(Drop, SeveralFilesTakeTheFreeSlotsFromTheOneDroppedOnAndThoseLeftAreNamed) {
    struct Told : BarModelObserver {
        std::vector<std::vector<int>> items;
        void OnItemsChanged(const std::vector<int>& slots) override { items.push_back(slots); }
        void OnOptionChanged(Option) override {}
    } told;
    for (const int n : {4, 6, 11}) {
        Item(ItemField::Chemin, n, L"C:\\tenu.exe");
    }
    principal.Charger();
    principal.OnResize();
    principal.Model().AddObserver(told);
    platform.existingFiles = {L"C:\\P\\ou.exe"};
    platform.shortcuts = {{L"C:\\B\\Ou.lnk", {L"C:\\P\\ou.exe", L"/f", L"C:\\o.ico"}},
                          {L"C:\\B\\Np.LNK", {L"C:\\P\\ou.exe", L"", L"C:\\W\\np.dll"}}};  // a picture no box shows
    bar.pictureFiles = {L"C:\\o.ico"};
    const std::wstring ou = L"C:\\P\\ou.exe", lettre = L"D:\\lettre.txt";
    const struct {
        int slot;
        std::vector<std::wstring> files;
    } drops[] = {{3, {ou, lettre, L"C:\\B\\Ou.lnk"}},
                 {10, {lettre, L"C:\\B\\Np.LNK", L"C:\\a b.txt", L"E:\\"}},
                 {9, {ou, lettre}}};
    for (const auto& drop : drops) {
        EXPECT_EQ(principal.OnDrop(10, 300 + 720 * drop.slot + 360.f, {}, drop.files), DropEffect::Copy);
        principal.AfterDrop();
    }
    const ItemValues program{ou, L"ou", {}, {}, L"1", L"0"}, document{lettre, L"lettre", {}, {}, L"1", L"1"};
    const std::pair<int, ItemValues> stored[] = {
        {3, program},   {5, document}, {7, {ou, L"ou", L"C:\\o.ico", L"/f", L"1", L"0"}}, {8, {}}, {9, program},
        {10, document}, {12, program}};
    for (const auto& [n, values] : stored) {
        EXPECT_EQ(StoredItem(n), values) << n;
    }
    EXPECT_EQ(told.items, (std::vector<std::vector<int>>{{3, 5, 7}, {10, 12}, {9}}));
    const std::vector<std::wstring> left = {L"2 fichiers n'ont pas trouv\u00e9 d'emplacement libre : a b.txt, E:",
                                            L"1 fichier n'a pas trouv\u00e9 d'emplacement libre : lettre.txt"};
    EXPECT_EQ(bar.announcements, left);
    std::vector<std::wstring> shown;
    for (const auto& box : platform.messages) {
        shown.push_back(box.title + L"|" + box.text);
    }
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"Erreur de fichier|" + left[0], L"Erreur de fichier|" + left[1]}));
    principal.Model().RemoveObserver(told);
}

// What the Start menu or the Applications folder hand over: a shell item, without a list of files.
TEST_F(Drop, AShellItemIsTakenAsAFileWhenItHasOneAndAnAppOnlyByAFreeSlot) {
    principal.Charger();
    principal.OnResize();
    Item(ItemField::Chemin, 2, L"C:\\p.exe");
    Item(ItemField::Chemin, 3, L"C:\\lettre.txt");
    Item(ItemField::FicALancer, 3, L"1");
    platform.existingFiles = platform.startablePrograms = {L"C:\\p.exe"};
    const ShellItem app{L"Calc!App", L"Calculatrice", true};
    const ShellItem file{L"C:\\a.txt", L"a", false};
    const DropEffect none = DropEffect::None, copy = DropEffect::Copy, link = DropEffect::Link;
    struct Case {
        const char* what;
        int slot;
        AllowedEffects allowed;
        const ShellItem& item;
        DropEffect effect;
        const wchar_t* action;
    } const cases[] = {
        {"app, free slot", 7, {}, app, copy, L"editor 7 Calc!App Calculatrice"},
        {"app, linking source", 8, {false, true}, app, link, L"editor 8 Calc!App Calculatrice"},
        {"app, program", 2, {}, app, none, L""},
        {"app, document", 3, {}, app, none, L""},
        {"file, free slot", 7, {}, file, copy, L"editor 7 C:\\a.txt"},
        {"file, program", 2, {}, file, link, L"start 1 \"C:\\p.exe\" \"C:\\a.txt\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        bar.editorFiles.clear();
        bar.editorApps.clear();
        platform.started.clear();
        const float y = 300 + 720 * c.slot + 360.f;
        EXPECT_EQ(principal.OnDragOver(10, y, c.allowed, c.item.isApp ? DragContent::App : DragContent::Files),
                  c.effect);
        EXPECT_EQ(principal.OnShellItemDrop(10, y, c.allowed, c.item), c.effect);
        EXPECT_TRUE(bar.editorApps.empty() && bar.editorFiles.empty() && platform.started.empty());
        principal.AfterDrop();
        std::wstring action;
        const std::wstring editor =
            L"editor " + std::to_wstring((bar.editorSlots.empty() ? -1 : bar.editorSlots.back())) + L" ";
        for (const auto& opened : bar.editorApps) {
            action += editor + opened.path + L" " + opened.displayName;
        }
        for (const auto& opened : bar.editorFiles) {
            action += editor + opened;
        }
        for (const auto& start : platform.started) {
            action += L"start " + std::to_wstring(start.showCommand) + L" " + start.commandLine;
        }
        EXPECT_EQ(action, c.action);
    }
}

}  // namespace
}  // namespace zudav
