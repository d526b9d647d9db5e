// Fuzz target of the settings' text <-> value conversions, of the command line of a launch and of the reading of a
// bar's .ini file. The input is UTF-16 (little-endian), cut at its first U+0000 into a path and its arguments; both are
// also read as numbers with either decimal separator; the raw bytes are read as an .ini file. A property that fails
// aborts.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>

#include "bar/lancer_item.h"
#include "bar/settings/conversions.h"
#include "bar/settings/ini_text.h"

using namespace zudav;

static void Require(bool holds) {
    if (!holds) {
        __builtin_trap();
    }
}

static void CheckValue(double value) {
    // Rounding moves a value by a half at most, and fails only outside 16 bits.
    const auto rounded = RoundToInteger16(value);
    Require(rounded ? std::fabs(*rounded - value) <= 0.5 : !(std::fabs(value) <= 32767));
    // Written with a separator, a value reads back with it to within half a unit of its 7th significant digit.
    for (wchar_t separator : {L'.', L','}) {
        const auto back = ToNumber(NumberToText(value, separator), separator);
        Require(back && std::fabs(*back - value) <= 5.000001e-7 * std::fabs(value) + DBL_TRUE_MIN);
    }
}

static void CheckText(const std::wstring& text) {
    Require(std::isfinite(LeadingNumber(text)) && std::isfinite(TypedNumber(text)));
    for (wchar_t separator : {L'.', L','}) {
        const auto number = ToNumber(text, separator);
        Require(ToInteger16(text, separator) == (number ? RoundToInteger16(*number) : std::nullopt));
        if (number) {
            Require(ToBoolean(text, separator) == (*number != 0));
            Require(separator != L'.' || (LeadingNumber(text) == *number && TypedNumber(text) == *number));
            CheckValue(*number);
        }
    }
}

// What a file gives is written back to a file that gives the same; text goes to UTF-8 and back unchanged.
static void CheckIniFile(const std::uint8_t* data, std::size_t size, const std::wstring& text) {
    const IniReading read = ReadIniText(std::string_view(reinterpret_cast<const char*>(data), size));
    Require(read.values.has_value() == read.refusal.empty());
    if (read.values) {
        const std::string written = WriteIniText(*read.values);
        const IniReading again = ReadIniText(written);
        Require(again.values && WriteIniText(*again.values) == written);
    }
    bool halves = false;
    for (wchar_t c : text) {
        halves = halves || (c >= 0xD800 && c < 0xE000);
    }
    Require(halves || FromUtf8(ToUtf8(text)) == text);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::wstring text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
    }
    const std::size_t cut = text.find(L'\0');
    const std::wstring path = text.substr(0, cut);
    const std::wstring arguments = cut < text.size() ? text.substr(cut + 1) : L"";
    CheckText(path);
    CheckText(arguments);
    CheckIniFile(data, size, text);
    // A path to a file is quoted whole; the arguments follow after one blank, as they are.
    const std::wstring tail = arguments.empty() ? L"" : L" " + arguments;
    Require(CommandLine(path, arguments, true) == L"\"" + path + L"\"" + tail);
    Require(CommandLine(path, arguments, false) == path + tail);
    return 0;
}
