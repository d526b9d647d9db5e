// Win32Platform's processes: the bar's own (path, single copy, level, messages) and the programs it starts or reads.
#include "platform/win32/win32_platform.h"

#include <shellapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <cwctype>
#include <memory>
#include <thread>
#include <vector>

#include "platform/paths.h"
#include "platform/slow_files.h"
#include "platform/win32/system_dlls.h"

namespace zudav::win32 {
namespace {

constexpr wchar_t kVersion[] = L"version.dll";

// "The requested operation requires elevation" (ERROR_ELEVATION_REQUIRED), which MinGW's headers do not name.
constexpr DWORD kElevationRequired = 740;

// Why a start failed, in the program's terms.
StartResult StartFailure(DWORD error) {
    switch (error) {
        case kElevationRequired:
            return StartResult::ElevationRequired;
        case ERROR_CANCELLED:
            return StartResult::Cancelled;
        case ERROR_NO_ASSOCIATION:
            return StartResult::NoAssociation;
        case ERROR_BAD_EXE_FORMAT:
        case ERROR_ACCESS_DENIED:  // a folder
            return StartResult::NotAProgram;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_NETPATH:
            return StartResult::NotFound;
        default:
            return StartResult::Other;
    }
}

// Names of files compared as the file system does, without regard to case.
bool SameFileName(const wchar_t* a, const std::wstring& b) {
    return CompareStringOrdinal(a, -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

struct FindReleaser {
    static constexpr HandleKind kKind = HandleKind::Kernel;
    void operator()(HANDLE search) const { FindClose(search); }
};
using UniqueFind = Unique<HANDLE, FindReleaser>;

// version.dll is no known DLL: its functions are looked up in the system's copy once, when first needed.
struct VersionFunctions {
    decltype(::GetFileVersionInfoSizeW)* getSize =
        SystemFunction<decltype(::GetFileVersionInfoSizeW)>(kVersion, "GetFileVersionInfoSizeW");
    decltype(::GetFileVersionInfoW)* getInfo =
        SystemFunction<decltype(::GetFileVersionInfoW)>(kVersion, "GetFileVersionInfoW");
    decltype(::VerQueryValueW)* queryValue = SystemFunction<decltype(::VerQueryValueW)>(kVersion, "VerQueryValueW");
};

const VersionFunctions* Version() {
    static const VersionFunctions functions;
    const bool found = functions.getSize != nullptr && functions.getInfo != nullptr && functions.queryValue != nullptr;
    return found ? &functions : nullptr;
}

// The version information of a file; empty when it has none.
std::vector<BYTE> VersionBlock(const std::wstring& file) {
    const VersionFunctions* version = Version();
    DWORD ignored = 0;
    const DWORD size = version == nullptr ? 0 : version->getSize(file.c_str(), &ignored);
    std::vector<BYTE> block(size);
    if (size == 0 || !version->getInfo(file.c_str(), 0, size, block.data())) {
        return {};
    }
    return block;
}

// An entry of a version information's strings, in its first language.
std::wstring VersionEntry(const std::vector<BYTE>& block, const std::wstring& entry) {
    const auto queryValue = Version()->queryValue;
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translation = nullptr;
    UINT length = 0;
    if (!queryValue(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length) ||
        length < sizeof(Translation)) {
        return {};
    }
    // The language and code page in four hexadecimal digits each, written without swprintf, which MinGW-w64 links a
    // copy of into Zudav.exe.
    std::wstring query = L"\\StringFileInfo\\";
    for (const WORD part : {translation->language, translation->codePage}) {
        for (int shift = 12; shift >= 0; shift -= 4) {
            query += L"0123456789abcdef"[(part >> shift) & 0xF];
        }
    }
    query += L"\\" + entry;
    wchar_t* text = nullptr;
    if (!queryValue(block.data(), query.c_str(), reinterpret_cast<void**>(&text), &length) || text == nullptr) {
        return {};
    }
    return std::wstring(text, wcsnlen(text, length));
}

}  // namespace

std::wstring Win32Platform::ExecutablePath() const {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            return std::wstring(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

namespace {

// One lock per executable name in this session, so that copies under other names run side by side.
std::wstring SingleCopyLockName(const std::wstring& baseName) {
    std::wstring name = L"Local\\Zudav.barre.";
    for (wchar_t c : baseName) {
        name += c == L'\\' ? L'_' : static_cast<wchar_t>(std::towlower(c));
    }
    return name;
}

}  // namespace

bool SingleCopyHeld(const std::wstring& baseName) {
    HANDLE opened = OpenMutexW(SYNCHRONIZE, FALSE, SingleCopyLockName(baseName).c_str());
    const DWORD error = GetLastError();
    const UniqueHandle lock(opened);
    // A lock that exists but may not be opened (a bar of another level) is held all the same.
    return static_cast<bool>(lock) || error == ERROR_ACCESS_DENIED;
}

bool Win32Platform::ClaimSingleCopy(const std::wstring& baseName) {
    singleCopyLock_.Reset(CreateMutexW(nullptr, FALSE, SingleCopyLockName(baseName).c_str()));
    if (!singleCopyLock_) {
        return true;  // no lock to be had: better two copies than no bar at all
    }
    return GetLastError() != ERROR_ALREADY_EXISTS;
}

StartResult Win32Platform::StartProcess(const std::wstring& commandLine, int showCommand, const std::wstring& folder) {
    std::vector<wchar_t> writable(commandLine.begin(), commandLine.end());
    writable.push_back(L'\0');
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &process)) {
        return StartFailure(GetLastError());
    }
    // The started program runs on its own; the bar never waits for it.
    CloseHandle(process.hThread);
    Watch(process.hProcess);
    return StartResult::Started;
}

namespace {

struct Watched {
    HANDLE process;
    std::function<void()> notice;
};

DWORD WINAPI WatchProgram(void* data) {
    const std::unique_ptr<Watched> watched(static_cast<Watched*>(data));
    constexpr DWORD kFirstWindowMs = 30000;  // a program that never waits for input (a console) is told of at once
    WaitForInputIdle(watched->process, kFirstWindowMs);
    watched->notice();
    WaitForSingleObject(watched->process, INFINITE);
    watched->notice();
    CloseHandle(watched->process);
    return 0;
}

}  // namespace

// A thread of a small stack for each program, which only waits: the shell's notices, where there are some, say more.
void Win32Platform::Watch(HANDLE process) {
    if (process == nullptr) {
        return;
    }
    if (!startedNotice_) {
        CloseHandle(process);
        return;
    }
    auto watched = std::make_unique<Watched>(Watched{process, startedNotice_});
    constexpr SIZE_T kStack = 64 * 1024;
    HANDLE thread =
        CreateThread(nullptr, kStack, WatchProgram, watched.get(), STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
    if (thread == nullptr) {
        CloseHandle(process);
        return;
    }
    watched.release();  // the thread's now
    CloseHandle(thread);
}

// Synchronous (the answer is known when it returns, after the administrator prompt if there is one) and without the
// shell's own error box: the bar says what failed in its own words.
StartResult Win32Platform::StartWithShell(const ShellStart& start) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC | SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = DialogOwner();
    info.lpVerb = start.verb.empty() ? nullptr : start.verb.c_str();
    info.lpFile = start.file.c_str();
    info.lpParameters = start.arguments.empty() ? nullptr : start.arguments.c_str();
    info.lpDirectory = start.folder.empty() ? nullptr : start.folder.c_str();
    info.nShow = start.showCommand;
    PIDLIST_ABSOLUTE item = nullptr;
    if (start.asShellItem && SUCCEEDED(SHParseDisplayName(start.file.c_str(), nullptr, &item, 0, nullptr))) {
        info.fMask |= SEE_MASK_INVOKEIDLIST;
        info.lpIDList = item;
        info.lpFile = nullptr;
    }
    const bool started = ShellExecuteExW(&info) != FALSE;
    const DWORD error = GetLastError();
    CoTaskMemFree(item);
    if (!started) {
        return StartFailure(error);
    }
    Watch(info.hProcess);  // none when a running program took the file (a DDE answer, a browser's open window)
    return StartResult::Started;
}

void Win32Platform::ShellOpen(const std::wstring& verb, const std::wstring& file, const std::wstring& folder) {
    ShellExecuteW(DialogOwner(), verb.c_str(), file.c_str(), L"", folder.c_str(), SW_SHOWNORMAL);
}

// As Explorer offers it: "Always use this app" can register the choice, and the file opens with the program chosen.
// A dialog the user closes answers ERROR_CANCELLED, which needs no word.
void Win32Platform::OpenWith(const std::wstring& file) {
    OPENASINFO info{file.c_str(), nullptr, OAIF_ALLOW_REGISTRATION | OAIF_REGISTER_EXT | OAIF_EXEC};
    if (FAILED(SHOpenWithDialog(DialogOwner(), &info))) {
        // Cancelled, or no dialog on this system: the message already said why the file did not open.
    }
}

void Win32Platform::DoEvents() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the main loop to see
            return;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::wstring Win32Platform::VersionText(const std::wstring& entry) const {
    const std::vector<BYTE> block = VersionBlock(ExecutablePath());
    return block.empty() ? std::wstring() : VersionEntry(block, entry);
}

void Win32Platform::RunAway(std::function<void(Platform&)> work) {
    std::thread([work = std::move(work)] {
        Win32Platform own;  // the bar's may be gone before the work ends
        work(own);
    }).detach();
}

bool RunsElevated() {
    UniqueHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Put())) {
        return false;
    }
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    return GetTokenInformation(token.Get(), TokenElevation, &elevation, sizeof elevation, &size) &&
           elevation.TokenIsElevated != 0;
}

// The pattern matches short names too ("Jeux.exe1" is JEUX~1.EXE): only a name that ends in .exe counts.
std::vector<std::wstring> Win32Platform::ExecutablesIn(const std::wstring& folder) const {
    std::vector<std::wstring> found;
    WIN32_FIND_DATAW data{};
    const HANDLE first =
        FindFirstFileExW(JoinPath(folder, L"*.exe").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr, 0);
    if (first == INVALID_HANDLE_VALUE) {
        return found;
    }
    UniqueFind search(first);
    do {
        const size_t length = wcslen(data.cFileName);
        // A cloud file whose data is not on the disk would be downloaded to be read: it is left out.
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 && !IsOnlineOnly(data.dwFileAttributes) &&
            length > 4 && SameFileName(data.cFileName + length - 4, L".exe")) {
            found.push_back(JoinPath(folder, data.cFileName));
        }
    } while (FindNextFileW(search.Get(), &data));
    return found;
}

