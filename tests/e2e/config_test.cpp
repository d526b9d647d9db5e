// The configuration window, opened from the bar's menu: its captions and the miniature of a vertical bar, a docking
// preset, an exchange of two items, start with Windows on and off, a new bar, the orientation, and the options
// stored when it closes; docked by its presets at the bottom then at the right edge, the bar opens its item editor and
// its About box wholly on the screen, and shows its items in their new order.
#include "config/frm_aide.h"
#include "config/win32/config_ids.h"
#include "driver.h"
#include "resources/resource_ids.h"

namespace e2e {

TEST_F(Scenario, ConfigurationDocksReordersTurnsAndCopiesTheBar) {
    const std::wstring notepad = L"C:\\windows\\system32\\notepad.exe", regedit = L"C:\\windows\\regedit.exe";
    writeSettings(L"Zudav", {{L"Chemin0", notepad}, {L"Focus0", L"3"}, {L"Chemin4", regedit}});
    const std::wstring executable = copyOf(zudav(), L"barres\\Zudav.exe");  // new bars are made beside it
    HWND bar = startBar(executable);
    const DWORD zudavId = processOf(bar);
    const std::vector<Picture> before = slotPictures(bar);
    const long pixel = twipsPerPixel(), width = twipsOf(bar)[2];
    post(bar, WM_COMMAND, IDM_CONFIGURATION);
    HWND config = waitModal(bar, ids::kConfigWindowClass);
    const auto control = [&](int id) { return GetDlgItem(config, id); };
    // A screen reader's default action reaches the disabled bar as the message it posts: "Arrêter" and a slot only
    // bring the window forward; nothing closes, nothing starts.
    for (WPARAM element : {WPARAM(14), WPARAM(1)}) {
        post(bar, ids::kDefaultActionMessage, element);
        sendTo(bar, WM_NULL);
    }
    EXPECT_TRUE(IsWindow(config) && IsWindowVisible(bar)) << "closed under the configuration window";
    EXPECT_EQ(processes().size(), 1u) << "a slot started under the configuration window";
    const auto waitShown = [&](const wchar_t* className) {
        HWND window = nullptr;
        need(waitFor([&] { return (window = shown(zudavId, className)) != nullptr; }), "no window came up");
        return window;
    };

    EXPECT_EQ(textOf(config), L"Configuration");
    // The bar's icon, here the built-in one: more than the box's background.
    EXPECT_TRUE(waitFor([&] {
        const Picture icon = capture(rectOf(control(ids::kConfigImage1)));
        return std::count(icon.begin(), icon.end(), icon.front()) < static_cast<long>(icon.size()) * 9 / 10;
    })) << "\"Icone de l'application\" shows no icon";
    const std::pair<int, std::wstring> texts[] = {
        {ids::kConfigCheck1, L"Toujours au premier plan"},
        {ids::kConfigCommand3, L"Cr\u00e9er une nouvelle barre."},
        {ids::kConfigCommand1, L"&Fermer"},
        {ids::kConfigText1, L"Zudav"},
        {ids::kConfigText1 + 2, L"200"},
        {ids::kConfigText1 + 4, L"500"},
        {ids::kConfigTTT + 4, L""},
        {ids::kConfigCommand2 + 6, L"1"},
    };
    for (const auto& [id, text] : texts) {
        EXPECT_EQ(textOf(control(id)), text) << "control " << id;
    }
    for (int id : {ids::kConfigCheck1, ids::kConfigCheck1 + 2}) {  // as the bar is: on top, minimised after a launch
        EXPECT_EQ(sendTo(control(id), BM_GETCHECK), BST_CHECKED) << "control " << id;
    }
    EXPECT_TRUE(IsWindowVisible(control(ids::kConfigFrame3)) && !IsWindowVisible(control(ids::kConfigFrame4)));

    // The second column from the left: one bar's width and the side margin from the edge, below the top margin.
    post(control(ids::kConfigCommandGx + 2), BM_CLICK);
    EXPECT_TRUE(waitFor([&] {
        const Twips at = twipsOf(bar);
        return std::labs(at[0] - width - 100) <= pixel && std::labs(at[1] - 200) <= pixel;
    })) << "the bar is at "
        << testing::PrintToString(twipsOf(bar));

    // Two clicks exchange the items of slots 0 and 4, window state included, in the store at once.
    postPress(control(ids::kConfigIco + 0));
    postPress(control(ids::kConfigIco + 4));
    EXPECT_TRUE(waitFor([&] {
        Settings items = readSettings(L"Zudav");
        return items[L"Chemin0"] == regedit && items[L"Chemin4"] == notepad && items[L"Focus4"] == L"3";
    }));

    // "Oui", then "Non", each confirmed: the bar's quoted path is in the user's Run list, then in none. A bar outside
    // Program Files never goes to the machine's list, elevated or not (Wine runs it as an administrator).
    const auto runValues = [] {
        std::wstring values;
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
            wchar_t data[1024] = L"";
            DWORD size = sizeof data;
            RegGetValueW(root, kRunKey, L"Zudav", RRF_RT_REG_SZ, nullptr, data, &size);
            values += (root == HKEY_CURRENT_USER ? L"user: " : L"machine: ") + std::wstring(data) + L";";
        }
        return values;
    };
    for (int index : {0, 1}) {
        post(control(ids::kConfigCommand4 + index), BM_CLICK);
        HWND box = waitShown(L"#32770");
        EXPECT_EQ(textOf(box), L"Zavado Vizid");
        post(box, WM_COMMAND, IDYES);
        const std::wstring expected = L"machine: ;user: " + (index == 0 ? L"\"" + executable + L"\"" : L"") + L";";
        EXPECT_TRUE(waitFor([&] { return runValues() == expected; }))
            << "Run values: " << testing::PrintToString(runValues());
    }

