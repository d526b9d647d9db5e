// Win32Platform's files and folders: existence, stamps, drives, copy, move, reading, safe writing, time-stamped names.
#include "platform/win32/win32_platform.h"

#include <shlobj.h>

#include <algorithm>

#include "platform/file_replacement.h"
#include "platform/paths.h"
#include "platform/slow_files.h"
#include "platform/win32/pictures.h"

namespace zudav::win32 {
namespace {

// CreateFileW's handle, or none for its INVALID_HANDLE_VALUE.
HANDLE OpenedFile(HANDLE file) {
    return file == INVALID_HANDLE_VALUE ? nullptr : file;
}

}  // namespace

bool Win32Platform::FileExists(const std::wstring& path) const {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Platform::FolderExists(const std::wstring& path) const {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Without the long-path opt-in a path holds MAX_PATH characters with its terminating zero.
CopyResult Win32Platform::CopyFileTo(const std::wstring& source, const std::wstring& target) {
    if (target.size() >= MAX_PATH) {
        return CopyResult::NameTooLong;
    }
    if (CopyFileW(source.c_str(), target.c_str(), TRUE)) {
        return CopyResult::Copied;
    }
    switch (GetLastError()) {
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return CopyResult::TargetExists;
        case ERROR_ACCESS_DENIED:
            return CopyResult::AccessDenied;
        case ERROR_FILENAME_EXCED_RANGE:
            return CopyResult::NameTooLong;
        default:
            return CopyResult::Other;
    }
}

bool Win32Platform::RemoveFile(const std::wstring& path) {
    return DeleteFileW(path.c_str()) != FALSE;
}

std::optional<FileStamp> Win32Platform::StampOf(const std::wstring& path) const {
    if (ReadingOf(*this, path) == Reading::Away) {
        return std::nullopt;
    }
    const std::wstring file = LocatedProgram(path);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (ReadingOf(*this, file) == Reading::Away || !GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    const auto wide = [](DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; };
    return FileStamp{wide(data.nFileSizeHigh, data.nFileSizeLow),
                     wide(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime)};
}

// Under Wine a drive's type is asked of the mount manager, a millisecond each time: a refresh, which looks at every
// item's drive, asks once per drive. A drive mapped to a share since is known as one two seconds later at most.
bool Win32Platform::RemoteDrive(wchar_t letter) const {
    constexpr ULONGLONG kValidMs = 2000;
    const ULONGLONG now = GetTickCount64();
    const auto found = drives_.find(letter);
    if (found != drives_.end() && now - found->second.at < kValidMs) {
        return found->second.remote;
    }
    const wchar_t root[] = {letter, L':', L'\\', L'\0'};
    const bool remote = GetDriveTypeW(root) == DRIVE_REMOTE;
    drives_[letter] = {remote, now};
    return remote;
}

bool Win32Platform::OnlineOnly(const std::wstring& path) const {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && IsOnlineOnly(attributes);
}

bool Win32Platform::MoveOver(const std::wstring& from, const std::wstring& to) {
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

std::optional<std::string> Win32Platform::ReadFileBytes(const std::wstring& path, std::size_t largest) const {
    const UniqueHandle file(OpenedFile(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!file) {
        return std::nullopt;
    }
    std::string bytes(largest + 1, '\0');
    size_t got = 0;
    DWORD read = 0;
    while (got < bytes.size() &&
           ReadFile(file.Get(), bytes.data() + got, static_cast<DWORD>(std::min<size_t>(bytes.size() - got, 1 << 20)),
                    &read, nullptr) &&
           read > 0) {
        got += read;
    }
    bytes.resize(got);
    return bytes;
}

namespace {

// The file a symbolic link points to (a settings file kept in a synchronised folder), so that the save replaces that
// file and the link stays; the path itself when it names no file yet.
std::wstring FinalPathOf(const std::wstring& path) {
    const UniqueHandle file(
        OpenedFile(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr)));
    if (!file) {
        return path;
    }
    std::wstring final(32768, L'\0');
    const DWORD length = GetFinalPathNameByHandleW(file.Get(), final.data(), static_cast<DWORD>(final.size()),
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0 || length >= final.size()) {
        return path;
    }
    final.resize(length);
    return PlainFullPath(final);
}

}  // namespace

bool Win32Platform::WriteFileWhole(const std::wstring& given, const std::string& bytes) {
    const std::wstring path = FinalPathOf(given);
    std::wstring temporary(MAX_PATH, L'\0');
    if (GetTempFileNameW(FolderOf(path).c_str(), L"zud", 0, temporary.data()) == 0) {
        return false;  // a folder that cannot be written: a read-only drive, a locked key
    }
    temporary.resize(wcslen(temporary.c_str()));
    bool written = false;
    {
        const UniqueHandle file(OpenedFile(
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)));
        DWORD done = 0;
        written = file && WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr) &&
                  done == bytes.size() && FlushFileBuffers(file.Get());
    }
    const auto replace = [&] {
        return ReplaceFileW(path.c_str(), temporary.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
                   ? ReplaceAnswer::Replaced
                   : ReplaceAnswerOf(GetLastError());
    };
    const auto move = [&] {
        return MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) !=
               FALSE;
    };
    if (!written || !ReplaceFileRetrying(replace, move, [](unsigned milliseconds) { Sleep(milliseconds); })) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

bool Win32Platform::MakeFolders(const std::wstring& path) {
    const int made = SHCreateDirectoryExW(nullptr, path.c_str(), nullptr);
    return made == ERROR_SUCCESS || made == ERROR_ALREADY_EXISTS || made == ERROR_FILE_EXISTS;
}

std::wstring Win32Platform::TimeStamp() const {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    // Written digit by digit rather than with swprintf, which MinGW-w64 links a copy of into Zudav.exe.
    std::wstring text;
    const auto add = [&text](unsigned value, size_t digits) {
        std::wstring written(digits, L'0');
        for (size_t i = digits; i > 0; --i, value /= 10) {
            written[i - 1] = static_cast<wchar_t>(L'0' + value % 10);
        }
        text += written;
    };
    add(now.wYear, 4);
    text += L'-';
    add(now.wMonth, 2);
    text += L'-';
    add(now.wDay, 2);
    text += L'-';
    add(now.wHour, 2);
    add(now.wMinute, 2);
    add(now.wSecond, 2);
    return text;
}

}  // namespace zudav::win32
