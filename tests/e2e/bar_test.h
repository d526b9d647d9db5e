// What the end-to-end tests of the bar share: the executable under test, an empty settings store for
// every bar a test starts, no bar left running afterwards, and the bar's own unit of length (twips).
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <memory>
#include <ostream>
#include <string>

#include "driver/files.h"
#include "driver/process.h"
#include "driver/settings.h"

namespace e2e {

constexpr wchar_t kBarClass[] = L"ZudavPrincipal";
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
void PrintTo(const SettingValue& value, std::ostream* out);
void PrintTo(const TwipsRect& rect, std::ostream* out);

// Succeeds when the section holds left, top, Width and Height as whole decimal numbers, each within a
// pixel of the expected place.
::testing::AssertionResult savedPlaceMatches(const SettingsSection& saved, const TwipsRect& expected);

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

  private:
    void endBars();

    std::unique_ptr<ScratchFolder> scratch_;
    std::deque<Process> processes_;
};

}  // namespace e2e
