#include "bar/settings/ini_file_store.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "bar/model/stored_keys.h"
#include "bar/settings/ini_text.h"
#include "platform/paths.h"

namespace zudav {

std::wstring PortableSettingsFile(const std::wstring& executable) {
    return JoinPath(FolderOf(executable), BaseName(executable) + L".ini");
}

std::wstring FichierIllisible(const std::wstring& path, const std::wstring& why) {
    return L"Les r\u00e9glages de cette barre n'ont pas pu \u00eatre lus dans le fichier\r\n" + path + L"\r\n\r\n" +
           why +
           L"\r\n\r\nLa barre d\u00e9marre avec ses r\u00e9glages d'origine et laisse ce fichier tel qu'il est : "
           L"corrigez-le, puis relancez la barre.";
}

std::wstring FichierNonEnregistre(const std::wstring& path) {
    return L"Les r\u00e9glages de cette barre ne peuvent pas \u00eatre enregistr\u00e9s dans " + FolderOf(path) +
           L" : le dossier ou le fichier " + FileNameOf(path) +
           L" est prot\u00e9g\u00e9 en \u00e9criture (un CD, une cl\u00e9 USB verrouill\u00e9e).\r\n\r\nLa barre "
           L"garde vos changements tant qu'elle reste ouverte, mais ils seront perdus \u00e0 sa fermeture.";
}

IniFileStore::IniFileStore(Platform& platform, std::wstring path)
    : platform_(platform), path_(std::move(path)), application_(FoldCase(BaseName(path_))) {}

void IniFileStore::Load() {
    const std::optional<std::string> bytes = platform_.ReadFileBytes(path_, kIniLargest);
    if (!bytes) {
        problem_ = FichierIllisible(path_, kFichierNonOuvert);
        return;
    }
    // An empty file beside the bar, as its notice tells the user to make, is a portable bar with the design values.
    IniReading reading = IsBlankIniText(*bytes) ? IniReading{StoredValues{}, L""} : ReadIniText(*bytes);
    if (!reading.values) {
        problem_ = FichierIllisible(path_, reading.refusal);
        return;
    }
    values_ = std::move(*reading.values);
    loaded_ = true;
    // A folder that cannot be written (a CD, a locked key) is found now, and told while the user looks at the bar,
    // rather than at the first save, which may come at the end of the session. The bar's file is not written for it:
    // its time and its identity stay, for a sync client or a backup that follows them.
    const std::wstring probe = path_ + L".essai";
    if (!platform_.WriteFileWhole(probe, "")) {
        toldUnsaved_ = true;
        problem_ = FichierNonEnregistre(path_);
    } else if (!platform_.RemoveFile(probe)) {
        // Written, so the folder can be written; an empty file left beside the bar changes nothing.
    }
}

void IniFileStore::Reload() {
    const std::optional<std::string> bytes = platform_.ReadFileBytes(path_, kIniLargest);
    if (!bytes) {
        return;
    }
    IniReading reading = IsBlankIniText(*bytes) ? IniReading{StoredValues{}, L""} : ReadIniText(*bytes);
    if (!reading.values) {
        return;
    }
    values_ = std::move(*reading.values);
    loaded_ = true;
    unsaved_ = false;
}

void IniFileStore::TellProblem() {
    canTell_ = true;
    if (!problem_.empty()) {
        platform_.ShowMessage(kTitrePortable, std::exchange(problem_, L""), MessageIcon::Exclamation);
    }
}

namespace {

template <typename Values>
auto FindKey(Values& values, const std::wstring& key) {
    const std::wstring folded = FoldCase(key);
    return std::find_if(values.begin(), values.end(),
                        [&](const auto& entry) { return FoldCase(entry.first) == folded; });
}

}  // namespace

bool IniFileStore::IsBar(const std::wstring& application, const std::wstring& section) const {
    return FoldCase(section) == FoldCase(kSection) && FoldCase(application) == application_;
}

bool IniFileStore::IsShared(const std::wstring& application, const std::wstring& section) const {
    return FoldCase(section) == FoldCase(kSection) && FoldCase(application) == FoldCase(kSharedApplication);
}

bool IniFileStore::InFile(const std::wstring& application, const std::wstring& section, const std::wstring& key) const {
    return IsBar(application, section) || (IsShared(application, section) && IsSharedKey(key));
}

std::optional<std::wstring> IniFileStore::Find(const std::wstring& application,
                                               const std::wstring& section,
                                               const std::wstring& key) const {
    if (!InFile(application, section, key)) {
        return elsewhere_.Find(application, section, key);
    }
    const auto entry = FindKey(values_, key);
    return entry == values_.end() ? std::nullopt : std::optional<std::wstring>(entry->second);
}

// The same value written again is no change: the file is not written for it (the bar stores its place at every exit).
void IniFileStore::Write(const std::wstring& application,
                         const std::wstring& section,
                         const std::wstring& key,
                         const std::wstring& value) {
    if (!InFile(application, section, key)) {
        elsewhere_.Write(application, section, key, value);
        return;
    }
    const auto entry = FindKey(values_, key);
    if (entry == values_.end()) {
        values_.emplace_back(key, value);
    } else if (entry->second == value) {
        return;
    } else {
        entry->second = value;
    }
    Save();
}

bool IniFileStore::Delete(const std::wstring& application, const std::wstring& section, const std::wstring& key) {
    if (!InFile(application, section, key)) {
        return elsewhere_.Delete(application, section, key);
    }
    const auto entry = FindKey(values_, key);
    if (entry == values_.end()) {
        return false;
    }
    values_.erase(entry);
    Save();
    return true;
}

StoredValues IniFileStore::List(const std::wstring& application, const std::wstring& section) const {
    if (IsBar(application, section)) {
        return values_;
    }
    StoredValues listed = elsewhere_.List(application, section);
    if (IsShared(application, section)) {
        std::copy_if(values_.begin(), values_.end(), std::back_inserter(listed),
                     [](const auto& entry) { return IsSharedKey(entry.first); });
    }
    return listed;
}

void IniFileStore::CloseBatch() {
    if (--batches_ == 0 && pending_) {
        Save();
    }
}

// A refused or unread file is never written over: the user's file stays as it was.
void IniFileStore::Save() {
    if (!loaded_) {
        return;
    }
    if (batches_ > 0) {
        pending_ = true;
        return;
    }
    pending_ = false;
    unsaved_ = !platform_.WriteFileWhole(path_, WriteIniText(values_));
    if (unsaved_ && canTell_ && !toldUnsaved_) {
        toldUnsaved_ = true;
        platform_.ShowMessage(kTitrePortable, FichierNonEnregistre(path_), MessageIcon::Exclamation);
    }
}

}  // namespace zudav
