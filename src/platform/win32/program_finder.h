// Where Windows keeps what a program named alone may be: App Paths, the system folders and PATH, read at each look.
#pragma once

#include <string>
#include <vector>

#include "platform/program_file.h"

namespace zudav::win32 {

class SystemPrograms : public ProgramFinder {
  public:
    bool FileExists(const std::wstring& path) const override;
    bool FolderExists(const std::wstring& path) const override;
    std::wstring RegisteredProgram(const std::wstring& name) const override;
    std::vector<std::wstring> SystemFolders() const override;
    std::wstring PathVariable() const override;
};

// The full path of the running executable.
std::wstring RunningExecutable();

}  // namespace zudav::win32
