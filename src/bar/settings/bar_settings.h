// The keys of one bar: its application name (the executable's base name) and the section Donnees,
// with the number conversions of the user's locale.
#pragma once

#include <optional>
#include <string>

#include "bar/settings/conversions.h"
#include "bar/settings/keys.h"
#include "bar/settings/settings_store.h"

namespace zudav {

class BarSettings {
  public:
    BarSettings(SettingsStore& store, std::wstring application, wchar_t decimalSeparator)
        : store_(store), application_(std::move(application)), decimal_(decimalSeparator) {}

    const std::wstring& Application() const { return application_; }
    wchar_t DecimalSeparator() const { return decimal_; }
    SettingsStore& Store() const { return store_; }

    std::wstring Read(const std::wstring& key, const std::wstring& fallback = {}) const {
        return store_.Read(application_, keys::kSection, key, fallback);
    }
    void Write(const std::wstring& key, const std::wstring& value) const {
        store_.Write(application_, keys::kSection, key, value);
    }
    bool Delete(const std::wstring& key) const { return store_.Delete(application_, keys::kSection, key); }

    // Typed reads: the default is given as text and converted like a stored value.
    std::optional<double> ReadNumber(const std::wstring& key, const std::wstring& fallback = {}) const {
        return ToNumber(Read(key, fallback), decimal_);
    }
    std::optional<bool> ReadBoolean(const std::wstring& key, const std::wstring& fallback = {}) const {
        return ToBoolean(Read(key, fallback), decimal_);
    }
    std::optional<std::int16_t> ReadInteger16(const std::wstring& key, const std::wstring& fallback = {}) const {
        return ToInteger16(Read(key, fallback), decimal_);
    }
    void WriteNumber(const std::wstring& key, double value) const { Write(key, NumberToText(value, decimal_)); }

    std::wstring ReadItem(const wchar_t* prefix, int index, const std::wstring& fallback = {}) const {
        return Read(keys::ItemKey(prefix, index), fallback);
    }
    // The item key's text, or nothing when it is absent.
    std::optional<std::wstring> FindItem(const wchar_t* prefix, int index) const {
        return store_.Find(application_, keys::kSection, keys::ItemKey(prefix, index));
    }
    void WriteItem(const wchar_t* prefix, int index, const std::wstring& value) const {
        Write(keys::ItemKey(prefix, index), value);
    }

    // The keys that every bar shares (the presets' margins).
    std::wstring ReadShared(const std::wstring& key, const std::wstring& fallback) const {
        return store_.Read(keys::kSharedApplication, keys::kSection, key, fallback);
    }
    void WriteShared(const std::wstring& key, const std::wstring& value) const {
        store_.Write(keys::kSharedApplication, keys::kSection, key, value);
    }

  private:
    SettingsStore& store_;
    std::wstring application_;
    wchar_t decimal_;
};

}  // namespace zudav
