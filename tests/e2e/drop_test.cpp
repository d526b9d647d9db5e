// Files dragged onto the bar from another program, by a real OLE drag and drop (zudav_drag.exe): a program dropped on
// a free slot of a bar that holds items opens the item editor on it and saving adds the item there, leaving the others
// as they were, as does a program handed over in a shell id list alone (as the Start menu hands its apps) and a
// shortcut, which gives its target; three files dropped together on a free slot fill it and the next free ones, as the
// editor would and without it; a file dropped on the added item starts the program with the file, after which the bar
// is minimised; drive roots dropped on a program reach it each as one argument.
#include "driver.h"
// After windows.h, which driver.h includes.
#include <ole2.h>
#include <shobjidl.h>

namespace e2e {

// A copy of this program started as "arguments.exe" writes the arguments its C runtime read, one a line, beside itself.
[[maybe_unused]] static const bool kArguments = __argc > 0 && std::strstr(__argv[0], "arguments.exe") && [] {
    std::wstring self(32768, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), DWORD(self.size())));
    std::ofstream out(std::filesystem::path(self).replace_filename(L"arguments.txt"), std::ios::binary);
    for (int i = 1; i < __argc; ++i) {
        out << __argv[i] << "\n";
    }
    out.close();
    ExitProcess(0);
    return true;
}();

