// The DLLs that are not among Windows' known DLLs (comctl32, version, the help viewer) are loaded when first needed,
// from the system folder only: a DLL of the same name left beside a copy of Zudav.exe is never loaded instead.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace zudav::win32 {

// First thing at start-up: the DLLs loaded from then on come from the system folder only, never from the bar's
// folder or the current one.
void LimitDllSearchToSystem();

// The system's copy of a DLL, or nullptr. For comctl32 the manifest still chooses the common controls 6.
HMODULE LoadSystemLibrary(const wchar_t* name);

// A function of a system DLL, typed as its declaration: SystemFunction<decltype(::VerQueryValueW)>(L"version.dll",
// "VerQueryValueW"); nullptr when missing. The DLL stays loaded until the program ends: keep the result.
template <typename Function>
Function* SystemFunction(const wchar_t* library, const char* name) {
    HMODULE module = LoadSystemLibrary(library);
    return module == nullptr ? nullptr
                             : reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The common controls that the views use, from the system's comctl32.
namespace common_controls {
void Init(DWORD classes);
bool Subclass(HWND control, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
LRESULT DefaultProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
void RemoveSubclass(HWND control, SUBCLASSPROC procedure, UINT_PTR id);
}  // namespace common_controls

}  // namespace zudav::win32
