// A portable bar: a copy of Zudav with "<its name>.ini" beside it shows the items of that file, saves its place and
// margins there, makes portable bars (an .ini of only its section, as the portable zip carries), and leaves no key of
// its own in the registry.
#include "bar/settings/ini_text.h"
#include "config/win32/config_ids.h"
#include "driver.h"
#include "platform/help.h"
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
    const auto identity = [&] {  // the file's last write and its number on its volume
        HANDLE file =
            CreateFileW((folder / L"Essai.ini").c_str(), FILE_READ_ATTRIBUTES,
                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
        BY_HANDLE_FILE_INFORMATION info{};
        need(GetFileInformationByHandle(file, &info), "cannot read the file's identity");
        CloseHandle(file);
        return std::tuple{info.ftLastWriteTime.dwLowDateTime, info.ftLastWriteTime.dwHighDateTime, info.nFileIndexLow,
                          info.nFileIndexHigh};
    };
    const auto written = identity();
    HWND bar = startBar(exe), input = nullptr, autre = nullptr;
    EXPECT_EQ(identity(), written) << "the start rewrote the file";
    post(bar, WM_KEYDOWN, VK_F1);  // copied without its help file: F1 says so
    HWND missing = nullptr;
    ASSERT_TRUE(waitFor([&] { return (missing = shown(processOf(bar), L"#32770")) != nullptr; })) << "no word of it";
    EXPECT_EQ(textOf(GetDlgItem(missing, 0xFFFF)), zudav::kAideIntrouvable);
    post(missing, WM_COMMAND, IDOK);
    ASSERT_TRUE(gone(missing));
    const Twips place = twipsOf(bar);
    EXPECT_TRUE(std::labs(place[0] - 3000) <= twipsPerPixel() && std::labs(place[1] - 600) <= twipsPerPixel());
    EXPECT_TRUE(slotLooksFree(bar, 0, false) && slotLooksFree(bar, 1, true)) << "not the file's items";
    EXPECT_EQ(tipAt(tooltips(bar), iconBox(bar, 0)), L"Bloc-notes");
    // An export leaves the file as it is; an import while the bar runs reaches the running bar, which saves it later.
    const std::filesystem::path carried = scratch(L"porte.ini");
    EXPECT_EQ(runSwitch(exe, L"/export \"" + carried.wstring() + L"\""), 0u);
    EXPECT_EQ(identity(), written) << "the export rewrote the file";
    std::string text;
    std::getline(std::ifstream(carried, std::ios::binary), text, '\0');
    text.replace(text.find("Bloc-notes"), 10, "Carnet");
    std::ofstream(carried, std::ios::binary) << text;
    EXPECT_EQ(runSwitch(exe, L"/import \"" + carried.wstring() + L"\""), 0u);
    EXPECT_TRUE(waitFor([&] { return tipAt(tooltips(bar), iconBox(bar, 0)) == L"Carnet"; })) << "not told";

    HWND config = (post(bar, WM_COMMAND, IDM_CONFIGURATION), waitModal(bar, ids::kConfigWindowClass));
    post(GetDlgItem(config, ids::kConfigCommand3), BM_CLICK);
    ASSERT_TRUE(waitFor([&] { return (input = shown(processOf(bar), ids::kInputBoxClass)); }));
    setText(GetDlgItem(input, ids::kInputText), L"Autre"), post(GetDlgItem(input, IDOK), BM_CLICK);
    ASSERT_TRUE(waitFor([&] { return (autre = FindWindowW(ids::kBarWindowClass, L"Autre")); })) << "no new bar";
    // Only its place, beside this bar: the rest is its design values.
    const Twips maker = twipsOf(bar);
    EXPECT_EQ(ini(L"Autre").second,
              (Settings{{L"left", std::to_wstring(maker[0] + maker[2])}, {L"top", std::to_wstring(maker[1])}}));
    post(config, WM_CLOSE);  // stores the options, and the margins in the bar's own file
    ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(bar); })) << "the configuration did not close";

    need(SetWindowPos(bar, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE), "not moved");
    const Twips moved = twipsOf(bar);
    post(bar, WM_CLOSE), post(autre, WM_CLOSE);
    ASSERT_TRUE(waitFor([&] { return processes().empty(); })) << "the bars did not end";
    Settings saved = ini(L"Essai").second;
    EXPECT_TRUE(savedPlace(saved, moved));
    EXPECT_TRUE(saved[L"Chemin0"] == notepad && saved[L"MargeHt"] == L"400" && saved.count(L"AlwaysOnTop"));
    EXPECT_EQ(saved[L"Tool0"], L"Carnet") << "the bar's close undid the import";
    EXPECT_TRUE(ini(L"Autre").second.count(L"left")) << "the new bar did not save its place in its file";

    // An empty file beside a bar, as its notice tells the user to make one, makes it portable: it saves its place
    // there.
    std::ofstream(folder / L"Vide.ini", std::ios::binary).flush();
    post(startBar(copyOf(zudav(), L"cle\\Vide.exe")), WM_CLOSE);
    ASSERT_TRUE(waitFor([&] { return processes().empty(); })) << "the bar of the empty file did not end";
    EXPECT_TRUE(ini(L"Vide").second.count(L"left")) << "the empty file was refused";
    for (const wchar_t* name : {L"Essai", L"Autre", L"Reredo"}) {
        EXPECT_TRUE(readSettings(name).empty()) << "a portable bar wrote under " << testing::PrintToString(name);
    }
}

}  // namespace e2e
