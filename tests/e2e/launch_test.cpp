// Starting the item of a slot: a program with its arguments and window state, after which the bar is
// minimised (unless RetourAuto says otherwise); a document opened with its associated program; the
// "Erreur de fichier" message when the start fails; a free slot that only beeps; and a program whose
// path holds blanks and accents, which must not be split at its first blank.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bar_test.h"
#include "driver/error.h"
#include "driver/input.h"
#include "driver/poll.h"
#include "driver/window.h"

namespace e2e {
namespace {

constexpr wchar_t kCmd[] = L"C:\\windows\\system32\\cmd.exe";

// The arguments that make cmd.exe write "ok" into the file, then end.
std::wstring echoOkInto(const std::wstring& file) {
    return L"/c echo ok> \"" + file + L"\"";
}

// Waits until the file holds "ok" as cmd.exe's echo writes it.
bool waitForOk(const std::wstring& file) {
    return pollUntil([&] {
        const auto bytes = readFileBytes(file);
        return bytes && *bytes == "ok\r\n";
    });
}

std::string namesOf(const std::vector<ProcessEntry>& processes) {
    std::string names;
    for (const ProcessEntry& process : processes) {
        names += (names.empty() ? "" : ", ") + narrow(process.fileName);
    }
    return names.empty() ? "none" : names;
}

HWND findMessageBox(DWORD processId) {
    HWND box = findTopLevelWindow(processId, L"#32770");
    return box != nullptr && IsWindowVisible(box) ? box : nullptr;
}

enum class Pointer { RealClickOnCell, RealClickOnIconBox, PostedIconBoxPress, PostedCellClick };

void launch(HWND bar, int slot, Pointer pointer) {
    switch (pointer) {
        case Pointer::RealClickOnCell:
            clickAt(pointOnCellBesideIcon(bar, slot), MouseButton::Left);
            break;
        case Pointer::RealClickOnIconBox:
            clickAt(centreOf(windowRect(iconBox(bar, slot))), MouseButton::Left);
            break;
        case Pointer::PostedIconBoxPress:
            postIconBoxPress(bar, slot);
            break;
        case Pointer::PostedCellClick:
            postCellClick(bar, slot);
            break;
    }
}

TEST_F(BarTest, LaunchStartsTheProgramWithItsArgumentsThenMinimisesTheBarUnlessToldNot) {
    struct Case {
        const char* what;
        Pointer pointer;
        const wchar_t* retourAuto;  // nullptr: not stored
        bool minimised;
    };
    const Case cases[] = {
        {"a click on the cell, beside the icon", Pointer::RealClickOnCell, nullptr, true},
        {"a click on the icon box, RetourAuto 1", Pointer::RealClickOnIconBox, L"1", true},
        {"a press on the icon box, RetourAuto 0", Pointer::PostedIconBoxPress, L"0", false},
    };
    int run = 0;
    for (const Case& launchCase : cases) {
        SCOPED_TRACE(launchCase.what);
        const std::wstring output = scratch().path() + L"\\sortie" + std::to_wstring(++run) + L".txt";
        deleteAppSettings(L"Zudav");
        writeSetting(L"Zudav", L"Chemin4", kCmd);
        writeSetting(L"Zudav", L"Ligne4", echoOkInto(output));
        writeSetting(L"Zudav", L"Focus4", L"0");
        if (launchCase.retourAuto != nullptr) {
            writeSetting(L"Zudav", L"RetourAuto", launchCase.retourAuto);
        }
        HWND bar = startBar();
        ASSERT_NE(bar, nullptr);
        const TwipsRect before = toTwips(windowRect(bar));

        launch(bar, 4, launchCase.pointer);

        ASSERT_TRUE(waitForOk(output)) << "cmd.exe did not write " << narrow(output)
                                       << "; programs the bar started: " << namesOf(descendantsOf({barProcess().id()}));
        if (launchCase.minimised) {
            EXPECT_TRUE(pollUntil([&] { return IsIconic(bar) != FALSE; })) << "the bar was not minimised";
        } else {
            syncWith(bar);
            EXPECT_FALSE(IsIconic(bar)) << "the bar was minimised";
            EXPECT_TRUE(IsWindowVisible(bar));
            EXPECT_EQ(toTwips(windowRect(bar)), before) << "the bar moved or changed size";
        }
        EXPECT_EQ(findMessageBox(barProcess().id()), nullptr) << "a message box came up";

        post(bar, WM_CLOSE);
        ASSERT_TRUE(barProcess().waitForExit(kStepTimeoutMs)) << "the bar did not end after WM_CLOSE";
    }
}

TEST_F(BarTest, FailedStartShowsTheFileErrorAndLeavesTheBarAsItWas) {
    writeSetting(L"Zudav", L"Chemin1", scratch().path() + L"\\absent.exe");
    writeSetting(L"Zudav", L"Ligne1", L"/x");
    HWND bar = startBar();
    ASSERT_NE(bar, nullptr);
    const TwipsRect before = toTwips(windowRect(bar));

    postIconBoxPress(bar, 1);

    HWND box = nullptr;
    ASSERT_TRUE(pollUntil([&] { return (box = findMessageBox(barProcess().id())) != nullptr; }))
        << "no message box came up";
    EXPECT_EQ(windowText(box), L"Erreur de fichier");
    HWND text = childWithId(box, 0xFFFF);  // the message's text in a message box
    ASSERT_NE(text, nullptr) << "the message box has no text";
    EXPECT_EQ(windowText(text),
              L"Le fichier recherch\u00e9 n'existe plus\r\nou il a chang\u00e9 de place.\r\n\r\n"
              L"Impossible de charger ce fichier.");
    std::vector<std::wstring> buttons;
    for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
        HWND button = childWithId(box, id);
        if (button != nullptr && IsWindowVisible(button)) {
            buttons.push_back(windowText(button));
        }
    }
    EXPECT_EQ(buttons, std::vector<std::wstring>{L"OK"}) << "the box should have an OK button only";
    EXPECT_FALSE(IsIconic(bar)) << "the bar was minimised";

