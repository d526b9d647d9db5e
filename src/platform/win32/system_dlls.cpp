#include "platform/win32/system_dlls.h"

namespace zudav::win32 {

// Windows 7 without its 2011 loader update has neither SetDefaultDllDirectories nor the LOAD_LIBRARY_SEARCH flags:
// looked up at run time, so that the bar still starts there, with at least the current folder out of the search.
void LimitDllSearchToSystem() {
    using SetDirectories = BOOL(WINAPI*)(DWORD);
    const auto setDirectories = reinterpret_cast<SetDirectories>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDirectories == nullptr || !setDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        SetDllDirectoryW(L"");
    }
}

HMODULE LoadSystemLibrary(const wchar_t* name) {
    HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module == nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
        module = LoadLibraryW(name);  // the flag is unknown to this loader
    }
    return module;
}

}  // namespace zudav::win32

namespace zudav::win32::common_controls {
namespace {

constexpr wchar_t kComctl32[] = L"comctl32.dll";

}  // namespace

void Init(DWORD classes) {
    static const auto init = SystemFunction<decltype(::InitCommonControlsEx)>(kComctl32, "InitCommonControlsEx");
    INITCOMMONCONTROLSEX controls{sizeof controls, classes};
    if (init != nullptr) {
        init(&controls);
    }
}

bool Subclass(HWND control, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
    static const auto subclass = SystemFunction<decltype(::SetWindowSubclass)>(kComctl32, "SetWindowSubclass");
    return subclass != nullptr && subclass(control, procedure, id, data);
}

// Only the subclass procedures that Subclass installed call it, so comctl32 is there by then.
LRESULT DefaultProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    static const auto defaultProc = SystemFunction<decltype(::DefSubclassProc)>(kComctl32, "DefSubclassProc");
    return defaultProc != nullptr ? defaultProc(control, message, wParam, lParam)
                                  : DefWindowProcW(control, message, wParam, lParam);
}

void RemoveSubclass(HWND control, SUBCLASSPROC procedure, UINT_PTR id) {
    static const auto remove = SystemFunction<decltype(::RemoveWindowSubclass)>(kComctl32, "RemoveWindowSubclass");
    if (remove != nullptr) {
        remove(control, procedure, id);
    }
}

}  // namespace zudav::win32::common_controls
