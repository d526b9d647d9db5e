#include "platform/program_file.h"

#include <cwctype>

#include "platform/paths.h"

namespace zudav {
namespace {

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// "C:\x", "C:x", "\\server\share\x", "\x": nothing a start would look for elsewhere.
bool IsFullPath(const std::wstring& path) {
    return (path.size() >= 2 && path[1] == L':' && std::iswalpha(path[0])) || (!path.empty() && IsSeparator(path[0]));
}

// ".exe" is added to a name without an extension, as a start does.
std::wstring WithExtension(const std::wstring& file) {
    return FileNameOf(file).find(L'.') == std::wstring::npos ? file + L".exe" : file;
}

std::wstring Unquoted(const std::wstring& text) {
    return text.size() >= 2 && text.front() == L'"' && text.back() == L'"' ? text.substr(1, text.size() - 2) : text;
}

// The full folders of PATH; a relative one (".") would lead back to the current folder.
std::vector<std::wstring> PathFolders(const std::wstring& path) {
    std::vector<std::wstring> folders;
    for (std::size_t at = 0; at <= path.size();) {
        std::size_t end = path.find(L';', at);
        end = end == std::wstring::npos ? path.size() : end;
        const std::wstring folder = Unquoted(path.substr(at, end - at));
        if (IsFullPath(folder) && folder.size() > 2) {
            folders.push_back(folder);
        }
        at = end + 1;
    }
    return folders;
}

std::optional<std::wstring> FoundByName(const std::wstring& name, const ProgramFinder& finder) {
    const std::wstring file = WithExtension(name);
    if (const std::wstring registered = Unquoted(finder.RegisteredProgram(file));
        IsFullPath(registered) && finder.FileExists(registered)) {
        return registered;
    }
    std::vector<std::wstring> folders = finder.SystemFolders();
    for (const std::wstring& folder : PathFolders(finder.PathVariable())) {
        folders.push_back(folder);
    }
    for (const std::wstring& folder : folders) {
        if (const std::wstring candidate = JoinPath(folder, file); finder.FileExists(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<StartTarget> ProgramToStart(const std::wstring& path,
                                          const std::wstring& barFolder,
                                          const ProgramFinder& finder) {
    const std::size_t colon = path.find(L':');
    if (colon != std::wstring::npos && colon != 1) {
        return StartTarget{path, barFolder, false};  // an address, a shell name: the shell's to find
    }
    if (path.find_first_of(L"\\/:") == std::wstring::npos) {
        const auto found = FoundByName(path, finder);
        // A name typed alone starts in the bar's folder, as a command.
        return found ? std::optional<StartTarget>(StartTarget{*found, barFolder, true}) : std::nullopt;
    }
    std::wstring file = path;
    if (!IsFullPath(path)) {
        std::size_t start = 0;
        while (path.compare(start, 1, L".") == 0 && start + 1 < path.size() && IsSeparator(path[start + 1])) {
            start += 2;  // ".\outil.exe" is the bar's folder's outil.exe
        }
        file = JoinPath(barFolder, path.substr(start));
    }
    for (const std::wstring& candidate : {file, WithExtension(file)}) {
        if (finder.FileExists(candidate)) {
            const std::wstring own = FolderOf(candidate);
            return StartTarget{candidate, own.empty() ? barFolder : own, true};
        }
    }
    if (finder.FolderExists(file)) {
        return StartTarget{file, barFolder, true};
    }
    return std::nullopt;
}

}  // namespace zudav
