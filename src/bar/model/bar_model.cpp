#include "bar/model/bar_model.h"

#include <algorithm>
#include <cmath>

#include "bar/settings/conversions.h"

namespace zudav {

BarModel::BarModel(SettingsStore& store, std::wstring application, wchar_t decimalSeparator)
    : store_(store), application_(std::move(application)), decimal_(decimalSeparator) {}

void BarModel::AddObserver(BarModelObserver& observer) {
    observers_.push_back(&observer);
}

void BarModel::RemoveObserver(BarModelObserver& observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer), observers_.end());
}

namespace {

std::wstring NameOf(const StoredKey& key, int slot) {
    return slot < 0 ? std::wstring(key.name) : key.name + IntegerToText(slot);
}

}  // namespace

const std::wstring& BarModel::ApplicationOf(const StoredKey& key) const {
    static const std::wstring shared = kSharedApplication;
    return key.scope == KeyScope::Shared ? shared : application_;
}

std::optional<std::wstring> BarModel::Find(const StoredKey& key, int slot) const {
    return store_.Find(ApplicationOf(key), kSection, NameOf(key, slot));
}

void BarModel::Write(const StoredKey& key, const std::wstring& value, int slot) {
    store_.Write(ApplicationOf(key), kSection, NameOf(key, slot), value);
}

void BarModel::Delete(const StoredKey& key, int slot) {
    if (!store_.Delete(ApplicationOf(key), kSection, NameOf(key, slot))) {
        // Absent already.
    }
}

BarItem BarModel::ReadItem(int slot) const {
    BarItem item;
    item.chemin = Find(KeyOf(ItemField::Chemin), slot).value_or(L"");
    item.tool = Find(KeyOf(ItemField::Tool), slot).value_or(L"");
    item.icone = Find(KeyOf(ItemField::Icone), slot).value_or(L"");
    item.ligne = Find(KeyOf(ItemField::Ligne), slot).value_or(L"");
    item.focus = Find(KeyOf(ItemField::Focus), slot);
    item.ficALancer = Find(KeyOf(ItemField::FicALancer), slot);
    item.flag = item.ficALancer ? ToNumber(*item.ficALancer, decimal_) : std::nullopt;
    item.contenu = Find(KeyOf(ItemField::Contenu), slot);
    item.menu = item.contenu && ToNumber(*item.contenu, decimal_) == 1.0;
    return item;
}

void BarModel::TellItems(const std::vector<int>& slots) {
    if (slots.empty()) {
        return;
    }
    for (BarModelObserver* observer : std::vector<BarModelObserver*>(observers_)) {
        observer->OnItemsChanged(slots);
    }
}

void BarModel::TellOption(Option option) {
    for (BarModelObserver* observer : std::vector<BarModelObserver*>(observers_)) {
        observer->OnOptionChanged(option);
    }
}

void BarModel::Reload() {
    // Both sections are asked, so that the store watches both from now on.
    const bool barChanged = store_.ChangedSinceAsked(application_, kSection);
    const bool sharedChanged = store_.ChangedSinceAsked(kSharedApplication, kSection);
    if (loaded_ && !barChanged && !sharedChanged) {
        return;  // nothing was written since the last reading
    }
    loaded_ = true;
    std::vector<int> slots;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        BarItem fresh = ReadItem(slot);
        if (!(fresh == items_[static_cast<std::size_t>(slot)])) {
            items_[static_cast<std::size_t>(slot)] = std::move(fresh);
            slots.push_back(slot);
        }
    }
    std::vector<Option> options;
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        std::optional<std::wstring> fresh = Find(KeyOf(static_cast<Option>(i)));
        if (fresh != options_[i]) {
            options_[i] = std::move(fresh);
            options.push_back(static_cast<Option>(i));
        }
    }
    TellItems(slots);
    for (Option option : options) {
        TellOption(option);
    }
}

void BarModel::WriteOrDelete(ItemField field, const std::optional<std::wstring>& value, int slot) {
    if (value) {
        Write(KeyOf(field), *value, slot);
    } else {
        Delete(KeyOf(field), slot);
    }
}

void BarModel::SetItems(const std::vector<ItemChange>& changes) {
    {
        const SettingsStore::Batch batch(store_);
        for (const auto& [slot, item, withPicture] : changes) {
            Write(KeyOf(ItemField::Chemin), item.chemin, slot);
            WriteOrDelete(ItemField::Ligne, item.ligne.empty() ? std::nullopt : std::optional(item.ligne), slot);
            WriteOrDelete(ItemField::Focus, item.focus, slot);
            Write(KeyOf(ItemField::Tool), item.tool, slot);
            WriteOrDelete(ItemField::FicALancer, item.ficALancer, slot);
            WriteOrDelete(ItemField::Contenu, item.contenu, slot);
            if (withPicture) {
                Write(KeyOf(ItemField::Icone), item.icone, slot);
            }
        }
    }
    std::vector<int> slots;
    for (const ItemChange& change : changes) {
        items_[static_cast<std::size_t>(change.slot)] = ReadItem(change.slot);
        slots.push_back(change.slot);
    }
    TellItems(slots);
}

