// The per-user settings store: application name / section / key, each key one text value.
// Names compare without regard to case; a key present with an empty value is present.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zudav {

using StoredValues = std::vector<std::pair<std::wstring, std::wstring>>;  // key, value

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // The stored text, or nothing when the application, section or key does not exist.
    virtual std::optional<std::wstring> Find(const std::wstring& application,
                                             const std::wstring& section,
                                             const std::wstring& key) const = 0;
    // Creates what is missing and replaces the value.
    virtual void Write(const std::wstring& application,
                       const std::wstring& section,
                       const std::wstring& key,
                       const std::wstring& value) = 0;
    // Removes one key; false when it did not exist (or could not be removed).
    virtual bool Delete(const std::wstring& application, const std::wstring& section, const std::wstring& key) = 0;
    // Every key of a section with its value, in the store's order (names as first written); none when it is absent.
    virtual StoredValues List(const std::wstring& application, const std::wstring& section) const = 0;

    // The stored text, or the default when absent (an empty value is returned as it is).
    std::wstring Read(const std::wstring& application,
                      const std::wstring& section,
                      const std::wstring& key,
                      const std::wstring& fallback = {}) const {
        auto value = Find(application, section, key);
        return value ? *value : fallback;
    }

    // True while changes are not stored where they last (a store kept in one file that could not be written): they
    // live in memory only. A store that writes each value where it lies reads them back instead.
    virtual bool Unsaved() const { return false; }
    // Reads again what another program stored (a store read once at start-up); one that reads each value where it lies
    // has nothing to do.
    virtual void Reload() {}
    // Whether a section may hold other values than when this was last asked (another program, or this one, wrote
    // since): false only when the store knows that nothing changed, so that a reader may keep what it read then. A
    // store that cannot tell answers true.
    virtual bool ChangedSinceAsked(const std::wstring& /*application*/, const std::wstring& /*section*/) const {
        return true;
    }

    // Changes made while a batch is open may be kept back and stored together when the last one closes (a store kept
    // in one file writes it once); a store that writes each value where it lies stores them at once.
    class Batch {
      public:
        explicit Batch(SettingsStore& store) : store_(store) { store_.OpenBatch(); }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        ~Batch() { store_.CloseBatch(); }

      private:
        SettingsStore& store_;
    };

  protected:
    virtual void OpenBatch() {}
    virtual void CloseBatch() {}
};

}  // namespace zudav
