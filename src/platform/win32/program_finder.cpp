#include "platform/win32/program_finder.h"

#include <windows.h>

namespace zudav::win32 {
namespace {

// RegGetValueW gives a REG_EXPAND_SZ value expanded when asked for a string.
std::wstring DefaultValue(HKEY root, const std::wstring& key) {
    DWORD size = 0;
    if (RegGetValueW(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, nullptr, &size) != ERROR_SUCCESS ||
        size < sizeof(wchar_t)) {
        return {};
    }
    std::wstring value(size / sizeof(wchar_t), L'\0');
    if (RegGetValueW(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value.data(), &size) != ERROR_SUCCESS) {
        return {};
    }
    value.resize(wcsnlen(value.c_str(), value.size()));
    return value;
}

// A folder that one of the Get...DirectoryW functions writes, which answer the length it needs when short of room.
template <typename Function>
std::wstring SystemFolder(Function get) {
    std::wstring folder(MAX_PATH, L'\0');
    UINT length = get(folder.data(), static_cast<UINT>(folder.size()));
    if (length >= folder.size()) {
        folder.resize(length);
        length = get(folder.data(), static_cast<UINT>(folder.size()));
    }
    folder.resize(length < folder.size() ? length : 0);
    return folder;
}

}  // namespace

bool SystemPrograms::FileExists(const std::wstring& path) const {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool SystemPrograms::FolderExists(const std::wstring& path) const {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The per-user registration first, as the shell reads it.
std::wstring SystemPrograms::RegisteredProgram(const std::wstring& name) const {
    const std::wstring key = L"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + name;
    const std::wstring user = DefaultValue(HKEY_CURRENT_USER, key);
    return user.empty() ? DefaultValue(HKEY_LOCAL_MACHINE, key) : user;
}

std::vector<std::wstring> SystemPrograms::SystemFolders() const {
    std::vector<std::wstring> folders;
    for (std::wstring folder : {SystemFolder(GetSystemDirectoryW), SystemFolder(GetWindowsDirectoryW)}) {
        if (!folder.empty()) {
            folders.push_back(std::move(folder));
        }
    }
    return folders;
}

std::wstring SystemPrograms::PathVariable() const {
    const DWORD size = GetEnvironmentVariableW(L"PATH", nullptr, 0);
    if (size == 0) {
        return {};
    }
    std::wstring path(size, L'\0');
    path.resize(GetEnvironmentVariableW(L"PATH", path.data(), size));
    return path;
}

std::wstring RunningExecutable() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace zudav::win32
