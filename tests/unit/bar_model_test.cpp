// A bar's items and options as the model reads them from the store, stores its changes and tells them.
#include "bar/model/bar_model.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "bar/settings/ini_file_store.h"
#include "bar/settings/ini_text.h"
#include "bar/settings/memory_store.h"
#include "platform/fake/fake_platform.h"

namespace zudav {
namespace {

// What a store is asked: each write or deletion, marked when it came outside a batch, and the batches closed.
class WatchedStore : public MemoryStore {
  public:
    void Write(const std::wstring& a, const std::wstring& s, const std::wstring& k, const std::wstring& v) override {
        loose += depth_ == 0;
        ++changes;
        MemoryStore::Write(a, s, k, v);
    }
    bool Delete(const std::wstring& a, const std::wstring& s, const std::wstring& k) override {
        loose += depth_ == 0;
        ++changes;
        return MemoryStore::Delete(a, s, k);
    }
    std::optional<std::wstring> Find(const std::wstring& a,
                                     const std::wstring& s,
                                     const std::wstring& k) const override {
        ++reads;
        return MemoryStore::Find(a, s, k);
    }
    bool ChangedSinceAsked(const std::wstring&, const std::wstring&) const override { return !unchanged; }
    int loose = 0, changes = 0, batches = 0;
    mutable int reads = 0;
    bool unchanged = false;  // as a registry that watches the sections says

  protected:
    void OpenBatch() override { ++depth_; }
    void CloseBatch() override { batches += --depth_ == 0; }

