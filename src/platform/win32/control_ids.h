// Window classes and control ids of the program's windows: the views create them, and the end-to-end tests
// find the controls by them.
#pragma once

namespace zudav::win32 {

// The bar Principal: Picture1(i) is kPicture1 + i, CoolBar(i) is kCoolBar + i.
inline constexpr int kPicture1 = 1000;
inline constexpr int kCoolBar = 1100;
inline constexpr int kBarLabel1 = 1200;  // "Action"
inline constexpr int kBarImage2 = 1201;  // "Arrêter"

// The About box frmAbout.
inline constexpr wchar_t kAboutWindowClass[] = L"ZudavApropos";
inline constexpr int kAboutPicon = 10;
inline constexpr int kAboutTitle = 11;
inline constexpr int kAboutVersion = 12;
inline constexpr int kAboutDescription = 13;
inline constexpr int kAboutMailLink = 14;  // Label2
inline constexpr int kAboutDisclaimer = 15;
inline constexpr int kAboutWebLink = 16;  // Label1(2)
// cmdOK "Retour" is IDOK.

// The item editor frmAjouteEnleve: Command2(i) is kCommand2 + i, Option1(i) is kOption1 + i.
inline constexpr wchar_t kEditorWindowClass[] = L"ZudavAjouteEnleve";
inline constexpr int kCommand1 = 100;
inline constexpr int kCommand3 = 101;
inline constexpr int kText1 = 102;
inline constexpr int kText2 = 103;
inline constexpr int kText3 = 104;
inline constexpr int kCheck1 = 105;
inline constexpr int kLabel3 = 106;
inline constexpr int kIcone1 = 107;
inline constexpr int kCommand2 = 200;
inline constexpr int kOption1 = 300;

}  // namespace zudav::win32
