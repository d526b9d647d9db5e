// Paths and files of a test run: the folder of the test program (where Zudav.exe is built beside
// it), and scratch folders that hold copies of the executable under other names.
#pragma once

#include <optional>
#include <string>

namespace e2e {

// The folder of the running test program, without a trailing separator.
std::wstring programFolder();
std::wstring parentFolder(const std::wstring& path);
// Ordinal comparison ignoring case, as Windows compares file names and registry names.
bool sameText(const std::wstring& a, const std::wstring& b);

bool fileExists(const std::wstring& path);
// The bytes of a file, or nothing when it cannot be opened (missing, or still held by its writer).
std::optional<std::string> readFileBytes(const std::wstring& path);
// Writes the bytes as the file's whole contents. Throws if it cannot.
void writeFileBytes(const std::wstring& path, const std::string& bytes);

// A new empty folder under the temporary folder, removed with all it holds when the object goes.
class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::wstring& path() const { return path_; }
    // Copies a file into the folder under the given name and returns the copy's path.
    // The name may lead through folders made with makeFolder.
    std::wstring copyHere(const std::wstring& source, const std::wstring& name) const;
    // Makes a folder inside this one and returns its path.
    std::wstring makeFolder(const std::wstring& name) const;

  private:
    std::wstring path_;
};

}  // namespace e2e
