// The About box's window class and control ids: the view creates them, and the end-to-end tests find
// the controls by them.
#pragma once

namespace zudav::win32 {

inline constexpr wchar_t kAboutWindowClass[] = L"ZudavApropos";
inline constexpr int kAboutPicon = 10;
inline constexpr int kAboutTitle = 11;
inline constexpr int kAboutVersion = 12;
inline constexpr int kAboutDescription = 13;
inline constexpr int kAboutMailLink = 14;  // Label2
inline constexpr int kAboutDisclaimer = 15;
inline constexpr int kAboutWebLink = 16;  // Label1(2)
// cmdOK "Retour" is IDOK.

}  // namespace zudav::win32
