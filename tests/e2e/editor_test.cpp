// The item editor, opened by a right press on a slot: it adds an item (the slot then shows the program's icon and its
// tooltip), takes what is typed at once into the path, writes nothing when left without saving, opens the help viewer,
// takes a program from its file dialog, shows the item again and removes it, and saves by its access key and by Enter.
#include "driver.h"

namespace e2e {

TEST_F(Scenario, ItemEditorAddsAndRemovesAnItem) {
    const std::wstring notepad = L"C:\\windows\\system32\\notepad.exe", empty = L"Ajouter / Enlever";
    HWND bar = startBar();
    const auto slotShows = [&](int slot, bool free, const std::wstring& tooltip) {
        EXPECT_TRUE(slotLooksFree(bar, slot, free)) << "slot " << slot << (free ? " is not free" : " is free");
        EXPECT_EQ(tipAt(tooltips(bar), iconBox(bar, slot)), tooltip);
    };
    const auto editor = [&](const std::wstring& caption) {  // modal over the bar, titled after the item
        HWND window = waitModal(bar, ids::kEditorWindowClass);
        EXPECT_EQ(textOf(window), caption);
        EXPECT_EQ(GetWindow(window, GW_OWNER), bar);
        return window;
    };
    slotShows(3, true, L"(none)");

    clickOn(bar, 3, true, MOUSEEVENTF_RIGHTDOWN);
    HWND window = editor(empty);
    parkCursor();
    EXPECT_EQ(textOf(GetDlgItem(window, ids::kText2)), L"");
    setText(GetDlgItem(window, ids::kText2), notepad);
    setText(GetDlgItem(window, ids::kText1), L"Bloc-notes");
    post(GetDlgItem(window, ids::kCommand2), BM_CLICK);
    ASSERT_TRUE(gone(window)) << "\"&Ajouter Modifier\" did not close the editor";
    const Settings added = {
        {L"Chemin3", notepad}, {L"Tool3", L"Bloc-notes"}, {L"Focus3", L"1"}, {L"FicALancer3", L"0"}};
    EXPECT_EQ(readSettings(L"Zudav"), added);
    EXPECT_TRUE(IsWindowEnabled(bar));
    slotShows(3, false, L"Bloc-notes");

    // Typed at once, without a click first: the keys go to the path, whose text is selected, and never to a button's
    // access key (an "e" would press "&Enlever", an "a" "&Ajouter Modifier").
    const auto typeInto = [&](int slot, const std::wstring& text) {
        clickOn(bar, slot, true, MOUSEEVENTF_RIGHTDOWN);
        HWND typedIn = waitModal(bar, ids::kEditorWindowClass);
        need(waitFor([&] { return GetForegroundWindow() == typedIn; }), "the editor is not in the foreground");
        type(text);
        EXPECT_TRUE(waitFor([&] { return !IsWindow(typedIn) || textOf(GetDlgItem(typedIn, ids::kText2)) == text; }));
        need(IsWindow(typedIn), "a typed key closed the editor");
        EXPECT_EQ(textOf(GetDlgItem(typedIn, ids::kText2)), text);
        return typedIn;
    };
    window = typeInto(3, L"Internet");
    EXPECT_EQ(readSettings(L"Zudav"), added);
    press(VK_ESCAPE);
    ASSERT_TRUE(gone(window)) << "Escape did not close the editor";
    EXPECT_EQ(readSettings(L"Zudav"), added);

    // Leaving without saving, and help (then Escape) on F1 and on the "Aide" button.
    const auto annuler = [](HWND editor) { post(GetDlgItem(editor, ids::kCommand2 + 1), BM_CLICK); };
    const std::tuple<const char*, int, void (*)(HWND editor)> ways[] = {
        {"Annuler &Retour on a stored item", 3, annuler},
        {"Annuler &Retour on a free slot", 8, annuler},
        {"Escape", 3, [](HWND editor) { post(editor, WM_KEYDOWN, VK_ESCAPE); }},
        {"WM_CLOSE", 3, [](HWND editor) { post(editor, WM_CLOSE); }},
        {"F1", 2, [](HWND editor) { post(editor, WM_KEYDOWN, VK_F1); }},
        {"Aide", 2, [](HWND editor) { post(GetDlgItem(editor, ids::kCommand2 + 3), BM_CLICK); }},
    };
    for (const auto& [how, slot, leave] : ways) {
        SCOPED_TRACE(how);
        postPress(bar, cell(bar, slot), true);
        window = editor(slot == 3 ? notepad : empty);
        // Texts of each way's own, so that a save by one way cannot pass for another's.
        const std::wstring mark(how, how + std::strlen(how));
        setText(GetDlgItem(window, ids::kText2), L"C:\\windows\\regedit" + mark + L".exe");
        setText(GetDlgItem(window, ids::kText1), L"Registre " + mark);
        setText(GetDlgItem(window, ids::kText3), L"/s" + mark);
        leave(window);
        if (slot == 2) {  // Wine's viewer, titled after the help file it opened (its pages stay blank)
            HWND viewer = nullptr;
            ASSERT_TRUE(waitFor([&] { return (viewer = shown(processOf(bar), L"HH Parent")) != nullptr; }));
            EXPECT_EQ(textOf(viewer), L"Aide de Zudav");
            post(viewer, WM_CLOSE);
            EXPECT_TRUE(gone(viewer)) << "the help viewer did not close";
            post(window, WM_KEYDOWN, VK_ESCAPE);
        }
        ASSERT_TRUE(gone(window)) << "the editor did not close";
        sendTo(bar, WM_NULL);
        EXPECT_EQ(readSettings(L"Zudav"), added);
        EXPECT_TRUE(IsWindowEnabled(bar));
    }

    // The shell's file dialog of "Parcourir" (Wine has no Applications folder to offer): a typed program is its file;
    // that of "Ajouter une ligne de commande" fills the command line. Escape then stores neither.
    postPress(bar, cell(bar, 5), true);
    window = editor(empty);
    // Each gives the editor the keyboard back, on the path after "Parcourir", where it was after the other.
    const auto browse = [&](int button, int box, const std::wstring& file) {
        post(GetDlgItem(window, button), BM_CLICK);
        HWND dialog = nullptr;
        need(waitFor([&] { return (dialog = shown(processOf(bar), L"#32770")) && GetForegroundWindow() == dialog; }),
             "no file dialog");
        type(file);
        press(VK_RETURN);
        need(gone(dialog), "the file dialog did not close");
        EXPECT_TRUE(waitFor([&] { return textOf(GetDlgItem(window, box)) == file; }));
        GUITHREADINFO keyboard{};
        keyboard.cbSize = sizeof keyboard;
        EXPECT_TRUE(waitFor([&] {
            return GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &keyboard) &&
                   keyboard.hwndActive == window && GetForegroundWindow() == window;
        })) << "the editor did not get the keyboard back";
        return keyboard.hwndFocus;
    };
    EXPECT_EQ(browse(ids::kCommand1, ids::kText2, notepad), GetDlgItem(window, ids::kText2));
    EXPECT_EQ(browse(ids::kCommand3, ids::kText3, L"C:\\windows\\win.ini"), GetDlgItem(window, ids::kCommand3));
    post(window, WM_KEYDOWN, VK_ESCAPE);
    ASSERT_TRUE(gone(window)) << "Escape did not close the editor";
    EXPECT_EQ(readSettings(L"Zudav"), added) << "a cancelled edit was stored";

