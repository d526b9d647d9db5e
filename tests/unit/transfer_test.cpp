// A bar's settings exported to a file and imported back, the backups made first, and the command line's switches.
#include "bar/settings/transfer.h"

#include <gtest/gtest.h>

#include "bar/command_line.h"
#include "bar/settings/ini_text.h"
#include "bar/settings/memory_store.h"
#include "platform/fake/fake_platform.h"

namespace zudav {
namespace {

const std::wstring kBackup = L"C:\\Users\\Moi\\AppData\\Local\\Zudav\\Sauvegardes\\Zudav-2026-12-07-101500";
// In the store's order (names without regard to case); the file's "theme" is the store's "Theme".
const StoredValues kBefore = {{L"Caption", L"Barre"}, {L"Chemin0", L"C:\\a.exe"}, {L"Theme", L"2"}, {L"Tool0", L"Un"}};
const StoredValues kFile = {{L"Caption", L"\u00e0 \"deux\""},
                            {L"Chemin0", L"C:\\b.exe"},
                            {L"Inconnue", L"gard\u00e9e"},
                            {L"theme", L"1"},
                            {L"Tool1", L"deux\r\nlignes"}};

// The bar's settings as kBefore, in a store whose nth write from then on does not take.
struct FailingStore : MemoryStore {
    explicit FailingStore(int failing = 0) {
        for (const auto& [key, value] : kBefore) {
            MemoryStore::Write(L"Zudav", L"Donnees", key, value);
        }
        failing_ = failing;
    }
    void Write(const std::wstring& a, const std::wstring& s, const std::wstring& k, const std::wstring& v) override {
        if (++writes_ != failing_) {
            MemoryStore::Write(a, s, k, v);
        }
    }
    int failing_ = 0, writes_ = 0;
};

struct Transfer : ::testing::Test {
    void SetUp() override {
        platform.fileBytes = {{L"C:\\r.ini", WriteIniText(kFile)}, {L"C:\\bin.ini", std::string("MZ\x90\0", 4)}};
    }
    FakePlatform platform;
};

TEST_F(Transfer, AnImportReplacesTheValuesAsAWholeAfterABackupOfThem) {
    FailingStore store;
    const TransferResult imported = ImportSettings(store, L"Zudav", platform, L"C:\\r.ini");
    StoredValues expected = kFile;
    expected[3].first = L"Theme";
    EXPECT_EQ(store.List(L"Zudav", L"Donnees"), expected) << "Tool0 deleted, Inconnue kept";
    EXPECT_EQ(imported.backup, kBackup + L".ini");
    EXPECT_EQ(ReadIniText(platform.fileBytes.at(imported.backup)).values, kBefore);
    ASSERT_TRUE(ExportSettings(store, L"Zudav", platform, L"C:\\s.ini").done);
    EXPECT_EQ(ReadIniText(platform.fileBytes.at(L"C:\\s.ini")).values, expected);
    EXPECT_EQ(BackUpSettings(store, L"Zudav", platform).backup, kBackup + L"-2.ini") << "the first one kept";
}

TEST_F(Transfer, AFileRefusedABackupNotMadeOrAValueThatDoesNotTakeLeavesTheSettingsAsTheyWere) {
    const struct {
        const wchar_t* file;
        int failingWrite;
        bool backupsWritable;
        const wchar_t* said;
    } cases[] = {
        {L"C:\\absent.ini", 0, true, L"n'a pas pu \u00eatre lu"},
        {L"C:\\bin.ini", 0, true, L"Ce fichier n'est pas un fichier texte."},
        {L"C:\\r.ini", 0, false, L"n'ont pas pu \u00eatre sauvegard\u00e9s dans le dossier"},
        {L"C:\\r.ini", 1, true, L"remis en place"},
        {L"C:\\r.ini", 5, true, L"remis en place"},
    };
    for (const auto& c : cases) {
        FailingStore store(c.failingWrite);
        platform.readOnlyFolders = {c.backupsWritable ? L"" : BackupFolder(platform)};
        const TransferResult result = ImportSettings(store, L"Zudav", platform, c.file);
        EXPECT_FALSE(result.done) << c.file;
        EXPECT_NE(result.message.find(c.said), std::wstring::npos) << c.file;
        EXPECT_EQ(store.List(L"Zudav", L"Donnees"), kBefore) << c.file << ", write " << c.failingWrite;
    }
}

struct FakeRunningBar : RunningBar {
    Found Find() override { return found; }
    bool TakeSettingsAgain() override { return ++takes, takes_; }
    bool StorePlace() override { return false; }
    Found found = Found::None;
    bool takes_ = true;
    int takes = 0;
};

// The running bar takes the imported values before the import reports; one that cannot be told refuses it.
TEST_F(Transfer, AnImportBesideARunningBarHasItTakeTheValuesOrIsRefused) {
    using Found = RunningBar::Found;
    const struct {
        Found found;
        bool takes;
        int code, takenUp;
        bool imported;
    } cases[] = {
        {Found::None, true, 0, 0, true},
        {Found::Listening, true, 0, 1, true},
        {Found::Listening, false, 1, 1, false},
        {Found::Deaf, true, 1, 0, false},
    };
    for (const auto& c : cases) {
        FailingStore store;
        FakeRunningBar running;
        running.found = c.found;
        running.takes_ = c.takes;
        std::wstring told;
        EXPECT_EQ(RunTransferCommand({TransferKind::Import, L"C:\\r.ini"}, store, platform, running,
                                     [&](const std::wstring& text) { told = text; }),
                  c.code);
        EXPECT_EQ(running.takes, c.takenUp);
        EXPECT_EQ(store.Read(L"Zudav", L"Donnees", L"Tool0").empty(), c.imported);
        if (!c.imported) {
            EXPECT_EQ(told, L"La barre \u00ab Zudav \u00bb est ouverte : fermez-la, puis importez de nouveau.");
        }
    }
}

TEST_F(Transfer, TheSwitchesEndWithACodeOrLeaveTheBarToStart) {
    const std::vector<std::pair<std::vector<std::wstring>, std::optional<int>>> cases = {
        {{L"/?"}, 0},      {{L"/export", L"C:\\x.ini"}, 0}, {{L"-IMPORT", L"C:\\bin.ini"}, 1},
        {{L"/export"}, 2}, {{L"/autre", L"a"}, {}},         {{L"a.ini"}, {}},
        {{}, {}}};
    for (const auto& [arguments, code] : cases) {
        FailingStore store;
        FakeRunningBar running;
        int told = 0;
        const auto command = ReadTransferCommand(arguments);
        EXPECT_EQ(command ? RunTransferCommand(*command, store, platform, running, [&](const std::wstring&) { ++told; })
                          : std::optional<int>(),
                  code);
        EXPECT_EQ(told, code ? 1 : 0);
    }
    const std::wstring help = SwitchesHelp(L"Jeux.exe");
    for (const wchar_t* told :
         {L"Jeux.exe /import FICHIER", L"start /wait Jeux.exe /export f.ini", L"-Wait -PassThru"}) {
        EXPECT_NE(help.find(told), std::wstring::npos) << told;
    }
}

}  // namespace
}  // namespace zudav
