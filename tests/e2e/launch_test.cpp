// Launching from the slots of one bar: programs with their arguments, window state and environment variables (cmd.exe,
// a marker of its working folder, Ctrl+Shift+click), then the bar minimised unless RetourAuto is 0; a document opened,
// also when stored as a program, and the bar started again comes back active; the "Erreur de fichier" message, also for
// a name alone that only the bar's folder holds and for a path with blanks whose program is gone, while ".\" starts
// the bar's own file; a free slot that starts, shows and writes nothing; an item dragged onto another slot, which
// exchanges the two and starts neither.
#include "driver.h"

namespace e2e {

// A copy of this program started as "outil avec blancs.exe" is the marker that slots start: it writes "ok" to the file
// its argument names when it runs in its own folder, else the folder it runs in.
[[maybe_unused]] static const bool kMarker = __argc == 2 && std::strstr(__argv[0], "outil avec blancs") && [] {
    std::wstring self(32768, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), DWORD(self.size())));
    const std::filesystem::path folder = std::filesystem::current_path();
    std::ofstream(__argv[1]) << (folder == std::filesystem::path(self).parent_path() ? "ok" : folder.u8string())
                             << "\n";
    ExitProcess(0);
    return true;
}();

TEST_F(Scenario, LaunchesProgramsAndDocumentsFromTheSlots) {
    const std::wstring cmd = L"C:\\windows\\system32\\cmd.exe", document = scratch(L"compte rendu.ini");
    // Wine opens .ini files (and not .txt files) with notepad; a path cut at its first blank would start Dossier.exe.
    std::ofstream(std::filesystem::path(document)) << "[Ordre du jour]\r\n";
    copyOf(L"C:\\windows\\system32\\notepad.exe", L"Dossier.exe");
    const std::wstring blanks = copyOf(std::filesystem::path(zudav()).replace_filename(L"zudav_e2e.exe"),
                                       L"Dossier Propri\u00e9taire\\outil avec blancs.exe");
    // The marker's path and argument hold variables that the bar expands (the marker does not expand its own).
    writeSettings(L"Zudav", {{L"Chemin4", cmd}, {L"Focus4", L"0"}, {L"Chemin0", L"%SystemDrive%" + blanks.substr(2)}});
    writeSettings(L"Zudav", {{L"Chemin6", document}, {L"FicALancer6", L"1"}, {L"Chemin1", scratch(L"absent.exe")}});
    writeSettings(L"Zudav", {{L"Ligne1", L"/x"}, {L"Chemin7", document}});
    need(blanks.rfind(L"C:", 0) == 0 && SetEnvironmentVariableW(L"ZUDAV_SORTIE", scratch(L"").c_str()), "no C:");
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
        {"a path with blanks, accents and variables, in its own folder", nullptr, 0, scratch(L"trois.txt"),
         [](HWND bar) { postPress(bar, cell(bar, 0)); }, true},
        {"a press on the icon box, RetourAuto 0", L"0", 4, scratch(L"quatre.txt"),
         [](HWND bar) { postPress(bar, iconBox(bar, 4)); }, false},
        {"Ctrl+Shift+click", L"1", 0, scratch(L"cinq.txt"),
         [](HWND bar) {
             keybd_event(VK_CONTROL, 0, 0, 0), keybd_event(VK_SHIFT, 0, 0, 0), clickOn(bar, 0, false);
             keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0), keybd_event(VK_CONTROL, 0, KEYEVENTF_KEYUP, 0);
         },
         true},
    };
    for (const auto& [what, retourAuto, slot, output, press, minimised] : launches) {
        SCOPED_TRACE(what);
        const auto ligne =
            slot == 4 ? L"/c echo ok> \"" + output : L"\"%ZUDAV_SORTIE%" + output.substr(scratch(L"").size());
        writeSettings(L"Zudav", {{L"Ligne" + std::to_wstring(slot), ligne + L"\""}});
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

    // A variable the user adds (System Properties writes it, then says so to every window) reaches the next launch, as
    // from Explorer.
    const struct UserVariable {
        UserVariable(const std::wstring& folder) {
            need(!RegSetKeyValueW(HKEY_CURRENT_USER, L"Environment", L"ZUDAV_NOUVELLE", REG_SZ, folder.c_str(),
                                  DWORD(folder.size() + 1) * sizeof(wchar_t)),
                 "no variable");
        }
        ~UserVariable() { RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Environment", L"ZUDAV_NOUVELLE"); }
    } variable(scratch(L""));
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, LPARAM(L"Environment"), SMTO_ABORTIFHUNG, 5000, nullptr);
    writeSettings(L"Zudav", {{L"Ligne0", L"\"%ZUDAV_NOUVELLE%six.txt\""}, {L"RetourAuto", L"0"}});
    postPress(bar, cell(bar, 0));
    EXPECT_TRUE(waitFor([&] { return std::ifstream(std::filesystem::path(scratch(L"six.txt"))).good(); }))
        << "the new variable did not reach the program";

    writeSettings(L"Zudav", {{L"RetourAuto", L"1"}});
    postPress(bar, cell(bar, 6));
    HWND opened = nullptr;
    EXPECT_TRUE(waitFor([&] {  // a window of the associated program, titled after the document
        for (DWORD id : processes()) {
            for (HWND window : windowsOf(id)) {
                wchar_t title[256] = L"";  // read without a message, from a window that may be closing
                if (IsWindowVisible(window) && GetWindowTextW(window, title, 256) && wcsstr(title, L"compte rendu")) {
                    return (opened = window) != nullptr;
                }
            }
        }
        return false;
    })) << "the document did not open";
    expectBarStayed();
    post(opened, WM_CLOSE);
    ASSERT_TRUE(gone(opened)) << "the document's window did not close";
    // The same document stored as a program: the shell opens it, and the bar, clicked from the background, is
    // minimised. Started again, it comes back in front and drawn active, and the first click on "Action" opens its
    // menu.
    std::set<DWORD> running = processes();
    clickOn(bar, 7, true);
    parkCursor();  // the user's hand leaves the slot for the program that opens
    EXPECT_TRUE(waitFor([&] {
        const std::set<DWORD> now = processes();
        return IsIconic(bar) && !std::includes(running.begin(), running.end(), now.begin(), now.end());
    })) << "nothing opened";
    // The program that opened the document has shown its window and taken the foreground before the user starts the
    // bar again: what comes back must come over it.
    EXPECT_TRUE(waitFor([&] {
        HWND front = GetForegroundWindow();
        return front != nullptr && front != bar && running.count(processOf(front)) == 0 && sendTo(front, WM_NULL) == 0;
    })) << "the document's window did not come to the front";
    start(zudav());
    ASSERT_TRUE(back(bar, place));
    EXPECT_TRUE(waitFor([&] {
        const RECT frame = rectOf(bar);
        HDC screen = GetDC(nullptr);
        const COLORREF caption = GetPixel(screen, frame.left + 6, frame.top + 6);
        ReleaseDC(nullptr, screen);
        return GetForegroundWindow() == bar && caption == GetSysColor(COLOR_ACTIVECAPTION);
    })) << "the bar came back inactive";
    clickAt(bar, [&] { return zudav_tools::Middle(zudav_tools::BarPlaces(bar).action); });
    HWND menu = nullptr;
    EXPECT_TRUE(waitFor([&] { return (menu = shown(zudavId, L"#32768")) != nullptr; }))
        << "the first click missed; the bar " << (IsIconic(bar) ? "minimised" : "shown") << ", "
        << (GetForegroundWindow() == bar ? "in front" : "not in front");
    post(bar, WM_CANCELMODE);  // closes the menu, as a click elsewhere would
    EXPECT_TRUE(waitFor([&] { return !IsWindowVisible(menu); })) << "the menu did not close";
    expectBarStayed();

    // A program that is not there; a name alone that only the bar's folder holds, where anyone may leave a file of that
    // name; a path with blanks whose program is gone, which must not start the first words of it (Dossier.exe).
    const std::filesystem::path planted = std::filesystem::path(zudav()).replace_filename(L"zudav_piege.cmd"),
                                trapped = scratch(L"piege.txt");
    const struct Removed {
        std::filesystem::path file;
        ~Removed() {
            std::error_code ignored;
            std::filesystem::remove(file, ignored);
        }
    } removed{planted};
    std::ofstream(planted) << "@echo ok> \"" << trapped.string() << "\"\r\n";
    writeSettings(L"Zudav", {{L"Chemin9", L"zudav_piege.cmd"},
                             {L"Chemin10", L".\\zudav_piege.cmd"},
                             {L"Chemin11", scratch(L"Dossier Propri\u00e9taire\\absent.exe")},
                             {L"Chemin12", L"https://x.fr/" + std::wstring(5000, L'a')}});  // more than the shell takes
    for (const int slot : {1, 9, 11, 12}) {
        SCOPED_TRACE(slot);
        const std::set<DWORD> before = processes();
        postPress(bar, iconBox(bar, slot));
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
        const std::set<DWORD> after = processes();
        EXPECT_TRUE(std::includes(before.begin(), before.end(), after.begin(), after.end())) << "it started something";
    }
    EXPECT_FALSE(std::filesystem::exists(trapped)) << "the file left in the bar's folder ran";
    postPress(bar, iconBox(bar, 10));  // named from the bar's folder on purpose: a portable bar's tools lie beside it
    EXPECT_TRUE(waitFor([&] { return std::filesystem::exists(trapped); })) << ".\\ did not start the bar's own file";
    EXPECT_TRUE(waitFor([&] { return IsIconic(bar); })) << "the bar was not minimised";
    post(bar, WM_SYSCOMMAND, SC_RESTORE);
    ASSERT_TRUE(back(bar, place));

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
    const std::set<DWORD> now = processes();
    EXPECT_TRUE(std::includes(running.begin(), running.end(), now.begin(), now.end())) << "it started something";
    EXPECT_EQ(readSettings(L"Zudav"), stored);

    // Slot 1's item taken by its icon onto slot 4's, in steps: its picture follows the pointer, the two items exchange
    // places whole, and neither starts (slot 1's program is gone, as a message box would say; cmd.exe started would
    // minimise the bar).
    const std::vector<Picture> before = slotPictures(bar);
    const POINT from = iconBox(bar, 1), to = iconBox(bar, 4);
    mouseAt(pointAt(bar, [&] { return from; }), MOUSEEVENTF_LEFTDOWN);
    POINT at{};
    for (const int quarters : {1, 2, 4}) {
        at = {from.x + (to.x - from.x) * quarters / 4, from.y + (to.y - from.y) * quarters / 4};
        ClientToScreen(bar, &at);
        mouseAt(at);
    }
    HWND picture = nullptr;
    EXPECT_TRUE(waitFor([&] {
        POINT pointer{};
        const RECT r = (picture = shown(zudavId, ids::kDragPictureClass)) ? rectOf(picture) : RECT{};
        return GetCursorPos(&pointer) && PtInRect(&r, pointer);
    })) << "no picture under the pointer";
    mouseAt(at, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(waitFor([&] {
        Settings items = readSettings(L"Zudav");
        return items[L"Chemin1"] == cmd && items[L"Chemin4"] == scratch(L"absent.exe") && items[L"Ligne4"] == L"/x" &&
               items[L"Focus1"] == L"0";
    })) << "slots 1 and 4 were not exchanged";
    EXPECT_TRUE(gone(picture)) << "the picture stayed";
    expectBarStayed();
    EXPECT_TRUE(waitFor([&] {
        const std::vector<Picture> after = slotPictures(bar);
        return after[1] == before[4] && after[4] == before[1] && after[1] != after[4];
    })) << "the bar does not show slots 1 and 4 exchanged";
}

}  // namespace e2e
