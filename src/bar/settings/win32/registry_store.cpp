#include "bar/settings/win32/registry_store.h"

#include <vector>

#include "bar/settings/stored_text.h"
#include "platform/win32/handles.h"

namespace zudav::win32 {
namespace {

std::wstring SectionPath(const std::wstring& application, const std::wstring& section) {
    return L"Software\\VB and VBA Program Settings\\" + application + L"\\" + section;
}

}  // namespace

std::optional<std::wstring> RegistryStore::Find(const std::wstring& application,
                                                const std::wstring& section,
                                                const std::wstring& key) const {
    UniqueKey sectionKey;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(application, section).c_str(), 0, KEY_QUERY_VALUE,
                      sectionKey.Put()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    // The value may change between the size query and the read (another bar writes): try again then.
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD type = 0;
        DWORD size = 0;
        if (RegQueryValueExW(sectionKey.Get(), key.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        std::vector<unsigned char> bytes(size);
        const LONG result = RegQueryValueExW(sectionKey.Get(), key.c_str(), nullptr, &type, bytes.data(), &size);
        if (result == ERROR_MORE_DATA) {
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
    UniqueKey sectionKey;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, SectionPath(application, section).c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, sectionKey.Put(), nullptr) != ERROR_SUCCESS) {
        return;  // writes report nothing to the user
    }
    const DWORD bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    RegSetValueExW(sectionKey.Get(), key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
}

bool RegistryStore::Delete(const std::wstring& application, const std::wstring& section, const std::wstring& key) {
    UniqueKey sectionKey;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, SectionPath(application, section).c_str(), 0, KEY_SET_VALUE,
                      sectionKey.Put()) != ERROR_SUCCESS) {
        return false;
    }
    return RegDeleteValueW(sectionKey.Get(), key.c_str()) == ERROR_SUCCESS;
}

}  // namespace zudav::win32
