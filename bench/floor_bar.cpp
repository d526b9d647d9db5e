// The floor for the bar's benchmarks: what any launcher bar of thirteen slots cannot avoid, and nothing more. It
// initialises OLE and the common controls, creates a tooltip window, adds a notification icon, reads the thirteen
// items of the benchmark's bar from the registry, extracts their first icons and draws them. The menu command
// "refresh" (the bar's own id) extracts, draws and releases the thirteen icons again: the least that a refresh
// reading every item again can cost.
#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "floor_window.h"
#include "resources/resource_ids.h"

namespace {

std::vector<std::wstring> g_items;
std::vector<HICON> g_icons;

std::vector<std::wstring> ReadItems(const wchar_t* bar) {
    std::vector<std::wstring> items;
    const std::wstring section = std::wstring(L"Software\\VB and VBA Program Settings\\") + bar + L"\\Donnees";
    for (int n = 0; n < 13; ++n) {
        wchar_t path[MAX_PATH] = L"";
        DWORD size = sizeof path;
        if (RegGetValueW(HKEY_CURRENT_USER, section.c_str(), (L"Chemin" + std::to_wstring(n)).c_str(), RRF_RT_REG_SZ,
                         nullptr, path, &size) == ERROR_SUCCESS) {
            items.emplace_back(path);
        }
    }
    return items;
}

void DrawIcons(HWND window, const std::vector<HICON>& icons) {
    HDC dc = GetDC(window);
    for (size_t i = 0; i < icons.size(); ++i) {
        DrawIconEx(dc, 13, 20 + 48 * static_cast<int>(i), icons[i], 0, 0, 0, nullptr, DI_NORMAL);
    }
    ReleaseDC(window, dc);
}

void Refresh(HWND window) {
    std::vector<HICON> icons;
    for (const std::wstring& item : g_items) {
        icons.push_back(ExtractIconW(GetModuleHandleW(nullptr), item.c_str(), 0));
    }
    DrawIcons(window, icons);
    for (HICON icon : icons) {
        DestroyIcon(icon);
    }
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            DrawIcons(window, g_icons);
            return 0;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDM_RAFRAICHIR) {
                Refresh(window);
            }
            return 0;
        case WM_DESTROY: {
            NOTIFYICONDATAW icon{};
            icon.cbSize = sizeof icon;
            icon.hWnd = window;
            icon.uID = 1;
            Shell_NotifyIconW(NIM_DELETE, &icon);
            PostQuitMessage(0);
            return 0;
        }
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    HWND window = zudav_bench::CreateFloorWindow(instance, WindowProcedure, L"ZudavBancPlancher", L"Plancher");
    CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = window;
    icon.uID = 1;
    icon.uFlags = NIF_ICON | NIF_TIP;
    icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    lstrcpynW(icon.szTip, L"Plancher", 64);
    Shell_NotifyIconW(NIM_ADD, &icon);
    g_items = ReadItems(commandLine);  // the name of the bar whose items to read
    for (const std::wstring& item : g_items) {
        g_icons.push_back(ExtractIconW(instance, item.c_str(), 0));
    }
    zudav_bench::ShowAndRun(window);
    OleUninitialize();
    return 0;
}
