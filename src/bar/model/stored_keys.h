// Every key the program keeps in the settings store, declared once: its name, where it lives, its type, the value it
// has when absent and the rule that turns its text into that type. Items' keys are a prefix followed by the slot in
// decimal (Chemin0 ... Chemin12).
#pragma once

#include <cstddef>
#include <string>

namespace zudav {

inline constexpr const wchar_t* kSection = L"Donnees";
// The application under which every bar kept in the registry shares the presets' margins; a portable bar keeps them in
// its own file.
inline constexpr const wchar_t* kSharedApplication = L"Reredo";

inline constexpr int kSlotCount = 13;

// How a stored text reads; a text that does not read keeps the reader's current value (the design value at start-up).
enum class KeyType {
    Text,         // as stored
    Number,       // decimal, with the separator of the user's locale
    Boolean,      // True/False in any case, or a number (0 false)
    Integer16,    // a number brought to the nearest whole number within 16 bits
    Twips,        // a number within what the window system can place (32,768 pixels at 96 dpi)
    WindowState,  // the leading number of the text, point as separator, brought to 16 bits: never fails but outside
                  // them
};

enum class KeyScope { Bar, Shared };

// The bar's options, in the order of the table.
enum class Option {
    Horizont,
    Caption,
    Coef,
    Left,
    Top,
    Width,
    Height,
    Icone,
    AlwaysOnTop,
    RetourAuto,
    Bloquee,
    GranX,
    GranY,
    Lar,
    Hau,
    Raccourci,
    Reserver,
    Masquer,
    Theme,
    MargeHt,
    MargeDx,
    Basculer,
    ChaqueEcran,
    Count
};
inline constexpr std::size_t kOptionCount = static_cast<std::size_t>(Option::Count);

// The fields of an item.
enum class ItemField { Chemin, Tool, Icone, Ligne, Focus, FicALancer, Contenu, Count };
inline constexpr std::size_t kItemFieldCount = static_cast<std::size_t>(ItemField::Count);

struct StoredKey {
    const wchar_t* name;
    KeyScope scope;
    KeyType type;
    const wchar_t* absent;  // the text read when the key is absent; nullptr: the bar's application name
};

const StoredKey& KeyOf(Option option);
const StoredKey& KeyOf(ItemField field);

// Chemin + 3 -> "Chemin3": the prefix and the index in decimal digits, no sign, blank or leading zero.
std::wstring ItemKeyName(ItemField field, int slot);

// A key of the shared application that a portable bar keeps in its own section.
bool IsSharedKey(const std::wstring& key);

}  // namespace zudav
