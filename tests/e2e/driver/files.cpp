#include "driver/files.h"

#include <windows.h>

#include <vector>

#include "driver/error.h"

namespace e2e {

std::wstring programFolder() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            throwWindowsError("GetModuleFileNameW");
        }
        if (length < buffer.size()) {
            return parentFolder(std::wstring(buffer.data(), length));
        }
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring parentFolder(const std::wstring& path) {
    const size_t separator = path.find_last_of(L"\\/");
    return separator == std::wstring::npos ? std::wstring(L".") : path.substr(0, separator);
}

bool sameText(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

ScratchFolder::ScratchFolder() {
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH) {
        throwWindowsError("GetTempPathW");
    }
    const std::wstring base = std::wstring(temp, length) + L"zudav-e2e-" + std::to_wstring(GetCurrentProcessId());
    for (int attempt = 0;; ++attempt) {
        std::wstring candidate = base + L"-" + std::to_wstring(attempt);
        if (CreateDirectoryW(candidate.c_str(), nullptr)) {
            path_ = std::move(candidate);
            return;
        }
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            throwWindowsError("cannot make a scratch folder at " + narrow(candidate));
        }
    }
}

namespace {

void removeTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring path = folder + L"\\" + name;
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                removeTree(path);
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

ScratchFolder::~ScratchFolder() {
    removeTree(path_);
}

std::wstring ScratchFolder::makeFolder(const std::wstring& name) const {
    std::wstring folder = path_ + L"\\" + name;
    if (!CreateDirectoryW(folder.c_str(), nullptr)) {
        throwWindowsError("cannot make the folder " + narrow(folder));
    }
    return folder;
}

bool fileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<std::string> readFileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    std::string bytes;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        bytes.append(buffer, read);
    }
    CloseHandle(file);
    return bytes;
}

void writeFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throwWindowsError("cannot create " + narrow(path));
    }
    DWORD written = 0;
    const bool whole =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) && written == bytes.size();
    const DWORD error = GetLastError();
    CloseHandle(file);
    if (!whole) {
        throwWindowsError("cannot write " + narrow(path), error);
    }
}

std::wstring ScratchFolder::copyHere(const std::wstring& source, const std::wstring& name) const {
    std::wstring target = path_ + L"\\" + name;
    if (!CopyFileW(source.c_str(), target.c_str(), TRUE)) {
        throwWindowsError("cannot copy " + narrow(source) + " to " + narrow(target));
    }
    return target;
}

}  // namespace e2e
