// The item editor's window class and control ids: the view creates them, and the end-to-end tests find
// the controls by them.
#pragma once

namespace zudav::win32 {

// Command2(i) is kCommand2 + i, Option1(i) is kOption1 + i.
inline constexpr wchar_t kEditorWindowClass[] = L"ZudavAjouteEnleve";
inline constexpr int kCommand1 = 100;
inline constexpr int kCommand3 = 101;
inline constexpr int kText1 = 102;
inline constexpr int kText2 = 103;
inline constexpr int kText3 = 104;
inline constexpr int kCheck1 = 105;
inline constexpr int kLabel3 = 106;
inline constexpr int kIcone1 = 107;
inline constexpr int kContenu = 108;  // "Afficher le contenu du dossier en menu"
inline constexpr int kCommand2 = 200;
inline constexpr int kOption1 = 300;

}  // namespace zudav::win32
