#include "bar/settings/conversions.h"

#include <gtest/gtest.h>

namespace zudav {
namespace {

TEST(Conversions, BooleanAcceptsWordsInAnyCaseAndNumbers) {
    struct Case {
        const wchar_t* text;
        std::optional<bool> expected;
    } const cases[] = {
        {L"True", true},
        {L"FALSE", false},
        {L"tRuE", true},
        {L" False ", false},
        {L"1", true},
        {L"0", false},
        {L"-1", true},
        {L"0.0", false},
        {L"2.5", true},
        {L"", std::nullopt},
        {L"Vrai", std::nullopt},
        {L"yes", std::nullopt},
        {L"Truex", std::nullopt},
        {L"1 0", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToBoolean(c.text, L'.'), c.expected) << "text: " << std::wstring(c.text).size();
    }
    // A comma locale reads "0,0" as a number and "0.0" as text.
    EXPECT_EQ(ToBoolean(L"0,0", L','), false);
    EXPECT_EQ(ToBoolean(L"0.0", L','), std::nullopt);
}

TEST(Conversions, NumberUsesTheLocaleSeparator) {
    struct Case {
        const wchar_t* text;
        wchar_t separator;
        std::optional<double> expected;
    } const cases[] = {
        {L"870", L'.', 870},
        {L"-120", L'.', -120},
        {L"+15", L'.', 15},
        {L"12.5", L'.', 12.5},
        {L"12,5", L',', 12.5},
        {L"12.5", L',', std::nullopt},
        {L"12,5", L'.', std::nullopt},
        {L" 3000 ", L'.', 3000},
        {L".5", L'.', 0.5},
        {L"5.", L'.', 5},
        {L"1e3", L'.', 1000},
        {L"2,5E-1", L',', 0.25},
        {L"", L'.', std::nullopt},
        {L"   ", L'.', std::nullopt},
        {L"abc", L'.', std::nullopt},
        {L"12abc", L'.', std::nullopt},
        {L".", L'.', std::nullopt},
        {L"-", L'.', std::nullopt},
        {L"1e", L'.', std::nullopt},
        {L"inf", L'.', std::nullopt},
        {L"nan", L'.', std::nullopt},
        {L"1 000", L'.', std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToNumber(c.text, c.separator), c.expected) << "case with separator " << char(c.separator);
    }
}

TEST(Conversions, Integer16RoundsHalvesToEvenAndChecksTheRange) {
    struct Case {
        const wchar_t* text;
        std::optional<std::int16_t> expected;
    } const cases[] = {
        {L"120", 120},
        {L"0.5", 0},
        {L"1.5", 2},
        {L"2.5", 2},
        {L"3.5", 4},
        {L"-0.5", 0},
        {L"-1.5", -2},
        {L"-2.5", -2},
        {L"2.4", 2},
        {L"2.6", 3},
        {L"32767", 32767},
        {L"-32768", -32768},
        {L"32767.4", 32767},
        {L"32767.5", std::nullopt},
        {L"32768", std::nullopt},
        {L"-32769", std::nullopt},
        {L"-32768.5", -32768},
        {L"", std::nullopt},
        {L"x", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToInteger16(c.text, L'.'), c.expected);
    }
    EXPECT_EQ(ToInteger16(L"2,5", L','), 2);
}

TEST(Conversions, LeadingNumberNeverFails) {
    struct Case {
        const wchar_t* text;
        double expected;
    } const cases[] = {
        {L"5", 5},   {L"3abc", 3}, {L"  7", 7}, {L"", 0},      {L"abc", 0}, {L"2.5", 2.5}, {L"2,5", 2}, {L"-3", -3},
        {L"+4x", 4}, {L".5", 0.5}, {L"-", 0},   {L"1e2", 100}, {L"1e", 1},  {L"6 7", 6},   {L"x5", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LeadingNumber(c.text), c.expected);
    }
    // The point is the separator whatever the locale.
    EXPECT_EQ(LeadingNumber(L"1.5"), 1.5);
}

TEST(Conversions, NumberToTextWritesWholeNumbersPlainAndOthersWithTheLocaleSeparator) {
    EXPECT_EQ(NumberToText(870, L'.'), L"870");
    EXPECT_EQ(NumberToText(-15, L','), L"-15");
    EXPECT_EQ(NumberToText(0, L'.'), L"0");
    EXPECT_EQ(NumberToText(-0.0, L'.'), L"0");
    EXPECT_EQ(NumberToText(12.5, L','), L"12,5");
    EXPECT_EQ(NumberToText(12.5, L'.'), L"12.5");
    // Single precision: seven significant digits at most.
    EXPECT_EQ(NumberToText(1.0 / 3.0, L'.'), L"0.3333333");
    // Round trip through the reader of the same locale.
    for (double value : {1.0, 3120.0, 2.25, -7.5, 10215.0}) {
        EXPECT_EQ(ToNumber(NumberToText(value, L','), L','), value);
    }
}

}  // namespace
}  // namespace zudav
