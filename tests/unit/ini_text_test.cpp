// A bar's settings written to an .ini file and read back, and the files that are refused.
#include "bar/settings/ini_text.h"

#include <gtest/gtest.h>

#include <string>

#include "bar/model/stored_keys.h"

namespace zudav {
namespace {

using namespace std::string_literals;

TEST(IniText, EveryValueReadsBackAsItWasStored) {
    const StoredValues values = {
        {L"Chemin0", L"C:\\Program Files\\Outil\\outil.exe"},
        {L"Tool0", L""},
        {L"Ligne0", L"  /a  "},
        {L"Tool1", L"a=b;c [d]"},
        {L"Ligne1", L"\"quoted\" and \\ back"},
        {L"Tool2", L"deux\r\nlignes\net\tune"},
        {L"Caption", L"Barre \u00e0 \u00e9l\u00e9ments \u20ac \U0001F600"},
        {L"Chemin3", std::wstring(4000, L'x')},
        {L"Tool3", L";pas un commentaire"},
        {L"Ligne3", L"\\"},
        {L"Chemin4", L"\""},
        {L"Inconnue", L"gard\u00e9e"},
        {L"Bloqu\u00e9e", L"1"},
    };
    const std::string text = WriteIniText(values);
    EXPECT_EQ(text.substr(0, 14), "\xEF\xBB\xBF[Donnees]\r\n");
    const IniReading read = ReadIniText(text);
    ASSERT_TRUE(read.values) << std::string(read.refusal.begin(), read.refusal.end());
    EXPECT_EQ(*read.values, values);
    EXPECT_NE(text.find("Chemin0=C:\\Program Files\\Outil\\outil.exe\r\n"), std::string::npos) << "paths stay legible";

    // Keys that would not read back are left out; the others stay.
    const StoredValues awkward = {{L"a=b", L"1"}, {L"", L"2"}, {L"[x]", L"3"}, {L" y", L"4"}, {L"z", L"5"}};
    EXPECT_EQ(ReadIniText(WriteIniText(awkward)).values, (StoredValues{{L"z", L"5"}}));
}

TEST(IniText, AFileThatIsNotABarsTextIsRefusedWithTheReason) {
    const std::string bom = "\xEF\xBB\xBF";
    struct Case {
        const char* what;
        std::string bytes;
        bool read;
    } const cases[] = {
        {"written by hand: no mark, Unix line ends, blanks and comments", "; ma barre\n\n [donnees] \nTool0 = Un \n",
         true},
        {"an empty section", bom + "[Donnees]\r\n", true},
        {"a zero byte", bom + "[Donnees]\r\nTool0=a\0b"s, false},
        {"UTF-16", "\xFF\xFE[\0D\0"s, false},
        {"not UTF-8", bom + "[Donnees]\r\nTool0=caf\xE9\r\n", false},
        {"an overlong form", bom + "[Donnees]\r\nTool0=\xC0\xAF\r\n", false},
        {"too large", bom + "[Donnees]\r\nTool0=" + std::string(kIniLargest, 'x'), false},
        {"no section", "Tool0=a\r\n", false},
        {"another section", "[Donnees]\r\n[Autre]\r\n", false},
        {"the section twice", "[Donnees]\r\n[Donnees]\r\n", false},
        {"a line without =", "[Donnees]\r\nTool0\r\n", false},
        {"a key given twice", "[Donnees]\r\nTool0=a\r\ntool0=b\r\n", false},
        {"an unended quote", "[Donnees]\r\nTool0=\"abc\r\n", false},
        {"text after the quote", "[Donnees]\r\nTool0=\"abc\" d\r\n", false},
    };
    for (const Case& c : cases) {
        const IniReading read = ReadIniText(c.bytes);
        EXPECT_EQ(read.values.has_value(), c.read) << c.what;
        EXPECT_EQ(read.refusal.empty(), c.read) << c.what;
    }
    EXPECT_EQ(ReadIniText("; ma barre\n\n [donnees] \nTool0 = Un \n").values, (StoredValues{{L"Tool0", L"Un"}}));
}

}  // namespace
}  // namespace zudav