TEST_F(Scenario, FilesDroppedOnTheBarAddAnItemThenOpenWithIt) {
    const std::filesystem::path marker = scratch(L"marqueur.cmd"), letter = scratch(L"compte rendu.txt"),
                                opened = scratch(L"ouvert.txt");
    std::ofstream(marker) << "@echo %*> \"" << opened.string() << "\"\r\n";
    std::ofstream(letter) << "Ordre du jour\r\n";
    const Settings held = {
        {L"Chemin1", L"C:\\windows\\system32\\notepad.exe"}, {L"Chemin2", letter}, {L"FicALancer2", L"1"}};
    writeSettings(L"Zudav", held);
    HWND bar = startBar();
    // The effect that the drag ended with; how: "drop", or "drop --ids" for a shell id list without files.
    // The files as they stand on the command line of zudav_drag: one quoted, or several bare.
    const auto drag = [&](int slot, const std::wstring& file, const wchar_t* how = L"drop", bool bare = false) {
        const std::wstring drag = std::filesystem::path(zudav()).replace_filename(L"zudav_drag.exe");
        HANDLE dragging = start(drag, std::wstring(ids::kBarWindowClass) + L" " + std::to_wstring(slot) + L" 300 " +
                                          how + (bare ? L" " + file : L" \"" + file + L"\""));
        DWORD effect = 0;
        need(WaitForSingleObject(dragging, kTimeoutMs) == WAIT_OBJECT_0 && GetExitCodeProcess(dragging, &effect),
             "the drag did not end");
        return effect;
    };

    ASSERT_EQ(drag(4, marker), DWORD(DROPEFFECT_COPY));
    HWND editor = waitModal(bar, ids::kEditorWindowClass);
    EXPECT_EQ(textOf(GetDlgItem(editor, ids::kText2)), marker);
    EXPECT_EQ(sendTo(GetDlgItem(editor, ids::kCheck1), BM_GETCHECK), BST_UNCHECKED) << "a program";
    EXPECT_EQ(readSettings(L"Zudav"), held) << "stored before the save";
    post(GetDlgItem(editor, ids::kCommand2), BM_CLICK);
    ASSERT_TRUE(gone(editor)) << "\"&Ajouter Modifier\" did not close the editor";
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == bar; })) << "the bar did not take the activation back";
    Settings added = held;
    added.insert({{L"Chemin4", marker}, {L"Tool4", L"marqueur"}, {L"Focus4", L"1"}, {L"FicALancer4", L"0"}});
    EXPECT_EQ(readSettings(L"Zudav"), added) << "the item went elsewhere than the slot it was dropped on";
    EXPECT_TRUE(slotLooksFree(bar, 4, false));

    const std::wstring notepad = L"C:\\windows\\system32\\notepad.exe";
    ASSERT_EQ(drag(6, notepad, L"drop --ids"), DWORD(DROPEFFECT_COPY));
    editor = waitModal(bar, ids::kEditorWindowClass);
    EXPECT_EQ(textOf(GetDlgItem(editor, ids::kText2)), notepad);
    EXPECT_EQ(textOf(GetDlgItem(editor, ids::kText1)), L"notepad");
    post(GetDlgItem(editor, ids::kCommand2 + 1), BM_CLICK);
    ASSERT_TRUE(gone(editor)) << "\"Annuler &Retour\" did not close the editor";
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == bar; })) << "the bar did not take the activation back";
    EXPECT_EQ(readSettings(L"Zudav"), added);

    const std::wstring shortcut = scratch(L"Bloc.lnk");
    IShellLinkW* link = nullptr;
    IPersistFile* saved = nullptr;
    need(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) &&
             SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) &&
             SUCCEEDED(link->SetPath(notepad.c_str())) && SUCCEEDED(link->QueryInterface(IID_PPV_ARGS(&saved))) &&
             SUCCEEDED(saved->Save(shortcut.c_str(), TRUE)),
         "no shortcut");
    saved->Release(), link->Release();
    ASSERT_EQ(drag(6, shortcut), DWORD(DROPEFFECT_COPY));
    editor = waitModal(bar, ids::kEditorWindowClass);
    EXPECT_EQ(textOf(GetDlgItem(editor, ids::kText2)), notepad) << "the shortcut's target";
    post(GetDlgItem(editor, ids::kCommand2 + 1), BM_CLICK);
    ASSERT_TRUE(gone(editor));
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == bar; }));

    // Dropped together on the free slot 3, they take it and the free slots 5 and 6 past the item of slot 4, unasked.
    const std::wstring three = L"\"" + letter.wstring() + L"\" \"" + marker.wstring() + L"\" \"" + shortcut + L"\"";
    ASSERT_EQ(drag(3, three, L"drop", true), DWORD(DROPEFFECT_COPY));
    EXPECT_TRUE(waitFor([&] {
        Settings now = readSettings(L"Zudav");
        return std::vector{now[L"Chemin3"], now[L"Chemin5"], now[L"Chemin6"], now[L"FicALancer3"], now[L"Tool5"]} ==
               std::vector<std::wstring>{letter, marker, notepad, L"1", L"marqueur"};
    })) << "the three files did not fill the slots 3, 5 and 6 as the editor would";

    ASSERT_EQ(drag(4, letter), DWORD(DROPEFFECT_LINK));
    EXPECT_TRUE(waitFor([&] {
        std::ifstream file(opened, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {}) == "\"" + letter.string() + "\"\r\n";
    })) << "the program did not open the file";
    EXPECT_TRUE(waitFor([&] { return IsIconic(bar); })) << "the bar was not minimised";

    // "C:\" quoted whole once ended in \", which the C runtime reads as a quote: both roots became one argument.
    const std::filesystem::path reader =
        copyOf(std::filesystem::path(zudav()).replace_filename(L"zudav_e2e.exe"), L"arguments.exe");
    writeSettings(L"Zudav", {{L"Chemin5", reader}});
    post(bar, WM_SYSCOMMAND, SC_RESTORE);
    ASSERT_TRUE(waitFor([&] { return !IsIconic(bar) && IsWindowVisible(bar); })) << "the bar did not come back";
    ASSERT_EQ(drag(5, L"C:\\ Z:\\", L"drop", true), DWORD(DROPEFFECT_LINK));
    EXPECT_TRUE(waitFor([&] {
        std::ifstream file(reader.parent_path() / L"arguments.txt", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {}) == "C:\\\nZ:\\\n";
    })) << "the roots did not reach the program as two arguments";
}

}  // namespace e2e
