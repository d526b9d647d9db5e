// Win32Platform's shell: shortcuts, display names, the programs and folders the system knows, and the help viewer.
#include "platform/win32/win32_platform.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <vector>

#include "platform/paths.h"
#include "platform/win32/program_finder.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/win32_platform_shared.h"

namespace zudav::win32 {
namespace {

constexpr UINT kHtmlHelpDisplayTopic = 0x0000;  // HH_DISPLAY_TOPIC
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

}  // namespace

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

bool Win32Platform::MakeShortcut(const std::wstring& link, const std::wstring& target) {
    UniqueCom<IShellLinkW> shortcut;
    UniqueCom<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                IID_PPV_ARGS(static_cast<IShellLinkW**>(shortcut.Put()))))) {
        return false;
    }
    if (FAILED(shortcut.Get()->SetPath(target.c_str())) ||
        FAILED(shortcut.Get()->SetWorkingDirectory(FolderOf(target).c_str()))) {
        return false;
    }
    if (FAILED(shortcut.Get()->QueryInterface(IID_PPV_ARGS(static_cast<IPersistFile**>(file.Put()))))) {
        return false;
    }
    return SUCCEEDED(file.Get()->Save(link.c_str(), TRUE));
}

int Win32Platform::CompareAsExplorer(const std::wstring& a, const std::wstring& b) const {
    return StrCmpLogicalW(a.c_str(), b.c_str());
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

}  // namespace zudav::win32
