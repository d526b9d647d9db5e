#include "config/frm_aide.h"

#include <functional>
#include <map>
#include <tuple>
#include <vector>

#include "bar/settings/ini_text.h"
#include "bar/settings/transfer.h"
#include "bar_test.h"
#include "config/fake/fake_config_window.h"
#include "platform/help.h"
#include "platform/paths.h"

namespace zudav {
namespace {

class Configuration : public BarTest {
  protected:
    void SetUp() override {
        principal.Charger();
        bar.onResize = [this] {
            resizes.emplace_back(bar.bounds.width, bar.bounds.height, principal.LayoutRuns());
            principal.OnResize();
        };
    }
    std::optional<std::wstring> Shared(const std::wstring& key) const { return store.Find(L"Reredo", L"Donnees", key); }

    using Resize = std::tuple<float, float, bool>;  // the bar's width and height, and whether it was laid out
    FakeConfigWindow view;
    FrmAide aide{platform, principal, bar, view};
    DesktopToolbarList shell;
    std::vector<Resize> resizes;
};

TEST_F(Configuration, TheWindowOpensAsTheBarIsAndClosingStoresTheOptionsTheTopmostBandFollowingAtOnce) {
    aide.Charger();
    // On top and minimised after a launch, as a fresh bar is; not locked; the miniature of a vertical bar.
    EXPECT_EQ((std::vector<int>{aide.check1[0], aide.check1[2], aide.check2, aide.frame3Visible, aide.frame4Visible}),
              (std::vector<int>{1, 1, 0, 1, 0}));
    EXPECT_EQ((std::vector{aide.text1, aide.text2, aide.text3, aide.text4, aide.label1, view.ico[0], view.image1}),
              (std::vector<std::wstring>{L"Zudav", L"0", L"200", L"100", std::wstring(kConsigneAjout) + L"\r\n\r\n",
                                         L"free", L"bar icon"}));
    aide.Fermer();  // at once: nothing changes
    EXPECT_EQ((std::vector{Stored(L"AlwaysOnTop"), Stored(L"RetourAuto"), Stored(L"Bloqu\u00e9e"), Stored(L"Caption"),
                           Stored(L"Coef"), Shared(L"MargeHt"), Shared(L"MargeDx"), Stored(L"GranX"),
                           Stored(L"ChaqueEcran")}),
              (std::vector<std::optional<std::wstring>>{L"1", L"1", L"0", L"Zudav", L"0", L"200", L"100", {}, L"0"}));
    EXPECT_TRUE(bar.topmost);
    EXPECT_EQ(view.closes, 1);

    Put(L"AlwaysOnTop", L"0");
    Put(L"RetourAuto", L"0");
    Put(L"Bloqu\u00e9e", L"1");
    Put(L"ChaqueEcran", L"1");
    aide.Charger();
    EXPECT_EQ(aide.check1, (std::array<int, 3>{0, 0, 0}));
    EXPECT_EQ(aide.check2, 1);
    EXPECT_EQ(aide.chaqueEcran, 1);
    bar.topmost = true;
    aide.text1 = L"Outils";
    aide.text3 = L"abc";
    aide.Fermer();
    EXPECT_FALSE(bar.topmost) << "a clear box leaves the topmost band at once";
    EXPECT_EQ(bar.caption, L"Outils");
    EXPECT_EQ(Stored(L"Caption"), L"Outils");
    EXPECT_EQ(Shared(L"MargeHt"), L"abc") << "margins are stored as typed";
    aide.Charger();
    aide.check1[0] = 1;
    aide.Fermer();
    EXPECT_TRUE(bar.topmost) << "a ticked box takes the bar into the band at once";
}

TEST_F(Configuration, TheLookFollowsTheSystemUntilTheBarChoosesOneAndEachChangeIsShownOnce) {
    using Looks = std::vector<Look>;
    constexpr Look light = Look::Light, dark = Look::Dark, contrast = Look::HighContrast;
    EXPECT_EQ(bar.looks, Looks{light}) << "started under light apps";
    aide.Charger();
    // Each step: the system's apps' look and high contrast, then the look chosen in the window (1 "Clair", 2 "Sombre"),
    // or with 0 the system's change told three times; and every look shown since start-up.
    const struct {
        bool appsDark, highContrast;
        int chosen;
        Looks shown;
    } steps[] = {
        {true, false, 0, {light, dark}},
        {true, false, 1, {light, dark, light}},
        {false, false, 0, {light, dark, light}},  // the system light again
        {false, true, 0, {light, dark, light, contrast}},
        {false, true, 2, {light, dark, light, contrast}},
        {false, false, 0, {light, dark, light, contrast, dark}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "dark apps " << step.appsDark << ", high contrast " << step.highContrast
                                        << ", chosen " << step.chosen);
        platform.appsDark = step.appsDark;
        platform.highContrast = step.highContrast;
        for (int told = 0; told < (step.chosen == 0 ? 3 : 0); ++told) {
            principal.OnLookSettingChange();
        }
        if (step.chosen != 0) {
            aide.theme = step.chosen;
            aide.OnThemeChange();
        }
        EXPECT_EQ(bar.looks, step.shown);
    }
    EXPECT_EQ(Stored(Key(Option::Theme)), std::nullopt) << "stored on closing, as the other options";
    aide.Fermer();
    EXPECT_EQ(Stored(Key(Option::Theme)), L"2");

    // The next start, under light apps, takes the stored choice; a value it does not know follows the system.
    for (const auto& [stored, look] : {std::pair{L"2", dark}, std::pair{L"9", light}}) {
        Put(Key(Option::Theme), stored);
        FakeBarWindow next;
        platform.runningCopies.clear();  // the first bar has ended
        Principal(platform, store, next).Charger();
        EXPECT_EQ(next.looks, Looks{look}) << stored;
    }
}

// A key taken from the box is the bar's at once, unless another program holds it or, with Ctrl+Alt alone, it gives a
// character with AltGr on a loaded layout.
TEST_F(Configuration, AHotKeyIsTakenAtOnceRefusedWhenHeldElsewhereOrGivingACharacterStoredOnClosing) {
    bar.takenHotKeys = {0x0654};
    const std::map<unsigned, std::wstring> us{{'E', L"\x05"}, {'F', L"\x06"}},
        azerty{{'E', L"\u20ac"}, {'0', L"@"}, {'2', L"~"}};
    platform.keyboardLayouts = {us, azerty};
    const auto altGr = [](const wchar_t* key, const wchar_t* character) {
        return L"Ctrl+Alt+" + std::wstring(key) + L" donne \u00ab " + character +
               L" \u00bb sur votre clavier. Choisissez une autre combinaison.";
    };
    aide.Charger();
    const struct {
        std::uint16_t typed;    // what the box holds after a key, or, when handedBack, what another bar handed back
        bool held, handedBack;  // held: a modifier down
        std::uint16_t shown, barKey;
        std::wstring message;
    } steps[] = {
        // HOTKEYF_ flags in the high byte: 1 Shift, 2 Ctrl, 4 Alt, 8 extended.
        {0x0642, true, false, 0x0642, 0x0642, {}},              // Ctrl+Alt+B
        {0x0200, true, false, 0x0200, 0x0642, {}},              // Ctrl held, while the user types
        {0x0300, true, false, 0x0300, 0x0642, {}},              // and Shift: the key went to the bar that holds it...
        {0, false, false, 0x0642, 0x0642, {}},                  // ...and the modifiers let go: no choice made
        {0, true, false, 0, 0x0642, {}},                        // Ctrl held, the box empty meanwhile (Wine's)
        {0x0341, false, true, 0x0642, 0x0642, kRaccourciPris},  // the bar that holds Ctrl+Shift+A hands it back
        {0x0642, false, true, 0x0642, 0x0642, {}},              // this bar's own, handed back by itself
        {0x0654, true, false, 0x0642, 0x0642, kRaccourciPris},  // Ctrl+Alt+T, held by another program
        {0x0645, true, false, 0x0642, 0x0642, altGr(L"E", L"\u20ac")},  // on the second layout
        {0x0E30, true, false, 0x0642, 0x0642, altGr(L"0", L"@")},
        {0x0632, true, false, 0x0642, 0x0642, altGr(L"2", L"~")},
        {0x0646, true, false, 0x0646, 0x0646, {}},  // a control character is nothing the user types
        {0x0745, true, false, 0x0745, 0x0745, {}},  // with Shift, Ctrl alone or Alt alone, AltGr is not pressed
        {0x0245, true, false, 0x0245, 0x0245, {}},
        {0x0445, true, false, 0x0445, 0x0445, {}},
        {0x0241, true, false, 0x0241, 0x0241, {}},  // Ctrl+A
        {0, false, false, 0, 0, {}},                // cleared: the bar has none
        {0x0642, true, false, 0x0642, 0x0642, {}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.typed);
        platform.messages.clear();
        aide.raccourci = step.typed;
        aide.modificateurTenu = step.held;
        step.handedBack ? aide.OnRaccourciPris(step.typed) : aide.OnRaccourciChange();
        EXPECT_EQ(aide.raccourci, step.shown);
        EXPECT_EQ(bar.hotKey, step.barKey);
        ASSERT_EQ(platform.messages.size(), step.message.empty() ? 0u : 1u);
        if (!step.message.empty()) {
            EXPECT_EQ(platform.messages[0].text, step.message);
            EXPECT_EQ(platform.messages[0].title, kTitreRaccourci);
        }
    }
    aide.Fermer();
    EXPECT_EQ(Stored(L"Raccourci"), L"1602");  // read back at start-up: the end-to-end scenario of the keyboard
}

TEST_F(Configuration, CorrectionIsStoredAsTypedAndTakenAsANearbyWholeNumber) {
    struct {
        const wchar_t* typed;
        std::int16_t c;
    } const cases[] = {{L"12.5", 12}, {L"13.5", 14}, {L"abc", 0}, {L"40000", 0}, {L" -2 5", -25}, {L"", 0}};
    for (const auto& c : cases) {
        FrmAide form{platform, principal, bar, view};
        form.Charger();
        form.text2 = c.typed;
        form.Fermer();
        EXPECT_EQ(principal.Correction(), c.c) << c.typed;
        EXPECT_EQ(Stored(L"Coef"), c.typed);
    }
    aide.text2 = L"9";
    aide.Fermer();
    aide.text2 = L"40000";
    aide.Fermer();
    EXPECT_EQ(principal.Correction(), 9) << "out of 16 bits: the correction keeps its value";
}

TEST_F(Configuration, OrientationSwapsTheSidesLaysOutOnlyTheLastChangeAndUnlocks) {
    struct {
        int option;
        bool horizontal;  // the bar's orientation before the press
        Geometry before;
        std::vector<Resize> expected;  // each change of size and whether it was laid out
        const wchar_t* horizont;
    } const cases[] = {
        {0, true, {1, 1, 870, 8490}, {{870, 870, false}, {10188, 870, true}}, L"False"},
        {1, false, {1, 1, 10188, 870}, {{10188, 8490, false}, {870, 8490, true}}, L"True"},
        // The option the bar already has changes nothing: pressed again and again, it would grow the bar each time.
        {0, false, {1, 1, 870, 10210}, {}, nullptr},
        {1, true, {1, 1, 11860, 870}, {}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.option << (c.horizontal ? " on a horizontal bar" : " on a vertical bar"));
        principal.Orient(c.horizontal);
        store.Delete(L"Zudav", L"Donnees", L"Horizont");
        bar.bounds = c.before;
        principal.Lock();
        aide.check2 = 1;
        resizes.clear();
        aide.OnBarreHVPress(c.option);
        const bool swapped = !c.expected.empty();
        ASSERT_EQ(resizes.size() >= 2, swapped) << resizes.size() << " changes of size";
        resizes.resize(c.expected.size());  // any later one only lays the bar out again
        EXPECT_EQ(resizes, c.expected);
        EXPECT_NE(bar.bounds == c.before, swapped);
        EXPECT_NE(principal.Locked(), swapped);
        EXPECT_EQ(aide.check2, swapped ? 0 : 1);
        EXPECT_EQ(principal.Horizontal(), c.option == 1);
        EXPECT_EQ(Stored(L"Horizont"), c.horizont ? std::optional<std::wstring>(c.horizont) : std::nullopt);
    }
}

TEST_F(Configuration, LockFollowsThePointerOverTheBoxAndTheClosing) {
    bar.bounds = {300, 450, 900, 9000};
    aide.Charger();
    aide.check2 = 1;  // ticked with the keyboard: the bar is not locked while the window is open
    EXPECT_FALSE(principal.Locked());
    aide.Fermer();
    EXPECT_FALSE(principal.Locked());
    EXPECT_EQ(Stored(L"Bloqu\u00e9e"), L"1");
    EXPECT_EQ((std::vector{Stored(L"GranX"), Stored(L"GranY"), Stored(L"Lar"), Stored(L"Hau")}),
              (std::vector<std::optional<std::wstring>>{L"300", L"450", L"900", L"9000"}));

    bar.bounds = {15, 30, 870, 8490};
    aide.OnCheck2PointerMove();
    EXPECT_TRUE(principal.Locked() && principal.HeldPlace().left == 15 && principal.HeldPlace().height == 8490);
    aide.check2 = 0;
    aide.OnCheck2PointerMove();
    EXPECT_FALSE(principal.Locked());
}

TEST_F(Configuration, PresetsPlaceTheBarFromItsSizeItsMonitorAndTheMargins) {
    platform.monitors = {{0, 0, 19200, 14400}, {19200, 0, 28800, 21600}};  // a larger one at the right
    platform.workAreas = {{0, 0, 19200, 13800}, platform.monitors[1]};     // the taskbar on the first
    const FrameMargins windows10{105, 0, 105, 105};                        // invisible borders of 7 pixels
    struct {
        PresetGroup group;
        int index;
        Geometry bar;
        const wchar_t* margin;  // replaces every margin text when given
        float left, top;
        FrameMargins invisible{};
    } const cases[] = {
        {PresetGroup::CommandGx, 1, {0, 0, 870, 8490}, nullptr, 100, 200},
        {PresetGroup::CommandGx, 2, {0, 0, 870, 8490}, nullptr, 970, 200},
        {PresetGroup::Command2, 1, {0, 0, 870, 8490}, nullptr, 18230, 200},
        {PresetGroup::Command2, 2, {0, 0, 870, 8490}, nullptr, 17360, 200},
        {PresetGroup::Command2, 6, {0, 0, 870, 8490}, nullptr, 13880, 200},
        {PresetGroup::CommandHt, 0, {0, 0, 16410, 1220}, nullptr, 100, 0},
        {PresetGroup::CommandHt, 4, {0, 0, 16410, 1220}, nullptr, 2690, 1220},
        {PresetGroup::CommandB, 0, {0, 0, 16410, 1220}, nullptr, 100, 12580},  // above the taskbar
        {PresetGroup::CommandB, 4, {0, 0, 16410, 1220}, nullptr, 2690, 11460},
        {PresetGroup::CommandGx, 1, {0, 0, 870, 8490}, L"", 0, 0},
        {PresetGroup::CommandB, 3, {0, 0, 16410, 1220}, L"marge", 2790, 12580},
        {PresetGroup::Command2, 1, {0, 0, 870, 8490}, L" 1 5\t0", 18180, 150},
        // On the bar's own monitor, from its edges.
        {PresetGroup::CommandGx, 1, {20000, 0, 870, 8490}, nullptr, 19300, 200},
        {PresetGroup::Command2, 1, {20000, 0, 870, 8490}, nullptr, 47030, 200},
        {PresetGroup::CommandB, 3, {20000, 0, 16410, 1220}, nullptr, 31490, 19880},
        // Against what shows of the bar, its invisible borders beyond the monitor's edges.
        {PresetGroup::CommandGx, 1, {0, 0, 870, 8490}, nullptr, -5, 200, windows10},
        {PresetGroup::Command2, 1, {0, 0, 870, 8490}, nullptr, 18335, 200, windows10},
        {PresetGroup::CommandB, 0, {0, 0, 16410, 1220}, nullptr, -5, 12685, windows10},
        {PresetGroup::Command2, 6, {0, 0, 3500, 8490}, nullptr, -105, 200, windows10},  // beyond the left edge
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.group) * 10 + c.index);
        FrmAide form{platform, principal, bar, view};
        if (c.margin != nullptr) {
            form.text3 = form.text4 = form.text5 = form.text6 = form.text7 = c.margin;
        }
        bar.bounds = c.bar;
        bar.invisibleFrame = c.invisible;
        form.OnPresetClick(c.group, c.index);
        EXPECT_EQ(bar.bounds, (Geometry{c.left, c.top, c.bar.width, c.bar.height}));
    }
    EXPECT_TRUE(resizes.empty()) << "a preset never resizes the bar";
    EXPECT_FALSE(Stored(L"left")) << "nothing is stored until the bar exits";
}

