#include "platform/look.h"

#include <cmath>

namespace zudav {
namespace {

double Linear(std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(Rgb colour) {
    return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) + 0.0722 * Linear(colour.blue);
}

}  // namespace

ThemeChoice ThemeChoiceOf(std::optional<double> stored) {
    if (stored == 1.0) {
        return ThemeChoice::Light;
    }
    if (stored == 2.0) {
        return ThemeChoice::Dark;
    }
    return ThemeChoice::System;
}

Look ChooseLook(bool systemAppsDark, ThemeChoice choice, bool highContrast) {
    if (highContrast) {
        return Look::HighContrast;
    }
    switch (choice) {
        case ThemeChoice::Light:
            return Look::Light;
        case ThemeChoice::Dark:
            return Look::Dark;
        case ThemeChoice::System:
            break;
    }
    return systemAppsDark ? Look::Dark : Look::Light;
}

double ContrastRatio(Rgb first, Rgb second) {
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::fmax(a, b) + 0.05) / (std::fmin(a, b) + 0.05);
}

LookSupport LookSupportOf(unsigned major, unsigned build) {
    LookSupport support;
    if (major < 10 || build < 17763) {
        return support;  // before Windows 10 1809 there is no dark look to ask for
    }
    support.darkCaptionAttribute = build >= 18985 ? 20 : 19;
    support.darkControls = true;
    support.darkMenus = build >= 18362;
    support.cornerPreference = build >= 22000;
    return support;
}

Rgb RunningMarkColour(Look look, const Palette& palette, Rgb accent, Rgb highlight) {
    constexpr double kReadable = 3.0;
    if (look == Look::HighContrast) {
        return ContrastRatio(highlight, palette.face) >= kReadable ? highlight : palette.faceText;
    }
    // Towards black on a light face, towards white on a dark one, a tenth of the way at a time.
    const bool darken = ContrastRatio(palette.face, Rgb{0, 0, 0}) > ContrastRatio(palette.face, Rgb{255, 255, 255});
    const int end = darken ? 0 : 255;
    Rgb colour = accent;
    for (int step = 1; step <= 10 && ContrastRatio(colour, palette.face) < kReadable; ++step) {
        const auto mix = [&](std::uint8_t channel) {
            return static_cast<std::uint8_t>(channel + (end - channel) * step / 10);
        };
        colour = {mix(accent.red), mix(accent.green), mix(accent.blue)};
    }
    return colour;
}

// Windows' own colours for classic windows and buttons (the system gives them), and the deep blue of links.
Palette LightPalette() {
    Palette palette;
    palette.window = {240, 240, 240};
    palette.windowText = {0, 0, 0};
    palette.field = {255, 255, 255};
    palette.fieldText = {0, 0, 0};
    palette.face = {240, 240, 240};
    palette.faceText = {0, 0, 0};
    palette.link = {0, 0, 255};
    palette.rule = {0, 0, 128};
    palette.hoverFrame = {0, 0, 0};
    palette.focusFrame = {0, 0, 0};
    return palette;
}

// The greys of Windows' dark apps, a light blue for links.
Palette DarkPalette() {
    Palette palette;
    palette.window = {32, 32, 32};
    palette.windowText = {255, 255, 255};
    palette.field = {45, 45, 45};
    palette.fieldText = {255, 255, 255};
    palette.face = {32, 32, 32};
    palette.faceText = {255, 255, 255};
    palette.link = {153, 204, 255};
    palette.rule = {128, 160, 224};
    palette.hoverFrame = {200, 200, 200};
    palette.focusFrame = {255, 255, 255};
    return palette;
}

// Only the pairs the theme makes to go together: window text on window, button text on button face, the hot light
// on window (the theme's hyperlink colour), the highlight as the hover's frame.
Palette HighContrastPalette(const SystemColours& system) {
    Palette palette;
    palette.window = system.window;
    palette.windowText = system.windowText;
    palette.field = system.window;
    palette.fieldText = system.windowText;
    palette.face = system.buttonFace;
    palette.faceText = system.buttonText;
    palette.link = system.hotLight;
    palette.rule = system.windowText;
    palette.hoverFrame = system.highlight;
    palette.focusFrame = system.buttonText;
    return palette;
}

}  // namespace zudav
