#include "platform/win32/win32_platform.h"

#include <shellapi.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cwctype>
#include <thread>
#include <vector>

#include "platform/file_replacement.h"
#include "platform/paths.h"
#include "platform/slow_files.h"
#include "platform/win32/drawing.h"
#include "platform/win32/pictures.h"
#include "platform/win32/program_finder.h"
#include "platform/win32/slow_icons.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/twips.h"
#include "platform/win32/window_look.h"

namespace zudav::win32 {
namespace {

constexpr UINT kHtmlHelpDisplayTopic = 0x0000;  // HH_DISPLAY_TOPIC
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

constexpr wchar_t kVersion[] = L"version.dll";

constexpr wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

HKEY RunRoot(RunScope scope) {
    return scope == RunScope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcWork;
        const TwipsScale scale = TwipsScale::ForWindow(nullptr);
        reinterpret_cast<std::vector<Geometry>*>(areas)->push_back({scale.ToTwips(r.left), scale.ToTwips(r.top),
                                                                    scale.ToTwips(r.right - r.left),
                                                                    scale.ToTwips(r.bottom - r.top)});
    }
    return TRUE;
}

// Without a device context, the rectangle given is the monitor's own.
BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT rect, LPARAM monitors) {
    const int dpi = WindowDpi(nullptr);
    reinterpret_cast<std::vector<Geometry>*>(monitors)->push_back(
        WindowTwips({rect->left, rect->top, rect->right, rect->bottom}, dpi, dpi));
    return TRUE;
}

UINT IconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Stop:
            return MB_ICONSTOP;
        case MessageIcon::Information:
            return MB_ICONINFORMATION;
        case MessageIcon::Exclamation:
            return MB_ICONEXCLAMATION;
        case MessageIcon::None:
            break;
    }
    return 0;
}

// Environment variables (%SystemRoot%) expanded; an unknown one stays as it is, and so does a text that cannot be
// expanded.
std::wstring Expanded(const wchar_t* text) {
    const DWORD size = ExpandEnvironmentStringsW(text, nullptr, 0);
    std::wstring expanded(size, L'\0');
    const DWORD length = ExpandEnvironmentStringsW(text, expanded.data(), size);
    if (length == 0 || length > size) {
        return text;
    }
    expanded.resize(length - 1);
    return expanded;
}

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

// CreateFileW's handle, or none for its INVALID_HANDLE_VALUE.
HANDLE OpenedFile(HANDLE file) {
    return file == INVALID_HANDLE_VALUE ? nullptr : file;
}

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
    wchar_t query[128];
    std::swprintf(query, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language, translation->codePage,
                  entry.c_str());
    wchar_t* text = nullptr;
    if (!queryValue(block.data(), query, reinterpret_cast<void**>(&text), &length) || text == nullptr) {
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

wchar_t Win32Platform::DecimalSeparator() const {
    wchar_t separator[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) > 0 && separator[0] != 0) {
        return separator[0];
    }
    return L'.';
}

void Win32Platform::ShowHelp() {
    if (!htmlHelp_) {
        htmlHelp_.Reset(LoadSystemLibrary(L"hhctrl.ocx"));
    }
    if (!htmlHelp_) {
        return;  // no help viewer on this system
    }
    auto htmlHelp =
        reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(htmlHelp_.Get(), "HtmlHelpW")));
    if (htmlHelp != nullptr) {
        htmlHelp(owner_, helpFile_.c_str(), kHtmlHelpDisplayTopic, 0);
    }
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
    CloseHandle(process.hProcess);
    return StartResult::Started;
}

