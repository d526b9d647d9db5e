#include "bar/construire_boutons.h"

#include <gtest/gtest.h>

#include "bar/fake/fake_bar_window.h"
#include "bar/principal.h"
#include "bar/settings/memory_store.h"
#include "platform/fake/fake_platform.h"

namespace zudav {
namespace {

class Slots : public ::testing::Test {
  protected:
    void Item(const wchar_t* prefix, int n, const std::wstring& value) {
        store.Write(L"Zudav", L"Donnees", keys::ItemKey(prefix, n), value);
    }
    void Rebuild() {
        for (int box = 0; box < 13; ++box) {
            window.ClearPicture(box);
        }
        ConstruireBoutons(module, settings, window);
    }

    MemoryStore store;
    BarSettings settings{store, L"Zudav", L'.'};
    FakeBarWindow window;
    LaBarre module;
};

TEST_F(Slots, EmptyStoreShowsThirteenFreeSlotsWithoutTooltips) {
    Rebuild();
    for (int n = 0; n < 13; ++n) {
        EXPECT_EQ(window.pictures[n], L"free") << n;
        EXPECT_EQ(window.tooltips[n], L"") << n;
    }
    EXPECT_FALSE(module.IndexCourant.has_value());
    EXPECT_FALSE(module.IconeAbsente);
}

TEST_F(Slots, ItemIconComesFromTheProgramOrTheChosenPicture) {
    window.filesWithIcon = {L"C:\\Prog\\agenda.exe", L"C:\\Prog\\calc.exe"};
    window.pictureFiles = {L"C:\\Images\\carre.bmp"};
    Item(keys::kChemin, 3, L"C:\\Prog\\agenda.exe");
    Item(keys::kTool, 3, L"Agenda");
    Item(keys::kChemin, 4, L"C:\\Prog\\agenda.exe");
    Item(keys::kIcone, 4, L"C:\\Prog\\CALC.EXE");  // another program: still the item's own icon
    Item(keys::kChemin, 5, L"C:\\Prog\\agenda.exe");
    Item(keys::kIcone, 5, L"C:\\Images\\carre.bmp");
    Item(keys::kChemin, 6, L"C:\\Prog\\agenda.exe");
    Item(keys::kIcone, 6, L"C:\\Images\\disparue.ico");  // a picture that no longer exists
    Item(keys::kChemin, 7, L"C:\\Prog\\agenda.exe");
    Item(keys::kIcone, 7, L"C:\\Prog\\outilexe");  // ends in exe without a dot
    Rebuild();
    EXPECT_EQ(window.pictures[3], L"icon:C:\\Prog\\agenda.exe");
    EXPECT_EQ(window.tooltips[3], L"Agenda");
    EXPECT_EQ(window.pictures[4], L"icon:C:\\Prog\\agenda.exe");
    EXPECT_EQ(window.pictures[5], L"picture:C:\\Images\\carre.bmp");
    EXPECT_EQ(window.pictures[6], L"");
    EXPECT_EQ(window.pictures[7], L"icon:C:\\Prog\\agenda.exe");
    EXPECT_EQ(module.IndexCourant, 7);  // the last slot that holds an item
}

TEST_F(Slots, ItemWithoutIconGetsThePlaceholderUnlessItsFlagSaysOtherwise) {
    struct Case {
        std::optional<std::wstring> flag;
        const wchar_t* shown;
    } const cases[] = {
        {std::nullopt, L"placeholder"}, {L"", L"placeholder"}, {L"1", L"placeholder"},
        {L"oui", L"placeholder"},       {L"0", L""},           {L"2", L""},
    };
    for (const auto& c : cases) {
        MemoryStore s;
        BarSettings bar{s, L"Zudav", L'.'};
        FakeBarWindow w;
        s.Write(L"Zudav", L"Donnees", L"Chemin3", L"C:\\Prog\\disparu.exe");
        if (c.flag) {
            s.Write(L"Zudav", L"Donnees", L"FicALancer3", *c.flag);
        }
        ConstruireBoutons(module, bar, w);
        EXPECT_EQ(w.pictures[3], c.shown) << (c.flag ? "flag stored" : "flag absent");
    }
}

TEST_F(Slots, DocumentWithoutIconsDrawsNothingAndSetsNoPlaceholder) {
    window.filesWithoutIconKind = {L"C:\\Docs\\lisez-moi.txt"};
    Item(keys::kChemin, 12, L"C:\\Docs\\lisez-moi.txt");
    Rebuild();
    EXPECT_EQ(window.pictures[12], L"");
    EXPECT_FALSE(module.IconeAbsente);

    // Slot 12 holding a program without an icon leaves the flag set at the end.
    Item(keys::kChemin, 12, L"C:\\Prog\\disparu.exe");
    Rebuild();
    EXPECT_TRUE(module.IconeAbsente);
    EXPECT_EQ(window.pictures[12], L"placeholder");
}

TEST_F(Slots, RemovedItemShowsTheFreeSlotPictureAndKeepsItsTooltips) {
    window.filesWithIcon = {L"C:\\Prog\\agenda.exe"};
    Item(keys::kChemin, 3, L"C:\\Prog\\agenda.exe");
    Item(keys::kTool, 3, L"Agenda");
    Rebuild();
    for (const wchar_t* prefix :
         {keys::kChemin, keys::kTool, keys::kIcone, keys::kLigne, keys::kFocus, keys::kFicALancer}) {
        Item(prefix, 3, L"");
    }
    Rebuild();
    EXPECT_EQ(window.pictures[3], L"free");
    EXPECT_EQ(window.tooltips[3], L"Agenda");
}

TEST_F(Slots, StartUpFillsTheSlots) {
    FakePlatform platform;
    Principal principal{platform, store, window, module};
    window.filesWithIcon = {L"C:\\Prog\\agenda.exe"};
    Item(keys::kChemin, 0, L"C:\\Prog\\agenda.exe");
    principal.Charger();
    EXPECT_EQ(window.pictures[0], L"icon:C:\\Prog\\agenda.exe");
    EXPECT_EQ(window.pictures[1], L"free");
    EXPECT_TRUE(window.trayIcon);
    principal.Decharger();
    EXPECT_FALSE(window.trayIcon);
}

}  // namespace
}  // namespace zudav
