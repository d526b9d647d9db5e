#include "platform/win32/twips.h"

namespace zudav::win32 {

int WindowDpi(HWND window) {
    // GetDpiForWindow exists from Windows 10 on; look it up so the program still starts on older systems.
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (getDpiForWindow != nullptr && window != nullptr) {
        if (const UINT dpi = getDpiForWindow(window); dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    // The system's DPI is set for the process when it starts: read once.
    static const int systemDpi = [] {
        HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        return dpi;
    }();
    return systemDpi;
}

}  // namespace zudav::win32
