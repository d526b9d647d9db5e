// zudav_probe: lets the scripts wait for a bar, open its item editor and close them, from inside the Wine session.
//
//   zudav_probe wait CLASS TIMEOUT_MS    waits for a shown top-level window of that class, then for
//                                        it to have painted; prints its rectangle
//   zudav_probe close CLASS TIMEOUT_MS   posts WM_CLOSE to that window and waits until it is gone
//   zudav_probe press-right CLASS TIMEOUT_MS CONTROL_ID
//                                        posts a right press and release to that window's control
//                                        (on the bar: opens the item editor of a slot)
//
// Exit code 0 on success, 1 when the time ran out, 2 on a usage error.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK matchShownWindow(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<Search*>(parameter);
    wchar_t name[256];
    if (IsWindowVisible(window) && GetClassNameW(window, name, 256) > 0 && _wcsicmp(name, search->className) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND findShownWindow(const wchar_t* className) {
    Search search{className, nullptr};
    EnumWindows(matchShownWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

template <typename Condition>
bool pollUntil(Condition condition, ULONGLONG deadline) {
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(10);
    }
}

int waitForWindow(const wchar_t* className, ULONGLONG deadline) {
    HWND window = nullptr;
    if (!pollUntil([&] { return (window = findShownWindow(className)) != nullptr; }, deadline)) {
        std::fwprintf(stderr, L"zudav_probe: no shown window of class %ls\n", className);
        return 1;
    }
    // Paint now what is still to be painted, and come back when the window's thread has done it.
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    DWORD_PTR ignored = 0;
    const auto left = static_cast<UINT>(deadline > GetTickCount64() ? deadline - GetTickCount64() : 1);
    if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, left, &ignored) == 0) {
        std::fwprintf(stderr, L"zudav_probe: the window of class %ls does not answer\n", className);
        return 1;
    }
    RECT rect{};
    GetWindowRect(window, &rect);
    std::wprintf(L"%ld %ld %ld %ld\n", rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    return 0;
}

int closeWindow(const wchar_t* className, ULONGLONG deadline) {
    HWND window = findShownWindow(className);
    if (window == nullptr) {
        std::fwprintf(stderr, L"zudav_probe: no shown window of class %ls to close\n", className);
        return 1;
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    if (!pollUntil([&] { return IsWindow(window) == FALSE; }, deadline)) {
        std::fwprintf(stderr, L"zudav_probe: the window of class %ls is still there\n", className);
        return 1;
    }
    return 0;
}

int pressRight(const wchar_t* className, ULONGLONG deadline, int controlId) {
    HWND window = nullptr;
    if (!pollUntil([&] { return (window = findShownWindow(className)) != nullptr; }, deadline)) {
        std::fwprintf(stderr, L"zudav_probe: no shown window of class %ls\n", className);
        return 1;
    }
    HWND control = GetDlgItem(window, controlId);
    if (control == nullptr) {
        std::fwprintf(stderr, L"zudav_probe: the window of class %ls has no control %d\n", className, controlId);
        return 1;
    }
    // Posted: the press opens a modal window, whose loop would hold a sent message.
    PostMessageW(control, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
    PostMessageW(control, WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool pressing = argc == 5 && std::wstring(argv[1]) == L"press-right";
    if (argc != 4 && !pressing) {
        std::fwprintf(stderr,
                      L"usage: zudav_probe wait|close CLASS TIMEOUT_MS\n"
                      L"       zudav_probe press-right CLASS TIMEOUT_MS CONTROL_ID\n");
        return 2;
    }
    const std::wstring command = argv[1];
    const ULONGLONG deadline = GetTickCount64() + std::wcstoul(argv[3], nullptr, 10);
    if (command == L"wait") {
        return waitForWindow(argv[2], deadline);
    }
    if (command == L"close") {
        return closeWindow(argv[2], deadline);
    }
    if (pressing) {
        return pressRight(argv[2], deadline, static_cast<int>(std::wcstol(argv[4], nullptr, 10)));
    }
    std::fwprintf(stderr, L"zudav_probe: unknown command %ls\n", argv[1]);
    return 2;
}
