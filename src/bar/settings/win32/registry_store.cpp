#include "bar/settings/win32/registry_store.h"

#include <cwctype>
#include <vector>

#include "bar/settings/stored_text.h"

namespace zudav::win32 {
namespace {

std::wstring SectionPath(const std::wstring& application, const std::wstring& section) {
    return L"Software\\VB and VBA Program Settings\\" + application + L"\\" + section;
}

// The cache compares names as the registry does: without regard to case.
std::wstring CacheName(const std::wstring& application, const std::wstring& section) {
    std::wstring name = SectionPath(application, section);
    for (auto& c : name) {
        c = static_cast<wchar_t>(std::towupper(c));
    }
    return name;
}

}  // namespace

HKEY RegistryStore::Section(const std::wstring& application, const std::wstring& section, bool create) const {
    UniqueKey& cached = sections_[CacheName(application, section)];
    if (!cached) {
        const std::wstring path = SectionPath(application, section);
        const REGSAM access = KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_NOTIFY;
        const LSTATUS opened = create ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, access, nullptr,
                                                        cached.Put(), nullptr)
                                      : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, access, cached.Put());
        if (opened != ERROR_SUCCESS) {
            cached.Reset();
        }
    }
    return cached.Get();
}

void RegistryStore::Forget(const std::wstring& application, const std::wstring& section) const {
    watches_.erase(CacheName(application, section));  // the key it watched is closed
    sections_.erase(CacheName(application, section));
}

std::optional<std::wstring> RegistryStore::Find(const std::wstring& application,
                                                const std::wstring& section,
                                                const std::wstring& key) const {
    // Most values fit the first buffer and take one call; a longer one is read again at its size. The value may change
    // between two calls (another bar writes): try again then.
    std::vector<unsigned char> bytes(512);
    for (int attempt = 0; attempt < 4; ++attempt) {
        HKEY sectionKey = Section(application, section, false);
        if (sectionKey == nullptr) {
            return std::nullopt;
        }
        DWORD type = 0;
        DWORD size = static_cast<DWORD>(bytes.size());
        const LSTATUS result = RegQueryValueExW(sectionKey, key.c_str(), nullptr, &type, bytes.data(), &size);
        if (result == ERROR_KEY_DELETED) {
            Forget(application, section);
            continue;
        }
        if (result == ERROR_MORE_DATA) {
            bytes.resize(size);
            continue;
        }
        if (result != ERROR_SUCCESS) {
            return std::nullopt;
        }
        bytes.resize(size);
        return StoredText(type, bytes);
    }
    return std::nullopt;
}

void RegistryStore::Write(const std::wstring& application,
                          const std::wstring& section,
                          const std::wstring& key,
                          const std::wstring& value) {
    const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    for (int attempt = 0; attempt < 2; ++attempt) {
        HKEY sectionKey = Section(application, section, true);
        if (sectionKey == nullptr) {
            return;  // writes report nothing to the user
        }
        if (RegSetValueExW(sectionKey, key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes) !=
            ERROR_KEY_DELETED) {
            return;
        }
        Forget(application, section);
    }
}

bool RegistryStore::Delete(const std::wstring& application, const std::wstring& section, const std::wstring& key) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        HKEY sectionKey = Section(application, section, false);
        if (sectionKey == nullptr) {
            return false;
        }
        const LSTATUS result = RegDeleteValueW(sectionKey, key.c_str());
        if (result != ERROR_KEY_DELETED) {
            return result == ERROR_SUCCESS;
        }
        Forget(application, section);
    }
    return false;
}

// RegNotifyChangeKeyValue reports one change, then must be armed again: it is armed before the caller reads, so that a
// value written while it reads is told at the next question. A section that does not exist has nothing to watch (and
// nothing to read); a key opened anew is watched anew.
bool RegistryStore::ChangedSinceAsked(const std::wstring& application, const std::wstring& section) const {
    HKEY key = Section(application, section, false);
    if (key == nullptr) {
        return true;
    }
    Watch& watch = watches_[CacheName(application, section)];
    if (!watch.event) {
        watch.event.Reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));  // reset by the wait that sees it
    }
    if (!watch.event) {
        return true;
    }
    if (watch.key == key && WaitForSingleObject(watch.event.Get(), 0) == WAIT_TIMEOUT) {
        return false;
    }
    const bool armed =
        RegNotifyChangeKeyValue(key, FALSE, REG_NOTIFY_CHANGE_LAST_SET, watch.event.Get(), TRUE) == ERROR_SUCCESS;
    watch.key = armed ? key : nullptr;
    return true;
}

StoredValues RegistryStore::List(const std::wstring& application, const std::wstring& section) const {
    StoredValues values;
    HKEY sectionKey = Section(application, section, false);
    if (sectionKey == nullptr) {
        return values;
    }
    // Names are read by index, each value by its name as Find reads it (the same conversions of types).
    std::vector<wchar_t> name(16384);  // the longest name of a value
    for (DWORD index = 0;; ++index) {
        DWORD length = static_cast<DWORD>(name.size());
        const LSTATUS result =
            RegEnumValueW(sectionKey, index, name.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (result != ERROR_SUCCESS) {
            break;  // ERROR_NO_MORE_ITEMS, or a key that went
        }
        const std::wstring key(name.data(), length);
        if (const auto value = Find(application, section, key)) {
            values.emplace_back(key, *value);
        }
    }
    return values;
}

}  // namespace zudav::win32
