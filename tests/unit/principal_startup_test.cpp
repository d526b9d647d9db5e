#include "bar/principal.h"

#include <gtest/gtest.h>

#include "bar/fake/fake_bar_window.h"
#include "bar/settings/memory_store.h"
#include "platform/fake/fake_platform.h"

namespace zudav {
namespace {

class PrincipalStartup : public ::testing::Test {
  protected:
    void Store(const std::wstring& key, const std::wstring& value) { store.Write(L"Zudav", L"Donnees", key, value); }
    std::optional<std::wstring> Stored(const std::wstring& key) const { return store.Find(L"Zudav", L"Donnees", key); }

    FakePlatform platform;
    MemoryStore store;
    FakeBarWindow window;
    LaBarre module;
    Principal principal{platform, store, window, module};
};

TEST_F(PrincipalStartup, EmptyStoreGivesTheDefaultBar) {
    ASSERT_EQ(principal.Charger(), Principal::LoadResult::Running);
    EXPECT_EQ(window.bounds, (Geometry{1, 1, 870, 8490}));
    EXPECT_FALSE(principal.Horizon);
    EXPECT_TRUE(principal.ResizeOK);
    EXPECT_FALSE(principal.Block);
    EXPECT_EQ(principal.C, 0);
    EXPECT_TRUE(window.topmost);
    EXPECT_EQ(window.caption, L"Zudav");
    EXPECT_EQ(window.icon, L"");  // no stored icon: the window has none
    EXPECT_EQ(module.SautLigne, L"\r\n");
    EXPECT_EQ(platform.helpFile, L"C:\\Outils\\Zudav.chm");
    EXPECT_EQ(store.Changes(), 0);
}

TEST_F(PrincipalStartup, SecondCopyEndsBeforeReadingOrShowingAnything) {
    platform.runningCopies.insert(L"zudav");
    platform.executablePath = L"C:\\Outils\\ZUDAV.EXE";
    Store(L"Caption", L"Ma barre");
    EXPECT_EQ(principal.Charger(), Principal::LoadResult::AlreadyRunning);
    EXPECT_EQ(window.caption, L" ");
    EXPECT_FALSE(window.shown);
    EXPECT_EQ(platform.helpFile, L"");
    EXPECT_EQ(store.Changes(), 1);  // only the test's own write
}

TEST_F(PrincipalStartup, CopyUnderAnotherNameRunsWithItsOwnKeys) {
    platform.runningCopies.insert(L"zudav");
    platform.executablePath = L"C:\\Outils\\Autre.exe";
    Store(L"left", L"5000");
    store.Write(L"Autre", L"Donnees", L"left", L"300");
    Principal autre{platform, store, window, module};
    ASSERT_EQ(autre.Charger(), Principal::LoadResult::Running);
    EXPECT_EQ(window.caption, L"Autre");
    EXPECT_EQ(window.bounds.left, 300);
    EXPECT_EQ(platform.helpFile, L"C:\\Outils\\Zudav.chm");  // one help file for every bar
}

TEST_F(PrincipalStartup, CorrectionIsAddedToTheTopAtEveryStart) {
    Store(L"Coef", L"120");
    Store(L"top", L"3000");
    principal.Charger();
    EXPECT_EQ(principal.C, 120);
    EXPECT_EQ(window.bounds.top, 3120);
    principal.Decharger();
    EXPECT_EQ(Stored(L"top"), L"3120");

    // A negative correction moves the bar up; an empty caption turns it off.
    Store(L"Coef", L"-40");
    FakePlatform second;
    FakeBarWindow secondWindow;
    Principal again{second, store, secondWindow, module};
    again.Charger();
    EXPECT_EQ(secondWindow.bounds.top, 3080);

    Store(L"Caption", L"");
    FakePlatform third;
    FakeBarWindow thirdWindow;
    Principal noName{third, store, thirdWindow, module};
    noName.Charger();
    EXPECT_EQ(thirdWindow.caption, L"");
    EXPECT_EQ(noName.C, 0);
    EXPECT_EQ(thirdWindow.bounds.top, 3120);
}

TEST_F(PrincipalStartup, CorrectionThatDoesNotFitSixteenBitsIsIgnored) {
    Store(L"Coef", L"40000");
    Store(L"top", L"100");
    principal.Charger();
    EXPECT_EQ(principal.C, 0);
    EXPECT_EQ(window.bounds.top, 100);
}

TEST_F(PrincipalStartup, AlwaysOnTopOnlyWhenTheValueIsOne) {
    struct Case {
        std::optional<std::wstring> value;
        bool topmost;
    } const cases[] = {{std::nullopt, true}, {L"1", true}, {L"0", false}, {L"2", false}, {L"oui", false}, {L"", false}};
    for (const auto& c : cases) {
        FakePlatform p;
        MemoryStore s;
        FakeBarWindow w;
        if (c.value) {
            s.Write(L"Zudav", L"Donnees", L"AlwaysOnTop", *c.value);
        }
        Principal bar{p, s, w, module};
        bar.Charger();
        EXPECT_EQ(w.topmost, c.topmost) << (c.value ? "stored" : "absent");
    }
}

TEST_F(PrincipalStartup, LockWithoutHeldGeometryKeepsZero) {
    Store(L"Bloqu\u00e9e", L"1");
    Store(L"GranY", L"450");
    Store(L"Lar", L"900");
    Store(L"Hau", L"pas un nombre");
    principal.Charger();
    EXPECT_TRUE(principal.Block);
    EXPECT_EQ(principal.GranX, 0);
    EXPECT_EQ(principal.GranY, 450);
    EXPECT_EQ(principal.Lar, 900);
    EXPECT_EQ(principal.Hau, 0);
}

TEST_F(PrincipalStartup, UnlockedBarIgnoresHeldGeometry) {
    Store(L"Bloqu\u00e9e", L"False");
    Store(L"GranX", L"450");
    principal.Charger();
    EXPECT_FALSE(principal.Block);
    EXPECT_EQ(principal.GranX, 0);
}

TEST_F(PrincipalStartup, StoredValuesThatAreNotNumbersLeaveTheDesignValues) {
    window.bounds = {75, 60, 1000, 7000};
    Store(L"left", L"gauche");
    Store(L"top", L"");
    Store(L"width", L"1200");
    Store(L"height", L"12,5");
    Store(L"Horizont", L"peut-\u00eatre");
    principal.Charger();
    EXPECT_EQ(window.bounds, (Geometry{75, 60, 1200, 7000}));
    EXPECT_FALSE(principal.Horizon);
}

TEST_F(PrincipalStartup, OrientationAndLocaleDecimals) {
    platform.decimalSeparator = L',';
    Principal french{platform, store, window, module};
    Store(L"Horizont", L"True");
    Store(L"left", L"12,5");
    Store(L"width", L"1.5");  // not a number in a comma locale
    french.Charger();
    EXPECT_TRUE(french.Horizon);
    EXPECT_EQ(window.bounds.left, 12.5f);
    EXPECT_EQ(window.bounds.width, 870);
}

TEST_F(PrincipalStartup, WindowIconFromTheStoredFile) {
    window.loadableIcons = {L"C:\\Icones\\barre.ico"};
    Store(L"Icone", L"C:\\Icones\\barre.ico");
    principal.Charger();
    EXPECT_EQ(window.icon, L"C:\\Icones\\barre.ico");

    // A file that does not load as an icon leaves the built-in one.
    FakePlatform p;
    MemoryStore s;
    FakeBarWindow w;
    s.Write(L"Zudav", L"Donnees", L"icone", L"C:\\Images\\photo.jpg");
    Principal other{p, s, w, module};
    other.Charger();
    EXPECT_EQ(w.icon, L"built-in");
}

TEST_F(PrincipalStartup, ExitWritesTheSizeThatTheNextStartReads) {
    principal.Charger();
    window.SetLeft(3000);
    window.SetWidth(1200);
    window.SetHeight(9000);
    principal.Decharger();
    EXPECT_EQ(store.StoredName(L"Zudav", L"Donnees", L"width"), L"Width");
    EXPECT_EQ(store.StoredName(L"Zudav", L"Donnees", L"height"), L"Height");
    EXPECT_EQ(Stored(L"left"), L"3000");

    FakePlatform next;
    FakeBarWindow nextWindow;
    Principal restarted{next, store, nextWindow, module};
    restarted.Charger();
    EXPECT_EQ(nextWindow.bounds, (Geometry{3000, 1, 1200, 9000}));
}

TEST_F(PrincipalStartup, MinimisedBarSavesItsRestoredPlace) {
    principal.Charger();
    window.restored = {3000, 1500, 870, 10215};
    window.bounds = {-32000, -32000, 2400, 405};
    window.minimized = true;
    principal.Decharger();
    EXPECT_EQ(Stored(L"left"), L"3000");
    EXPECT_EQ(Stored(L"top"), L"1500");
    EXPECT_EQ(Stored(L"Width"), L"870");
    EXPECT_EQ(Stored(L"Height"), L"10215");
}

TEST_F(PrincipalStartup, QuitClosesTheWindow) {
    principal.Charger();
    principal.OnMenu(MenuCommand::Quitter);
    EXPECT_EQ(window.closeRequests, 1);
}

}  // namespace
}  // namespace zudav
