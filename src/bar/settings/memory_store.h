// A settings store held in memory, with the same case rule as the registry. Used by the unit tests.
#pragma once

#include <map>
#include <tuple>

#include "bar/settings/settings_store.h"

namespace zudav {

class MemoryStore : public SettingsStore {
  public:
    std::optional<std::wstring> Find(const std::wstring& application,
                                     const std::wstring& section,
                                     const std::wstring& key) const override;
    void Write(const std::wstring& application,
               const std::wstring& section,
               const std::wstring& key,
               const std::wstring& value) override;
    bool Delete(const std::wstring& application, const std::wstring& section, const std::wstring& key) override;
    StoredValues List(const std::wstring& application, const std::wstring& section) const override;

    // Number of writes and deletes so far, to tell "nothing was written" apart.
    int Changes() const { return changes_; }
    // The key's name as it was first written (the registry keeps the first spelling).
    std::optional<std::wstring> StoredName(const std::wstring& application,
                                           const std::wstring& section,
                                           const std::wstring& key) const;

  private:
    using Path = std::tuple<std::wstring, std::wstring, std::wstring>;
    struct Entry {
        std::wstring name;
        std::wstring value;
    };
    static Path Fold(const std::wstring& application, const std::wstring& section, const std::wstring& key);

    std::map<Path, Entry> values_;
    int changes_ = 0;
};

// Upper-cases the letters of ASCII and Latin-1 the way the registry compares names.
std::wstring FoldCase(const std::wstring& text);

}  // namespace zudav