    postPress(bar, iconBox(bar, 3), true);
    window = editor(notepad);
    for (const auto& [id, text] : {std::pair{ids::kText2, notepad}, {ids::kText1, L"Bloc-notes"}, {ids::kText3, L""}}) {
        EXPECT_EQ(textOf(GetDlgItem(window, id)), text) << "control " << id;
    }
    EXPECT_EQ(sendTo(GetDlgItem(window, ids::kOption1 + 1), BM_GETCHECK), BST_CHECKED) << "window state 1";
    EXPECT_EQ(sendTo(GetDlgItem(window, ids::kCheck1), BM_GETCHECK), BST_UNCHECKED) << "not a document";
    post(GetDlgItem(window, ids::kCommand2 + 2), BM_CLICK);
    ASSERT_TRUE(gone(window)) << "\"&Enlever\" did not close the editor";
    Settings removed;
    for (const wchar_t* key : {L"Chemin3", L"Tool3", L"Icone3", L"Ligne3", L"Focus3", L"FicALancer3"}) {
        removed[key] = L"";
    }
    EXPECT_EQ(readSettings(L"Zudav"), removed) << "the six keys of slot 3, there and empty";
    slotShows(3, true, L"");

    window = typeInto(7, L"C:\\x.exe");
    EXPECT_EQ(readSettings(L"Zudav"), removed);
    press('A', VK_MENU);
    ASSERT_TRUE(gone(window)) << "Alt+A did not close the editor";
    const Settings saved = readSettings(L"Zudav");
    EXPECT_EQ(saved.count(L"Chemin7") ? saved.at(L"Chemin7") : L"(none)", L"C:\\x.exe");
    EXPECT_EQ(saved.count(L"Focus7") ? saved.at(L"Focus7") : L"(none)", L"1");

    // Enter in the path, as in a dialog box, presses "&Ajouter Modifier"; the name is suggested as when the path is
    // left.
    window = typeInto(9, notepad);
    press(VK_RETURN);
    ASSERT_TRUE(gone(window)) << "Enter did not save the item";
    const Settings entered = readSettings(L"Zudav");
    EXPECT_EQ(entered.count(L"Chemin9") ? entered.at(L"Chemin9") : L"(none)", notepad)
        << "stored: " << testing::PrintToString(entered);
    EXPECT_NE(entered.count(L"Tool9") ? entered.at(L"Tool9") : L"", L"") << "no name suggested";
}

}  // namespace e2e
