#include "bar/construire_boutons.h"

#include <cwctype>

#include "bar/lancer_item.h"

namespace zudav {

bool IconFromItemFile(const std::wstring& icone) {
    if (icone.empty()) {
        return true;
    }
    if (icone.size() < 3) {
        return false;
    }
    std::wstring ending = icone.substr(icone.size() - 3);
    for (auto& c : ending) {
        c = static_cast<wchar_t>(std::towlower(c));
    }
    return ending == L"exe";
}

void DessinerIconeBarre(LaBarre& module, BarWindow& window, const std::wstring& path, Reading reading) {
    const int box = module.IndexCourant.value_or(0);
    if (window.DrawFirstIcon(box, path, reading) == IconLookup::NoIcon) {
        module.IconeAbsente = true;
    }
}

namespace {

// The kind of a slot that holds an item, from its flag (absent: a program), as a launch reads it.
SlotKind ItemKind(const std::optional<std::wstring>& flagText, wchar_t decimalSeparator) {
    const auto flag = ToNumber(flagText.value_or(L"0"), decimalSeparator);
    return flag && *flag == 1 ? SlotKind::Document : SlotKind::Program;
}

}  // namespace

SlotKind ReadSlotKind(const BarSettings& settings, int slot) {
    return settings.ReadItem(keys::kChemin, slot).empty()
               ? SlotKind::Free
               : ItemKind(settings.FindItem(keys::kFicALancer, slot), settings.DecimalSeparator());
}

// Every item's settings are read again, as another program may have changed them; a slot's picture is made again only
// when what it is made from changed: the path or the icon file, either file's size or time, the size or the theme
// of the pictures.
void ConstruireBoutons(LaBarre& module, const BarSettings& settings, BarWindow& window, const Platform& platform) {
    for (int n = 0; n < keys::kItemCount; ++n) {
        module.IconeAbsente = false;
        const std::wstring path = platform.ExpandEnvironment(settings.ReadItem(keys::kChemin, n));
        std::wstring icon;
        SlotItem item;
        std::optional<LaBarre::PictureSource>& madeFrom = module.picturesMadeFrom[static_cast<size_t>(n)];
        if (!path.empty()) {
            const std::optional<std::wstring> flagText = settings.FindItem(keys::kFicALancer, n);
            item = {ItemKind(flagText, settings.DecimalSeparator()), path, settings.ReadItem(keys::kTool, n)};
            window.SetSlotTooltips(n, ShownTooltip(item.tooltip));
            module.IndexCourant = static_cast<std::int16_t>(n);
            icon = platform.ExpandEnvironment(settings.ReadItem(keys::kIcone, n));
            const Reading pathReading = ReadingOf(platform, path);
            const Reading iconReading = icon.empty() ? Reading::InPlace : ReadingOf(platform, icon);
            const auto stamp = [&](const std::wstring& file, Reading reading) {
                return file.empty() || reading == Reading::Away ? std::nullopt : platform.StampOf(file);
            };
            const LaBarre::PictureSource source{path, icon, stamp(path, pathReading), stamp(icon, iconReading),
                                                window.Look()};
            if (madeFrom == source) {
                window.ShowSlotItem(n, item);
                continue;  // the picture it shows is still the item's
            }
            madeFrom = source;
            window.ClearPicture(n);
            if (IconFromItemFile(icon) && !PathFitsWindows(path)) {
                module.IconeAbsente = true;  // no call takes such a path: the placeholder says so
            } else if (IconFromItemFile(icon)) {
                DessinerIconeBarre(module, window, path, pathReading);
            } else if (!PathFitsWindows(icon) || !window.LoadPicture(n, icon, iconReading)) {
                // A picture that does not load leaves the box as the caller cleared it.
            }
            if (module.IconeAbsente) {
                // Only a flag that reads as a number other than 1 spares the placeholder.
                const auto flag = ToNumber(flagText.value_or(L""), settings.DecimalSeparator());
                if (!flag || *flag == 1) {
                    window.ShowBuiltInPicture(n, BuiltInPicture::Placeholder);
                }
            }
        }
        // A free slot keeps its tooltips; the item editor clears them when it removes an item.
        if (path.empty()) {
            madeFrom.reset();
            window.ShowBuiltInPicture(n, BuiltInPicture::FreeSlot);
        }
        window.ShowSlotItem(n, item);
    }
}

}  // namespace zudav
