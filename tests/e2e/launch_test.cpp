// Launching from the slots of one bar: programs with their arguments and window state (cmd.exe writing a file), after
// which the bar is minimised unless RetourAuto is 0; a document opened with its associated program; the "Erreur de
// fichier" message; a free slot that starts, shows and writes nothing.
#include "driver.h"

namespace e2e {

TEST_F(Scenario, LaunchesProgramsAndDocumentsFromTheSlots) {
    const std::wstring cmd = L"C:\\windows\\system32\\cmd.exe", document = scratch(L"compte rendu.ini");
    // Wine opens .ini files (and not .txt files) with notepad; a path cut at its first blank would start Dossier.exe.
    std::ofstream(std::filesystem::path(document)) << "[Ordre du jour]\r\n";
    copyOf(L"C:\\windows\\system32\\notepad.exe", L"Dossier.exe");
    const std::wstring blanks = copyOf(cmd, L"Dossier Propri\u00e9taire\\outil avec blancs.exe");
    writeSettings(L"Zudav", {{L"Chemin4", cmd}, {L"Focus4", L"0"}, {L"Chemin0", blanks}, {L"Focus0", L"0"}});
    writeSettings(L"Zudav", {{L"Chemin6", document}, {L"FicALancer6", L"1"}, {L"Chemin1", scratch(L"absent.exe")}});
    writeSettings(L"Zudav", {{L"Ligne1", L"/x"}});
    HWND bar = startBar();
    const DWORD zudavId = processOf(bar);
    const Twips place = twipsOf(bar);
    const auto expectBarStayed = [&] {
        sendTo(bar, WM_NULL);
        EXPECT_TRUE(!IsIconic(bar) && IsWindowVisible(bar) && twipsOf(bar) == place) << "the bar did not stay";
        EXPECT_EQ(shown(zudavId, L"#32770"), nullptr) << "a message box came up";
    };

    // What, RetourAuto (nullptr: as it was), the slot, the file its program writes, how, and whether it minimises.
    const std::tuple<const char*, const wchar_t*, int, std::wstring, void (*)(HWND bar), bool> launches[] = {
        {"a click on the cell beside the icon", nullptr, 4, scratch(L"un.txt"), [](HWND bar) { clickOn(bar, 4, true); },
         true},
        {"a click on the icon box, RetourAuto 1", L"1", 4, scratch(L"deux.txt"),
         [](HWND bar) { clickOn(bar, 4, false); }, true},
        {"a path with blanks and accents", nullptr, 0, scratch(L"Dossier Propri\u00e9taire\\trois.txt"),
         [](HWND bar) { postPress(bar, cell(bar, 0)); }, true},
        {"a press on the icon box, RetourAuto 0", L"0", 4, scratch(L"quatre.txt"),
         [](HWND bar) { postPress(bar, iconBox(bar, 4)); }, false},
    };
    for (const auto& [what, retourAuto, slot, output, press, minimised] : launches) {
        SCOPED_TRACE(what);
        writeSettings(L"Zudav", {{L"Ligne" + std::to_wstring(slot), L"/c echo ok> \"" + output + L"\""}});
        if (retourAuto) {
            writeSettings(L"Zudav", {{L"RetourAuto", retourAuto}});
        }
        press(bar);
        EXPECT_TRUE(waitFor([&, path = std::filesystem::path(output)] {
            std::ifstream file(path, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(file), {}) == "ok\r\n";
        })) << output
            << " not written";
        parkCursor();
        if (minimised) {
            EXPECT_TRUE(waitFor([&] { return IsIconic(bar); })) << "the bar was not minimised";
            post(bar, WM_SYSCOMMAND, SC_RESTORE);
            ASSERT_TRUE(back(bar, place));
        } else {
            expectBarStayed();
        }
    }

    writeSettings(L"Zudav", {{L"RetourAuto", L"1"}});
    postPress(bar, cell(bar, 6));
    EXPECT_TRUE(waitFor([&] {  // a window of the associated program, titled after the document
        for (DWORD id : processes()) {
            for (HWND window : windowsOf(id)) {
                if (IsWindowVisible(window) && textOf(window).find(L"compte rendu") != std::wstring::npos) {
                    return true;
                }
            }
        }
        return false;
    })) << "the document did not open";
    expectBarStayed();

    std::set<DWORD> running = processes();
    postPress(bar, iconBox(bar, 1));  // a program that is not there
    HWND box = nullptr;
    ASSERT_TRUE(waitFor([&] { return (box = shown(zudavId, L"#32770")) != nullptr; })) << "no message box";
    EXPECT_EQ(textOf(box), L"Erreur de fichier");
    EXPECT_EQ(textOf(GetDlgItem(box, 0xFFFF)),  // the text of a message box
              L"Le fichier recherch\u00e9 n'existe plus\r\nou il a chang\u00e9 de place.\r\n\r\n"
              L"Impossible de charger ce fichier.");
    std::vector<std::wstring> buttons;
    for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
        if (HWND button = GetDlgItem(box, id); button && IsWindowVisible(button)) {
            buttons.push_back(textOf(button));
        }
    }
    EXPECT_EQ(buttons, std::vector<std::wstring>{L"OK"});
    EXPECT_FALSE(IsIconic(bar));
    post(box, WM_COMMAND, IDOK);
    ASSERT_TRUE(gone(box)) << "the message box did not close";
    expectBarStayed();
    std::set<DWORD> now = processes();
    EXPECT_TRUE(std::includes(running.begin(), running.end(), now.begin(), now.end())) << "it started something";

    // A free slot. The bar handles the minimising and restoring posted after the presses once it has handled them.
    const Settings stored = readSettings(L"Zudav");
    const std::vector<HWND> known = windowsOf(zudavId);
    running = processes();
    postPress(bar, iconBox(bar, 8));
    postPress(bar, cell(bar, 8));
    post(bar, WM_SYSCOMMAND, SC_MINIMIZE);
    ASSERT_TRUE(waitFor([&] { return IsIconic(bar); }));
    post(bar, WM_SYSCOMMAND, SC_RESTORE);
    ASSERT_TRUE(back(bar, place));
    for (HWND window : windowsOf(zudavId)) {
        EXPECT_FALSE(IsWindowVisible(window) && !std::count(known.begin(), known.end(), window)) << "a window came up";
    }
    now = processes();
    EXPECT_TRUE(std::includes(running.begin(), running.end(), now.begin(), now.end())) << "it started something";
    EXPECT_EQ(readSettings(L"Zudav"), stored);
}

}  // namespace e2e
