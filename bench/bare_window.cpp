// The floor for the start-up benchmark: the smallest Win32 program that shows a window of the bar's size
// and class of frame, with nothing in it.
#include <windows.h>

#include "floor_window.h"

namespace {

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    HWND window = zudav_bench::CreateFloorWindow(instance, WindowProcedure, L"ZudavBancNu", L"Nu");
    zudav_bench::ShowAndRun(window);
    return 0;
}
