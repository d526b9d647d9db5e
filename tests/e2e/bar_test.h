// What the end-to-end tests of the bar share: the executable under test, an empty settings store for
// every bar a test starts, no bar nor program it launched left running afterwards, the bar's own unit
// of length (twips), its slots' controls and what they show on the screen.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "about/win32/about_ids.h"
#include "bar/win32/bar_ids.h"
#include "driver/files.h"
#include "driver/process.h"
#include "driver/screen.h"
#include "driver/settings.h"
#include "editor/win32/editor_ids.h"

namespace e2e {

namespace ids = zudav::win32;

constexpr const wchar_t* kBarClass = ids::kBarWindowClass;
constexpr int kSlotCount = 13;
// The settings a bar writes when it closes: its place and size in twips.
constexpr const wchar_t* kPlaceKeys[] = {L"left", L"top", L"Width", L"Height"};

// A window's place and size in twips (1/1440 inch), as the bar stores them.
struct TwipsRect {
    long left;
    long top;
    long width;
    long height;
};

// Twips per pixel on this screen: 15 at 96 dpi.
long twipsPerPixel();
TwipsRect toTwips(const RECT& pixels);

bool operator==(const SettingValue& a, const SettingValue& b);
inline bool operator==(const TwipsRect& a, const TwipsRect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}
void PrintTo(const SettingValue& value, std::ostream* out);
void PrintTo(const TwipsRect& rect, std::ostream* out);

// Succeeds when the section holds left, top, Width and Height as whole decimal numbers, each within a
// pixel of the expected place.
::testing::AssertionResult savedPlaceMatches(const SettingsSection& saved, const TwipsRect& expected);

// The bar's controls for slot n: the icon box Picture1(n) and the cell CoolBar(n) under it.
HWND iconBox(HWND bar, int slot);
HWND cell(HWND bar, int slot);
// A point (screen coordinates) on the cell of the slot but off its icon box: halfway between the
// cell's left edge and the icon box's, at the box's middle height.
POINT pointOnCellBesideIcon(HWND bar, int slot);
// Posted pointer events, for the tests that do not exercise the window system's hit-testing: a left
// press (and release) on the icon box, a click on the cell, a right press on either.
void postIconBoxPress(HWND bar, int slot);
void postCellClick(HWND bar, int slot);
void postRightPress(HWND control);

// Where the window stands, relative to the top-left corner of the other window's client area.
RECT rectInClient(HWND window, HWND parent);
// What each icon box shows, read from one steady picture of the bar. The bar must be on top (it is
// always on top) and nothing else over it.
std::vector<ScreenPicture> slotPictures(HWND bar);
// Names the slots whose pictures differ from the free slot's, for failure messages.
std::string describeSlots(const std::vector<ScreenPicture>& pictures);

class BarTest : public ::testing::Test {
  protected:
    // The bars the tests start: Zudav.exe, and copies of it under these base names.
    static constexpr const wchar_t* kAppNames[] = {L"Zudav", L"Autre"};

    void SetUp() override;
    void TearDown() override;

    // Zudav.exe, built beside the test program.
    static std::wstring zudavExecutable();
    // A scratch folder for this test, removed after the test's programs have ended.
    const ScratchFolder& scratch();
    // Starts a program that the teardown will end if the test does not.
    Process& start(const std::wstring& executable);
    // The process's bar window once it is shown, or nullptr (with a failure recorded) if it is not.
    static HWND waitForBar(const Process& process);
    // Starts Zudav.exe and waits for its bar; nullptr (with a failure recorded) if it does not show.
    HWND startBar();
    // The process of the bar started last by startBar.
    Process& barProcess() { return *barProcess_; }

  private:
    void endBars();
    // Ends what the test's programs started in turn (programs the bar launched, documents it opened).
    void endLaunchedPrograms();

    std::unique_ptr<ScratchFolder> scratch_;
    std::deque<Process> processes_;
    Process* barProcess_ = nullptr;
};

}  // namespace e2e
