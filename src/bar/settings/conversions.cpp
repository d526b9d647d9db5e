#include "bar/settings/conversions.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
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
// number rewritten in plain ASCII with a point, ready for the C library.
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

// The C library's conversions rather than std::from_chars and std::to_chars: the program never changes the C
// locale, whose separator is the point, and the C library comes with the system, while the floating-point
// to_chars and from_chars would add 150 KB of tables to the executable.
std::optional<double> ParseAscii(const std::string& ascii) {
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(ascii.c_str(), &end);
    if (errno == ERANGE || end != ascii.c_str() + ascii.size() || !std::isfinite(value)) {
        return std::nullopt;  // beyond a double, or too small to keep its digits
    }
    return value;
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

std::wstring NumberToText(double value, wchar_t decimalSeparator) {
    char buffer[64];
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(value));
    } else {
        std::snprintf(buffer, sizeof buffer, "%.7g", value);
    }
    std::wstring text;
    for (const char* p = buffer; *p != '\0'; ++p) {
        text += *p == '.' ? decimalSeparator : static_cast<wchar_t>(*p);
    }
    return text;
}

std::wstring BooleanToText(bool value) {
    return value ? L"True" : L"False";
}

}  // namespace zudav
