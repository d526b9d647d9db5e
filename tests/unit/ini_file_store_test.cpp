// A portable bar's settings in the .ini file beside it: read once, saved whole, a refused or read-only file told once.
#include "bar/settings/ini_file_store.h"

#include <gtest/gtest.h>

#include "bar/settings/ini_text.h"
#include "platform/fake/fake_platform.h"

namespace zudav {
namespace {

const std::wstring kIni = L"C:\\Outils\\Zudav.ini";

// The same changes over each kind of file: the bar's values (any case), the shared margin kept in its section,
// a batch of changes saved once at its end.
TEST(IniFileStore, ServesTheFileSavesItWholeAndTellsARefusedOrReadOnlyFileOnce) {
    const std::string file =
        "\xEF\xBB\xBF; mes r\xC3\xA9glages\r\n[Donnees]\r\nChemin0=C:\\a.exe\r\nMargeHt=250\r\nleft=15\r\n";
    const std::string refused = "Chemin0=x\r\n";
    struct Case {
        std::optional<std::string> bytes;  // none: the file cannot be read
        bool readOnly;
        std::wstring told;  // empty: nothing
        std::string saved;  // what the file holds at the end
    } const cases[] = {
        {file, false, L"", WriteIniText({{L"MargeHt", L"300"}, {L"left", L"120"}, {L"top", L"45"}})},
        {file, true, FichierNonEnregistre(kIni), file},
        {refused, false, FichierIllisible(kIni, ReadIniText(refused).refusal), refused},
        {std::nullopt, false, FichierIllisible(kIni, kFichierNonOuvert), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.told);
        FakePlatform platform;
        if (c.bytes) {
            platform.fileBytes[kIni] = *c.bytes;
        }
        platform.readOnlyFolders = {c.readOnly ? L"C:\\Outils" : L""};
        IniFileStore store(platform, kIni);
        store.Load();
        const bool read = c.bytes == file;
        EXPECT_EQ(store.Find(L"ZUDAV", L"donnees", L"chemin0"),
                  read ? std::optional<std::wstring>(L"C:\\a.exe") : std::nullopt);
        EXPECT_EQ(store.Read(L"Reredo", L"Donnees", L"MargeHt", L"200"), read ? L"250" : L"200");
        EXPECT_FALSE(store.Find(L"Reredo", L"Donnees", L"Chemin0")) << "only the margins are shared";

        store.Write(L"Zudav", L"Donnees", L"Left", L"15");
        EXPECT_EQ(platform.ReadFileBytes(kIni, kIniLargest), c.bytes) << "the same value is no change to save";
        store.Write(L"Reredo", L"Donnees", L"MargeHt", L"300");
        store.Write(L"Zudav", L"Donnees", L"left", L"120");
        {
            const SettingsStore::Batch batch(store);
            const std::optional<std::string> before = platform.ReadFileBytes(kIni, kIniLargest);
            store.Write(L"Zudav", L"Donnees", L"top", L"45");
            EXPECT_EQ(store.Delete(L"Zudav", L"Donnees", L"Chemin0"), read);
            EXPECT_EQ(platform.ReadFileBytes(kIni, kIniLargest), before) << "nothing saved during a batch";
        }
        EXPECT_EQ(platform.ReadFileBytes(kIni, kIniLargest).value_or(""), c.saved);
        EXPECT_EQ(store.Read(L"Zudav", L"Donnees", L"top") + store.Read(L"Reredo", L"Donnees", L"MargeHt"), L"45300")
            << "kept in memory in any case";
        ASSERT_EQ(platform.messages.size(), c.told.empty() ? 0u : 1u) << "told once";
        if (!c.told.empty()) {
            EXPECT_EQ(platform.messages[0].title + L"|" + platform.messages[0].text, kTitrePortable + (L"|" + c.told));
        }
    }
}

}  // namespace
}  // namespace zudav
