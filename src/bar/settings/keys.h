// Every name the program uses in the settings store: the section, the shared application, the bar's keys
// and the item keys (prefix followed by the slot index in decimal: Chemin0 ... Chemin12).
#pragma once

#include <string>

namespace zudav::keys {

inline constexpr const wchar_t* kSection = L"Donnees";
inline constexpr const wchar_t* kSharedApplication = L"Reredo";

// Bar keys. The bar writes Width/Height/Icone and reads width/height/icone: one key each (case rule).
inline constexpr const wchar_t* kHorizont = L"Horizont";
inline constexpr const wchar_t* kCaption = L"Caption";
inline constexpr const wchar_t* kCoef = L"Coef";
inline constexpr const wchar_t* kLeft = L"left";
inline constexpr const wchar_t* kTop = L"top";
inline constexpr const wchar_t* kWidthRead = L"width";
inline constexpr const wchar_t* kHeightRead = L"height";
inline constexpr const wchar_t* kWidthWritten = L"Width";
inline constexpr const wchar_t* kHeightWritten = L"Height";
inline constexpr const wchar_t* kIconeRead = L"icone";
inline constexpr const wchar_t* kIconeWritten = L"Icone";
inline constexpr const wchar_t* kAlwaysOnTop = L"AlwaysOnTop";
inline constexpr const wchar_t* kRetourAuto = L"RetourAuto";
inline constexpr const wchar_t* kBloquee = L"Bloqu\u00e9e";
inline constexpr const wchar_t* kGranX = L"GranX";
inline constexpr const wchar_t* kGranY = L"GranY";
inline constexpr const wchar_t* kLar = L"Lar";
inline constexpr const wchar_t* kHau = L"Hau";
// The hot key that brings the bar to the keyboard: the hot-key control's value in decimal; absent or 0, none.
inline constexpr const wchar_t* kRaccourci = L"Raccourci";

// A bar docked at an edge of its monitor reserves its room there, or hides there: check boxes, 0 or 1.
inline constexpr const wchar_t* kReserver = L"Reserver";
inline constexpr const wchar_t* kMasquer = L"Masquer";

// Its look: 0 follows the system's light or dark apps, 1 always light, 2 always dark (decimal text).
inline constexpr const wchar_t* kTheme = L"Theme";

// Shared by every bar, under kSharedApplication.
inline constexpr const wchar_t* kMargeHt = L"MargeHt";
inline constexpr const wchar_t* kMargeDx = L"MargeDx";

// Item key prefixes.
inline constexpr const wchar_t* kChemin = L"Chemin";
inline constexpr const wchar_t* kTool = L"Tool";
inline constexpr const wchar_t* kIcone = L"Icone";
inline constexpr const wchar_t* kLigne = L"Ligne";
inline constexpr const wchar_t* kFocus = L"Focus";
inline constexpr const wchar_t* kFicALancer = L"FicALancer";

inline constexpr int kItemCount = 13;

// prefix + index in decimal digits, no sign, blank or leading zero.
inline std::wstring ItemKey(const wchar_t* prefix, int index) {
    return prefix + std::to_wstring(index);
}

}  // namespace zudav::keys
