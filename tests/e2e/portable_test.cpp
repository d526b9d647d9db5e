// A portable bar: a copy of Zudav with "<its name>.ini" beside it shows the items of that file, saves its place and
// margins there, makes portable bars (an .ini of only its section, as the portable zip carries), and leaves no key of
// its own in the registry.
#include "bar/settings/ini_text.h"
#include "config/win32/config_ids.h"
#include "driver.h"
#include "resources/resource_ids.h"

namespace e2e {

TEST_F(Scenario, APortableBarKeepsItsSettingsBesideItAndMakesPortableBars) {
    const std::wstring notepad = L"C:\\windows\\system32\\notepad.exe";
    const std::filesystem::path exe = copyOf(zudav(), L"cle\\Essai.exe"), folder = exe.parent_path();
    const auto ini = [&](const wchar_t* bar) {  // the file's bytes and its values; none when it is refused
        std::ifstream in(folder / (bar + std::wstring(L".ini")), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        const auto values = zudav::ReadIniText(bytes).values.value_or(zudav::StoredValues{});
        return std::pair{bytes, Settings(values.begin(), values.end())};
    };
    std::ofstream(folder / L"Essai.ini", std::ios::binary) << zudav::WriteIniText(
        {{L"Chemin0", notepad}, {L"Tool0", L"Bloc-notes"}, {L"left", L"3000"}, {L"top", L"600"}, {L"MargeHt", L"400"}});
    HWND bar = startBar(exe), input = nullptr, autre = nullptr;
    const Twips place = twipsOf(bar);
    EXPECT_TRUE(std::labs(place[0] - 3000) <= twipsPerPixel() && std::labs(place[1] - 600) <= twipsPerPixel());
    EXPECT_TRUE(slotLooksFree(bar, 0, false) && slotLooksFree(bar, 1, true)) << "not the file's items";
    EXPECT_EQ(tipAt(tooltips(bar), iconBox(bar, 0)), L"Bloc-notes");

    HWND config = (post(bar, WM_COMMAND, IDM_CONFIGURATION), waitModal(bar, ids::kConfigWindowClass));
    post(GetDlgItem(config, ids::kConfigCommand3), BM_CLICK);
    ASSERT_TRUE(waitFor([&] { return (input = shown(processOf(bar), ids::kInputBoxClass)); }));
    setText(GetDlgItem(input, ids::kInputText), L"Autre"), post(GetDlgItem(input, IDOK), BM_CLICK);
    ASSERT_TRUE(waitFor([&] { return (autre = FindWindowW(ids::kBarWindowClass, L"Autre")); })) << "no new bar";
    EXPECT_EQ(ini(L"Autre").first, "\xEF\xBB\xBF[Donnees]\r\n");
    post(config, WM_CLOSE);  // stores the options, and the margins in the bar's own file
    ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(bar); })) << "the configuration did not close";

    need(SetWindowPos(bar, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE), "not moved");
    const Twips moved = twipsOf(bar);
    post(bar, WM_CLOSE), post(autre, WM_CLOSE);
    ASSERT_TRUE(waitFor([&] { return processes().empty(); })) << "the bars did not end";
    Settings saved = ini(L"Essai").second;
    EXPECT_TRUE(savedPlace(saved, moved));
    EXPECT_TRUE(saved[L"Chemin0"] == notepad && saved[L"MargeHt"] == L"400" && saved.count(L"AlwaysOnTop"));
    EXPECT_TRUE(ini(L"Autre").second.count(L"left")) << "the new bar did not save its place in its file";
    for (const wchar_t* name : {L"Essai", L"Autre", L"Reredo"}) {
        EXPECT_TRUE(readSettings(name).empty()) << "a portable bar wrote under " << testing::PrintToString(name);
    }
}

}  // namespace e2e