// Synchronous (the answer is known when it returns, after the administrator prompt if there is one) and without the
// shell's own error box: the bar says what failed in its own words.
StartResult Win32Platform::StartWithShell(const ShellStart& start) {
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.hwnd = DialogOwner();
    info.lpVerb = start.verb.empty() ? nullptr : start.verb.c_str();
    info.lpFile = start.file.c_str();
    info.lpParameters = start.arguments.empty() ? nullptr : start.arguments.c_str();
    info.lpDirectory = start.folder.empty() ? nullptr : start.folder.c_str();
    info.nShow = start.showCommand;
    return ShellExecuteExW(&info) ? StartResult::Started : StartFailure(GetLastError());
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

std::wstring Win32Platform::ExpandEnvironment(const std::wstring& text) const {
    return text.find(L'%') == std::wstring::npos ? text : Expanded(text.c_str());
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

bool Win32Platform::FileExists(const std::wstring& path) const {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Platform::FolderExists(const std::wstring& path) const {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::wstring Win32Platform::RegisteredProgram(const std::wstring& name) const {
    return SystemPrograms().RegisteredProgram(name);
}

std::vector<std::wstring> Win32Platform::SystemFolders() const {
    return SystemPrograms().SystemFolders();
}

std::wstring Win32Platform::PathVariable() const {
    return SystemPrograms().PathVariable();
}

// Read through the shell's own shortcut object, without resolving it: resolving may search the disks and ask the
// user where a moved target went.
std::optional<Shortcut> Win32Platform::ReadShortcut(const std::wstring& path) const {
    // One statement each: a wrapper takes what its out-parameter received only when the statement ends.
    UniqueCom<IShellLinkW> link;
    UniqueCom<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(static_cast<IShellLinkW**>(link.Put()))))) {
        return std::nullopt;
    }
    if (FAILED(link.Get()->QueryInterface(IID_PPV_ARGS(static_cast<IPersistFile**>(file.Put()))))) {
        return std::nullopt;
    }
    if (FAILED(file.Get()->Load(path.c_str(), STGM_READ))) {
        return std::nullopt;
    }
    std::vector<wchar_t> text(32768, L'\0');
    const int size = static_cast<int>(text.size());
    Shortcut shortcut;
    if (link.Get()->GetPath(text.data(), size, nullptr, 0) == S_OK) {
        shortcut.target = text.data();
    }
    if (SUCCEEDED(link.Get()->GetArguments(text.data(), size))) {
        shortcut.arguments = text.data();
    }
    int index = 0;
    if (SUCCEEDED(link.Get()->GetIconLocation(text.data(), size, &index))) {
        shortcut.iconFile = Expanded(text.data());
    }
    return shortcut;
}

std::wstring Win32Platform::VersionText(const std::wstring& entry) const {
    const std::vector<BYTE> block = VersionBlock(ExecutablePath());
    return block.empty() ? std::wstring() : VersionEntry(block, entry);
}

void Win32Platform::Beep() {
    MessageBeep(MB_OK);
}

HWND Win32Platform::DialogOwner() const {
    HWND active = GetActiveWindow();
    return active != nullptr ? active : owner_;
}

void Win32Platform::ShowMessage(const std::wstring& title, const std::wstring& text, MessageIcon icon) {
    const MessageBoxLook look;
    MessageBoxW(DialogOwner(), text.c_str(), title.c_str(), MB_OK | IconStyle(icon));
}

bool Win32Platform::AskYesNo(const std::wstring& title, const std::wstring& text, MessageIcon icon) {
    const MessageBoxLook look;
    return MessageBoxW(DialogOwner(), text.c_str(), title.c_str(), MB_YESNO | IconStyle(icon)) == IDYES;
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

Geometry Win32Platform::MonitorAt(const Geometry& rect) const {
    const int dpi = WindowDpi(nullptr);
    const RECT pixels{TwipsToPixels(rect.left, dpi), TwipsToPixels(rect.top, dpi),
                      TwipsToPixels(rect.left + rect.width, dpi), TwipsToPixels(rect.top + rect.height, dpi)};
    MONITORINFO info{};
    info.cbSize = sizeof info;
    GetMonitorInfoW(MonitorFromRect(&pixels, MONITOR_DEFAULTTONEAREST), &info);
    const RECT& m = info.rcMonitor;
    return WindowTwips({m.left, m.top, m.right, m.bottom}, dpi, dpi);
}

ScreenSize Win32Platform::VirtualScreen() const {
    const TwipsScale scale = TwipsScale::ForWindow(nullptr);
    return {scale.ToTwips(GetSystemMetrics(SM_CXVIRTUALSCREEN)), scale.ToTwips(GetSystemMetrics(SM_CYVIRTUALSCREEN))};
}

std::vector<Geometry> Win32Platform::WorkAreas() const {
    std::vector<Geometry> areas;
    EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

std::vector<Geometry> Win32Platform::Monitors() const {
    std::vector<Geometry> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
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

void Win32Platform::RunAway(std::function<void(Platform&)> work) {
    std::thread([work = std::move(work)] {
        Win32Platform own;  // the bar's may be gone before the work ends
        work(own);
    }).detach();
}

std::optional<std::wstring> Win32Platform::ShellDisplayName(const std::wstring& shellName) const {
    UniqueCom<IShellItem> item;
    if (FAILED(SHCreateItemFromParsingName(shellName.c_str(), nullptr,
                                           IID_PPV_ARGS(static_cast<IShellItem**>(item.Put()))))) {
        return std::nullopt;
    }
    wchar_t* name = nullptr;
    if (FAILED(item.Get()->GetDisplayName(SIGDN_NORMALDISPLAY, &name))) {
        return std::nullopt;
    }
    std::wstring shown(name);
    CoTaskMemFree(name);
    return shown;
}

float Win32Platform::ScreenPixel() const {
    return PixelsToTwips(1, WindowDpi(nullptr));
}

// Settings > Personalisation > Colours, "Choose your default app mode": absent before Windows 10, and then light.
bool Win32Platform::AppsUseDarkTheme() const {
    DWORD light = 1;
    DWORD size = sizeof light;
    return RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize",
                        L"AppsUseLightTheme", RRF_RT_REG_DWORD, nullptr, &light, &size) == ERROR_SUCCESS &&
           light == 0;
}

bool Win32Platform::HighContrastOn() const {
    return win32::HighContrastOn();
}

bool Win32Platform::WriteRunAtLogon(RunScope scope, const std::wstring& name, const std::wstring& commandLine) {
    UniqueKey key;
    if (RegCreateKeyExW(RunRoot(scope), kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Put(), nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const auto bytes = static_cast<DWORD>((commandLine.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.Get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(commandLine.c_str()),
                          bytes) == ERROR_SUCCESS;
}

bool Win32Platform::RemoveRunAtLogon(RunScope scope, const std::wstring& name) {
    UniqueKey key;
    const LSTATUS opened = RegOpenKeyExW(RunRoot(scope), kRunKey, 0, KEY_SET_VALUE, key.Put());
    if (opened == ERROR_FILE_NOT_FOUND) {
        return true;  // no list, so nothing registered there
    }
    if (opened != ERROR_SUCCESS) {
        // Not ours to change (the machine's list, for a user who is not an administrator): a failure only when the
        // bar is registered there.
        return RegGetValueW(RunRoot(scope), kRunKey, name.c_str(), RRF_RT_ANY, nullptr, nullptr, nullptr) ==
               ERROR_FILE_NOT_FOUND;
    }
    const LSTATUS removed = RegDeleteValueW(key.Get(), name.c_str());
    return removed == ERROR_SUCCESS || removed == ERROR_FILE_NOT_FOUND;
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

namespace {

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR folder = nullptr;
    std::wstring path;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &folder))) {
        path = folder;
    }
    CoTaskMemFree(folder);
    return path;
}

}  // namespace

std::wstring Win32Platform::LocalAppDataFolder() const {
    return KnownFolder(FOLDERID_LocalAppData);
}

// A 32-bit bar on 64-bit Windows is given "Program Files (x86)" for both known folders: the 64-bit one is the
// variable ProgramW6432, which Windows sets for such processes only.
std::vector<std::wstring> Win32Platform::FoldersForEveryUser() const {
    std::vector<std::wstring> folders;
    for (const std::wstring& folder : {KnownFolder(FOLDERID_ProgramFiles), KnownFolder(FOLDERID_ProgramFilesX86),
                                       KnownFolder(FOLDERID_Windows), ExpandEnvironment(L"%ProgramW6432%")}) {
        if (!folder.empty() && folder.find(L'%') == std::wstring::npos) {
            folders.push_back(folder);
        }
    }
    return folders;
}

bool Win32Platform::MakeFolders(const std::wstring& path) {
    const int made = SHCreateDirectoryExW(nullptr, path.c_str(), nullptr);
    return made == ERROR_SUCCESS || made == ERROR_ALREADY_EXISTS || made == ERROR_FILE_EXISTS;
}

std::wstring Win32Platform::TimeStamp() const {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    wchar_t text[32] = {};
    swprintf(text, 32, L"%04u-%02u-%02u-%02u%02u%02u", now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute,
             now.wSecond);
    return text;
}

}  // namespace zudav::win32
