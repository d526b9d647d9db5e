#include "driver/window.h"

#include <algorithm>
#include <stdexcept>

#include "driver/error.h"
#include "driver/files.h"
#include "driver/poll.h"

namespace e2e {
namespace {

struct WindowSearch {
    DWORD processId;
    std::vector<HWND> found;
};

BOOL CALLBACK collectWindowOfProcess(HWND window, LPARAM parameter) {
    auto* search = reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId) {
        search->found.push_back(window);
    }
    return TRUE;
}

}  // namespace

LRESULT sendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kStepTimeoutMs, &result) == 0) {
        throwWindowsError("the window did not answer message " + std::to_string(message));
    }
    return static_cast<LRESULT>(result);
}

void setWindowText(HWND window, const std::wstring& text) {
    if (!sendWithin(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()))) {
        throw std::runtime_error("the window refused the text " + narrow(text));
    }
}

bool waitForWindowGone(HWND window, DWORD timeoutMs) {
    return pollUntil([&] { return IsWindow(window) == FALSE; }, timeoutMs);
}

std::vector<HWND> newShownWindows(DWORD processId, const std::vector<HWND>& known) {
    std::vector<HWND> shown;
    for (HWND window : topLevelWindows(processId)) {
        if (IsWindowVisible(window) && std::find(known.begin(), known.end(), window) == known.end()) {
            shown.push_back(window);
        }
    }
    return shown;
}

HWND childWithId(HWND parent, int id) {
    return GetDlgItem(parent, id);
}

std::vector<HWND> topLevelWindows(DWORD processId) {
    WindowSearch search{processId, {}};
    EnumWindows(collectWindowOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND findTopLevelWindow(DWORD processId, const std::wstring& className) {
    for (HWND window : topLevelWindows(processId)) {
        if (sameText(windowClass(window), className)) {
            return window;
        }
    }
    return nullptr;
}

HWND waitForShownWindow(DWORD processId, const std::wstring& className, DWORD timeoutMs) {
    HWND shown = nullptr;
    pollUntil(
        [&] {
            HWND window = findTopLevelWindow(processId, className);
            if (window != nullptr && IsWindowVisible(window)) {
                shown = window;
            }
            return shown != nullptr;
        },
        timeoutMs);
    if (shown != nullptr) {
        syncWith(shown);
    }
    return shown;
}

std::wstring windowClass(HWND window) {
    wchar_t name[256];
    const int length = GetClassNameW(window, name, 256);
    return std::wstring(name, static_cast<size_t>(length > 0 ? length : 0));
}

std::wstring windowText(HWND window) {
    const auto length = static_cast<size_t>(sendWithin(window, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    const auto copied =
        static_cast<size_t>(sendWithin(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    text.resize(copied < length ? copied : length);
    return text;
}

RECT windowRect(HWND window) {
    RECT rect{};
    if (!GetWindowRect(window, &rect)) {
        throwWindowsError("GetWindowRect");
    }
    return rect;
}

void syncWith(HWND window) {
    sendWithin(window, WM_NULL, 0, 0);
}

void post(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!PostMessageW(window, message, wParam, lParam)) {
        throwWindowsError("PostMessageW " + std::to_string(message));
    }
}

void postKey(HWND window, WPARAM key) {
    post(window, WM_KEYDOWN, key, 1);
    post(window, WM_KEYUP, key, 0xC0000001);
}

}  // namespace e2e