    // A new bar: the executable copied under the typed name beside this one, and started.
    post(control(ids::kConfigCommand3), BM_CLICK);
    HWND input = waitShown(ids::kInputBoxClass);
    EXPECT_EQ(textOf(input), L"Cr\u00e9ation d'une barre");
    // Beside the configuration: over it, Wine never showed what the box paints.
    const RECT box = rectOf(input), asking = rectOf(config);
    RECT over{};
    EXPECT_FALSE(IntersectRect(&over, &box, &asking)) << "the input box covers the configuration";
    setText(GetDlgItem(input, ids::kInputText), L"a:b?");  // no file's name: told why, and asked again
    post(GetDlgItem(input, IDOK), BM_CLICK);
    HWND refusal = waitShown(L"#32770");
    EXPECT_EQ(textOf(GetDlgItem(refusal, 0xFFFF)), zudav::kNomCaracteres);
    post(refusal, WM_COMMAND, IDOK);
    ASSERT_TRUE(gone(refusal));
    input = waitShown(ids::kInputBoxClass);
    setText(GetDlgItem(input, ids::kInputText), L"Essai");
    post(GetDlgItem(input, IDOK), BM_CLICK);
    HWND essai = nullptr;
    EXPECT_TRUE(waitFor([&] {
        for (DWORD id : processes()) {
            HWND other = id != zudavId ? shown(id, ids::kBarWindowClass) : nullptr;
            if (other && textOf(other) == L"Essai") {
                essai = other;
                return true;
            }
        }
        return false;
    })) << "no bar titled Essai";
    EXPECT_TRUE(std::filesystem::exists(scratch(L"barres\\Essai.exe")));
    // It opens beside this bar, wholly on the screen, not at the screen's corner over this bar's first slot.
    const RECT maker = rectOf(bar), made = essai ? rectOf(essai) : RECT{};
    EXPECT_TRUE((std::labs(made.left - maker.right) <= 2 || std::labs(made.right - maker.left) <= 2) &&
                made.left >= 0 && made.top >= 0 && made.right <= GetSystemMetrics(SM_CXSCREEN) &&
                made.bottom <= GetSystemMetrics(SM_CYSCREEN))
        << "the new bar at " << testing::PrintToString(twipsOf(essai)) << ", its maker at "
        << testing::PrintToString(twipsOf(bar));

    // Horizontal: the bar lies down, its thickness the width it had, its length that of its thirteen cells.
    postPress(control(ids::kConfigBarreHV + 1));
    EXPECT_TRUE(waitFor([&] { return IsWindowVisible(control(ids::kConfigFrame4)); }));
    expectLayout(bar, true, width);
    // Pressed again, the orientation the bar has changes nothing.
    postPress(control(ids::kConfigBarreHV + 1));
    sendTo(config, WM_NULL);
    expectLayout(bar, true, width);

    post(control(ids::kConfigCommand1), BM_CLICK);
    ASSERT_TRUE(gone(config));
    Settings saved = readSettings(L"Zudav");
    for (const auto& [key, value] : {std::pair{L"AlwaysOnTop", L"1"},
                                     {L"RetourAuto", L"1"},
                                     {L"Bloqu\u00e9e", L"0"},
                                     {L"Caption", L"Zudav"},
                                     {L"Coef", L"0"},
                                     {L"Horizont", L"True"}}) {
        EXPECT_EQ(saved[key], value) << key;
    }
    EXPECT_TRUE(GetWindowLongPtrW(bar, GWL_EXSTYLE) & WS_EX_TOPMOST) << "the bar left the topmost band";

    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const auto onScreen = [&](const wchar_t* className) {  // the modal window of that class, then closed
        HWND window = waitModal(bar, className);
        const RECT r = rectOf(window);
        EXPECT_TRUE(r.left >= work.left && r.top >= work.top && r.right <= work.right && r.bottom <= work.bottom)
            << "off the screen: " << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom;
        post(window, WM_CLOSE);
        EXPECT_TRUE(gone(window));
    };
    for (const auto& [orientation, preset] : {std::pair{1, ids::kConfigCommandB}, {0, ids::kConfigCommand2 + 1}}) {
        SCOPED_TRACE(orientation ? "at the bottom" : "at the right edge");
        post(bar, WM_COMMAND, IDM_CONFIGURATION);
        config = waitModal(bar, ids::kConfigWindowClass);
        postPress(control(ids::kConfigBarreHV + orientation));
        post(control(preset), BM_CLICK);
        post(control(ids::kConfigCommand1), BM_CLICK);
        ASSERT_TRUE(gone(config));
        const RECT docked = rectOf(bar);
        EXPECT_TRUE(orientation ? docked.bottom >= GetSystemMetrics(SM_CYSCREEN) - 40
                                : docked.right >= GetSystemMetrics(SM_CXSCREEN) - 20)
            << "not docked: " << docked.right << ", " << docked.bottom;
        postPress(bar, cell(bar, 2), true);
        onScreen(ids::kEditorWindowClass);
        post(bar, WM_COMMAND, IDM_PROPOS);
        onScreen(ids::kAboutWindowClass);
    }
    // Upright again, with cells as large as at the start: its pictures are those it had, slots 0 and 4 exchanged.
    EXPECT_TRUE(waitFor([&] {
        const std::vector<Picture> after = slotPictures(bar);
        return after[0] == before[4] && after[4] == before[0] && after[0] != after[4];
    })) << "the bar does not show slots 0 and 4 exchanged";
}

}  // namespace e2e