TEST_F(Configuration, EveryChangeLeavesTheWholeBarInItsWorkAreaThinnerWhenItsLengthCannotFit) {
    const std::vector<Geometry> one{{0, 0, 19200, 13800}}, left{{-19200, 0, 19200, 13800}}, low{{0, 0, 19200, 3000}};
    const std::function<void()> fit = [&] { principal.FitOnScreen(); },  // after a resizing by the border, a new DPI
        right = [&] { aide.OnPresetClick(PresetGroup::Command2, 1); }, lie = [&] { aide.OnBarreHVPress(1); },
                                stand = [&] { aide.OnBarreHVPress(0); }, unplug = [&] { principal.OnDisplayChange(); },
                                reset = [&] { aide.OnCommand5Click(); };
    const struct {
        const char* what;
        Geometry bar;
        const std::vector<Geometry>* areas;
        const std::function<void()>& change;
        Geometry fitted;
        float scale = 1;  // the bar's monitor's DPI over the system's
    } cases[] = {
        {"the right-hand preset", {0, 200, 870, 10210}, &one, right, {18230, 200, 870, 10210}},
        {"then lying: moved in", {18230, 200, 870, 10210}, &one, lie, {7340, 200, 11860, 870}},
        {"then upright again", {7340, 200, 11860, 870}, &one, stand, {7340, 200, 870, 10210}},
        {"widened by its border: thinner", {100, 200, 1500, 18400}, &one, fit, {100, 2, 1146, 13798}},
        {"on a 150 % monitor", {100, 200, 870, 10210}, &one, fit, {100, 6, 792, 9196}, 1.5f},
        {"its monitor unplugged", {100, 200, 870, 10210}, &left, unplug, {-870, 200, 870, 10210}},
        {"a low screen: cells of 16 pixels", {100, 200, 870, 10210}, &low, fit, {100, 0, 390, 3970}},
        {"the reset", {5000, 9000, 870, 10210}, &low, reset, {1, 0, 390, 3970}},
    };
    aide.Charger();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        principal.Orient(c.bar.width > c.bar.height);
        bar.bounds = c.bar;
        bar.sizeScale = c.scale;
        platform.workAreas = *c.areas;
        c.change();
        EXPECT_EQ(bar.bounds, c.fitted);
    }
}

