#include "bar/lancer_item.h"

#include <gtest/gtest.h>

#include "bar/fake/fake_bar_window.h"
#include "bar/principal.h"
#include "bar/settings/memory_store.h"
#include "platform/fake/fake_platform.h"

namespace zudav {
namespace {

class Launch : public ::testing::Test {
  protected:
    void SetUp() override {
        principal.Charger();
        platform.startablePrograms = {L"C:\\Prog\\agenda.exe", L"cmd.exe", L"C:\\Program Files\\Outil\\outil.exe"};
        platform.existingFiles = {L"C:\\Prog\\agenda.exe", L"C:\\Program Files\\Outil\\outil.exe"};
    }
    void Item(const wchar_t* prefix, int n, const std::wstring& value) {
        store.Write(L"Zudav", L"Donnees", keys::ItemKey(prefix, n), value);
    }
    bool ErrorShown() const {
        return platform.messages.size() == 1 && platform.messages[0].title == L"Erreur de fichier" &&
               platform.messages[0].text ==
                   L"Le fichier recherch\u00e9 n'existe plus\r\nou il a chang\u00e9 de place.\r\n\r\n"
                   L"Impossible de charger ce fichier." &&
               platform.messages[0].icon == MessageIcon::Stop;
    }

    FakePlatform platform;
    MemoryStore store;
    FakeBarWindow window;
    LaBarre module;
    Principal principal{platform, store, window, module};
};

TEST_F(Launch, FreeSlotBeepsAndDoesNothingElse) {
    const int writes = store.Changes();
    principal.LancerItem(4);
    EXPECT_EQ(platform.beeps, 1);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(platform.started.empty());
    EXPECT_EQ(store.Changes(), writes);
}

TEST_F(Launch, ProgramStartsWithItsArgumentsAndWindowStateThenTheBarMinimises) {
    Item(keys::kChemin, 2, L"cmd.exe");
    Item(keys::kLigne, 2, L"/c echo ok > sortie.txt");
    Item(keys::kFocus, 2, L"3");
    principal.LancerItem(2);
    ASSERT_EQ(platform.started.size(), 1u);
    // cmd.exe is not a file path here: the command stays as typed.
    EXPECT_EQ(platform.started[0].commandLine, L"cmd.exe /c echo ok > sortie.txt");
    EXPECT_EQ(platform.started[0].showCommand, 3);
    EXPECT_EQ(platform.eventPasses, 1);
    EXPECT_TRUE(window.minimized);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Launch, WindowStateReadsAsALeadingNumber) {
    struct Case {
        std::optional<std::wstring> focus;
        int state;
    } const cases[] = {{std::nullopt, 1}, {L"", 0}, {L"6", 6}, {L"4 (inactive)", 4}, {L"x", 0}, {L"2.5", 2}};
    for (const auto& c : cases) {
        platform.started.clear();
        if (c.focus) {
            Item(keys::kFocus, 1, *c.focus);
        } else {
            store.Delete(L"Zudav", L"Donnees", L"Focus1");
        }
        Item(keys::kChemin, 1, L"C:\\Prog\\agenda.exe");
        principal.LancerItem(1);
        ASSERT_EQ(platform.started.size(), 1u);
        EXPECT_EQ(platform.started[0].showCommand, c.state);
    }
    // A state that does not fit 16 bits never starts.
    platform.started.clear();
    Item(keys::kFocus, 1, L"70000");
    principal.LancerItem(1);
    EXPECT_TRUE(platform.started.empty());
    EXPECT_TRUE(ErrorShown());
}

TEST_F(Launch, ExistingPathWithBlanksIsQuoted) {
    Item(keys::kChemin, 0, L"C:\\Program Files\\Outil\\outil.exe");
    Item(keys::kLigne, 0, L"C:\\Docs\\lettre.txt");
    principal.LancerItem(0);
    ASSERT_EQ(platform.started.size(), 1u);
    EXPECT_EQ(platform.started[0].commandLine, L"\"C:\\Program Files\\Outil\\outil.exe\" C:\\Docs\\lettre.txt");
    EXPECT_EQ(CommandLine(L"notepad C:\\a.txt", L"", false), L"notepad C:\\a.txt");
    EXPECT_EQ(CommandLine(L"C:\\Prog\\agenda.exe", L"", true), L"\"C:\\Prog\\agenda.exe\"");
}

TEST_F(Launch, DocumentOpensInTheBarsFolderAndIgnoresStateArgumentsAndMinimising) {
    Item(keys::kChemin, 5, L"C:\\Docs\\lettre.txt");
    Item(keys::kFicALancer, 5, L"1");
    Item(keys::kLigne, 5, L"/p");
    Item(keys::kFocus, 5, L"3");
    store.Write(L"Zudav", L"Donnees", L"RetourAuto", L"1");
    principal.LancerItem(5);
    ASSERT_EQ(platform.opened.size(), 1u);
    EXPECT_EQ(platform.opened[0].verb, L"open");
    EXPECT_EQ(platform.opened[0].file, L"C:\\Docs\\lettre.txt");
    EXPECT_EQ(platform.opened[0].folder, L"C:\\Outils");
    EXPECT_TRUE(platform.started.empty());
    EXPECT_FALSE(window.minimized);
}

TEST_F(Launch, FailuresShowTheFileErrorAndLeaveTheBarAsItWas) {
    // A program that is gone.
    Item(keys::kChemin, 7, L"C:\\Ancien\\parti.exe");
    principal.LancerItem(7);
    EXPECT_TRUE(ErrorShown());
    EXPECT_FALSE(window.minimized);

    // A flag present and empty: nothing is started.
    platform.messages.clear();
    Item(keys::kChemin, 8, L"cmd.exe");
    Item(keys::kFicALancer, 8, L"");
    principal.LancerItem(8);
    EXPECT_TRUE(ErrorShown());
    EXPECT_TRUE(platform.started.empty());
}

TEST_F(Launch, MinimisingFollowsRetourAuto) {
    Item(keys::kChemin, 0, L"cmd.exe");
    struct Case {
        std::optional<std::wstring> value;
        bool minimized;
        bool error;
    } const cases[] = {{std::nullopt, true, false}, {L"1", true, false}, {L"0", false, false}, {L"", false, true}};
    for (const auto& c : cases) {
        window.minimized = false;
        platform.messages.clear();
        platform.started.clear();
        if (c.value) {
            store.Write(L"Zudav", L"Donnees", L"RetourAuto", *c.value);
        }
        principal.LancerItem(0);
        EXPECT_EQ(platform.started.size(), 1u);  // started in every case, even when the flag is unreadable
        EXPECT_EQ(window.minimized, c.minimized);
        EXPECT_EQ(!platform.messages.empty(), c.error);
    }
}

}  // namespace
}  // namespace zudav
