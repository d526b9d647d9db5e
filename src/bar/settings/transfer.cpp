#include "bar/settings/transfer.h"

#include <algorithm>

#include "bar/model/stored_keys.h"
#include "bar/settings/conversions.h"
#include "bar/settings/ini_text.h"
#include "bar/settings/memory_store.h"
#include "platform/paths.h"

namespace zudav {
namespace {

bool Holds(const StoredValues& values, const std::wstring& key) {
    const std::wstring folded = FoldCase(key);
    return std::any_of(values.begin(), values.end(),
                       [&](const auto& entry) { return FoldCase(entry.first) == folded; });
}

// Makes the bar's section hold exactly `wanted`, each value read back once written; false at the first value or
// deletion that did not take.
bool ReplaceValues(SettingsStore& store, const std::wstring& application, const StoredValues& wanted) {
    for (const auto& [key, value] : wanted) {
        store.Write(application, kSection, key, value);
        if (store.Find(application, kSection, key) != value) {
            return false;
        }
    }
    for (const auto& [key, value] : store.List(application, kSection)) {
        if (!Holds(wanted, key)) {
            store.Delete(application, kSection, key);
            if (store.Find(application, kSection, key)) {
                return false;
            }
        }
    }
    return true;
}

std::wstring BarName(const std::wstring& application) {
    return L"la barre \u00ab " + application + L" \u00bb";
}

}  // namespace

std::wstring BarreOuverte(const std::wstring& application) {
    return L"La barre \u00ab " + application + L" \u00bb est ouverte : fermez-la, puis importez de nouveau.";
}

std::wstring BackupFolder(const Platform& platform) {
    return JoinPath(platform.LocalAppDataFolder(), L"Zudav\\Sauvegardes");
}

TransferResult ExportSettings(const SettingsStore& store,
                              const std::wstring& application,
                              Platform& platform,
                              const std::wstring& file) {
    if (!platform.WriteFileWhole(file, WriteIniText(store.List(application, kSection)))) {
        return {false,
                L"Les r\u00e9glages de " + BarName(application) + L" n'ont pas pu \u00eatre \u00e9crits dans " + file +
                    L".",
                {}};
    }
    return {true,
            L"Les r\u00e9glages de " + BarName(application) + L" ont \u00e9t\u00e9 export\u00e9s dans " + file + L".",
            {}};
}

TransferResult BackUpSettings(const SettingsStore& store, const std::wstring& application, Platform& platform) {
    const std::wstring folder = BackupFolder(platform);
    const TransferResult failed{
        false, L"Vos r\u00e9glages n'ont pas pu \u00eatre sauvegard\u00e9s dans le dossier " + folder + L".", {}};
    if (!platform.MakeFolders(folder)) {
        return failed;
    }
    // Two backups within the same second (an import, then another one) keep both.
    const std::wstring stem = JoinPath(folder, application + L"-" + platform.TimeStamp());
    std::wstring path = stem + L".ini";
    constexpr int kMostAlike = 100;
    for (int copy = 2; platform.FileExists(path); ++copy) {
        if (copy > kMostAlike) {
            return failed;
        }
        path = stem + L"-" + IntegerToText(copy) + L".ini";
    }
    if (!platform.WriteFileWhole(path, WriteIniText(store.List(application, kSection)))) {
        return failed;
    }
    return {true, L"Vos r\u00e9glages ont \u00e9t\u00e9 sauvegard\u00e9s dans " + path + L".", path};
}

TransferResult ImportSettings(SettingsStore& store,
                              const std::wstring& application,
                              Platform& platform,
                              const std::wstring& file,
                              const std::function<bool()>& takenUp) {
    const std::optional<std::string> bytes = platform.ReadFileBytes(file, kIniLargest);
    if (!bytes) {
        return {false, L"Le fichier " + file + L" n'a pas pu \u00eatre lu : rien n'a \u00e9t\u00e9 import\u00e9.", {}};
    }
    const IniReading reading = ReadIniText(*bytes);
    if (!reading.values) {
        return {false, L"Le fichier " + file + L" n'a pas \u00e9t\u00e9 import\u00e9. " + reading.refusal, {}};
    }

    // The values as they are, kept in memory to be put back, and in a file for the user.
    const StoredValues previous = store.List(application, kSection);
    TransferResult backup = BackUpSettings(store, application, platform);
    if (!backup.done) {
        return {false, backup.message + L" Rien n'a \u00e9t\u00e9 import\u00e9.", {}};
    }
    // A store kept in one file (a portable bar) writes it once, with every value or none of the new ones, and says
    // when that write did not take.
    const auto replace = [&](const StoredValues& values) {
        const SettingsStore::Batch batch(store);
        return ReplaceValues(store, application, values);
    };
    const bool saved = replace(*reading.values) && !store.Unsaved();
    const bool heard = saved && (!takenUp || takenUp());
    if (heard) {
        return {true,
                L"Les r\u00e9glages de " + file + L" ont \u00e9t\u00e9 import\u00e9s dans " + BarName(application) +
                    L". Les pr\u00e9c\u00e9dents ont \u00e9t\u00e9 sauvegard\u00e9s dans " + backup.backup + L".",
                backup.backup};
    }
    const std::wstring failure = L"L'importation de " + file +
                                 L" a \u00e9chou\u00e9 : un r\u00e9glage n'a pas pu "
                                 L"\u00eatre enregistr\u00e9. ";
    const bool restored = replace(previous);
    if (saved && restored) {
        return {false, BarreOuverte(application), backup.backup};
    }
    if (restored) {
        return {false,
                failure +
                    L"Les r\u00e9glages pr\u00e9c\u00e9dents ont \u00e9t\u00e9 remis en place ; ils sont aussi "
                    L"sauvegard\u00e9s dans " +
                    backup.backup + L".",
                backup.backup};
    }
    return {false,
            failure +
                L"Les r\u00e9glages pr\u00e9c\u00e9dents n'ont pas pu \u00eatre tous remis en place : ils sont "
                L"sauvegard\u00e9s dans " +
                backup.backup + L".",
            backup.backup};
}

}  // namespace zudav
