#include "menu_timing.h"

#include <algorithm>
#include <vector>

namespace zudav_bench {
namespace {

constexpr DWORD kTimeoutMs = 20000;

// The shown menu window (class "#32768") of the process, or none.
HWND ShownMenu(DWORD process) {
    for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, L"#32768", nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process && IsWindowVisible(window)) {
            return window;
        }
    }
    return nullptr;
}

// What the screen shows of a window now, as 32-bit pixels 0x00RRGGBB, row by row from the top.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<DWORD> pixels;
    DWORD At(int x, int y) const {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] & 0xFFFFFF;
    }
};

Capture CaptureOf(HWND window) {
    Capture capture;
    RECT place{};
    if (!GetWindowRect(window, &place) || place.right <= place.left || place.bottom <= place.top) {
        return capture;
    }
    const int width = place.right - place.left, height = place.bottom - place.top;
    BITMAPINFO format{};
    format.bmiHeader = {sizeof format.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (section == nullptr || bits == nullptr) {
        return capture;
    }
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ before = SelectObject(memory, section);
    if (BitBlt(memory, 0, 0, width, height, screen, place.left, place.top, SRCCOPY)) {
        GdiFlush();
        const DWORD* first = static_cast<const DWORD*>(bits);
        capture.pixels.assign(first, first + static_cast<size_t>(width) * static_cast<size_t>(height));
        capture.width = width;
        capture.height = height;
    }
    SelectObject(memory, before);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    DeleteObject(section);
    return capture;
}

DWORD InCapture(COLORREF colour) {
    return (static_cast<DWORD>(GetRValue(colour)) << 16) | (static_cast<DWORD>(GetGValue(colour)) << 8) |
           GetBValue(colour);
}

// Whether a capture of a menu shows the pictures of all the entries it shows, read in its column of pictures. Each
// entry has a 32-bit picture beside its text, a blank one until its own comes; Wine draws these without their alpha, so
// that a blank is a black square, and a picture's transparent pixels are black too. In the column, each entry shown is
// then a square of the small icons' size, apart from the menu's background (or the highlight of a selected entry): all
// black while blank, with some colour once drawn. A capture that is no drawn menu (one taken before its painting) shows
// no such squares, or runs of lines that are too long for one, or too few squares for its height.
bool PicturesShown(const Capture& capture) {
    const int size = GetSystemMetrics(SM_CXSMICON);
    const DWORD backgrounds[] = {InCapture(GetSysColor(COLOR_MENU)), InCapture(GetSysColor(COLOR_MENUHILIGHT)),
                                 InCapture(GetSysColor(COLOR_HIGHLIGHT))};
    const auto background = [&](DWORD pixel) {
        return std::find(std::begin(backgrounds), std::end(backgrounds), pixel) != std::end(backgrounds);
    };
    // The column: where, inside the menu's frame, lines of pixels first cross the squares of most entries (8 of every
    // 9 lines; text crosses fewer, the frame is at the edges).
    int left = 2;
    for (;; ++left) {
        if (left + size > capture.width - 2) {
            return false;
        }
        int crossed = 0;
        for (int y = 0; y < capture.height; ++y) {
            crossed += background(capture.At(left, y)) ? 0 : 1;
        }
        if (crossed > capture.height / 2) {
            break;
        }
    }
    int rows = 0;
    for (int y = 0; y < capture.height;) {
        // The lines that are not all background in the column, from y: one entry's square.
        int end = y;
        bool coloured = false;
        for (; end < capture.height; ++end) {
            bool occupied = false;
            for (int x = left; x < left + size; ++x) {
                const DWORD pixel = capture.At(x, end);
                occupied = occupied || !background(pixel);
                coloured = coloured || (pixel != 0 && !background(pixel));
            }
            if (!occupied) {
                break;
            }
        }
        const int length = end - y;
        if (length > size + 2) {
            return false;
        }
        if (length >= size / 2) {  // shorter: an entry cut by the menu's scrolling edge
            if (!coloured) {
                return false;  // a blank
            }
            ++rows;
        }
        y = end + 1;
    }
    return rows > 0 && rows >= capture.height / (2 * size);
}

// Closes the shown menu of the process with Escape, and waits until it is gone and `window` answers again.
bool CloseMenu(HWND window, DWORD process) {
    for (const double begin = Now(); Now() - begin < kTimeoutMs; Sleep(1)) {
        HWND menu = ShownMenu(process);
        if (menu == nullptr) {
            DWORD_PTR ignored = 0;
            return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kTimeoutMs, &ignored) != 0;
        }
        PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        for (const double sent = Now(); IsWindow(menu) && IsWindowVisible(menu) && Now() - sent < 1000;) {
            Sleep(1);
        }
    }
    return false;
}

}  // namespace

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

std::wstring MakeFiles(int count) {
    wchar_t temporary[MAX_PATH] = L"";
    if (GetTempPathW(MAX_PATH, temporary) == 0) {
        return {};
    }
    const std::wstring folder = std::wstring(temporary) + L"ZudavBanc" + std::to_wstring(count);
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        return {};
    }
    static const char kText[] = "@rem\r\n";
    for (int n = 1; n <= count; ++n) {
        const std::wstring path = folder + L"\\f" + std::to_wstring(n) + L".cmd";
        HANDLE file =
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        const bool made = file != INVALID_HANDLE_VALUE && WriteFile(file, kText, sizeof kText - 1, &written, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            CloseHandle(file);
        }
        if (!made) {
            RemoveFiles(folder, count);
            return {};
        }
    }
    return folder;
}

void RemoveFiles(const std::wstring& folder, int count) {
    for (int n = 1; n <= count; ++n) {
        DeleteFileW((folder + L"\\f" + std::to_wstring(n) + L".cmd").c_str());
    }
    RemoveDirectoryW(folder.c_str());
}

bool TimeMenu(HWND window, POINT at, bool pictures, MenuTimes& times) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    // The pointer away from where menus open, where it would select the entry under it.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) / 2);
    times = {};
    const double begin = Now();
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    bool done = false;
    while (!done && Now() - begin < kTimeoutMs) {
        HWND menu = ShownMenu(process);
        if (menu != nullptr && times.shownMs == 0) {
            times.shownMs = Now() - begin;
        }
        if (menu != nullptr && pictures) {
            const Capture capture = CaptureOf(menu);
            times.picturesMs = Now() - begin;  // the screen showed what was captured by then
            done = PicturesShown(capture);
        } else {
            done = menu != nullptr;
        }
        if (!done) {
            Sleep(1);
        }
    }
    return CloseMenu(window, process) && done;
}

}  // namespace zudav_bench