TEST_F(Configuration, TheEdgeOptionsSayWhetherTheBarIsDockedARefusedAutoHideIsToldOnceAndTheBarRefreshesAfter) {
    bar.bounds = {3000, 200, 870, 10210};
    shell.AddTaskbar(ScreenEdge::Left, {0, 0, 19200, 14400}, 600, true);  // the taskbar hides at the left edge
    bar.toolbar.UseList(shell);
    aide.Charger();
    EXPECT_EQ(aide.ancrage, L"La barre n'est pas au bord de l'\u00e9cran : l'option agira quand vous l'y placerez.");
    aide.OnPresetClick(PresetGroup::Command2, 1);
    EXPECT_EQ(aide.ancrage, L"La barre est au bord droit de l'\u00e9cran.");
    EXPECT_EQ(aide.ancrageMasquer, aide.ancrage);
    platform.monitors.push_back({19200, 0, 19200, 14400});  // a second monitor right of the first
    aide.OnPresetClick(PresetGroup::Command2, 1);
    EXPECT_EQ(aide.ancrageMasquer, L"La barre touche un autre \u00e9cran \u00e0 ce bord : elle ne s'y masque pas.");
    aide.OnPresetClick(PresetGroup::CommandGx, 1);
    EXPECT_EQ(aide.ancrage, L"La barre est au bord gauche de l'\u00e9cran.");
    EXPECT_EQ(aide.ancrageMasquer, aide.ancrage);
    aide.masquer = 1;
    aide.Fermer();
    EXPECT_EQ(Stored(Key(Option::Masquer)), L"1");
    // What the bar does once the window it opened from its menu has closed: its slots drawn again, the options taken.
    Put(L"Chemin3", L"C:\\a.exe");
    bar.duringModal = [this] { bar.pictures[3] = L"stale"; };
    principal.OnMenu(MenuCommand::Configuration);
    EXPECT_EQ(bar.configurationShown, 1);
    EXPECT_EQ(bar.pictures[3], L"placeholder");
    for (int opening = 0; opening < 2; ++opening) {
        aide.Charger();
    }
    ASSERT_EQ(platform.messages.size(), 1u) << "told once";
    EXPECT_EQ(platform.messages[0].text, kMasquerRefuse);
}

