// What every floor program of the benchmark shares: a window of the bar's size and class of frame, and the message loop
// once it is shown in front.
#pragma once

#include <windows.h>

namespace zudav_bench {

inline HWND CreateFloorWindow(HINSTANCE instance, WNDPROC procedure, const wchar_t* className, const wchar_t* caption) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = className;
    RegisterClassExW(&windowClass);
    return CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, className, caption,
                           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, 0, 0, 58, 681, nullptr, nullptr,
                           instance, nullptr);
}

inline void ShowAndRun(HWND window) {
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace zudav_bench
