#include "bar/settings/conversions.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace zudav {
namespace {

bool IsBlank(wchar_t c) {
    return c == L' ' || c == L'\t';
}

bool IsDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

bool EqualsIgnoringAsciiCase(const std::wstring& a, const wchar_t* b) {
    size_t i = 0;
    for (; i < a.size() && b[i] != 0; ++i) {
        wchar_t x = a[i];
        wchar_t y = b[i];
        if (x >= L'A' && x <= L'Z') {
            x = static_cast<wchar_t>(x + 32);
        }
        if (y >= L'A' && y <= L'Z') {
            y = static_cast<wchar_t>(y + 32);
        }
        if (x != y) {
            return false;
        }
    }
    return i == a.size() && b[i] == 0;
}

// Reads a decimal number from text[pos...] and returns how many characters it spans (0: none), with the
// number rewritten in plain ASCII with a point, ready for ParseAscii.
size_t ScanNumber(const std::wstring& text, size_t pos, wchar_t decimalSeparator, std::string& ascii) {
    size_t i = pos;
    ascii.clear();
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        if (text[i] == L'-') {
            ascii += '-';
        }
        ++i;
    }
    size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ascii += static_cast<char>(text[i++]);
        ++digits;
    }
    if (i < text.size() && text[i] == decimalSeparator) {
        size_t j = i + 1;
        std::string fraction;
        while (j < text.size() && IsDigit(text[j])) {
            fraction += static_cast<char>(text[j++]);
        }
        if (digits > 0 || !fraction.empty()) {
            ascii += '.';
            ascii += fraction;
            digits += fraction.size();
            i = j;
        }
    }
    if (digits == 0) {
        ascii.clear();
        return 0;
    }
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == L'+' || text[j] == L'-')) {
            exponent += static_cast<char>(text[j++]);
        }
        const size_t firstExponentDigit = j;
        while (j < text.size() && IsDigit(text[j])) {
            exponent += static_cast<char>(text[j++]);
        }
        if (j > firstExponentDigit) {
            ascii += exponent;
            i = j;
        }
    }
    return i - pos;
}

// The powers of ten that are exact doubles.
constexpr double kExactTens[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                 1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr long kLargestExactTen = 22;

// The value multiplied by 10^power, in steps by exact powers of ten, each rounded once.
double ScaledByTen(double value, long power) {
    while (power > 0 && value != 0 && std::isfinite(value)) {
        const long step = power < kLargestExactTen ? power : kLargestExactTen;
        value *= kExactTens[step];
        power -= step;
    }
    while (power < 0 && value != 0) {
        const long step = -power < kLargestExactTen ? -power : kLargestExactTen;
        value /= kExactTens[step];
        power += step;
    }
    return value;
}

// The number ScanNumber wrote (an optional minus, digits around an optional point, an optional exponent) as a double:
// its first 19 significant digits as a whole number, scaled by its power of ten. That is the nearest double for at
// most 15 significant digits and a power within 10^22, as the settings hold them, and within a few units in the last
// place beyond.
std::optional<double> ParseAscii(const std::string& ascii) {
    const bool negative = !ascii.empty() && ascii[0] == '-';
    size_t i = negative ? 1 : 0;
    std::uint64_t digits = 0;
    int significant = 0;
    long exponent = 0;  // of ten, by which the digits are scaled
    bool fraction = false;
    for (; i < ascii.size() && ascii[i] != 'e'; ++i) {
        if (ascii[i] == '.') {
            fraction = true;
        } else if (significant < 19) {
            digits = digits * 10 + static_cast<std::uint64_t>(ascii[i] - '0');
            significant += digits != 0 ? 1 : 0;
            exponent -= fraction ? 1 : 0;
        } else {
            exponent += fraction ? 0 : 1;  // a digit past the 19th only scales the number
        }
    }
    if (i < ascii.size()) {
        const bool negativePower = i + 1 < ascii.size() && ascii[i + 1] == '-';
        long power = 0;
        for (++i; i < ascii.size(); ++i) {
            if (ascii[i] != '+' && ascii[i] != '-' && power < 100000) {
                power = power * 10 + (ascii[i] - '0');  // far beyond a double already at 100000
            }
        }
        exponent += negativePower ? -power : power;
    }
    const double value = ScaledByTen(static_cast<double>(digits), exponent);
    if (!std::isfinite(value) || (digits != 0 && value < std::numeric_limits<double>::min())) {
        return std::nullopt;  // beyond a double, or too small to keep its digits
    }
    return negative ? -value : value;
}

// The positive value multiplied by 10^power and rounded to a whole number, half to even. Exactly for a power within
// 10^22: the product or quotient is rounded once, and fma gives the sign of what that rounding dropped, which decides
// a product that fell on a half. Beyond, within a unit.
double RoundedScaledByTen(double value, long power) {
    if (power > kLargestExactTen || power < -kLargestExactTen) {
        return std::nearbyint(ScaledByTen(value, power));
    }
    const double ten = kExactTens[power < 0 ? -power : power];
    const double scaled = power < 0 ? value / ten : value * ten;
    const double dropped = power < 0 ? std::fma(-scaled, ten, value) : std::fma(value, ten, -scaled);
    if (dropped != 0 && std::fabs(scaled - std::trunc(scaled)) == 0.5) {
        return dropped > 0 ? std::ceil(scaled) : std::floor(scaled);
    }
    return std::nearbyint(scaled);
}

// A finite value with seven significant digits, as printf's %.7g writes it: the digits rounded half to even, trailing
// zeros dropped, plain from 10^-4 to below 10^7 and with an exponent of two digits at least beyond.
std::wstring SevenDigits(double value, wchar_t decimalSeparator) {
    const double magnitude = std::fabs(value);
    int exponent = static_cast<int>(std::floor(std::log10(magnitude)));  // of the first digit, perhaps one off
    double scaled = RoundedScaledByTen(magnitude, 6 - exponent);
    if (scaled >= 1e7 || scaled < 1e6) {
        exponent += scaled >= 1e7 ? 1 : -1;
        scaled = RoundedScaledByTen(magnitude, 6 - exponent);
    }
    if (scaled >= 1e7) {  // rounded up to the next power of ten
        scaled = 1e6;
        ++exponent;
    }
    std::wstring digits = IntegerToText(static_cast<long long>(scaled));
    while (digits.size() > 1 && digits.back() == L'0') {
        digits.pop_back();
    }
    std::wstring text = std::signbit(value) ? L"-" : L"";
    if (exponent < -4 || exponent >= 7) {
        text += digits.substr(0, 1);
        if (digits.size() > 1) {
            text += decimalSeparator + digits.substr(1);
        }
        const std::wstring power = IntegerToText(exponent < 0 ? -exponent : exponent);
        return text + (exponent < 0 ? L"e-" : L"e+") + (power.size() < 2 ? L"0" : L"") + power;
    }
    if (exponent < 0) {
        return text + L"0" + decimalSeparator + std::wstring(static_cast<size_t>(-exponent - 1), L'0') + digits;
    }
    const size_t whole = static_cast<size_t>(exponent) + 1;
    if (digits.size() <= whole) {
        return text + digits + std::wstring(whole - digits.size(), L'0');
    }
    return text + digits.substr(0, whole) + decimalSeparator + digits.substr(whole);
}

}  // namespace

