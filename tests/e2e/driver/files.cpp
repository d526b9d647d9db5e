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

ScratchFolder::~ScratchFolder() {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                DeleteFileW((path_ + L"\\" + found.cFileName).c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path_.c_str());
}

std::wstring ScratchFolder::copyHere(const std::wstring& source, const std::wstring& name) const {
    std::wstring target = path_ + L"\\" + name;
    if (!CopyFileW(source.c_str(), target.c_str(), TRUE)) {
        throwWindowsError("cannot copy " + narrow(source) + " to " + narrow(target));
    }
    return target;
}

}  // namespace e2e
