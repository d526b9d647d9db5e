// Text <-> value conversions that the readers of the settings store apply. Numbers are written and read
// with the decimal separator of the user's locale, which the caller passes in.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace zudav {

// True/False in any case, or a number (0 is false, any other number true). Fails on anything else.
std::optional<bool> ToBoolean(const std::wstring& text, wchar_t decimalSeparator);

// Decimal text with the locale's separator, optional sign and exponent, blanks around. Fails otherwise.
std::optional<double> ToNumber(const std::wstring& text, wchar_t decimalSeparator);

// A number brought to the nearest whole number (a half to the even neighbour); fails outside 16 bits.
std::optional<std::int16_t> RoundToInteger16(double value);
std::optional<std::int16_t> ToInteger16(const std::wstring& text, wchar_t decimalSeparator);

// The longest leading decimal number (point as separator, whatever the locale) after leading blanks.
// Never fails: text without a leading number gives 0.
double LeadingNumber(const std::wstring& text);
// A number as the user types it into a box: blanks, tabs and line feeds are skipped wherever they stand ("1 200"
// is 1200), then the leading number as above. Never fails: 0 when there is none.
double TypedNumber(const std::wstring& text);

// A whole number without fractional part; other values with up to 7 significant digits (single precision).
std::wstring NumberToText(double value, wchar_t decimalSeparator);

// A whole number in decimal digits, as std::to_wstring writes it. The program writes its numbers with this and
// NumberToText, not with std::to_wstring or swprintf: MinGW-w64's libstdc++ writes those with a printf of its own
// that it links into Zudav.exe (some 23 KB).
std::wstring IntegerToText(long long value);

std::wstring BooleanToText(bool value);

// The text without the spaces and tabs at either end.
std::wstring Trim(const std::wstring& text);

}  // namespace zudav
