// The configuration window's class and control ids, and those of the input box it asks names with: the views
// create them, and the end-to-end tests find the controls by them. Arrays: the id of element i is base + i.
#pragma once

namespace zudav::win32 {

inline constexpr wchar_t kConfigWindowClass[] = L"ZudavConfiguration";
inline constexpr int kConfigLabel1 = 100;
inline constexpr int kConfigCheck1 = 110;  // Check1(0) and Check1(2)
inline constexpr int kConfigCheck2 = 113;
inline constexpr int kConfigBarreHV = 120;      // 0 vertical, 1 horizontal
inline constexpr int kConfigText1 = 131;        // Text1 ... Text7 are 131 ... 137
inline constexpr int kConfigCommand1 = 141;     // "&Fermer"
inline constexpr int kConfigCommand3 = 143;     // "Créer une nouvelle barre."
inline constexpr int kConfigCommand4 = 144;     // "Oui", "Non"
inline constexpr int kConfigCommand5 = 146;     // "Reset"
inline constexpr int kConfigCommand6 = 147;     // "Aide"
inline constexpr int kConfigImage1 = 150;       // the bar's icon
inline constexpr int kConfigImage2 = 151;       // the selection
inline constexpr int kConfigFrame3 = 152;       // the vertical miniature
inline constexpr int kConfigFrame4 = 153;       // the horizontal miniature
inline constexpr int kConfigCommandGx = 160;    // elements 1 to 4
inline constexpr int kConfigCommand2 = 170;     // elements 1 to 6
inline constexpr int kConfigCommandHt = 180;    // elements 0 to 5
inline constexpr int kConfigCommandB = 190;     // elements 0 to 5
inline constexpr int kConfigIco = 200;          // elements 0 to 12
inline constexpr int kConfigTTT = 220;          // elements 0 to 12
inline constexpr int kConfigRaccourci = 240;    // the bar's hot key
inline constexpr int kConfigReserver = 241;     // the room at the screen's edge
inline constexpr int kConfigMasquer = 242;      // auto-hide at the screen's edge
inline constexpr int kConfigTheme = 243;        // "Apparence :" the bar's look
inline constexpr int kConfigExporter = 244;     // "Exporter..."
inline constexpr int kConfigImporter = 245;     // "Importer..."
inline constexpr int kConfigBasculer = 246;     // a click on a running program's slot shows its window
inline constexpr int kConfigChaqueEcran = 247;  // a window of the bar on every monitor

// The input box: its prompt, its text box, and the buttons IDOK and IDCANCEL.
inline constexpr wchar_t kInputBoxClass[] = L"ZudavSaisie";
inline constexpr int kInputPrompt = 10;
inline constexpr int kInputText = 11;

}  // namespace zudav::win32
