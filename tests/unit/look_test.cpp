// Which look the windows take, and whether every text and frame of each look can be read.
#include "platform/look.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zudav {
namespace {

TEST(Look, HighContrastWinsThenTheBarsChoiceThenTheSystemsMode) {
    struct Case {
        bool systemDark;
        std::optional<double> stored;  // the key Theme, as read
        bool highContrast;
        Look look;
    } const cases[] = {
        {false, std::nullopt, false, Look::Light},  // no key: the system's light apps
        {true, std::nullopt, false, Look::Dark},    // the system's dark apps
        {true, 0.0, false, Look::Dark},             // "Système"
        {true, 1.0, false, Look::Light},            // "Clair" under a dark system
        {false, 2.0, false, Look::Dark},            // "Sombre" under a light system
        {true, 7.0, false, Look::Dark},             // an unknown value follows the system
        {false, 1.5, false, Look::Light},           // so does a fraction
        {true, 2.0, true, Look::HighContrast},      // high contrast over "Sombre"
        {false, 1.0, true, Look::HighContrast},     // and over "Clair"
        {true, std::nullopt, true, Look::HighContrast},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseLook(c.systemDark, ThemeChoiceOf(c.stored), c.highContrast), c.look)
            << c.systemDark << " " << c.stored.value_or(-1) << " " << c.highContrast;
    }
}

TEST(Look, EachWindowsBuildIsAskedOnlyForWhatItKnows) {
    struct Case {
        unsigned major, build;
        int captionAttribute;
        bool controls, menus, corners;
    } const cases[] = {
        {6, 9600, 0, false, false, false},    // Windows 8.1
        {10, 17134, 0, false, false, false},  // Windows 10 1803: no dark look
        {10, 17763, 19, true, false, false},  // 1809
        {10, 18362, 19, true, true, false},   // 1903: menus
        {10, 19041, 20, true, true, false},   // 20H1: the attribute's new number
        {10, 19045, 20, true, true, false},   // 22H2
        {10, 22000, 20, true, true, true},    // Windows 11: corners
        {10, 26100, 20, true, true, true},
    };
    for (const Case& c : cases) {
        const LookSupport support = LookSupportOf(c.major, c.build);
        EXPECT_EQ(support.darkCaptionAttribute, c.captionAttribute) << c.build;
        EXPECT_EQ(support.darkControls, c.controls) << c.build;
        EXPECT_EQ(support.darkMenus, c.menus) << c.build;
        EXPECT_EQ(support.cornerPreference, c.corners) << c.build;
    }
}

Rgb Hex(unsigned value) {
    return {static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value)};
}

TEST(Look, TheContrastRatioIsThatOfTheGuidelines) {
    EXPECT_NEAR(ContrastRatio(Hex(0x000000), Hex(0xFFFFFF)), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(Hex(0xFFFFFF), Hex(0x000000)), 21.0, 1e-9);  // either way round
    EXPECT_NEAR(ContrastRatio(Hex(0x777777), Hex(0x777777)), 1.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(Hex(0x767676), Hex(0xFFFFFF)), 4.54, 0.01);  // the grey at the edge of AA
    EXPECT_LT(ContrastRatio(Hex(0x777777), Hex(0xFFFFFF)), 4.5);           // one step lighter fails it
}

TEST(Look, EveryTextAndFrameOfEveryPaletteCanBeRead) {
    // The high-contrast palettes made from Windows' own themes (10: black, white, #1; 11: Aquatic, Desert, Dusk, Night
    // sky): window, window text, button face, button text, hyperlink, highlight.
    struct Theme {
        std::string name;
        SystemColours colours;
    };
    const std::vector<Theme> themes = {
        {"black", {Hex(0x000000), Hex(0xFFFFFF), Hex(0x000000), Hex(0xFFFFFF), Hex(0xFFFF00), Hex(0x1AEBFF)}},
        {"white", {Hex(0xFFFFFF), Hex(0x000000), Hex(0xFFFFFF), Hex(0x000000), Hex(0x00009F), Hex(0x37006E)}},
        {"#1", {Hex(0x000000), Hex(0xFFFF00), Hex(0x000000), Hex(0xFFFFFF), Hex(0x8080FF), Hex(0x008000)}},
        {"aquatic", {Hex(0x202020), Hex(0xFFFFFF), Hex(0x202020), Hex(0xFFFFFF), Hex(0x75E9FC), Hex(0x8EE3F0)}},
        {"desert", {Hex(0xFFFAEF), Hex(0x3D3D3D), Hex(0xFFFAEF), Hex(0x202020), Hex(0x1C5E75), Hex(0x903909)}},
        {"dusk", {Hex(0x2D3236), Hex(0xFFFFFF), Hex(0x2D3236), Hex(0xB6F6F0), Hex(0x70EBDE), Hex(0xA1BFDE)}},
        {"night sky", {Hex(0x000000), Hex(0xFFFFFF), Hex(0x292929), Hex(0xFFEE32), Hex(0x8080FF), Hex(0xD6B4FD)}},
    };
    struct Shown {
        std::string name;
        Palette palette;
        Look look;
        Rgb highlight;
    };
    std::vector<Shown> palettes = {{"light", LightPalette(), Look::Light, {}}, {"dark", DarkPalette(), Look::Dark, {}}};
    for (const Theme& theme : themes) {
        palettes.push_back({"high contrast " + theme.name, HighContrastPalette(theme.colours), Look::HighContrast,
                            theme.colours.highlight});
    }
    for (const auto& [name, p, look, highlight] : palettes) {
        // The running mark, whatever accent the user chose: Windows' blue, a yellow, a navy, white and black.
        for (const unsigned accent : {0x0078D4u, 0xFFB900u, 0x00205Bu, 0xFFFFFFu, 0x000000u}) {
            EXPECT_GE(ContrastRatio(RunningMarkColour(look, p, Hex(accent), highlight), p.face), 3.0)
                << name << ": running mark of accent " << std::hex << accent;
        }
        struct Pair {
            const char* what;
            Rgb front, back;
            double least;
        } const pairs[] = {
            {"label", p.windowText, p.window, 4.5},
            {"text box", p.fieldText, p.field, 4.5},
            {"button", p.faceText, p.face, 4.5},
            {"link", p.link, p.window, 4.5},
            {"rule", p.rule, p.window, 3.0},
            {"hover frame", p.hoverFrame, p.face, 3.0},
            {"focus frame", p.focusFrame, p.face, 3.0},
        };
        for (const Pair& pair : pairs) {
            EXPECT_GE(ContrastRatio(pair.front, pair.back), pair.least) << name << ": " << pair.what;
        }
    }
}

}  // namespace
}  // namespace zudav
