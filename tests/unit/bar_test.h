// The bar's logic over the fake platform, the fake bar window and an in-memory store, for the tests.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "bar/fake/fake_bar_window.h"
#include "bar/principal.h"
#include "bar/settings/memory_store.h"
#include "platform/fake/fake_platform.h"

namespace zudav {

inline std::wstring Key(Option option) {
    return KeyOf(option).name;
}

inline void PrintTo(const Geometry& g, std::ostream* os) {
    *os << "{" << g.left << ", " << g.top << ", " << g.width << ", " << g.height << "}";
}

// What the store holds for one item: Chemin, Tool, Icone, Ligne, Focus, FicALancer ({}: no such key).
using ItemValues = std::array<std::optional<std::wstring>, 6>;

class BarTest : public ::testing::Test {
  protected:
    // The view reads in place on the bar's thread, as the platform does.
    BarTest() {
        bar.readsFile = [this](const std::wstring& path) { platform.Touch(path); };
    }
    void TearDown() override {
        EXPECT_EQ(platform.waitingCalls, std::vector<std::wstring>{})
            << "files on the network read on the bar's thread";
    }
    void Put(const std::wstring& key, const wchar_t* value) {  // nullptr: the key stays as it is
        if (value != nullptr) {
            store.Write(L"Zudav", L"Donnees", key, value);
        }
    }
    void Item(ItemField field, int n, const wchar_t* value) { Put(ItemKeyName(field, n), value); }
    std::optional<std::wstring> Stored(const std::wstring& key) const { return store.Find(L"Zudav", L"Donnees", key); }
    ItemValues StoredItem(int n) const {
        return {Stored(ItemKeyName(ItemField::Chemin, n)), Stored(ItemKeyName(ItemField::Tool, n)),
                Stored(ItemKeyName(ItemField::Icone, n)),  Stored(ItemKeyName(ItemField::Ligne, n)),
                Stored(ItemKeyName(ItemField::Focus, n)),  Stored(ItemKeyName(ItemField::FicALancer, n))};
    }

    FakePlatform platform;
    MemoryStore store;
    FakeBarWindow bar;
    Principal principal{platform, store, bar};
};

}  // namespace zudav