    post(box, WM_COMMAND, IDOK);
    ASSERT_TRUE(waitForWindowGone(box, kStepTimeoutMs)) << "the message box did not close";
    syncWith(bar);
    EXPECT_FALSE(IsIconic(bar)) << "the bar was minimised after the message";
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_EQ(toTwips(windowRect(bar)), before) << "the bar moved or changed size";
    EXPECT_EQ(namesOf(descendantsOf({barProcess().id()})), "none");
}

TEST_F(BarTest, DocumentOpensWithItsAssociatedProgramAndTheBarStays) {
    // A document type that Wine's own prefix associates with notepad (it has no association for .txt).
    const std::wstring document = scratch().path() + L"\\compte rendu.ini";
    writeFileBytes(document, "[Ordre du jour]\r\n");
    writeSetting(L"Zudav", L"Chemin6", document);
    writeSetting(L"Zudav", L"FicALancer6", L"1");
    HWND bar = startBar();
    ASSERT_NE(bar, nullptr);
    const TwipsRect before = toTwips(windowRect(bar));

    postCellClick(bar, 6);

    // The associated program shows a window titled after the document.
    HWND shown = nullptr;
    const bool opened = pollUntil([&] {
        for (const ProcessEntry& process : descendantsOf({barProcess().id()})) {
            for (HWND window : topLevelWindows(process.id)) {
                if (IsWindowVisible(window) && windowText(window).find(L"compte rendu") != std::wstring::npos) {
                    shown = window;
                }
            }
        }
        return shown != nullptr;
    });
    ASSERT_TRUE(opened) << "no window titled after the document; programs the bar started: "
                        << namesOf(descendantsOf({barProcess().id()}));
    syncWith(bar);
    EXPECT_FALSE(IsIconic(bar)) << "the bar was minimised after opening a document";
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_EQ(toTwips(windowRect(bar)), before) << "the bar moved or changed size";
    EXPECT_EQ(findMessageBox(barProcess().id()), nullptr) << "a message box came up";
}

TEST_F(BarTest, FreeSlotStartsNothingShowsNothingAndWritesNothing) {
    writeSetting(L"Zudav", L"Chemin0", kCmd);  // an item elsewhere on the bar
    HWND bar = startBar();
    ASSERT_NE(bar, nullptr);
    const SettingsSection before = readSettings(L"Zudav");
    const std::vector<HWND> windowsBefore = topLevelWindows(barProcess().id());

    postIconBoxPress(bar, 8);
    postCellClick(bar, 8);
    // The bar handles its posted messages in order: once it has closed, the presses were handled.
    post(bar, WM_CLOSE);
    std::vector<HWND> opened;
    const bool ended = pollUntil([&] {
        for (HWND window : newShownWindows(barProcess().id(), windowsBefore)) {
            if (std::find(opened.begin(), opened.end(), window) == opened.end()) {
                opened.push_back(window);
            }
        }
        return !barProcess().isRunning();
    });
    std::string openedNames;
    for (HWND window : opened) {
        openedNames += " " + narrow(windowClass(window));
    }

    EXPECT_TRUE(ended) << "the bar did not end after WM_CLOSE";
    EXPECT_TRUE(opened.empty()) << "windows came up:" << openedNames;
    EXPECT_EQ(namesOf(descendantsOf({barProcess().id()})), "none");
    SettingsSection after = readSettings(L"Zudav");
    for (const wchar_t* key : kPlaceKeys) {
        after.erase(key);  // written by the closing
    }
    EXPECT_EQ(after, before) << "the settings changed";
}

TEST_F(BarTest, ProgramPathWithBlanksAndAccentsIsStartedWhole) {
    const std::wstring folder = scratch().makeFolder(L"Dossier Propri\u00e9taire");
    const std::wstring program = scratch().copyHere(kCmd, L"Dossier Propri\u00e9taire\\outil avec blancs.exe");
    // What the path would start if it were cut at its first blank.
    scratch().copyHere(kCmd, L"Dossier.exe");
    const std::wstring output = folder + L"\\sortie.txt";
    writeSetting(L"Zudav", L"Chemin0", program);
    writeSetting(L"Zudav", L"Ligne0", echoOkInto(output));
    writeSetting(L"Zudav", L"Focus0", L"0");
    HWND bar = startBar();
    ASSERT_NE(bar, nullptr);

    postCellClick(bar, 0);

    EXPECT_TRUE(waitForOk(output)) << "\"outil avec blancs.exe\" did not write " << narrow(output)
                                   << "; programs the bar started: " << namesOf(descendantsOf({barProcess().id()}));
    for (const ProcessEntry& process : descendantsOf({barProcess().id()})) {
        EXPECT_FALSE(sameText(process.fileName, L"Dossier.exe")) << "the path was cut at its first blank";
    }
    EXPECT_TRUE(pollUntil([&] { return IsIconic(bar) != FALSE; })) << "the bar was not minimised";
}

}  // namespace
}  // namespace e2e