class Reordering : public Configuration {
  protected:
    void Fill(int n, const wchar_t* chemin, const wchar_t* focus, const wchar_t* fic) {
        const std::wstring i = std::to_wstring(n);
        for (auto [prefix, value] : {std::pair{ItemField::Chemin, std::wstring(chemin)},
                                     {ItemField::Ligne, L"/l" + i},
                                     {ItemField::Tool, L"Outil " + i},
                                     {ItemField::Icone, L"C:\\i" + i + L".ico"},
                                     {ItemField::Focus, std::wstring(focus)},
                                     {ItemField::FicALancer, std::wstring(fic)}}) {
            Item(prefix, n, value.c_str());
        }
    }
};

TEST_F(Reordering, TwoClicksMoveOrExchangeWholeItems) {
    Fill(0, L"C:\\a.exe", L"3", L"0");
    Fill(2, L"C:\\lettre.doc", L"6", L"1");
    Fill(4, L"C:\\b.exe", L"2", L"0");
    Item(ItemField::Icone, 2, L"%SystemDrive%\\i2.ico");  // drawn expanded, moved as typed
    Item(ItemField::Icone, 7, L"C:\\reste.ico");          // left by a free position, which it travels with
    platform.environment = {{L"SystemDrive", L"C:"}};
    view.pictureFiles = {L"C:\\i0.ico", L"C:\\i2.ico", L"C:\\i4.ico"};
    aide.Charger();
    const auto item0 = StoredItem(0), item2 = StoredItem(2), item4 = StoredItem(4), free7 = StoredItem(7);

    aide.OnIcoClick(7);  // a free position first: nothing is selected
    EXPECT_FALSE(aide.selection);
    EXPECT_EQ(view.image2, L"");

    aide.OnIcoClick(2);
    EXPECT_EQ(view.image2, L"picture:C:\\i2.ico");
    aide.OnIcoClick(7);
    EXPECT_EQ(StoredItem(7), item2) << "the document moves with its flag and window state";
    EXPECT_EQ(StoredItem(2), (ItemValues{L"", L"", L"C:\\reste.ico", L"", free7[4], free7[5]}));
    EXPECT_EQ(view.ico[7], L"picture:C:\\i2.ico");
    EXPECT_EQ(view.ico[2], L"free");
    EXPECT_EQ(view.image2, L"");

    aide.OnIcoClick(0);
    aide.OnIcoClick(4);
    EXPECT_EQ(StoredItem(4), item0);
    EXPECT_EQ(StoredItem(0), item4);

    aide.OnIcoClick(4);
    aide.OnIcoClick(4);
    EXPECT_EQ(StoredItem(4), item0) << "the same position twice changes nothing";
    EXPECT_EQ(bar.announcements,
              (std::vector<std::wstring>{L"\u00c9l\u00e9ment 3 d\u00e9plac\u00e9 \u00e0 la position 8.",
                                         L"\u00c9l\u00e9ments 1 et 5 \u00e9chang\u00e9s."}))
        << "the screen reader hears each move but the one that changes nothing";
    for (int n = 0; n < 13; ++n) {
        for (const wchar_t* prefix : {L"Chemin", L"Ligne", L"Tool", L"Icone"}) {
            EXPECT_TRUE(Stored(prefix + std::to_wstring(n))) << prefix << n;
        }
    }
}

