// The floor for the folder menu's benchmark: what any menu of a folder's contents cannot avoid, and nothing more. A
// click on its window reads the folder given on its command line with the shell, names its entries as Explorer names
// them, sorts them in Explorer's order, and shows them as a popup menu of text alone beside the window, until Escape.
#include <windows.h>
// After windows.h, which they need.
#include <objbase.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "floor_window.h"

namespace {

std::wstring g_folder;

std::vector<std::wstring> EntriesOf(const std::wstring& folder) {
    std::vector<std::wstring> names;
    PIDLIST_ABSOLUTE location = nullptr;
    if (FAILED(SHParseDisplayName(folder.c_str(), nullptr, &location, 0, nullptr))) {
        return names;
    }
    IShellFolder* shell = nullptr;
    const HRESULT bound = SHBindToObject(nullptr, location, nullptr, IID_PPV_ARGS(&shell));
    CoTaskMemFree(location);
    if (FAILED(bound) || shell == nullptr) {
        return names;
    }
    IEnumIDList* list = nullptr;
    if (shell->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, &list) == S_OK && list != nullptr) {
        PITEMID_CHILD child = nullptr;
        while (list->Next(1, &child, nullptr) == S_OK) {
            STRRET name{};
            PWSTR text = nullptr;
            if (SUCCEEDED(shell->GetDisplayNameOf(child, SHGDN_NORMAL | SHGDN_INFOLDER, &name)) &&
                SUCCEEDED(StrRetToStrW(&name, child, &text))) {
                names.emplace_back(text);
                CoTaskMemFree(text);
            }
            CoTaskMemFree(child);
        }
        list->Release();
    }
    shell->Release();
    return names;
}

void ShowMenu(HWND window) {
    std::vector<std::wstring> names = EntriesOf(g_folder);
    std::sort(names.begin(), names.end(),
              [](const std::wstring& a, const std::wstring& b) { return StrCmpLogicalW(a.c_str(), b.c_str()) < 0; });
    HMENU menu = CreatePopupMenu();
    for (size_t i = 0; i < names.size(); ++i) {
        AppendMenuW(menu, MF_STRING, i + 1, names[i].c_str());
    }
    RECT place{};
    GetWindowRect(window, &place);
    SetForegroundWindow(window);
    TrackPopupMenuEx(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, place.right, place.top, window, nullptr);
    DestroyMenu(menu);
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONUP:
            ShowMenu(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    g_folder = commandLine;  // the folder whose menu to show, in quotes or not
    if (g_folder.size() >= 2 && g_folder.front() == L'"' && g_folder.back() == L'"') {
        g_folder = g_folder.substr(1, g_folder.size() - 2);
    }
    HWND window = zudav_bench::CreateFloorWindow(instance, WindowProcedure, L"ZudavBancPlancherMenu", L"Plancher");
    zudav_bench::ShowAndRun(window);
    CoUninitialize();
    return 0;
}
