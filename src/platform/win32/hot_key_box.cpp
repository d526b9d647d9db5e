#include "platform/win32/hot_key_box.h"

#include <commctrl.h>

#include <array>
#include <string_view>

namespace zudav::win32 {
namespace {

bool HasClass(HWND window, std::wstring_view prefix) {
    std::array<wchar_t, 64> name{};
    const int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return std::wstring_view(name.data(), static_cast<size_t>(length)).substr(0, prefix.size()) == prefix;
}

}  // namespace

bool HandHotKeyToBoxInFront(std::uint16_t combination) {
    HWND front = GetForegroundWindow();
    if (front == nullptr) {
        return false;
    }
    // The focus of another process's thread: GetFocus only knows this thread's.
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(front, nullptr), &thread) || thread.hwndFocus == nullptr ||
        !HasClass(thread.hwndFocus, HOTKEY_CLASSW)) {
        return false;
    }
    HWND window = GetAncestor(thread.hwndFocus, GA_ROOT);
    if (!HasClass(window, L"Zudav")) {
        return false;  // another program's box: the combination stays the bar's
    }
    static const UINT message = RegisterWindowMessageW(kHotKeyTakenMessage);
    return PostMessageW(window, message, combination, 0) != FALSE;
}

}  // namespace zudav::win32
