// zudav_probe wait|close|press-right|command CLASS TIMEOUT_MS [ID], for the scripts, once a window of that class is
// shown: "wait" lets it paint and prints its rectangle (left top width height, pixels); "close" posts WM_CLOSE and
// waits until it is gone; "press-right" posts a right press on the cell of slot ID of the bar (which opens its item
// editor); "command" posts the menu command ID (on the bar, 201 opens the configuration window). Exit code 0 on
// success, 1 when the time ran out, 2 on a usage error.
#include <windows.h>

#include <shellscalingapi.h>

#include <cstdio>
#include <string>

#include "bar_places.h"

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc == 4 || argc == 5 ? argv[1] : L"";
    const bool withId = command == L"press-right" || command == L"command";
    if ((withId ? argc != 5 : argc != 4) || (!withId && command != L"wait" && command != L"close")) {
        std::fwprintf(stderr, L"usage: zudav_probe wait|close|press-right|command CLASS TIMEOUT_MS [ID]\n");
        return 2;
    }
    // The bar is aware of its monitor's DPI: the probe is too, so that the bar's rectangle and the places of its slots
    // are in the bar's own pixels at any DPI.
    SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const ULONGLONG end = GetTickCount64() + std::stoul(argv[3]);
    HWND window = nullptr;
    const auto waitFor = [&](auto condition) {
        while (!condition() && GetTickCount64() < end) {
            Sleep(10);
        }
        return condition();
    };
    if (!waitFor([&] { return (window = FindWindowW(argv[2], nullptr)) && IsWindowVisible(window); })) {
        return 1;
    }
    if (command == L"press-right") {  // posted: the press opens a modal window, whose loop would hold a sent message
        const int slot = std::stoi(argv[4]);
        if (slot < 0 || slot > 12) {
            return 2;
        }
        // The bar's DPI is its monitor's: Wine 8 answers 96 to GetDpiForWindow on another process's window, whatever
        // the DPI.
        UINT dpi = USER_DEFAULT_SCREEN_DPI, unused = 0;
        if (GetDpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), MDT_EFFECTIVE_DPI, &dpi, &unused) !=
            S_OK) {
            return 1;
        }
        const POINT at = zudav_tools::OnCell(zudav_tools::BarPlaces(window, static_cast<int>(dpi)), slot);
        return PostMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y)) &&
                       PostMessageW(window, WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y))
                   ? 0
                   : 1;
    }
    if (command == L"command") {  // posted too: the command may open a modal window
        return PostMessageW(window, WM_COMMAND, std::stoul(argv[4]), 0) ? 0 : 1;
    }
    if (command == L"close") {
        return PostMessageW(window, WM_CLOSE, 0, 0) && waitFor([&] { return !IsWindow(window); }) ? 0 : 1;
    }
    // Paints now what is still to be painted, and prints once the window's thread has done it.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT r{};
    if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 15000, nullptr) || !GetWindowRect(window, &r)) {
        return 1;
    }
    std::wprintf(L"%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}
