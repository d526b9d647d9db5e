// The drawn bar's plain logic: which part of the bar a point falls on, in both orientations, and what a screen reader
// is told of each element.
#include <gtest/gtest.h>

#include <optional>

#include "bar/accessible_names.h"
#include "bar/slot_geometry.h"

namespace zudav {
namespace {

BarPixels LaidOut(bool horizontal, float width, float height) {
    BarControls controls;
    const WindowLength length = LayOut(horizontal, width, height, controls);
    PlaceStopImage(length.horizontal ? length.value : width, controls);
    return InPixels(controls, 96);
}

TEST(DrawnBar, PointsFallOnTheIconAboveItsCellThenOnActionStopTheCellOrTheBackground) {
    const BarPixels column = LaidOut(false, 870, 8490);  // cells of 48 pixels from y 20, icons 8 pixels inside
    const BarPixels row = LaidOut(true, 16410, 1220);    // cells of 48 pixels at x 33, 115, ..., y 3
    const BarPixels tiny = LaidOut(true, 16410, 720);    // cells of 15 pixels under icons of 16, which stick out
    const std::optional<int> none;
    struct Case {
        const char* what;
        const BarPixels& bar;
        int x, y;
        BarPart part;
        int slot;
        std::optional<int> element;
    } const cases[] = {
        {"column: icon 0", column, 24, 44, BarPart::Icon, 0, 1},
        {"column: icon 0's last pixel", column, 39, 59, BarPart::Icon, 0, 1},
        {"column: cell 3 beside its icon", column, 2, 166, BarPart::Cell, 3, 4},
        {"column: cell 12's last pixel", column, 47, 643, BarPart::Cell, 12, 13},
        {"column: right of the cells", column, 48, 100, BarPart::Background, -1, none},
        {"column: below the last cell", column, 20, 644, BarPart::Background, -1, none},
        {"column: between Action and cell 0", column, 10, 17, BarPart::Background, -1, none},
        {"column: Action", column, 5, 5, BarPart::Action, -1, 0},
        {"column: Arrêter", column, 40, 8, BarPart::Stop, -1, 14},
        {"row: icon 0", row, 60, 26, BarPart::Icon, 0, 1},
        {"row: cell 0 beside its icon", row, 34, 4, BarPart::Cell, 0, 1},
        {"row: cell 1", row, 115, 50, BarPart::Cell, 1, 2},
        {"row: between cells 0 and 1", row, 100, 20, BarPart::Background, -1, none},
        {"row: Action", row, 5, 5, BarPart::Action, -1, 0},
        {"row: Arrêter at the far end", row, 1075, 5, BarPart::Stop, -1, 14},
        {"tiny row: icon 0 above its cell", tiny, 40, 2, BarPart::Icon, 0, 1},
        {"tiny row: icon 0 past its cell", tiny, 48, 10, BarPart::Icon, 0, 1},
        {"tiny row: Action beside icon 0", tiny, 29, 5, BarPart::Action, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const BarHit hit = HitTest(c.bar, c.x, c.y);
        EXPECT_EQ(hit.part, c.part);
        EXPECT_EQ(hit.slot, c.slot);
        EXPECT_EQ(ElementOf(hit), c.element);
    }
    // A slot stands for its cell and its icon box together: the icon's box where it sticks out of the cell.
    EXPECT_EQ(ElementRect(tiny, SlotElement(0)), tiny.icons[0]);
    EXPECT_EQ(ElementRect(column, SlotElement(0)), column.cells[0]);
}

// Each kind of element, in an enabled bar and under one of its modal windows: what MSAA says of it (name, role,
// default action) beside what UI Automation says (help text, place among the slots, enabled, control type, pattern).
TEST(DrawnBar, ScreenReadersHearEachElementAlikeThroughMsaaAndUiAutomation) {
    std::array<SlotItem, kSlotCount> slots;
    slots[0] = {SlotKind::Program, L"C:\\Windows\\notepad.exe", L"Bloc-notes"};
    slots[1] = {SlotKind::Program, L"C:\\Windows\\notepad.exe", L""};
    slots[2] = {SlotKind::Document, L"C:\\Docs\\lettre.txt", L"Lettre"};
    slots[3] = {SlotKind::Document, L"C:\\Docs\\Lettres\\", L""};   // a folder, opened as a document
    slots[4] = {SlotKind::Program, L"C:\\Prog\\disparu.exe", L""};  // shows the placeholder
    constexpr auto kPush = ElementRole::PushButton;
    constexpr auto kInvoke = ElementPattern::Invoke;
    const struct {
        int element;
        bool enabled;
        // MSAA
        const wchar_t* name;
        ElementRole role;
        const wchar_t* action;
        // UI Automation
        const wchar_t* help;
        int position, size;
        ElementPattern pattern;
    } cases[] = {
        {kActionElement, true, L"Action", ElementRole::MenuButton, L"Ouvrir", L"", 0, 0,
         ElementPattern::ExpandCollapse},
        {kActionElement, false, L"Action", ElementRole::MenuButton, L"Ouvrir", L"", 0, 0,
         ElementPattern::ExpandCollapse},
        {SlotElement(0), true, L"Bloc-notes", kPush, L"Lancer", L"C:\\Windows\\notepad.exe", 1, 13, kInvoke},
        {SlotElement(1), false, L"notepad.exe", kPush, L"Lancer", L"C:\\Windows\\notepad.exe", 2, 13, kInvoke},
        {SlotElement(2), true, L"Lettre", kPush, L"Ouvrir", L"C:\\Docs\\lettre.txt", 3, 13, kInvoke},
        {SlotElement(3), false, L"Lettres", kPush, L"Ouvrir", L"C:\\Docs\\Lettres\\", 4, 13, kInvoke},
        {SlotElement(4), true, L"disparu.exe", kPush, L"Lancer", L"C:\\Prog\\disparu.exe", 5, 13, kInvoke},
        {SlotElement(5), true, L"Emplacement libre 6", kPush, L"", L"", 6, 13, kInvoke},  // a click only beeps
        {SlotElement(12), false, L"Emplacement libre 13", kPush, L"", L"", 13, 13, kInvoke},
        {kStopElement, true, L"Arr\u00eater", kPush, L"Appuyer", L"", 0, 0, kInvoke},
        {kStopElement, false, L"Arr\u00eater", kPush, L"Appuyer", L"", 0, 0, kInvoke},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.element << (c.enabled ? " enabled" : " disabled"));
        const AccessibleElement element = DescribeElement(c.element, slots, c.enabled);
        EXPECT_EQ(element.name, c.name);
        EXPECT_EQ(element.role, c.role);
        EXPECT_EQ(element.defaultAction, c.action);
        EXPECT_EQ(element.help, c.help);
        EXPECT_EQ(element.positionInSet, c.position);
        EXPECT_EQ(element.sizeOfSet, c.size);
        EXPECT_EQ(element.enabled, c.enabled);
        EXPECT_EQ(element.controlType, ControlType::Button);
        EXPECT_EQ(element.pattern, c.pattern);
    }
}

}  // namespace
}  // namespace zudav
