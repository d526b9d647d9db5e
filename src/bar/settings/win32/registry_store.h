// The settings store in the per-user registry: HKCU\Software\VB and VBA Program Settings\<application>\<section>,
// one REG_SZ value per key (a value of another type reads as StoredText says). The registry already compares
// names without regard to case.
#pragma once

#include "bar/settings/settings_store.h"

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
};

}  // namespace zudav::win32
