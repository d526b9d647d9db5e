// The settings store in the per-user registry: HKCU\Software\VB and VBA Program Settings\<application>\<section>,
// one REG_SZ value per key (a value of another type reads as StoredText says). The registry already compares
// names without regard to case.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "bar/settings/settings_store.h"
#include "platform/win32/handles.h"

namespace zudav::win32 {

class RegistryStore : public SettingsStore {
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
    // Told by the registry: a section asked about is watched from then on, until a value of it is set or deleted.
    bool ChangedSinceAsked(const std::wstring& application, const std::wstring& section) const override;

  private:
    // A section's key, opened once and kept: a refresh reads some fifty values. Nothing when the section does not
    // exist and `create` is false. A key that another program deleted meanwhile is opened again.
    HKEY Section(const std::wstring& application, const std::wstring& section, bool create) const;
    void Forget(const std::wstring& application, const std::wstring& section) const;

    // The watch on a section's key: its event, signalled by the registry at the first change after it was armed (or
    // when the key it watches is closed), and that key.
    struct Watch {
        UniqueHandle event;
        HKEY key = nullptr;
    };

    mutable std::map<std::wstring, UniqueKey> sections_;
    mutable std::map<std::wstring, Watch> watches_;
};

}  // namespace zudav::win32