TEST_F(Configuration, NewBarAsksForAFreeNameThenCopiesAndStartsIt) {
    platform.existingFiles = {L"C:\\Outils\\Zudav.exe", L"C:\\Outils\\Autre.exe"};
    platform.startablePrograms = {L"C:\\Outils\\Jeux \u00e9t\u00e9.exe"};
    // Each refused name is asked again, told why: another bar's (in another case), then each kind of name that is no
    // plain file.
    const std::pair<const wchar_t*, std::vector<std::wstring>> refusals[] = {
        {kFichierExistant, {L"AUTRE"}},
        {kNomCaracteres, {L"a\\b", L"a/b", L"a:b", L"a*", L"a?", L"a\"b", L"a<b", L"a>b", L"a|b", L"a\tb"}},
        {kNomPeripherique, {L"CON", L"nul.txt", L"Com1", L"LPT9"}},
        {kNomFin, {L"fin.", L"fin "}},
        {kNomCaracteres, {L"a:b?."}},
    };
    std::vector<std::pair<std::wstring, const wchar_t*>> refused;
    for (const auto& [why, names] : refusals) {
        for (const std::wstring& name : names) {
            refused.emplace_back(name, why);
            view.texts.push_back(name);
        }
    }
    view.texts.push_back(L"Jeux \u00e9t\u00e9");
    aide.OnCommand3Click();
    EXPECT_EQ(view.prompts.size(), refused.size() + 1);
    EXPECT_EQ(view.prompts[0], (std::pair<std::wstring, std::wstring>{kInvite, kTitreCreation}));
    ASSERT_EQ(platform.messages.size(), refused.size());
    for (size_t i = 0; i < refused.size(); ++i) {
        EXPECT_TRUE(platform.messages[i].title == L"Zudav" && platform.messages[i].text == refused[i].second &&
                    platform.messages[i].icon == MessageIcon::None)
            << testing::PrintToString(refused[i].first);
    }
    ASSERT_EQ(platform.copies.size(), 1u);
    EXPECT_EQ(platform.copies[0].second, L"C:\\Outils\\Jeux \u00e9t\u00e9.exe");
    ASSERT_EQ(platform.started.size(), 1u) << "the copy is started, in a normal window";
    EXPECT_EQ(
        platform.started[0].commandLine + std::to_wstring(platform.started[0].showCommand) + platform.started[0].folder,
        L"\"C:\\Outils\\Jeux \u00e9t\u00e9.exe\"1C:\\Outils");
    EXPECT_TRUE(IsPlainFileName(L"COM10") && IsPlainFileName(L"console"));

    // Cancelled, or confirmed empty: nothing.
    for (std::optional<std::wstring> answer : {std::optional<std::wstring>{}, std::optional<std::wstring>{L""}}) {
        view.texts = {answer};
        aide.OnCommand3Click();
    }
    EXPECT_EQ(platform.copies.size(), 1u);
    EXPECT_EQ(store.Changes(), 2) << "only the new bar's place";
}

