// Which file a slot's path starts: a program named alone is found where the Run box finds it, never in the bar's
// folder nor in the current folder, where anyone may leave a file of that name; a relative path is the bar's own.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zudav {

// What the system answers while a program is looked for.
class ProgramFinder {
  public:
    virtual ~ProgramFinder() = default;
    virtual bool FileExists(const std::wstring& path) const = 0;
    virtual bool FolderExists(const std::wstring& path) const = 0;
    // The default value of the name's App Paths key, the user's before the machine's, its variables expanded; empty
    // when the name has none.
    virtual std::wstring RegisteredProgram(const std::wstring& name) const = 0;
    // The system folder, then the Windows folder.
    virtual std::vector<std::wstring> SystemFolders() const = 0;
    // The folders of PATH, as the variable holds them.
    virtual std::wstring PathVariable() const = 0;
};

struct StartTarget {
    std::wstring file;    // a full path; an address or a shell name as it is
    std::wstring folder;  // the working folder: a program file's own, else the bar's
    bool quoted = false;  // a path: quoted on the command line, so that its blanks cannot cut it
};

// What the path names once found: a program file, a folder, or an address or a shell name that only the shell
// knows. A name alone is looked for in App Paths, the system folders and PATH (".exe" added when it has no
// extension, as a start does); a path with a folder part that is not full is taken from the bar's folder. Nothing
// when no such file nor folder is there: nothing may then be started in its place.
std::optional<StartTarget> ProgramToStart(const std::wstring& path,
                                          const std::wstring& barFolder,
                                          const ProgramFinder& finder);

}  // namespace zudav
