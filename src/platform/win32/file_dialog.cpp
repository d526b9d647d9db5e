#include "platform/win32/file_dialog.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "platform/win32/system_dlls.h"

namespace zudav::win32 {

std::optional<std::wstring> AskOpenFileName(HWND owner, const std::wstring& filter, const std::wstring& initialName) {
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
    // Loaded at the first dialog: most runs of the bar never show one, and the common dialogs cost start-up time.
    static const auto getOpenFileName =
        SystemFunction<decltype(::GetOpenFileNameW)>(L"comdlg32.dll", "GetOpenFileNameW");
    if (getOpenFileName == nullptr || !getOpenFileName(&dialog)) {
        return std::nullopt;
    }
    return std::wstring(name.data());
}

}  // namespace zudav::win32