void BarModel::RemoveItem(int slot) {
    {
        const SettingsStore::Batch batch(store_);
        for (ItemField field : {ItemField::Chemin, ItemField::Tool, ItemField::Icone, ItemField::Ligne,
                                ItemField::Focus, ItemField::FicALancer}) {
            Write(KeyOf(field), L"", slot);
        }
        if (items_[static_cast<std::size_t>(slot)].contenu) {
            Write(KeyOf(ItemField::Contenu), L"", slot);  // a key added since is emptied, not added
        }
    }
    items_[static_cast<std::size_t>(slot)] = ReadItem(slot);
    TellItems({slot});
}

void BarModel::ExchangeItems(int from, int to) {
    auto& items = items_;
    std::swap(items[static_cast<std::size_t>(from)], items[static_cast<std::size_t>(to)]);
    {
        const SettingsStore::Batch batch(store_);  // the whole column, stored at once
        for (int i = 0; i < kSlotCount; ++i) {
            const BarItem& item = items[static_cast<std::size_t>(i)];
            Write(KeyOf(ItemField::Chemin), item.chemin, i);
            Write(KeyOf(ItemField::Ligne), item.ligne, i);
            Write(KeyOf(ItemField::Tool), item.tool, i);
            Write(KeyOf(ItemField::Icone), item.icone, i);
        }
        // A document must not be run as a program at its new place.
        for (int position : {to, from}) {
            const BarItem& item = items[static_cast<std::size_t>(position)];
            WriteOrDelete(ItemField::Focus, item.focus, position);
            WriteOrDelete(ItemField::FicALancer, item.ficALancer, position);
            WriteOrDelete(ItemField::Contenu, item.contenu, position);
        }
    }
    for (int i = 0; i < kSlotCount; ++i) {
        items[static_cast<std::size_t>(i)] = ReadItem(i);
    }
    TellItems(from != to ? std::vector<int>{to, from} : std::vector<int>{to});
}

std::wstring BarModel::Text(Option option) const {
    const StoredKey& key = KeyOf(option);
    if (const auto& stored = options_[static_cast<std::size_t>(option)]) {
        return *stored;
    }
    return key.absent != nullptr ? std::wstring(key.absent) : application_;
}

std::optional<double> BarModel::Number(Option option) const {
    return ToNumber(Text(option), decimal_);
}

std::optional<bool> BarModel::Boolean(Option option) const {
    return ToBoolean(Text(option), decimal_);
}

std::optional<std::int16_t> BarModel::Integer16(Option option) const {
    return ToInteger16(Text(option), decimal_);
}

// Beyond what the window system can place, a value is taken for one that does not convert.
std::optional<float> BarModel::Twips(Option option) const {
    constexpr double kFarthest = 32768.0 * 15;
    const std::optional<double> value = Number(option);
    if (!value || std::fabs(*value) > kFarthest) {
        return std::nullopt;
    }
    return static_cast<float>(*value);
}

bool BarModel::On(Option option) const {
    const auto value = Number(option);
    return value && *value == 1;
}

std::optional<int> BarModel::CheckBox(Option option) const {
    if (KeyOf(option).type == KeyType::Boolean) {
        const auto value = Boolean(option);
        return value ? std::optional<int>(*value ? 1 : 0) : std::nullopt;
    }
    const auto value = Number(option);
    return value && (*value == 0 || *value == 1) ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
}

void BarModel::SetOptions(const std::vector<std::pair<Option, std::wstring>>& values) {
    {
        const SettingsStore::Batch batch(store_);
        for (const auto& [option, text] : values) {
            Write(KeyOf(option), text);
        }
    }
    for (const auto& [option, text] : values) {
        options_[static_cast<std::size_t>(option)] = Find(KeyOf(option));
    }
    for (const auto& [option, text] : values) {
        TellOption(option);
    }
}

void BarModel::SetNumber(Option option, double value) {
    SetNumbers({{option, value}});
}

void BarModel::SetNumbers(const std::vector<std::pair<Option, double>>& values) {
    std::vector<std::pair<Option, std::wstring>> texts;
    for (const auto& [option, value] : values) {
        texts.emplace_back(option, NumberToText(value, decimal_));
    }
    SetOptions(texts);
}

StoredValues BarModel::PlaceValues(const Geometry& place) const {
    return {{KeyOf(Option::Left).name, NumberToText(place.left, decimal_)},
            {KeyOf(Option::Top).name, NumberToText(place.top, decimal_)}};
}

bool BarModel::HasPlace(const std::wstring& application) const {
    return store_.Find(application, kSection, KeyOf(Option::Left).name).has_value();
}

void BarModel::WriteFor(const std::wstring& application, const StoredValues& values) {
    const SettingsStore::Batch batch(store_);
    for (const auto& [key, value] : values) {
        store_.Write(application, kSection, key, value);
    }
}

void BarModel::DeleteFor(const std::wstring& application, const StoredValues& values) {
    for (const auto& [key, value] : values) {
        if (!store_.Delete(application, kSection, key)) {
            // Already gone.
        }
    }
}

}  // namespace zudav