// A new bar opens beside the bar that made it, on that bar's monitor and wholly in its work area; one whose place is
// stored already keeps it, and one that does not start leaves none.
TEST_F(Configuration, ANewBarOpensBesideItsMakerOnItsMonitor) {
    platform.workAreas = {{0, 0, 15360, 11520}, {15360, 0, 15360, 11520}};  // two monitors side by side
    platform.existingFiles = {platform.executablePath};
    const struct {
        Geometry maker;
        bool horizontal;
        const wchar_t *left, *top;
    } cases[] = {
        {{0, 1000, 870, 8000}, false, L"870", L"1000"},        // at the left edge: on its right
        {{14490, 1000, 870, 8000}, false, L"13620", L"1000"},  // at the edge the monitors share: on its left
        {{20000, 5000, 870, 8000}, false, L"20870", L"3520"},  // low on the second: up into its work area
        {{1000, 0, 10000, 870}, true, L"1000", L"870"},        // horizontal at the top: below it
        {{1000, 10650, 10000, 870}, true, L"1000", L"9780"},   // at the bottom: above it
    };
    for (const auto& c : cases) {
        const std::wstring name = L"B" + std::wstring(c.left) + c.top;
        SCOPED_TRACE(name);
        principal.Orient(c.horizontal);
        bar.bounds = c.maker;
        platform.startablePrograms = {L"C:\\Outils\\" + name + L".exe"};
        view.texts = {name};
        aide.OnCommand3Click();
        EXPECT_EQ(store.Read(name, L"Donnees", L"left") + L"," + store.Read(name, L"Donnees", L"top"),
                  c.left + (L"," + std::wstring(c.top)));
    }
    store.Write(L"Garde", L"Donnees", L"left", L"5");
    platform.startablePrograms = {};  // and "Refus" does not start
    for (const wchar_t* name : {L"Garde", L"Refus"}) {
        view.texts = {name};
        aide.OnCommand3Click();
    }
    EXPECT_EQ(store.Read(L"Garde", L"Donnees", L"left") + store.Read(L"Garde", L"Donnees", L"top"), L"5");
    EXPECT_FALSE(store.Find(L"Refus", L"Donnees", L"left") || store.Find(L"Refus", L"Donnees", L"top"));
}