  private:
    int depth_ = 0;
};

struct Told : BarModelObserver {
    void OnItemsChanged(const std::vector<int>& slots) override {
        for (int slot : slots) {
            heard += "item " + std::to_string(slot) + ";";
        }
    }
    void OnOptionChanged(Option option) override { heard += "option " + std::to_string(int(option)) + ";"; }
    std::string heard;
};

// A bar's model over a store that holds one option's text (nullptr: none), in a locale whose separator is a comma.
struct OneOption {
    OneOption(Option option, const wchar_t* stored) {
        if (stored != nullptr) {
            const StoredKey& key = KeyOf(option);
            store.Write(key.scope == KeyScope::Shared ? kSharedApplication : L"Zudav", kSection, key.name, stored);
        }
        model.Reload();
    }
    MemoryStore store;
    BarModel model{store, L"Zudav", ','};
};

// An option read by its key's type: "-" when it does not read.
std::string Reading(const BarModel& model, Option option) {
    auto text = [](auto value) { return value ? std::to_string(*value) : std::string("-"); };
    switch (KeyOf(option).type) {
        case KeyType::Boolean:
            return text(model.Boolean(option));
        case KeyType::Integer16:
            return text(model.Integer16(option));
        case KeyType::Twips:
            return text(model.Twips(option));
        case KeyType::Number:
            return text(model.Number(option));
        default:
            break;
    }
    const std::wstring stored = model.Text(option);
    return std::string(stored.begin(), stored.end());  // the cases' texts are ASCII
}

TEST(BarModel, EachOptionReadsByItsKeysTypeAndItsValueWhenAbsent) {
    struct Case {
        Option option;
        const wchar_t* stored;  // nullptr: absent
        const char* reading;
    } const cases[] = {
        {Option::Horizont, nullptr, "0"},
        {Option::Horizont, L"vrai", "-"},
        {Option::Horizont, L" TRUE ", "1"},
        {Option::Caption, nullptr, "Zudav"},
        {Option::Caption, L"", ""},
        {Option::Coef, L"12,5", "12"},
        {Option::Coef, L"40000", "-"},
        {Option::Left, nullptr, "1.000000"},
        {Option::Top, L"-491520", "-491520.000000"},
        {Option::Width, L"491521", "-"},
        {Option::Height, nullptr, "8490.000000"},
        {Option::GranX, nullptr, "-"},
        {Option::AlwaysOnTop, nullptr, "1.000000"},
        {Option::RetourAuto, L"oui", "-"},
        {Option::Bloquee, L"2", "1"},
        {Option::Raccourci, L"1602", "1602"},
        {Option::Reserver, nullptr, "0.000000"},
        {Option::Theme, L"2", "2.000000"},
        {Option::MargeHt, nullptr, "200"},
        {Option::MargeDx, L"1 50", "1 50"},
        {Option::Icone, nullptr, ""},
    };
    for (const Case& c : cases) {
        const OneOption stored(c.option, c.stored);
        EXPECT_EQ(Reading(stored.model, c.option), c.reading)
            << KeyOf(c.option).name << " " << (c.stored ? "stored" : "absent");
    }
}

// A check box shows what the bar does: the lock read as a boolean, the other options on at 1 and off at 0 alone.
TEST(BarModel, ACheckBoxShowsAnOptionAsTheBarReadsIt) {
    const struct {
        Option option;
        const wchar_t* stored;
        std::optional<int> box;  // none: the box stays as it was
    } cases[] = {{Option::Bloquee, L"True", 1}, {Option::Bloquee, L"2", 1},        {Option::Bloquee, nullptr, 0},
                 {Option::Bloquee, L"oui", {}}, {Option::AlwaysOnTop, nullptr, 1}, {Option::AlwaysOnTop, L"0.6", {}},
                 {Option::Masquer, L" 1 ", 1}};
    for (const auto& c : cases) {
        const OneOption stored(c.option, c.stored);
        EXPECT_EQ(stored.model.CheckBox(c.option), c.box)
            << KeyOf(c.option).name << " " << (c.stored ? c.stored : L"absent");
    }
}

// Every operation stores its keys in one batch, and tells each slot or option it changed once.
TEST(BarModel, EachOperationIsStoredInOneBatchAndToldOnce) {
    WatchedStore store;
    store.Write(L"Zudav", kSection, L"Chemin2", L"C:\\a.exe");
    store.Write(L"Zudav", kSection, L"Focus2", L"3");
    BarModel model(store, L"Zudav", '.');
    model.Reload();
    Told told;
    model.AddObserver(told);
    BarItem item;
    item.chemin = L"C:\\doc.txt";
    item.ficALancer = L"1";
    const struct {
        const char* what;
        std::function<void()> change;
        std::string heard;
        int changes;
    } cases[] = {
        {"set", [&] { model.SetItem(4, item, false); }, "item 4;", 6},  // no picture; Ligne, Focus, Contenu deleted
        {"remove", [&] { model.RemoveItem(4); }, "item 4;", 6},
        {"move to a free slot", [&] { model.ExchangeItems(2, 7); }, "item 7;item 2;", 13 * 4 + 6},
        {"options",
         [&] {
             model.SetOptions({{Option::Caption, L"Outils"}, {Option::MargeDx, L"80"}});
         },
         "option 1;option 20;", 2},
        {"numbers",
         [&] {
             model.SetNumbers({{Option::Left, 15.5}, {Option::Top, 30}});
         },
         "option 3;option 4;", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        told.heard.clear();
        store.loose = store.changes = store.batches = 0;
        c.change();
        EXPECT_EQ(told.heard, c.heard);
        EXPECT_EQ(store.changes, c.changes);
        EXPECT_EQ(store.loose, 0);
        EXPECT_EQ(store.batches, 1);
    }
    EXPECT_EQ(model.Item(7).chemin, L"C:\\a.exe");
    EXPECT_EQ(model.Item(7).focus, L"3") << "the window state moves with its item";
    EXPECT_EQ(store.Find(L"Zudav", kSection, L"Focus2"), std::nullopt) << "absent where it was absent";
    EXPECT_EQ(store.Find(kSharedApplication, kSection, L"MargeDx"), L"80");
    EXPECT_EQ(store.Find(L"Zudav", kSection, L"left"), L"15.5");
    model.RemoveObserver(told);
}

TEST(BarModel, AReloadTakesWhatAnotherProgramStoredAndTellsOnlyThat) {
    WatchedStore store;
    BarModel model(store, L"Zudav", '.');
    model.Reload();
    Told told;
    model.AddObserver(told);
    store.Write(L"Zudav", kSection, L"Chemin5", L"C:\\b.exe");
    store.Write(L"Zudav", kSection, L"FicALancer5", L"1");
    store.Write(L"Zudav", kSection, L"AlwaysOnTop", L"0");
    model.Reload();
    EXPECT_EQ(told.heard, "item 5;option 8;");
    EXPECT_TRUE(model.Item(5).IsDocument());
    EXPECT_FALSE(model.On(Option::AlwaysOnTop));
    told.heard.clear();
    model.Reload();
    EXPECT_EQ(told.heard, "") << "nothing changed";
    store.unchanged = true;
    store.reads = 0;
    model.Reload();
    EXPECT_EQ(store.reads, 0) << "a store that knows nothing was written is not read";
    model.RemoveObserver(told);
}

// Written by one model and read by another through a portable bar's file: every key of the table, the shared margins
// in the bar's own section.
TEST(BarModel, EveryKeyOfTheTableComesBackThroughThePortableFile) {
    const std::wstring file = L"C:\\Outils\\Zudav.ini";
    FakePlatform platform;
    platform.fileBytes = {{file, ""}};
    IniFileStore first(platform, file);
    first.Load();
    BarModel writer(first, L"Zudav", '.');
    std::vector<std::pair<Option, std::wstring>> options;
    for (std::size_t i = 0; i < kOptionCount; ++i) {
        options.emplace_back(static_cast<Option>(i), L"v" + std::to_wstring(i));
    }
    writer.SetOptions(options);
    BarItem item{L"C:\\\u00e9.exe", L"T", L"C:\\i.ico", L"/l", L"2", L"0", L"1", {}, false};
    writer.SetItem(12, item, true);
    EXPECT_NE(platform.fileBytes[file].find("MargeHt=v19"), std::string::npos);

    IniFileStore second(platform, file);
    second.Load();
    BarModel reader(second, L"Zudav", '.');
    reader.Reload();
    for (const auto& [option, text] : options) {
        EXPECT_EQ(reader.Text(option), text) << KeyOf(option).name;
    }
    EXPECT_EQ(reader.Item(12), item);
}

}  // namespace
}  // namespace zudav
