// A portable bar's settings in the .ini file beside it: read once, saved whole, a refused or read-only file told once.
#include "bar/settings/ini_file_store.h"

#include "bar/command_line.h"
#include "bar/settings/ini_text.h"
#include "bar/settings/transfer.h"
#include "bar_test.h"
#include "config/fake/fake_config_window.h"
#include "config/frm_aide.h"

namespace zudav {
namespace {

const std::wstring kIni = L"C:\\Outils\\Zudav.ini";

// The same changes over each kind of file: the bar's values (any case), the shared margin kept in its section, a
// batch of changes saved once at its end.
TEST(IniFileStore, ServesItsFileSavesItWholeAndTellsARefusedOrReadOnlyFileOnce) {
    const std::string file = "\xEF\xBB\xBF; r\xC3\xA9glages\r\n[Donnees]\r\nChemin0=a\r\nMargeHt=250\r\nleft=15\r\n";
    struct Case {
        std::optional<std::string> bytes;  // none: the file cannot be read
        bool readOnly;
        std::wstring told;  // empty: nothing
        std::string saved;
    } const cases[] = {
        {file, false, L"", WriteIniText({{L"MargeHt", L"300"}, {L"left", L"120"}, {L"top", L"45"}})},
        {file, true, FichierNonEnregistre(kIni), file},
        {"", false, L"", WriteIniText({{L"Left", L"120"}, {L"MargeHt", L"300"}, {L"top", L"45"}})},
        {"\xEF\xBB\xBF \r\n\t\r\n", false, L"",
         WriteIniText({{L"Left", L"120"}, {L"MargeHt", L"300"}, {L"top", L"45"}})},
        {"; vide", false, FichierIllisible(kIni, L"Ce fichier n'a pas de section [Donnees]."), "; vide"},
        {std::nullopt, false, FichierIllisible(kIni, kFichierNonOuvert), ""},
    };
    for (const Case& c : cases) {
        FakePlatform platform;
        platform.fileBytes = {{c.bytes ? kIni : L"", c.bytes.value_or("")}};
        platform.readOnlyFolders = {c.readOnly ? L"C:\\Outils" : L""};
        IniFileStore store(platform, kIni);
        store.Load();
        EXPECT_TRUE(platform.messages.empty()) << "told before the bar has a window";
        EXPECT_TRUE(platform.written.empty() || platform.written == std::vector<std::wstring>{kIni + L".essai"});
        EXPECT_EQ(platform.fileBytes.count(kIni + L".essai"), 0u) << "the probe is removed";
        store.TellProblem();
        EXPECT_EQ(platform.messages.size(), c.told.empty() ? 0u : 1u) << "told as the bar starts";
        EXPECT_EQ(store.Read(L"ZUDAV", L"donnees", L"chemin0") + store.Read(L"Reredo", L"Donnees", L"MargeHt") +
                      store.Read(L"Reredo", L"Donnees", L"Chemin0"),
                  c.bytes == file ? L"a250" : L"");
        store.Write(L"Zudav", L"Donnees", L"Left", L"15");
        if (!(c.bytes && IsBlankIniText(*c.bytes))) {  // an empty file has no value yet: that is its first save
            EXPECT_EQ(platform.fileBytes[kIni], c.bytes.value_or("")) << "the same value is no change";
        }
        store.Write(L"Reredo", L"Donnees", L"MargeHt", L"300");
        {
            const SettingsStore::Batch batch(store);
            store.Write(L"Zudav", L"Donnees", L"left", L"120");
            store.Write(L"Zudav", L"Donnees", L"top", L"45");
            store.Delete(L"Zudav", L"Donnees", L"Chemin0");
            EXPECT_EQ(platform.fileBytes[kIni].find("left=120"), std::string::npos) << "saved during a batch";
        }
        EXPECT_EQ(platform.fileBytes[kIni], c.saved);
        EXPECT_EQ(store.Read(L"Zudav", L"Donnees", L"top") + store.Read(L"Reredo", L"Donnees", L"MargeHt"), L"45300");
        ASSERT_EQ(platform.messages.size(), c.told.empty() ? 0u : 1u) << "told once";
        EXPECT_EQ(platform.messages.empty() ? L"" : platform.messages[0].title + L"|" + platform.messages[0].text,
                  c.told.empty() ? L"" : kTitrePortable + (L"|" + c.told));
    }
}

// An import into a portable bar whose file cannot be written fails and leaves the values; one made by the switches
// beside the running bar is taken up by it, whose next save keeps it.
TEST(IniFileStore, AnImportNotSavedFailsAndOneMadeBesideTheRunningBarIsTakenUp) {
    FakePlatform platform;
    platform.fileBytes = {{kIni, WriteIniText({{L"Caption", L"Vieille"}})},
                          {L"C:\\r.ini", WriteIniText({{L"Caption", L"Neuve"}})}};
    IniFileStore bar(platform, kIni), switches(platform, kIni);
    bar.Load();
    bar.TellProblem();
    switches.Load();
    platform.lockedFiles = {kIni};  // held by another program past the retries
    const TransferResult failed = ImportSettings(switches, L"Zudav", platform, L"C:\\r.ini");
    EXPECT_FALSE(failed.done);
    EXPECT_NE(failed.message.find(L"remis en place"), std::wstring::npos);
    EXPECT_EQ(switches.Read(L"Zudav", L"Donnees", L"Caption"), L"Vieille");
    EXPECT_TRUE(platform.messages.empty()) << "the switches show no window";

    platform.lockedFiles.clear();
    EXPECT_TRUE(ImportSettings(switches, L"Zudav", platform, L"C:\\r.ini", [&] {
                    bar.Reload();
                    return true;
                }).done);
    bar.Write(L"Zudav", L"Donnees", L"Left", L"15");  // its place, stored as an export by the switches asks
    EXPECT_EQ(ReadIniText(platform.fileBytes[kIni]).values, (StoredValues{{L"Caption", L"Neuve"}, {L"Left", L"15"}}));
    struct : RunningBar {
        Found Find() override { return Found::Listening; }
        bool TakeSettingsAgain() override { return true; }
        bool StorePlace() override { return true; }
    } running;
    EXPECT_EQ(RunTransferCommand({TransferKind::Export, L"C:\\x.ini"}, switches, platform, running, [](auto&) {}), 0);
    EXPECT_EQ(platform.fileBytes[L"C:\\x.ini"], platform.fileBytes[kIni]) << "the place stored is not exported";
}

// An .ini of design values beside the new bar of a portable bar (the user's own kept); without it, no new bar.
class NewBar : public BarTest {
  protected:
    FakeConfigWindow view;
    FrmAide aide{platform, principal, bar, view};
};

TEST_F(NewBar, ANewBarOfAPortableBarIsPortable) {
    const std::wstring exe = L"C:\\Outils\\Jeux.exe", ini = L"C:\\Outils\\Jeux.ini";
    struct Case {
        bool portable, readOnly;
        std::string there, after;                                                             // empty: no file
    } const cases[] = {{true, false, "", WriteIniText({{L"left", L"870"}, {L"top", L"0"}})},  // beside this bar
                       {false, false, "", ""},
                       {true, false, "a", "a"},
                       {true, true, "", ""}};
    for (const Case& c : cases) {
        platform.existingFiles = {platform.executablePath, c.portable ? kIni : L"", c.there.empty() ? L"" : ini};
        platform.fileBytes = {{ini, c.there}};
        platform.readOnlyFolders = {c.readOnly ? L"C:\\Outils" : L""};
        platform.startablePrograms = {exe};
        platform.started.clear();
        view.texts = {L"Jeux"};
        aide.OnCommand3Click();
        EXPECT_EQ(platform.ReadFileBytes(ini, kIniLargest), c.after);
        EXPECT_EQ(platform.FileExists(exe) && platform.started.size() == 1, !c.readOnly);
    }
}

}  // namespace
}  // namespace zudav