// Only a bar that only an administrator may replace runs at every user's logon; an elevated bar elsewhere goes in its
// user's list.
TEST_F(Configuration, StartWithWindowsTakesTheMachinesListOnlyForAProtectedFolderAndNonRemovesBoth) {
    platform.answers = {false};
    aide.OnCommand4Click(0);
    EXPECT_TRUE(platform.runAtLogon.empty()) << "answered No";
    EXPECT_TRUE(platform.messages[0].title == kTitreDemarrage && platform.messages[0].text == kQuestionDemarrage &&
                platform.messages[0].icon == MessageIcon::Information);
    struct Case {
        std::wstring executable;
        bool elevated;
        RunScope scope;
    } const cases[] = {
        {L"C:\\Program Files\\Barres\\Zudav.exe", true, RunScope::Machine},
        {L"C:\\Program Files\\Barres\\Zudav.exe", false, RunScope::User},
        {L"c:\\PROGRAM FILES (X86)\\Zudav.exe", true, RunScope::Machine},
        {L"C:\\Windows\\Zudav.exe", true, RunScope::Machine},
        {L"C:\\Program Files Outils\\Zudav.exe", true, RunScope::User},
        {L"C:\\Program Files\\..\\Outils\\Zudav.exe", true, RunScope::User},
        {L"C:\\Outils\\Zudav.exe", true, RunScope::User},
        {L"C:\\Users\\Moi\\AppData\\Local\\Programs\\Zudav\\Zudav.exe", true, RunScope::User},
        {L"E:\\Zudav.exe", false, RunScope::User},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.executable << " elevated " << c.elevated);
        platform.executablePath = c.executable;
        platform.refusedRunScopes = c.elevated ? std::set<RunScope>{} : std::set<RunScope>{RunScope::Machine};
        platform.runAtLogon.clear();
        platform.answers = {true};
        aide.OnCommand4Click(0);
        using Runs = std::map<std::pair<RunScope, std::wstring>, std::wstring>;
        EXPECT_EQ(platform.runAtLogon,
                  (Runs{{{c.scope, L"Zudav"}, L"\"" + JoinPath(FolderOf(c.executable), L"Zudav.exe") + L"\""}}));
        platform.answers = {true};
        aide.OnCommand4Click(1);
        EXPECT_TRUE(platform.runAtLogon.empty());
    }
    EXPECT_TRUE(platform.messages.back().text == kQuestionAnnulation &&
                platform.messages.back().icon == MessageIcon::Exclamation);
}

// What the user is told when a new bar cannot be made (a protected folder, a name too long, a copy that does not
// start) or a start-up value cannot be removed (the machine's, written by a bar that ran as administrator).
TEST_F(Configuration, ANewBarOrAStartUpValueThatCannotBeDoneSaysWhyAndLeavesNoCopy) {
    platform.executablePath = L"C:\\P\\Zudav.exe";
    const std::wstring copy = L"C:\\P\\Jeux.exe", cannot = L"Impossible de cr\u00e9er la barre \u00ab Jeux \u00bb : ";
    const std::wstring noStart = L"La nouvelle barre \u00ab Jeux \u00bb ne peut pas d\u00e9marrer";
    struct Case {
        CopyResult copy;  // Copied, and the copy starting: "Non", answered Yes
        bool starts, locked;
        std::wstring message;
    } const cases[] = {
        {CopyResult::AccessDenied, true, false,
         cannot +
             L"vous n'avez pas le droit d'\u00e9crire dans le dossier\r\nC:\\P.\r\n\r\nCopiez Zudav dans un dossier "
             L"\u00e0 vous pour y cr\u00e9er des barres."},
        {CopyResult::NameTooLong, true, false, cannot + L"le nom est trop long pour le dossier\r\nC:\\P."},
        {CopyResult::Copied, false, false, noStart + L" : sa copie a \u00e9t\u00e9 retir\u00e9e."},
        {CopyResult::Copied, false, true, noStart + L", et sa copie n'a pas pu \u00eatre retir\u00e9e :\r\n" + copy},
        {CopyResult::Copied, true, false, kAnnulationReservee},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.message);
        platform.messages.clear();
        platform.existingFiles = {platform.executablePath};
        platform.startablePrograms = {c.starts ? copy : L""};
        platform.copyAnswer = c.copy;
        platform.lockedFiles = {c.locked ? copy : L""};
        platform.runAtLogon = {{{RunScope::Machine, L"Zudav"}, L"m"}, {{RunScope::User, L"Zudav"}, L"u"}};
        platform.protectedRunValues = {{RunScope::Machine, L"Zudav"}};
        view.texts = {L"Jeux"};
        platform.answers = {true};
        (c.starts && c.copy == CopyResult::Copied) ? aide.OnCommand4Click(1) : aide.OnCommand3Click();
        ASSERT_FALSE(platform.messages.empty());
        EXPECT_EQ(platform.messages.back().text, c.message);
        EXPECT_EQ(platform.messages.back().icon, MessageIcon::Exclamation);
        EXPECT_EQ(platform.FileExists(copy), c.locked) << "a copy is left only when it cannot be removed";
    }
    EXPECT_EQ(platform.runAtLogon.size(), 1u) << "the user's value is removed all the same";
}

