// The one owner of a bar's state: its thirteen items and its options, read from the settings store by the rules of
// the key table, and stored in one batch per change. The bar's window, the item editor and the configuration window
// read it, change it by its named operations, and are told what changed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bar/model/bar_item.h"
#include "bar/model/stored_keys.h"
#include "bar/settings/settings_store.h"
#include "platform/geometry.h"

namespace zudav {

class BarModelObserver {
  public:
    // The slots whose item changed, told at once: by one operation, or by one reading of the store.
    virtual void OnItemsChanged(const std::vector<int>& slots) = 0;
    virtual void OnOptionChanged(Option option) = 0;

  protected:
    ~BarModelObserver() = default;
};

class BarModel {
  public:
    BarModel(SettingsStore& store, std::wstring application, wchar_t decimalSeparator);
    BarModel(const BarModel&) = delete;
    BarModel& operator=(const BarModel&) = delete;

    const std::wstring& Application() const { return application_; }
    wchar_t DecimalSeparator() const { return decimal_; }
    // For what carries the bar's settings as a whole (export, import, backups).
    SettingsStore& Store() const { return store_; }

    // Changes made while it lives are stored together (a bar kept in one file writes it once).
    SettingsStore::Batch Batch() const { return SettingsStore::Batch(store_); }

    void AddObserver(BarModelObserver& observer);
    void RemoveObserver(BarModelObserver& observer);

    // Takes everything from the store (at the start, and again when another program may have changed it), and tells
    // what differs.
    void Reload();

    const BarItem& Item(int slot) const { return items_[static_cast<std::size_t>(slot)]; }
    // Items' keys, stored in one batch and told at once: the command line deleted when it is empty; the window state
    // and the flag deleted when absent; the picture file left as stored when not given.
    struct ItemChange {
        int slot;
        BarItem item;
        bool withPicture;
    };
    void SetItems(const std::vector<ItemChange>& changes);
    void SetItem(int slot, const BarItem& item, bool withPicture) { SetItems({{slot, item, withPicture}}); }
    // Every key of the item emptied.
    void RemoveItem(int slot);
    // The item of `from` goes to `to` and the one there to `from` (a free slot: a move). The whole column is stored at
    // once; the window state and the flag move with their items, absent where they were absent.
    void ExchangeItems(int from, int to);

    // An option as stored (its absent text when absent), and read by its key's type: nothing when it does not read.
    std::wstring Text(Option option) const;
    std::optional<double> Number(Option option) const;
    std::optional<bool> Boolean(Option option) const;
    std::optional<std::int16_t> Integer16(Option option) const;
    std::optional<float> Twips(Option option) const;
    // A number option that is on: it reads as 1.
    bool On(Option option) const;
    // A check box's option as the box shows it: 0 or 1; nothing for a value the box cannot show.
    std::optional<int> CheckBox(Option option) const;

    // Options stored at once, in the order given; each told once.
    void SetOptions(const std::vector<std::pair<Option, std::wstring>>& values);
    void SetOption(Option option, const std::wstring& text) { SetOptions({{option, text}}); }
    void SetNumber(Option option, double value);
    // The place and size kept in numbers, stored together.
    void SetNumbers(const std::vector<std::pair<Option, double>>& values);

    // A new bar of another name: the place it first opens at, as stored text; whether it has one stored; its place
    // stored for its first start, or taken back when it did not start.
    StoredValues PlaceValues(const Geometry& place) const;
    bool HasPlace(const std::wstring& application) const;
    void WriteFor(const std::wstring& application, const StoredValues& values);
    void DeleteFor(const std::wstring& application, const StoredValues& values);

  private:
    const std::wstring& ApplicationOf(const StoredKey& key) const;
    std::optional<std::wstring> Find(const StoredKey& key, int slot = -1) const;
    void Write(const StoredKey& key, const std::wstring& value, int slot = -1);
    void Delete(const StoredKey& key, int slot = -1);
    void WriteOrDelete(ItemField field, const std::optional<std::wstring>& value, int slot);
    BarItem ReadItem(int slot) const;
    void TellItems(const std::vector<int>& slots);
    void TellOption(Option option);

    SettingsStore& store_;
    std::wstring application_;
    wchar_t decimal_;
    std::array<BarItem, kSlotCount> items_;
    std::array<std::optional<std::wstring>, kOptionCount> options_;  // as stored; nothing when absent
    std::vector<BarModelObserver*> observers_;
    bool loaded_ = false;
};

}  // namespace zudav