std::optional<ExecutableVersion> Win32Platform::VersionOf(const std::wstring& executable) const {
    const std::vector<BYTE> block = VersionBlock(executable);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (block.empty() || !Version()->queryValue(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) ||
        length < sizeof(VS_FIXEDFILEINFO) || fixed->dwSignature != VS_FFI_SIGNATURE) {
        return std::nullopt;
    }
    return ExecutableVersion{VersionEntry(block, L"ProductName"), VersionEntry(block, L"OriginalFilename"),
                             (std::uint64_t{fixed->dwFileVersionMS} << 32) | fixed->dwFileVersionLS};
}

// Every process of that file's name is looked at: one that runs the file, or that cannot be asked which file it runs
// (another user's, an elevated one), counts. So does any when the processes cannot be listed.
bool Win32Platform::IsRunning(const std::wstring& executable) const {
    const HANDLE list = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (list == INVALID_HANDLE_VALUE) {
        return true;
    }
    const UniqueHandle snapshot(list);
    const std::wstring name = FileNameOf(executable);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(list, &entry); more; more = Process32NextW(list, &entry)) {
        if (!SameFileName(entry.szExeFile, name)) {
            continue;
        }
        const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID));
        std::vector<wchar_t> image(32768);
        auto size = static_cast<DWORD>(image.size());
        if (!process || !QueryFullProcessImageNameW(process.Get(), 0, image.data(), &size) ||
            SameFileName(image.data(), executable)) {
            return true;
        }
    }
    return false;
}

}  // namespace zudav::win32