std::wstring Trim(const std::wstring& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsBlank(text[first])) {
        ++first;
    }
    while (last > first && IsBlank(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

std::optional<double> ToNumber(const std::wstring& text, wchar_t decimalSeparator) {
    const std::wstring trimmed = Trim(text);
    std::string ascii;
    const size_t length = ScanNumber(trimmed, 0, decimalSeparator, ascii);
    if (length == 0 || length != trimmed.size()) {
        return std::nullopt;
    }
    return ParseAscii(ascii);
}

std::optional<bool> ToBoolean(const std::wstring& text, wchar_t decimalSeparator) {
    const std::wstring trimmed = Trim(text);
    if (EqualsIgnoringAsciiCase(trimmed, L"true")) {
        return true;
    }
    if (EqualsIgnoringAsciiCase(trimmed, L"false")) {
        return false;
    }
    auto number = ToNumber(trimmed, decimalSeparator);
    if (!number) {
        return std::nullopt;
    }
    return *number != 0;
}

std::optional<std::int16_t> RoundToInteger16(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    double rounded = std::round(value);  // halves away from zero...
    if (std::fabs(value - std::trunc(value)) == 0.5) {
        rounded = 2.0 * std::round(value / 2.0);  // ...except a half, which goes to the even neighbour
    }
    if (rounded < std::numeric_limits<std::int16_t>::min() || rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

std::optional<std::int16_t> ToInteger16(const std::wstring& text, wchar_t decimalSeparator) {
    auto number = ToNumber(text, decimalSeparator);
    if (!number) {
        return std::nullopt;
    }
    return RoundToInteger16(*number);
}

double LeadingNumber(const std::wstring& text) {
    size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) {
        ++start;
    }
    std::string ascii;
    if (ScanNumber(text, start, L'.', ascii) == 0) {
        return 0;
    }
    auto value = ParseAscii(ascii);
    return value ? *value : 0;
}

double TypedNumber(const std::wstring& text) {
    std::wstring packed;
    for (wchar_t c : text) {
        if (c != L' ' && c != L'\t' && c != L'\n') {
            packed += c;
        }
    }
    return LeadingNumber(packed);
}

std::wstring IntegerToText(long long value) {
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    return std::wstring(digits, written.ptr);
}

std::wstring NumberToText(double value, wchar_t decimalSeparator) {
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        return IntegerToText(static_cast<long long>(value));
    }
    if (!std::isfinite(value)) {
        return std::isnan(value) ? L"nan" : value < 0 ? L"-inf" : L"inf";
    }
    return SevenDigits(value, decimalSeparator);
}

std::wstring BooleanToText(bool value) {
    return value ? L"True" : L"False";
}

}  // namespace zudav
