// What the thirteen slots of the bar show for the items stored before it starts: a program's own icon,
// the placeholder for a program that is missing, nothing for a document, the free-slot picture for a
// slot without an item; and the tooltip of each item on its icon box and its cell.
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "bar_test.h"
#include "driver/error.h"
#include "driver/tooltips.h"
#include "driver/window.h"

namespace e2e {
namespace {

enum class Shows { FreeSlot, ProgramIcon, Placeholder, Nothing };

const char* nameOf(Shows shows) {
    switch (shows) {
        case Shows::FreeSlot:
            return "the free-slot picture";
        case Shows::ProgramIcon:
            return "the program's icon";
        case Shows::Placeholder:
            return "the placeholder";
        case Shows::Nothing:
            return "nothing";
    }
    return "?";
}

struct StoredItem {
    int slot;
    std::wstring chemin;
    std::wstring tool;
    std::wstring ficALancer;  // empty: not stored
    Shows shows;
};

TEST_F(BarTest, SlotsShowEachItemsPictureAndTooltip) {
    const std::wstring missing = scratch().path() + L"\\absent.exe";
    const std::wstring document = scratch().path() + L"\\lettre.txt";
    writeFileBytes(document, "Bonjour\r\n");
    const std::vector<StoredItem> items = {
        {0, L"C:\\windows\\system32\\notepad.exe", L"Bloc-notes", L"", Shows::ProgramIcon},
        {2, missing, L"Programme absent", L"", Shows::Placeholder},
        {5, document, L"Lettre", L"1", Shows::Nothing},
        // A missing program marked as not a document to open keeps a clear box.
        {7, scratch().path() + L"\\absent aussi.exe", L"Absent, sans image", L"0", Shows::Nothing},
        {9, L"C:\\windows\\regedit.exe", L"Registre", L"", Shows::ProgramIcon},
    };
    std::vector<Shows> expected(kSlotCount, Shows::FreeSlot);
    for (const StoredItem& item : items) {
        const std::wstring n = std::to_wstring(item.slot);
        writeSetting(L"Zudav", L"Chemin" + n, item.chemin);
        writeSetting(L"Zudav", L"Tool" + n, item.tool);
        if (!item.ficALancer.empty()) {
            writeSetting(L"Zudav", L"FicALancer" + n, item.ficALancer);
        }
        expected[item.slot] = item.shows;
    }

    HWND bar = startBar();
    ASSERT_NE(bar, nullptr);
    const std::vector<ScreenPicture> pictures = slotPictures(bar);
    ASSERT_EQ(pictures.size(), static_cast<size_t>(kSlotCount));

    const ScreenPicture& free = pictures[1];
    const ScreenPicture& placeholder = pictures[2];
    EXPECT_FALSE(free.uniform()) << "a free slot shows no picture" << describeSlots(pictures);
    EXPECT_FALSE(placeholder.uniform()) << "the placeholder is a clear box" << describeSlots(pictures);
    EXPECT_NE(placeholder, free) << "the missing program shows the free-slot picture" << describeSlots(pictures);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SCOPED_TRACE("slot " + std::to_string(slot) + " should show " + nameOf(expected[slot]));
        const ScreenPicture& picture = pictures[slot];
        switch (expected[slot]) {
            case Shows::FreeSlot:
                EXPECT_EQ(picture, free) << describeSlots(pictures);
                break;
            case Shows::Placeholder:
                EXPECT_EQ(picture, placeholder) << describeSlots(pictures);
                break;
            case Shows::ProgramIcon:
                EXPECT_FALSE(picture.uniform()) << describeSlots(pictures);
                EXPECT_NE(picture, free) << describeSlots(pictures);
                EXPECT_NE(picture, placeholder) << describeSlots(pictures);
                break;
            case Shows::Nothing:
                EXPECT_TRUE(picture.uniform()) << describeSlots(pictures);
                break;
        }
    }
    // Each program shows its own icon, not one picture for every program.
    EXPECT_NE(pictures[0], pictures[9]) << describeSlots(pictures);

    // Tooltips: one tool on the icon box and one on the cell of each item, none on a free slot, and
    // the "Arrêter" image's own.
    HWND tooltip = findTooltipWindow(barProcess().id(), bar);
    ASSERT_NE(tooltip, nullptr) << "the bar has no tooltip window";
    std::map<HWND, std::wstring> expectedTips = {{childWithId(bar, ids::kBarImage2), L"Arr\u00eater"}};
    for (const StoredItem& item : items) {
        expectedTips[iconBox(bar, item.slot)] = item.tool;
        expectedTips[cell(bar, item.slot)] = item.tool;
    }
    const std::map<HWND, std::wstring> tips = tooltipTexts(barProcess().id(), tooltip);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        SCOPED_TRACE("slot " + std::to_string(slot));
        for (HWND control : {iconBox(bar, slot), cell(bar, slot)}) {
            const auto wanted = expectedTips.find(control);
            const auto found = tips.find(control);
            if (wanted == expectedTips.end()) {
                EXPECT_TRUE(found == tips.end()) << "a free slot has the tooltip \"" << narrow(found->second) << "\"";
            } else if (found == tips.end()) {
                ADD_FAILURE() << "no tooltip, expected \"" << narrow(wanted->second) << "\"";
            } else {
                EXPECT_EQ(found->second, wanted->second);
            }
        }
    }
    EXPECT_EQ(tips.size(), expectedTips.size()) << "tools other than the items' and the stop image's";
    const auto stopTip = tips.find(childWithId(bar, ids::kBarImage2));
    ASSERT_NE(stopTip, tips.end()) << "the \"Arr\u00eater\" image has no tooltip";
    EXPECT_EQ(stopTip->second, L"Arr\u00eater");
}

}  // namespace
}  // namespace e2e
