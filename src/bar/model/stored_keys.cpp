#include "bar/model/stored_keys.h"

#include <array>

#include "bar/settings/conversions.h"
#include "bar/settings/memory_store.h"

namespace zudav {
namespace {

constexpr KeyScope Bar = KeyScope::Bar, Shared = KeyScope::Shared;
constexpr KeyType Text = KeyType::Text, Number = KeyType::Number, Boolean = KeyType::Boolean,
                  Integer16 = KeyType::Integer16, Twips = KeyType::Twips, WindowState = KeyType::WindowState;

// The bar writes Width, Height and Icone and once read them as width, height and icone: the store's names compare
// without regard to case, so each is one key.
constexpr std::array<StoredKey, kOptionCount> kOptions = {{
    {L"Horizont", Bar, Boolean, L"False"},
    {L"Caption", Bar, Text, nullptr},
    {L"Coef", Bar, Integer16, L"0"},  // added to the stored top at start-up
    {L"left", Bar, Twips, L"1"},
    {L"top", Bar, Twips, L"1"},
    {L"Width", Bar, Twips, L"870"},
    {L"Height", Bar, Twips, L"8490"},
    {L"Icone", Bar, Text, L""},  // the window's icon file
    {L"AlwaysOnTop", Bar, Number, L"1"},
    {L"RetourAuto", Bar, Number, L"1"},  // minimise after a launch
    {L"Bloqu\u00e9e", Bar, Boolean, L"False"},
    {L"GranX", Bar, Twips, L""},  // the place and size a locked bar holds
    {L"GranY", Bar, Twips, L""},
    {L"Lar", Bar, Twips, L""},
    {L"Hau", Bar, Twips, L""},
    {L"Raccourci", Bar, Integer16, L"0"},  // the hot-key control's value; 0, none
    {L"Reserver", Bar, Number, L"0"},      // docked at an edge: reserve the room there
    {L"Masquer", Bar, Number, L"0"},       // docked at an edge: hide there
    {L"Theme", Bar, Number, L"0"},         // 0 the system's apps, 1 light, 2 dark
    {L"MargeHt", Shared, Text, L"200"},    // the presets' margins, as typed
    {L"MargeDx", Shared, Text, L"100"},
    {L"Basculer", Bar, Number, L"0"},     // a click on a running program's slot shows its window
    {L"ChaqueEcran", Bar, Number, L"0"},  // 1: a window of the bar on every monitor
}};

constexpr std::array<StoredKey, kItemFieldCount> kItemFields = {{
    {L"Chemin", Bar, Text, L""},
    {L"Tool", Bar, Text, L""},
    {L"Icone", Bar, Text, L""},
    {L"Ligne", Bar, Text, L""},
    {L"Focus", Bar, WindowState, L"1"},
    {L"FicALancer", Bar, Number, L"0"},  // 1: a document
    {L"Contenu", Bar, Number, L"0"},     // 1: a folder whose contents open as a menu
}};

}  // namespace

const StoredKey& KeyOf(Option option) {
    return kOptions[static_cast<std::size_t>(option)];
}

const StoredKey& KeyOf(ItemField field) {
    return kItemFields[static_cast<std::size_t>(field)];
}

std::wstring ItemKeyName(ItemField field, int slot) {
    return KeyOf(field).name + IntegerToText(slot);
}

bool IsSharedKey(const std::wstring& key) {
    for (const StoredKey& option : kOptions) {
        if (option.scope == Shared && FoldCase(option.name) == FoldCase(key)) {
            return true;
        }
    }
    return false;
}

}  // namespace zudav
