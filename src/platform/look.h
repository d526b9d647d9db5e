// Light, dark or high contrast: which look the program's windows take, and the colours each look draws with.
#pragma once

#include <cstdint>
#include <optional>

namespace zudav {

enum class Look {
    Light,
    Dark,
    HighContrast,  // the system's own colour pairs, whatever the user chose for apps
};

// A bar's choice, as stored (key Theme): follow the system, or always light, or always dark.
enum class ThemeChoice {
    System = 0,
    Light = 1,
    Dark = 2,
};

// The stored text's choice; anything but 0, 1 or 2 follows the system.
ThemeChoice ThemeChoiceOf(std::optional<double> stored);

// High contrast wins over both; then the bar's own choice; then the system's mode for apps.
Look ChooseLook(bool systemAppsDark, ThemeChoice choice, bool highContrast);

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb& other) const { return red == other.red && green == other.green && blue == other.blue; }
};

// The contrast ratio between two colours, from 1 (the same) to 21 (black on white), as accessibility guidelines
// measure it from their relative luminance.
double ContrastRatio(Rgb first, Rgb second);

// What the windows draw with. Each text colour is drawn on the background beside it; the frames on the bar's face.
struct Palette {
    Rgb window;      // the secondary windows' background
    Rgb windowText;  // their labels
    Rgb field;       // text boxes and lists
    Rgb fieldText;
    Rgb face;        // the bar and the buttons
    Rgb faceText;    // "Action", the buttons' captions
    Rgb link;        // the About box's links, on the window's background
    Rgb rule;        // the About box's rule
    Rgb hoverFrame;  // the hovered slot's frame, on the face
    Rgb focusFrame;  // the keyboard's focus, on the face
};

// The system's colours a high-contrast theme sets (GetSysColor).
struct SystemColours {
    Rgb window, windowText, buttonFace, buttonText, hotLight, highlight;
};

// What a Windows build can darken or round through documented attributes and class names, and whether its menus can
// be darkened (only through uxtheme's unnamed functions, which exist from Windows 10 1903 on).
struct LookSupport {
    int darkCaptionAttribute = 0;  // DWMWA_USE_IMMERSIVE_DARK_MODE: 20, 19 before Windows 10 20H1, 0 none
    bool darkControls = false;     // the themes' dark classes (DarkMode_Explorer, DarkMode_CFD), from 1809
    bool darkMenus = false;
    bool cornerPreference = false;  // DWMWA_WINDOW_CORNER_PREFERENCE: Windows 11
};
LookSupport LookSupportOf(unsigned major, unsigned build);

// The colour of the mark that shows a slot's program runs: the look's accent (the theme's highlight under high
// contrast), darkened or lightened as little as needs be to stand out at 3:1 on the bar's face; the face's text colour
// where a high-contrast theme's highlight does not.
Rgb RunningMarkColour(Look look, const Palette& palette, Rgb accent, Rgb highlight);

Palette LightPalette();
Palette DarkPalette();
Palette HighContrastPalette(const SystemColours& system);

}  // namespace zudav
