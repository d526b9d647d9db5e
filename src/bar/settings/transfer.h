// A bar's settings carried to and from an .ini file (ini_text.h), and the backups of them made before they are
// replaced: every value of the bar's section, unknown keys included.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "bar/settings/settings_store.h"
#include "platform/platform.h"

namespace zudav {

inline constexpr const wchar_t* kFiltreReglages = L"R\u00e9glages de barre (*.ini)|*.ini";
inline constexpr const wchar_t* kTitreReglages = L"R\u00e9glages de la barre";

// How an export, an import or a backup ended, and what the user is told of it (a French sentence). `backup` is the
// file the settings were saved to before they were replaced, when one was written.
struct TransferResult {
    bool done = false;
    std::wstring message;
    std::wstring backup;
};

// %LOCALAPPDATA%\Zudav\Sauvegardes
std::wstring BackupFolder(const Platform& platform);

// Writes every value of the bar's section to a file, in one step.
TransferResult ExportSettings(const SettingsStore& store,
                              const std::wstring& application,
                              Platform& platform,
                              const std::wstring& file);

// Saves the bar's values to BackupFolder()\<application>-<time stamp>.ini (with -2, -3... when that name is taken
// within the same second). Not done when the folder or the file cannot be written.
TransferResult BackUpSettings(const SettingsStore& store, const std::wstring& application, Platform& platform);

// "La barre « NOM » est ouverte : ..." when a running bar of that name could not be told to take imported values.
std::wstring BarreOuverte(const std::wstring& application);

// Replaces the bar's values as a whole by those of a file: a file that cannot be read or is refused, or a backup
// that cannot be made, changes nothing. The keys the file does not hold are deleted, and every value is read back:
// one that did not take, or a store that could not save them, puts the previous values back, and the import is
// reported as failed. `takenUp`, when given, tells a running bar of that name to take the new values before the
// import reports; false (the bar did not answer) puts the previous values back too: the bar would write its own over
// them.
TransferResult ImportSettings(SettingsStore& store,
                              const std::wstring& application,
                              Platform& platform,
                              const std::wstring& file,
                              const std::function<bool()>& takenUp = {});

}  // namespace zudav
