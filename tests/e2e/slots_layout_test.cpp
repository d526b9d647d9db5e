// The slots of a bar with items stored before start-up: what each shows (pictures compared with one another on the
// screen), their tooltips, and the layout in a column (Zudav) and in a row (a copy named Autre).
#include "driver.h"
#include "resources/resource_ids.h"

namespace e2e {

TEST_F(Scenario, SlotsShowTheirItemsInAColumnOrARow) {
    enum Shows { kFreeSlot, kItsIcon, kPlaceholder, kNothing };
    const char* const names[] = {"the free-slot picture", "its own picture", "the placeholder", "nothing"};
    std::ofstream(std::filesystem::path(scratch(L"lettre.txt"))) << "Bonjour\r\n";
    // The slot, Chemin, Tool, FicALancer (empty: not stored) and what the slot shows.
    const std::tuple<int, std::wstring, std::wstring, std::wstring, Shows> items[] = {
        {0, L"C:\\windows\\system32\\notepad.exe", L"Bloc-notes", L"", kItsIcon},
        {2, scratch(L"absent.exe"), L"Programme absent", L"", kPlaceholder},
        {5, scratch(L"lettre.txt"), L"Lettre", L"1", kItsIcon},  // the shell's picture of a text document
        {7, scratch(L"absent aussi.exe"), L"Absent, sans image", L"0", kNothing},  // missing, and not a document
        {9, L"C:\\windows\\regedit.exe", L"Registre", L"", kItsIcon},
        {10, L"C:\\windows", L"Dossier", L"1", kItsIcon},
        {11, L"https://example.com/", L"Adresse", L"1", kItsIcon},
        {12, L"shell:Desktop", L"Bureau", L"1", kItsIcon},
        {1, scratch(L"outil.exe"), L"Outil", L"", kItsIcon},  // a copy of notepad, replaced below
    };
    copyOf(L"C:\\windows\\system32\\notepad.exe", L"outil.exe");
    std::vector<Shows> expected(13, kFreeSlot);
    Settings stored = {{L"width", L"930"}, {L"left", L"3000"}, {L"top", L"150"}};
    for (const auto& [slot, chemin, tool, ficALancer, shows] : items) {
        const std::wstring n = std::to_wstring(slot);
        stored.insert({{L"Chemin" + n, chemin}, {L"Tool" + n, tool}});
        if (!ficALancer.empty()) {
            stored[L"FicALancer" + n] = ficALancer;
        }
        expected[slot] = shows;
    }
    writeSettings(L"Zudav", stored);
    HWND bar = startBar();

    const auto showItems = [&](const std::vector<Picture>& pictures) {
        const Picture &free = pictures[3], &placeholder = pictures[2];
        EXPECT_FALSE(uniform(free) || uniform(placeholder) || free == placeholder);
        for (int slot = 0; slot < 13; ++slot) {
            const Picture& picture = pictures[slot];
            EXPECT_TRUE(expected[slot] == kFreeSlot      ? picture == free
                        : expected[slot] == kPlaceholder ? picture == placeholder
                        : expected[slot] == kNothing     ? uniform(picture)
                                                     : !uniform(picture) && picture != free && picture != placeholder)
                << "slot " << slot << " should show " << names[expected[slot]];
        }
        EXPECT_NE(pictures[0], pictures[9]) << "each program shows its own icon";
    };
    const std::vector<Picture> pictures = slotPictures(bar);
    showItems(pictures);
    // The program's file replaced by another program's: the next refresh shows the new one's icon.
    EXPECT_EQ(pictures[1], pictures[0]);
    need(CopyFileW(L"C:\\windows\\regedit.exe", scratch(L"outil.exe").c_str(), FALSE), "not replaced");
    sendTo(bar, WM_COMMAND, IDM_RAFRAICHIR);
    EXPECT_TRUE(waitFor([&] { return slotPictures(bar)[1] == pictures[9]; })) << "the old icon stayed";

    // Each item's tooltip over its icon box and its cell, none on a free slot, and the stop image's own.
    std::vector<std::wstring> tips(13, L"(none)");
    for (const auto& [slot, chemin, tool, ficALancer, shows] : items) {
        tips[slot] = tool;
    }
    const Tools tools = tooltips(bar);
    EXPECT_EQ(tools.size(), std::size(items) + 1);
    for (int slot = 0; slot < 13; ++slot) {
        EXPECT_EQ(tipAt(tools, iconBox(bar, slot)), tips[slot]) << "slot " << slot;
        EXPECT_EQ(tipAt(tools, cell(bar, slot)), tips[slot]) << "slot " << slot;
    }
    EXPECT_EQ(tipAt(tools, zudav_tools::Middle(zudav_tools::BarPlaces(bar).stop)), L"Arr\u00eater");

    expectLayout(bar, false, 930);
    // Its right border dragged in, then out further than fits below it: the bar keeps its left and top, its pictures
    // are made again for its cells, and it stops at the bottom of the work area (a pixel thicker is 13 longer).
    RECT work{}, column = rectOf(bar);
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const auto sizing = [&] {
        GUITHREADINFO loop{sizeof loop, 0, {}, {}, {}, {}, {}, {}, {}};
        return GetGUIThreadInfo(GetWindowThreadProcessId(bar, nullptr), &loop) && (loop.flags & GUI_INMOVESIZE);
    };
    for (const int dx : {-26, 40}) {
        const RECT before = rectOf(bar);
        const int x = before.right - 2;  // on its right border
        const LONG y = before.top + 300;
        mouseAt({x, y});
        mouseAt({x, y}, MOUSEEVENTF_LEFTDOWN);
        need(waitFor(sizing), "no sizing");
        mouseAt({x + dx, y});
        need(waitFor([&] { return rectOf(bar).right != before.right; }), "the border did not follow");
        mouseAt({x + dx, y}, MOUSEEVENTF_LEFTUP);
        need(waitFor([&] { return !sizing(); }) && sendTo(bar, WM_NULL) == 0, "the sizing did not end");
        const RECT after = rectOf(bar);
        EXPECT_TRUE(after.left == column.left && after.top == column.top && after.bottom <= work.bottom)
            << dx << ": " << after.left << ", " << after.top << ", " << after.bottom;
        expectLayout(bar, false, twipsOf(bar)[2]);
        showItems(slotPictures(bar));
    }
    EXPECT_GT(rectOf(bar).bottom + 13, work.bottom) << "it stopped short of the bottom";
    // 1220 twips high, the row would be longer than the 1024-pixel screen: it is made thinner, 75 pixels, to fit.
    writeSettings(L"Autre", {{L"Horizont", L"True"}, {L"height", L"1220"}});
    const HWND autre = startBar(copyOf(zudav(), L"Autre.exe"));
    expectLayout(autre, true, 1125);
    EXPECT_LE(rectOf(autre).right, GetSystemMetrics(SM_CXSCREEN));
}

}  // namespace e2e
