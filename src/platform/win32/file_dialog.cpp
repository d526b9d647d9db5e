#include "platform/win32/file_dialog.h"

#include <commdlg.h>
// After windows.h, which it needs.
#include <shobjidl.h>

#include <algorithm>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/shell_items.h"
#include "platform/win32/system_dlls.h"

namespace zudav::win32 {

namespace {

// The files-only dialogs: Open, or Save As (which asks before replacing a file and gives a name typed without an
// extension the filter's first one).
std::optional<std::wstring> AskFileName(HWND owner,
                                        const std::wstring& filter,
                                        const std::wstring& initialName,
                                        bool save) {
    // "Name|patterns|..." -> the double-NUL-terminated list that the dialog wants.
    std::vector<wchar_t> filterList(filter.begin(), filter.end());
    std::replace(filterList.begin(), filterList.end(), L'|', L'\0');
    filterList.insert(filterList.end(), {L'\0', L'\0'});

    std::vector<wchar_t> name(32768, L'\0');
    initialName.copy(name.data(), std::min(initialName.size(), name.size() - 1));
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filterList.data();
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
    std::wstring extension;
    if (save) {
        dialog.Flags |= OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST;
        // "*.ini" in the first patterns -> "ini".
        const size_t dot = filter.find(L"*.");
        extension =
            dot == std::wstring::npos ? L"" : filter.substr(dot + 2, filter.find_first_of(L";|", dot) - dot - 2);
        dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    }
    // Loaded at the first dialog: most runs of the bar never show one, and the common dialogs cost start-up time.
    static const auto getOpenFileName =
        SystemFunction<decltype(::GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    static const auto getSaveFileName =
        SystemFunction<decltype(::GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
    const auto ask = save ? getSaveFileName : getOpenFileName;
    if (ask == nullptr || !ask(&dialog)) {
        return std::nullopt;
    }
    return std::wstring(name.data());
}

}  // namespace

std::optional<std::wstring> AskOpenFileName(HWND owner, const std::wstring& filter, const std::wstring& initialName) {
    return AskFileName(owner, filter, initialName, false);
}

std::optional<std::wstring> AskSaveFileName(HWND owner, const std::wstring& filter, const std::wstring& initialName) {
    return AskFileName(owner, filter, initialName, true);
}

std::optional<ShellItem> AskProgramItem(HWND owner, const std::wstring& filter, const std::wstring& initialName) {
    // Each wrapper takes what an out-parameter received once the statement that wrote it ends.
    UniqueCom<IFileOpenDialog> dialog;
    const HRESULT created = CoCreateInstance(CLSID_FileOpenDialog, nullptr, CLSCTX_INPROC_SERVER,
                                             IID_PPV_ARGS(static_cast<IFileOpenDialog**>(dialog.Put())));
    if (FAILED(created) || !dialog) {
        auto file = AskOpenFileName(owner, filter, initialName);
        return file ? std::optional<ShellItem>(ShellItem{*file, L"", false}) : std::nullopt;
    }
    IFileOpenDialog& shown = *dialog.Get();
    // "Name|patterns|..." -> pairs of name and patterns, which the types point into.
    std::vector<std::wstring> parts(1);
    for (const wchar_t c : filter) {
        if (c == L'|') {
            parts.emplace_back();
        } else {
            parts.back().push_back(c);
        }
    }
    std::vector<COMDLG_FILTERSPEC> types;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        types.push_back({parts[i].c_str(), parts[i + 1].c_str()});
    }
    if (!types.empty()) {
        shown.SetFileTypes(static_cast<UINT>(types.size()), types.data());
        shown.SetFileTypeIndex(1);
    }
    // Any item of the shell, the apps that have no file among them; as with the files-only dialog, a typed name need
    // not exist and the process's current folder stays where it was.
    FILEOPENDIALOGOPTIONS options = 0;
    shown.GetOptions(&options);
    shown.SetOptions((options | FOS_ALLNONSTORAGEITEMS | FOS_NOCHANGEDIR) &
                     ~(FOS_FORCEFILESYSTEM | FOS_FILEMUSTEXIST | FOS_PATHMUSTEXIST));
    // Opens in the folder of the name, as the files-only dialog does with a whole path.
    const size_t separator = initialName.find_last_of(L"\\/");
    if (separator != std::wstring::npos) {
        std::wstring folderName = initialName.substr(0, separator);
        if (folderName.size() == 2 && folderName[1] == L':') {
            folderName += L'\\';  // a drive's root
        }
        UniqueCom<IShellItem> folder;
        if (SUCCEEDED(SHCreateItemFromParsingName(folderName.c_str(), nullptr,
                                                  IID_PPV_ARGS(static_cast<IShellItem**>(folder.Put()))))) {
            shown.SetFolder(folder.Get());
        }
    }
    shown.SetFileName(initialName.substr(separator == std::wstring::npos ? 0 : separator + 1).c_str());
    if (const UniqueCom<IShellItem> apps = AppsFolder()) {
        shown.AddPlace(apps.Get(), FDAP_TOP);
    }
    UniqueCom<IShellItem> chosen;
    if (FAILED(shown.Show(owner)) || FAILED(shown.GetResult(static_cast<IShellItem**>(chosen.Put())))) {
        return std::nullopt;  // cancelled
    }
    return ReadShellItem(chosen.Get());
}

}  // namespace zudav::win32
