// The window procedure of each of the program's window classes, and their registration: binds the window to its object
// at WM_NCCREATE (the messages before WM_CREATE matter too) and forwards every message to the object's
// OnMessage(window, message, wParam, lParam). After WM_NCDESTROY the window no longer reaches the object.
#pragma once

#include <windows.h>

namespace zudav::win32 {

template <typename Owner>
LRESULT CALLBACK WindowThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        created->Bind(window);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (owner == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        owner->Bind(nullptr);
    }
    return owner->OnMessage(window, message, wParam, lParam);
}

// Registers a window class whose windows are served by Owner (a second registration is harmless).
// Without a background brush the windows paint themselves in full.
template <typename Owner>
bool RegisterWindowClass(HINSTANCE instance,
                         const wchar_t* name,
                         HICON icon = nullptr,
                         HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                         UINT style = 0) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = WindowThunk<Owner>;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace zudav::win32
