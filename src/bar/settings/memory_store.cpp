#include "bar/settings/memory_store.h"

namespace zudav {

std::wstring FoldCase(const std::wstring& text) {
    std::wstring folded = text;
    for (auto& c : folded) {
        const bool asciiLower = c >= L'a' && c <= L'z';
        const bool latinLower = c >= 0xE0 && c <= 0xFE && c != 0xF7;  // à..þ except ÷
        if (asciiLower || latinLower) {
            c = static_cast<wchar_t>(c - 0x20);
        }
    }
    return folded;
}

MemoryStore::Path MemoryStore::Fold(const std::wstring& application,
                                    const std::wstring& section,
                                    const std::wstring& key) {
    return {FoldCase(application), FoldCase(section), FoldCase(key)};
}

std::optional<std::wstring> MemoryStore::Find(const std::wstring& application,
                                              const std::wstring& section,
                                              const std::wstring& key) const {
    auto it = values_.find(Fold(application, section, key));
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second.value;
}

void MemoryStore::Write(const std::wstring& application,
                        const std::wstring& section,
                        const std::wstring& key,
                        const std::wstring& value) {
    ++changes_;
    auto [it, inserted] = values_.try_emplace(Fold(application, section, key), Entry{key, value});
    if (!inserted) {
        it->second.value = value;
    }
}

bool MemoryStore::Delete(const std::wstring& application, const std::wstring& section, const std::wstring& key) {
    ++changes_;
    return values_.erase(Fold(application, section, key)) > 0;
}

std::optional<std::wstring> MemoryStore::StoredName(const std::wstring& application,
                                                    const std::wstring& section,
                                                    const std::wstring& key) const {
    auto it = values_.find(Fold(application, section, key));
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second.name;
}

StoredValues MemoryStore::List(const std::wstring& application, const std::wstring& section) const {
    StoredValues values;
    for (const auto& [path, entry] : values_) {
        if (std::get<0>(path) == FoldCase(application) && std::get<1>(path) == FoldCase(section)) {
            values.emplace_back(entry.name, entry.value);
        }
    }
    return values;
}

}  // namespace zudav
