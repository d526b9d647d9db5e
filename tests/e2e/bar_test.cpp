#include "bar_test.h"

#include <cwctype>
#include <iterator>

#include "driver/error.h"
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

void BarTest::SetUp() {
    endBars();
    for (const wchar_t* app : kAppNames) {
        deleteAppSettings(app);
    }
}

void BarTest::TearDown() {
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
