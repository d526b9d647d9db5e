// The item editor, opened by a right press on a slot: it adds an item (and the slot shows the
// program's icon), shows a stored item again, removes it (and the slot is free again), leaves the
// store untouched when it is cancelled, and opens the help viewer on F1 and on its "Aide" button.
#include <windows.h>

#include <string>
#include <vector>

#include "bar_test.h"
#include "driver/error.h"
#include "driver/input.h"
#include "driver/poll.h"
#include "driver/tooltips.h"
#include "driver/window.h"

namespace e2e {
namespace {

constexpr wchar_t kNotepad[] = L"C:\\windows\\system32\\notepad.exe";

// The editor window once it has loaded the slot's item and runs modal over the bar; nullptr with a
// failure if it does not. The editor shows itself before it loads the item (and handles what comes
// meanwhile as it loads), and disables the bar once it is loaded: only then is it ready for input.
HWND waitForEditor(DWORD processId, HWND bar) {
    HWND editor = nullptr;
    const bool ready = pollUntil([&] {
        editor = findTopLevelWindow(processId, ids::kEditorWindowClass);
        return editor != nullptr && IsWindowVisible(editor) && !IsWindowEnabled(bar);
    });
    if (!ready) {
        ADD_FAILURE() << (editor == nullptr ? "the item editor did not open" : "the item editor did not go modal");
        return nullptr;
    }
    syncWith(editor);
    return editor;
}

HWND control(HWND editor, int id) {
    HWND found = childWithId(editor, id);
    if (found == nullptr) {
        throw std::runtime_error("the editor has no control " + std::to_string(id));
    }
    return found;
}

std::wstring slotTooltip(DWORD processId, HWND bar, int slot) {
    HWND tooltip = findTooltipWindow(processId, bar);
    if (tooltip == nullptr) {
        return L"(no tooltip window)";
    }
    const auto tips = tooltipTexts(processId, tooltip);
    const auto found = tips.find(iconBox(bar, slot));
    return found == tips.end() ? L"(no tooltip)" : found->second;
}

// Waits until the slot's picture is (or is not) the same as that of the free slot after it.
::testing::AssertionResult slotLooksFree(HWND bar, int slot, bool free) {
    std::vector<ScreenPicture> pictures;
    const bool seen = pollUntil([&] {
        pictures = slotPictures(bar);
        return (pictures[slot] == pictures[slot + 1]) == free;
    });
    if (seen) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "slot " << slot << (free ? " does not show" : " still shows")
                                         << " the free-slot picture of slot " << slot + 1 << describeSlots(pictures);
}

TEST_F(BarTest, EditorAddsShowsAgainAndRemovesAnItem) {
    HWND bar = startBar();
    ASSERT_NE(bar, nullptr);
    const DWORD zudav = barProcess().id();
    ASSERT_TRUE(slotLooksFree(bar, 3, true));

    // Adding: a right press on the cell of slot 3, beside its icon box.
    clickAt(pointOnCellBesideIcon(bar, 3), MouseButton::Right);
    HWND editor = waitForEditor(zudav, bar);
    ASSERT_NE(editor, nullptr);
    parkCursor();
    EXPECT_EQ(windowText(editor), L"Ajouter / Enlever");
    EXPECT_EQ(GetWindow(editor, GW_OWNER), bar) << "the editor is not owned by the bar";
    EXPECT_FALSE(IsWindowEnabled(bar)) << "the bar takes input while the editor is up";
    EXPECT_EQ(windowText(control(editor, ids::kText2)), L"");
    setWindowText(control(editor, ids::kText2), kNotepad);
    setWindowText(control(editor, ids::kText1), L"Bloc-notes");
    post(control(editor, ids::kCommand2 + 0), BM_CLICK);

    ASSERT_TRUE(waitForWindowGone(editor, kStepTimeoutMs)) << "\"&Ajouter Modifier\" did not close the editor";
    const SettingsSection added = {
        {L"Chemin3", {REG_SZ, kNotepad}},
        {L"Tool3", {REG_SZ, L"Bloc-notes"}},
        {L"Focus3", {REG_SZ, L"1"}},
        {L"FicALancer3", {REG_SZ, L"0"}},
    };
    EXPECT_EQ(readSettings(L"Zudav"), added);
    EXPECT_TRUE(IsWindowEnabled(bar));
    EXPECT_TRUE(slotLooksFree(bar, 3, false));
    EXPECT_EQ(slotTooltip(zudav, bar, 3), L"Bloc-notes");

    // Showing it again: a right press on the icon box.
    postRightPress(iconBox(bar, 3));
    editor = waitForEditor(zudav, bar);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(windowText(editor), kNotepad) << "the caption of an editor on a stored item";
    EXPECT_EQ(windowText(control(editor, ids::kText2)), kNotepad);
    EXPECT_EQ(windowText(control(editor, ids::kText1)), L"Bloc-notes");
    EXPECT_EQ(windowText(control(editor, ids::kText3)), L"");
    EXPECT_EQ(sendWithin(control(editor, ids::kOption1 + 1), BM_GETCHECK), BST_CHECKED) << "window state 1";
    EXPECT_EQ(sendWithin(control(editor, ids::kCheck1), BM_GETCHECK), BST_UNCHECKED) << "not a document";

    // Removing it.
    post(control(editor, ids::kCommand2 + 2), BM_CLICK);

    ASSERT_TRUE(waitForWindowGone(editor, kStepTimeoutMs)) << "\"&Enlever\" did not close the editor";
    SettingsSection removed;
    for (const wchar_t* key : {L"Chemin3", L"Tool3", L"Icone3", L"Ligne3", L"Focus3", L"FicALancer3"}) {
        removed[key] = {REG_SZ, L""};
    }
    EXPECT_EQ(readSettings(L"Zudav"), removed) << "the six keys of slot 3 should be there and empty";
    EXPECT_TRUE(slotLooksFree(bar, 3, true));
    EXPECT_EQ(slotTooltip(zudav, bar, 3), L"");
}

TEST_F(BarTest, EditorLeftWithoutSavingWritesNothing) {
    writeSetting(L"Zudav", L"Chemin3", kNotepad);
    writeSetting(L"Zudav", L"Tool3", L"Bloc-notes");
    HWND bar = startBar();
    ASSERT_NE(bar, nullptr);
    const DWORD zudav = barProcess().id();

    struct Leaving {
        const char* how;
        int slot;
        void (*leave)(HWND editor);
    };
    const Leaving ways[] = {
        {"Annuler &Retour on a stored item", 3,
         [](HWND editor) { post(childWithId(editor, ids::kCommand2 + 1), BM_CLICK); }},
        {"Annuler &Retour on a free slot", 8,
         [](HWND editor) { post(childWithId(editor, ids::kCommand2 + 1), BM_CLICK); }},
        {"Escape", 3, [](HWND editor) { postKey(editor, VK_ESCAPE); }},
        {"closing the window", 3, [](HWND editor) { post(editor, WM_CLOSE); }},
    };
    int typed = 0;
    for (const Leaving& way : ways) {
        SCOPED_TRACE(way.how);
        const SettingsSection before = readSettings(L"Zudav");
        postRightPress(cell(bar, way.slot));
        HWND editor = waitForEditor(zudav, bar);
        ASSERT_NE(editor, nullptr);
        // Texts of each way's own, so that a save by one way cannot pass for another's.
        const std::wstring mark = std::to_wstring(++typed);
        setWindowText(control(editor, ids::kText2), L"C:\\windows\\regedit" + mark + L".exe");
        setWindowText(control(editor, ids::kText1), L"Registre " + mark);
        setWindowText(control(editor, ids::kText3), L"/s" + mark);

        way.leave(editor);

        ASSERT_TRUE(waitForWindowGone(editor, kStepTimeoutMs)) << "the editor did not close";
        syncWith(bar);
        EXPECT_EQ(readSettings(L"Zudav"), before);
        EXPECT_TRUE(IsWindowEnabled(bar));
    }
}

TEST_F(BarTest, EditorOpensTheHelpViewerOnF1AndOnItsAideButton) {
    HWND bar = startBar();
    ASSERT_NE(bar, nullptr);
    const DWORD zudav = barProcess().id();

    struct Asking {
        const char* how;
        void (*ask)(HWND editor);
    };
    const Asking askings[] = {
        {"F1", [](HWND editor) { postKey(editor, VK_F1); }},
        {"the Aide button", [](HWND editor) { post(childWithId(editor, ids::kCommand2 + 3), BM_CLICK); }},
    };
    for (const Asking& asking : askings) {
        SCOPED_TRACE(asking.how);
        postRightPress(cell(bar, 2));
        HWND editor = waitForEditor(zudav, bar);
        ASSERT_NE(editor, nullptr);
        const std::vector<HWND> known = topLevelWindows(zudav);

        asking.ask(editor);

        std::vector<HWND> opened;
        ASSERT_TRUE(pollUntil([&] { return !(opened = newShownWindows(zudav, known)).empty(); }))
            << "no new window came up";
        std::string seen;
        HWND viewer = nullptr;
        for (HWND window : opened) {
            seen += "\n  class \"" + narrow(windowClass(window)) + "\", title \"" + narrow(windowText(window)) + "\"";
            if (sameText(windowClass(window), L"HH Parent")) {
                viewer = window;
            }
        }
        // Wine's help viewer is an "HH Parent" window titled after the help file it opened (its pages
        // stay blank under Wine): Zudav.chm, built beside Zudav.exe, is titled "Aide de Zudav".
        ASSERT_NE(viewer, nullptr) << "no help viewer among the new windows:" << seen;
        EXPECT_EQ(windowText(viewer), L"Aide de Zudav") << "the viewer did not open Zudav.chm";

        post(viewer, WM_CLOSE);
        EXPECT_TRUE(waitForWindowGone(viewer, kStepTimeoutMs)) << "the help viewer did not close";
        postKey(editor, VK_ESCAPE);
        ASSERT_TRUE(waitForWindowGone(editor, kStepTimeoutMs)) << "the editor did not close";
    }
}

}  // namespace
}  // namespace e2e
