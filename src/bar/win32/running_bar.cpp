#include "bar/win32/running_bar.h"

#include <utility>

#include "bar/win32/bar_ids.h"
#include "platform/paths.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"

namespace zudav::win32 {
namespace {

struct Search {
    std::wstring application;
    HWND found = nullptr;
};

std::wstring ExecutableOf(DWORD processId) {
    const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) {
        return {};
    }
    std::wstring path(32768, L'\0');
    DWORD length = static_cast<DWORD>(path.size());
    path.resize(QueryFullProcessImageNameW(process.Get(), 0, path.data(), &length) ? length : 0);
    return path;
}

BOOL CALLBACK FindInSearch(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (lstrcmpW(className, kBarWindowClass) != 0 || processId == GetCurrentProcessId() ||
        GetPropW(window, kOtherScreenProperty) != nullptr ||
        CompareStringOrdinal(BaseName(ExecutableOf(processId)).c_str(), -1, search->application.c_str(), -1, TRUE) !=
            CSTR_EQUAL) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

}  // namespace

HWND FindBarWindow(const std::wstring& application) {
    Search search{application};
    EnumWindows(FindInSearch, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The lock tells that a bar of the name runs; its window, that it can be told. A bar that holds the lock without a
// window (starting, or ending) cannot.
RunningBar::Found Win32RunningBar::Find() {
    if (!SingleCopyHeld(application_)) {
        return Found::None;
    }
    window_ = FindBarWindow(application_);
    return window_ != nullptr && Ask(kSettingsAskOnly) ? Found::Listening : Found::Deaf;
}

bool Win32RunningBar::TakeSettingsAgain() {
    return window_ != nullptr && Ask(kSettingsTakeAgain);
}

bool Win32RunningBar::StorePlace() {
    window_ = SingleCopyHeld(application_) ? FindBarWindow(application_) : nullptr;
    return window_ != nullptr && Ask(kSettingsStorePlace);
}

// A hung bar is not waited for; one that answers takes no more than a refresh. The window system refuses the message
// to a bar of a higher level (run as administrator), which then cannot be told.
bool Win32RunningBar::Ask(WPARAM request) const {
    constexpr UINT kPatience = 5000;
    DWORD_PTR answer = 0;
    const UINT message = RegisterWindowMessageW(kTakeSettingsMessage);
    return message != 0 &&
           SendMessageTimeoutW(window_, message, request, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kPatience, &answer) != 0 &&
           answer == kSettingsTaken;
}

}  // namespace zudav::win32
