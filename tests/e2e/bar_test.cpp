#include "bar_test.h"

#include <cwctype>
#include <iterator>

#include "driver/error.h"
#include "driver/input.h"
#include "driver/poll.h"
#include "driver/window.h"

namespace e2e {
namespace {

bool parseWholeNumber(const std::wstring& text, long* number) {
    size_t digitsFrom = !text.empty() && text[0] == L'-' ? 1 : 0;
    if (text.size() == digitsFrom || text.size() > digitsFrom + 9) {
        return false;
    }
    long value = 0;
    for (size_t i = digitsFrom; i < text.size(); ++i) {
        if (!std::iswdigit(text[i])) {
            return false;
        }
        value = value * 10 + (text[i] - L'0');
    }
    *number = digitsFrom == 1 ? -value : value;
    return true;
}

}  // namespace

long twipsPerPixel() {
    HDC screen = GetDC(nullptr);
    const int dotsPerInch = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return 1440 / (dotsPerInch > 0 ? dotsPerInch : 96);
}

TwipsRect toTwips(const RECT& pixels) {
    const long perPixel = twipsPerPixel();
    return {pixels.left * perPixel, pixels.top * perPixel, (pixels.right - pixels.left) * perPixel,
            (pixels.bottom - pixels.top) * perPixel};
}

bool operator==(const SettingValue& a, const SettingValue& b) {
    return a.type == b.type && a.text == b.text;
}

void PrintTo(const SettingValue& value, std::ostream* out) {
    if (value.type == REG_SZ) {
        *out << '"' << narrow(value.text) << '"';
    } else {
        *out << "(registry type " << value.type << ")";
    }
}

void PrintTo(const TwipsRect& rect, std::ostream* out) {
    *out << "left " << rect.left << ", top " << rect.top << ", width " << rect.width << ", height " << rect.height
         << " twips";
}

::testing::AssertionResult savedPlaceMatches(const SettingsSection& saved, const TwipsRect& expected) {
    const long wanted[] = {expected.left, expected.top, expected.width, expected.height};
    const long tolerance = twipsPerPixel();
    std::string problems;
    for (size_t i = 0; i < std::size(kPlaceKeys); ++i) {
        const std::string key = narrow(kPlaceKeys[i]);
        const auto found = saved.find(kPlaceKeys[i]);
        long number = 0;
        if (found == saved.end()) {
            problems += "\n  " + key + " was not saved";
        } else if (found->second.type != REG_SZ) {
            problems += "\n  " + key + " is not a REG_SZ value (type " + std::to_string(found->second.type) + ")";
        } else if (!parseWholeNumber(found->second.text, &number)) {
            problems += "\n  " + key + " = \"" + narrow(found->second.text) + "\" is not a whole number";
        } else if (number < wanted[i] - tolerance || number > wanted[i] + tolerance) {
            problems += "\n  " + key + " = " + std::to_string(number) + ", expected " + std::to_string(wanted[i]) +
                        " within " + std::to_string(tolerance);
        }
    }
    if (problems.empty()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "the saved place does not match:" << problems;
}

HWND iconBox(HWND bar, int slot) {
    return childWithId(bar, ids::kPicture1 + slot);
}

HWND cell(HWND bar, int slot) {
    return childWithId(bar, ids::kCoolBar + slot);
}

POINT pointOnCellBesideIcon(HWND bar, int slot) {
    const RECT cellRect = windowRect(cell(bar, slot));
    const RECT boxRect = windowRect(iconBox(bar, slot));
    return {(cellRect.left + boxRect.left) / 2, (boxRect.top + boxRect.bottom) / 2};
}

void postIconBoxPress(HWND bar, int slot) {
    const LPARAM at = MAKELPARAM(4, 4);
    post(iconBox(bar, slot), WM_LBUTTONDOWN, MK_LBUTTON, at);
    post(iconBox(bar, slot), WM_LBUTTONUP, 0, at);
}

void postCellClick(HWND bar, int slot) {
    const LPARAM at = MAKELPARAM(2, 2);
    post(cell(bar, slot), WM_LBUTTONDOWN, MK_LBUTTON, at);
    post(cell(bar, slot), WM_LBUTTONUP, 0, at);
}

void postRightPress(HWND control) {
    const LPARAM at = MAKELPARAM(2, 2);
    post(control, WM_RBUTTONDOWN, MK_RBUTTON, at);
    post(control, WM_RBUTTONUP, 0, at);
}

RECT rectInClient(HWND window, HWND parent) {
    RECT rect = windowRect(window);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::vector<ScreenPicture> slotPictures(HWND bar) {
    // Paint what is still to be painted now, then read the screen once it no longer changes.
    RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    syncWith(bar);
    ScreenPicture whole;
    if (!captureSteadyWindow(bar, &whole)) {
        ADD_FAILURE() << "the bar's picture on the screen kept changing";
    }
    const RECT barRect = windowRect(bar);
    std::vector<ScreenPicture> pictures;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        RECT box = windowRect(iconBox(bar, slot));
        OffsetRect(&box, -barRect.left, -barRect.top);
        pictures.push_back(crop(whole, box));
    }
    return pictures;
}

std::string describeSlots(const std::vector<ScreenPicture>& pictures) {
    std::string text;
    for (size_t slot = 0; slot < pictures.size(); ++slot) {
        text += "\n  slot " + std::to_string(slot) + ": " + describe(pictures[slot]);
        if (slot > 0 && pictures[slot] == pictures[0]) {
            text += " (as slot 0)";
        }
    }
    return text;
}

void BarTest::SetUp() {
    parkCursor();
    endBars();
    for (const wchar_t* app : kAppNames) {
        deleteAppSettings(app);
    }
}

void BarTest::TearDown() {
    endLaunchedPrograms();
    barProcess_ = nullptr;
    processes_.clear();
    endBars();
    scratch_.reset();
    for (const wchar_t* app : kAppNames) {
        deleteAppSettings(app);
    }
}

void BarTest::endBars() {
    std::vector<std::wstring> executables;
    for (const wchar_t* app : kAppNames) {
        executables.push_back(std::wstring(app) + L".exe");
    }
    terminateProcessesNamed(executables);
}

void BarTest::endLaunchedPrograms() {
    std::vector<DWORD> started;
    for (const Process& process : processes_) {
        started.push_back(process.id());
    }
    std::vector<DWORD> launched;
    for (const ProcessEntry& process : descendantsOf(started)) {
        launched.push_back(process.id);
    }
    terminateProcesses(launched);
}

HWND BarTest::startBar() {
    barProcess_ = &start(zudavExecutable());
    return waitForBar(*barProcess_);
}

std::wstring BarTest::zudavExecutable() {
    return programFolder() + L"\\Zudav.exe";
}

const ScratchFolder& BarTest::scratch() {
    if (!scratch_) {
        scratch_ = std::make_unique<ScratchFolder>();
    }
    return *scratch_;
}

Process& BarTest::start(const std::wstring& executable) {
    processes_.push_back(Process::start(executable));
    return processes_.back();
}

HWND BarTest::waitForBar(const Process& process) {
    HWND bar = waitForShownWindow(process.id(), kBarClass, kStepTimeoutMs);
    if (bar == nullptr) {
        ADD_FAILURE() << "no shown window of class ZudavPrincipal in process " << process.id()
                      << (process.isRunning() ? " (still running)" : " (it has ended)");
    }
    return bar;
}

}  // namespace e2e
