// A bar of an older version, as the upgrade scenario needs one: its version information only; it waits while it runs.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Sleep(INFINITE);
    return 0;
}
