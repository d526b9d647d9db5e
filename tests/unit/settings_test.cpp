#include <gtest/gtest.h>

#include "bar/model/stored_keys.h"
#include "bar/settings/conversions.h"
#include "bar/settings/memory_store.h"
#include "bar/settings/stored_text.h"
#include "platform/paths.h"
#include "platform/slow_files.h"

namespace zudav {
namespace {

// In these tables, {} stands for a text that does not convert.
TEST(Conversions, NumberUsesTheLocaleSeparatorAndBooleanAcceptsWordsInAnyCaseOrANumber) {
    struct Case {
        const wchar_t* text;
        wchar_t separator;
        std::optional<double> number;
        std::optional<bool> boolean;
    } const cases[] = {
        {L"870", '.', 870, true},   {L"-120", '.', -120, true},   {L"+15", '.', 15, true},
        {L"12.5", '.', 12.5, true}, {L"12,5", ',', 12.5, true},   {L"12.5", ',', {}, {}},
        {L"12,5", '.', {}, {}},     {L" 3000 ", '.', 3000, true}, {L".5", '.', 0.5, true},
        {L"5.", '.', 5, true},      {L"1e3", '.', 1000, true},    {L"2,5E-1", ',', 0.25, true},
        {L"", '.', {}, {}},         {L"   ", '.', {}, {}},        {L"abc", '.', {}, {}},
        {L"12abc", '.', {}, {}},    {L".", '.', {}, {}},          {L"-", '.', {}, {}},
        {L"1e", '.', {}, {}},       {L"inf", '.', {}, {}},        {L"nan", '.', {}, {}},
        {L"1 000", '.', {}, {}},    {L"True", '.', {}, true},     {L"FALSE", '.', {}, false},
        {L"tRuE", '.', {}, true},   {L" False ", '.', {}, false}, {L"Vrai", '.', {}, {}},
        {L"yes", '.', {}, {}},      {L"Truex", '.', {}, {}},      {L"0", '.', 0, false},
        {L"-1", '.', -1, true},     {L"0.0", '.', 0, false},      {L"0,0", ',', 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "\"" << c.text << "\" with " << char(c.separator));
        EXPECT_EQ(ToNumber(c.text, c.separator), c.number);
        EXPECT_EQ(ToBoolean(c.text, c.separator), c.boolean);
    }
}

TEST(Conversions, Integer16RoundsHalvesToEvenAndChecksTheRange) {
    struct Case {
        double value;
        std::optional<std::int16_t> expected;
    } const cases[] = {
        {120, 120},       {0.5, 0},      {1.5, 2},    {2.5, 2},     {3.5, 4},           {-0.5, 0},
        {-1.5, -2},       {-2.5, -2},    {2.4, 2},    {2.6, 3},     {32767, 32767},     {-32768, -32768},
        {32767.4, 32767}, {32767.5, {}}, {32768, {}}, {-32769, {}}, {-32768.5, -32768},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RoundToInteger16(c.value), c.expected) << c.value;
    }
    EXPECT_EQ(ToInteger16(L"2,5", ','), 2);
    EXPECT_EQ(ToInteger16(L"x", '.'), std::nullopt);
}

TEST(Conversions, LeadingNumberNeverFailsAndReadsAPointWhateverTheLocale) {
    struct Case {
        const wchar_t* text;
        double expected;
    } const cases[] = {
        {L"5", 5},   {L"3abc", 3}, {L"  7", 7}, {L"", 0},      {L"abc", 0}, {L"2.5", 2.5}, {L"2,5", 2}, {L"-3", -3},
        {L"+4x", 4}, {L".5", 0.5}, {L"-", 0},   {L"1e2", 100}, {L"1e", 1},  {L"6 7", 6},   {L"x5", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LeadingNumber(c.text), c.expected) << "\"" << c.text << "\"";
    }
}

// Other values than whole numbers are written in single precision: seven significant digits at most.
TEST(Conversions, NumberToTextWritesWholeNumbersPlainAndOthersWithTheLocaleSeparator) {
    struct Case {
        double value;
        wchar_t separator;
        const wchar_t* expected;
    } const cases[] = {
        {870, '.', L"870"},   {-15, ',', L"-15"},   {0, '.', L"0"},
        {12.5, ',', L"12,5"}, {12.5, '.', L"12.5"}, {0.333333333333, '.', L"0.3333333"},
        {-0.0, '.', L"0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberToText(c.value, c.separator), c.expected) << c.value << " with " << char(c.separator);
    }
}

TEST(SettingsStore, NamesCompareWithoutCaseAndAnEmptyValueIsNotAnAbsentOne) {
    MemoryStore store;
    store.Write(L"Zudav", L"Donnees", L"Bloqu\u00e9e", L"1");
    store.Write(L"ZUDAV", L"DONNEES", L"BLOQUÉE", L"");  // accented names fold too
    EXPECT_EQ(store.Read(L"zudav", L"donnees", L"bloquée", L"d"), L"");
    EXPECT_EQ(store.Read(L"Autre", L"Donnees", L"Bloqu\u00e9e", L"d"), L"d");
    EXPECT_EQ(store.Read(L"Zudav", L"Autre", L"Bloqu\u00e9e", L"d"), L"d");
    store.Write(L"Zudav", L"Donnees", L"Ligne1", L"b");
    EXPECT_TRUE(store.Delete(L"Zudav", L"Donnees", L"BLOQUÉE"));
    EXPECT_FALSE(store.Delete(L"Zudav", L"Donnees", L"Bloqu\u00e9e"));
    EXPECT_FALSE(store.Find(L"Zudav", L"Donnees", L"Bloqu\u00e9e"));
    EXPECT_EQ(store.Read(L"Zudav", L"Donnees", L"Ligne1"), L"b");
}

// What another tool may have written: each type, and the worst texts a reader meets.
TEST(SettingsStore, ValuesOfEveryRegistryTypeReadAsTextANumberOrNothing) {
    using Bytes = std::vector<unsigned char>;
    struct Case {
        unsigned long type;
        Bytes bytes;
        std::optional<std::wstring> text;
    } const cases[] = {
        {1, {'1', 0, '2', 0, 0, 0}, L"12"},
        {1, {'1', 0, '2', 0}, L"12"},  // with or without its NUL
        {1, {'a', 0, 0, 0, 'b', 0}, L"a"},
        {1, {'7', 0, '8'}, L"7"},  // an odd byte is dropped
        {1, {}, L""},
        {2, {'%', 0, 'X', 0, '%', 0, 0, 0}, L"%X%"},
        {4, {0x50, 0xFB, 0xFF, 0xFF}, L"-1200"},
        {4, {1, 0, 0, 0}, L"1"},
        {4, {1, 0}, {}},
        {11, {0x2C, 1, 0, 0, 0, 0, 0, 0}, L"300"},
        {3, {'1', 0}, {}},
        {7, {'1', 0, 0, 0, 0, 0}, {}},  // REG_BINARY, REG_MULTI_SZ
        {0, {}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StoredText(c.type, c.bytes), c.text) << "type " << c.type << ", " << c.bytes.size() << " bytes";
    }
    const std::wstring nines(32000, L'9');
    EXPECT_EQ(ToNumber(nines, '.'), std::nullopt) << "beyond a double";
    EXPECT_EQ(ToInteger16(nines, '.'), std::nullopt);
    EXPECT_EQ(ToBoolean(std::wstring(32000, L' ') + L"1", '.'), true);
}

TEST(Paths, BaseNameFolderAndJoin) {
    EXPECT_EQ(BaseName(L"C:\\Outils\\Zudav.exe"), L"Zudav");
    EXPECT_EQ(BaseName(L"C:\\Users\\Propri\u00e9taire\\Ma.Barre.exe"), L"Ma.Barre");
    EXPECT_EQ(BaseName(L"Autre.EXE"), L"Autre");
    EXPECT_EQ(BaseName(L"C:\\sans extension\\Outil"), L"Outil");
    EXPECT_EQ(FolderOf(L"C:\\Outils\\Zudav.exe"), L"C:\\Outils");
    EXPECT_EQ(FolderOf(L"C:\\Zudav.exe"), L"C:\\");
    EXPECT_EQ(JoinPath(L"C:\\Outils", L"Zudav.chm"), L"C:\\Outils\\Zudav.chm");
    EXPECT_EQ(JoinPath(L"C:\\", L"Zudav.chm"), L"C:\\Zudav.chm");
}

// Icons of files on shares and in the cloud are read away from the window: one read of a file at a time, and what
// comes goes to the boxes that still wait for it.
TEST(SlowFiles, SharesAndOnlineOnlyFilesAreReadOnceForTheBoxesStillWaiting) {
    for (const wchar_t* share : {L"\\\\serveur\\outils\\a.exe", L"\\\\?\\UNC\\serveur\\a.exe", L"//serveur/a.exe"}) {
        EXPECT_TRUE(IsSharePath(share)) << share;
    }
    for (const wchar_t* local : {L"C:\\a.exe", L"\\\\?\\C:\\a.exe", L"\\\\.\\pipe\\a", L"a.exe", L"\\\\"}) {
        EXPECT_FALSE(IsSharePath(local)) << local;
    }
    EXPECT_TRUE(IsOnlineOnly(0x400000 | 0x20) && IsOnlineOnly(0x40000) && IsOnlineOnly(0x1000));
    EXPECT_FALSE(IsOnlineOnly(0x20 | 0x80 | 0x800));  // archive, normal, compressed

    PendingReads reads;
    EXPECT_TRUE(reads.Ask(1, L"\\\\s\\a.exe"));
    EXPECT_FALSE(reads.Ask(1, L"\\\\s\\a.exe")) << "a refresh while it is read: no second read";
    EXPECT_FALSE(reads.Ask(4, L"\\\\s\\a.exe"));
    EXPECT_TRUE(reads.Ask(2, L"\\\\s\\b.exe"));
    reads.Forget(4);                             // slot 4 shows another item now
    EXPECT_TRUE(reads.Ask(2, L"\\\\s\\c.exe"));  // and slot 2 another file
    EXPECT_EQ(reads.Arrived(L"\\\\s\\a.exe"), std::vector<int>{1});
    EXPECT_EQ(reads.Arrived(L"\\\\s\\b.exe"), std::vector<int>{});
    EXPECT_TRUE(reads.Ask(1, L"\\\\s\\a.exe")) << "read again at the next refresh";
}

}  // namespace
}  // namespace zudav
