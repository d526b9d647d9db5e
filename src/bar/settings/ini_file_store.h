// The settings of a portable bar: the file "<the executable's base name>.ini" beside the executable, read once at
// start-up and saved whole after each change, so that the bar carries its settings with it and leaves nothing in the
// registry.
//
// The file holds the bar's own section. The margins of the presets, which bars kept in the registry share under the
// application "Reredo", are kept in that same section (MargeHt, MargeDx: no key of the bar has these names): a
// portable bar takes its margins with it instead of sharing those of the computer it runs on. Anything asked of
// another application or section lives in memory only.
//
// A file that is not a bar's .ini text (or cannot be read) is told once; the bar then runs with its design values and
// never writes over that file, which stays as the user left it. A file that cannot be written (a read-only folder,
// a CD, a locked key, a file another program holds) is told once too; the bar keeps its changes in memory and tries
// again at the next change. Nothing is told before the bar has a window: the switches report through their result.
#pragma once

#include <string>

#include "bar/settings/memory_store.h"
#include "bar/settings/settings_store.h"
#include "platform/platform.h"

namespace zudav {

inline constexpr const wchar_t* kTitrePortable = L"Barre portable";
inline constexpr const wchar_t* kFichierNonOuvert =
    L"Ce fichier ne peut pas \u00eatre ouvert : un autre programme le tient peut-\u00eatre ouvert.";

// "D:\Outils\Zudav.exe" -> "D:\Outils\Zudav.ini": the file whose presence makes a bar portable.
std::wstring PortableSettingsFile(const std::wstring& executable);

// What the user is told when the file is refused, or cannot be saved.
std::wstring FichierIllisible(const std::wstring& path, const std::wstring& why);
std::wstring FichierNonEnregistre(const std::wstring& path);

class IniFileStore : public SettingsStore {
  public:
    // The file of a bar; the bar's application name is the file's base name.
    IniFileStore(Platform& platform, std::wstring path);

    // Reads the file, without a word: before it, the store is empty and saves nothing. A file refused or unreadable, or
    // a folder that cannot be written, is told by TellProblem, once the bar has a window to show it over (the switches
    // of the command line show no window); from then on a save that fails is told at once. Whether the folder can be
    // written is found with a file of its own, written and removed beside the bar's, which stays untouched.
    void Load();
    void TellProblem();
    // Takes the file's values again after another program (an import by the switches) replaced them; a file now
    // refused or unreadable leaves the values as they are.
    void Reload() override;
    bool Unsaved() const override { return unsaved_; }

    std::optional<std::wstring> Find(const std::wstring& application,
                                     const std::wstring& section,
                                     const std::wstring& key) const override;
    void Write(const std::wstring& application,
               const std::wstring& section,
               const std::wstring& key,
               const std::wstring& value) override;
    bool Delete(const std::wstring& application, const std::wstring& section, const std::wstring& key) override;
    StoredValues List(const std::wstring& application, const std::wstring& section) const override;

  protected:
    void OpenBatch() override { ++batches_; }
    void CloseBatch() override;

  private:
    bool IsBar(const std::wstring& application, const std::wstring& section) const;
    bool IsShared(const std::wstring& application, const std::wstring& section) const;
    bool InFile(const std::wstring& application, const std::wstring& section, const std::wstring& key) const;
    void Save();

    Platform& platform_;
    std::wstring path_;
    std::wstring application_;
    StoredValues values_;  // the file's section, in its order
    MemoryStore elsewhere_;
    bool loaded_ = false;  // read and accepted: only then is the file written
    bool toldUnsaved_ = false;
    bool unsaved_ = false;  // the last save did not take
    bool canTell_ = false;  // the bar has a window to tell problems over
    std::wstring problem_;  // found by Load, still to be told
    int batches_ = 0;
    bool pending_ = false;  // a change made during a batch, saved when the last one closes
};

}  // namespace zudav