TEST_F(Configuration, ResetHelpAndTheBarsIcon) {
    principal.Orient(true);
    bar.bounds = {4000, 3000, 11860, 870};
    principal.Lock();
    aide.Charger();
    aide.OnCommand5Click();
    EXPECT_EQ(bar.bounds, (Geometry{1, 1, 870, 10210})) << "8490 high, fitted by the layout of a vertical bar";
    EXPECT_FALSE(principal.Horizontal() || principal.Locked());
    EXPECT_EQ(aide.barreHV, 0);
    EXPECT_EQ(Stored(L"Horizont"), L"False");

    // "Aide" opens the help beside the bar, or says it is not there.
    const size_t told = platform.messages.size();
    aide.OnCommand6Click();
    ASSERT_EQ(platform.messages.size(), told + 1);
    EXPECT_EQ(platform.messages.back().text, kAideIntrouvable);
    platform.existingFiles.insert(platform.helpFile);
    aide.OnCommand6Click();
    EXPECT_EQ(platform.helpShown, 1);
    EXPECT_EQ(platform.messages.size(), told + 1);

    view.files = {std::nullopt};
    aide.OnImage1Click();
    EXPECT_FALSE(Stored(L"Icone")) << "a cancelled dialog changes nothing";
    EXPECT_EQ(view.image1, L"bar icon");
    view.files = {L"C:\\Images\\barre.ico"};
    view.pictureFiles = bar.loadableIcons = {L"C:\\Images\\barre.ico"};
    aide.OnImage1Click();
    EXPECT_EQ(view.filters.back(), kFiltreIconeBarre);
    EXPECT_EQ(view.image1, L"picture:C:\\Images\\barre.ico");
    EXPECT_EQ(bar.icon, L"C:\\Images\\barre.ico");
    EXPECT_EQ(Stored(L"icone"), L"C:\\Images\\barre.ico");
}

TEST_F(Configuration, AnImportedFileIsTakenByTheBarAndTheWindowAndTheResetSaysWhereTheBackupIs) {
    Put(L"Caption", L"Avant"), Put(L"Chemin2", L"C:\\a.exe"), view.filesWithIcon = bar.filesWithIcon = {L"C:\\a.exe"};
    principal.Charger();
    platform.fileBytes[L"C:\\r.ini"] = WriteIniText(
        {{L"Caption", L"Apr\u00e8s"}, {L"Chemin2", L"C:\\b.exe"}, {L"Theme", L"2"}, {L"Raccourci", L"1604"}});
    aide.Charger();
    aide.OnIcoClick(2);                     // picked for an exchange
    std::vector<std::wstring> shown, told;  // the fields as the view shows them, and as the import's message is read
    view.showing = [&] { shown = {aide.text1, std::to_wstring(aide.theme), std::to_wstring(aide.raccourci)}; };
    platform.duringMessage = [&] { told = shown; };
    view.files = {L"C:\\Sauve\\Zudav.ini", L"C:\\r.ini"};
    bar.bounds.left = 3000;  // moved since the bar started: exported where it stands
    aide.OnExporterClick();
    EXPECT_EQ(view.savedNames, std::vector<std::wstring>{L"Zudav.ini"});
    EXPECT_EQ(ReadIniText(platform.fileBytes.at(L"C:\\Sauve\\Zudav.ini")).values, store.List(L"Zudav", L"Donnees"));
    EXPECT_EQ(Stored(L"left"), L"3000");
    aide.OnImporterClick();
    EXPECT_EQ(view.filters, std::vector<std::wstring>(2, kFiltreReglages));
    EXPECT_EQ((std::vector<std::wstring>{bar.Caption(), bar.pictures[2], view.ico[2], view.image2}),
              (std::vector<std::wstring>{L"Apr\u00e8s", L"placeholder", L"", L""}));
    EXPECT_EQ(told, (std::vector<std::wstring>{L"Apr\u00e8s", L"2", L"1604"}));
    aide.OnCommand5Click();
    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_EQ(platform.messages[2].text, L"Vos r\u00e9glages ont \u00e9t\u00e9 sauvegard\u00e9s dans " +
                                             BackupFolder(platform) + L"\\Zudav-2026-12-07-101500-2.ini.");
}

}  // namespace
}  // namespace zudav
