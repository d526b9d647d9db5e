// What the bar takes from the user's session: the environment as Windows builds it for a new logon, its restart by
// the Restart Manager, and the characters of the user's keyboard layouts.
#include <windows.h>
// After windows.h, which they need.
#include <userenv.h>

#include <algorithm>
#include <vector>

#include "platform/win32/handles.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/win32_platform.h"

namespace zudav::win32 {
namespace {

// A block of NUL-terminated "NAME=value" texts, ended by an empty one. The hidden "=C:=C:\..." entries begin with '='.
Environment ReadBlock(const wchar_t* block) {
    Environment variables;
    for (const wchar_t* entry = block; *entry != L'\0'; entry += wcslen(entry) + 1) {
        const wchar_t* equals = wcschr(entry + 1, L'=');
        if (equals != nullptr) {
            variables.emplace_back(std::wstring(entry, equals), std::wstring(equals + 1));
        }
    }
    return variables;
}

}  // namespace

// As Explorer rebuilds its own: the machine's and the user's variables and the session's (volatile) ones, read from
// the registry for this process's user, without inheriting this process's. userenv is no known DLL: it is taken from
// the system folder.
std::optional<Environment> Win32Platform::FreshEnvironment() const {
    static const auto create =
        SystemFunction<decltype(::CreateEnvironmentBlock)>(L"userenv.dll", "CreateEnvironmentBlock");
    static const auto destroy =
        SystemFunction<decltype(::DestroyEnvironmentBlock)>(L"userenv.dll", "DestroyEnvironmentBlock");
    HANDLE token = nullptr;
    if (create == nullptr || destroy == nullptr ||
        !OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY | TOKEN_DUPLICATE | TOKEN_IMPERSONATE, &token)) {
        return std::nullopt;
    }
    const UniqueHandle owned(token);
    void* block = nullptr;
    if (!create(&block, token, FALSE)) {
        return std::nullopt;
    }
    Environment variables = ReadBlock(static_cast<const wchar_t*>(block));
    destroy(block);
    return variables;
}

Environment Win32Platform::ProcessEnvironment() const {
    wchar_t* block = GetEnvironmentStringsW();
    if (block == nullptr) {
        return {};
    }
    Environment variables = ReadBlock(block);
    FreeEnvironmentStringsW(block);
    return variables;
}

void Win32Platform::SetProcessVariable(const std::wstring& name, const std::optional<std::wstring>& value) {
    SetEnvironmentVariableW(name.c_str(), value ? value->c_str() : nullptr);
}

// The bar takes no arguments: Windows starts it again as it was started.
void Win32Platform::RegisterForRestart() {
    RegisterApplicationRestart(nullptr, RESTART_NO_CRASH | RESTART_NO_HANG | RESTART_NO_REBOOT);
}

// Ctrl and Alt held are AltGr. Windows 10 1607 and later leave the keyboard's state (a dead key pending) as it was when
// asked so (bit 2 of the flags); older systems ignore the flag and keep a dead key pending: the same key once more
// gives it out and clears it.
std::vector<std::wstring> Win32Platform::AltGrCharacters(unsigned virtualKey) const {
    constexpr UINT kKeepKeyboardState = 0x4;
    std::vector<HKL> layouts(static_cast<size_t>(std::max(GetKeyboardLayoutList(0, nullptr), 0)));
    layouts.resize(
        static_cast<size_t>(std::max(GetKeyboardLayoutList(static_cast<int>(layouts.size()), layouts.data()), 0)));
    BYTE state[256] = {};
    state[VK_CONTROL] = state[VK_LCONTROL] = state[VK_MENU] = state[VK_RMENU] = 0x80;
    std::vector<std::wstring> characters;
    for (HKL layout : layouts) {
        const UINT scanCode = MapVirtualKeyExW(virtualKey, MAPVK_VK_TO_VSC, layout);
        wchar_t given[8] = {};
        int length = ToUnicodeEx(virtualKey, scanCode, state, given, 8, kKeepKeyboardState, layout);
        if (length < 0) {  // a dead key: its own character is in the buffer
            wchar_t pair[8] = {};
            ToUnicodeEx(virtualKey, scanCode, state, pair, 8, kKeepKeyboardState, layout);
            length = 1;
        }
        characters.emplace_back(given, static_cast<size_t>(std::max(length, 0)));
    }
    return characters;
}

std::wstring Win32Platform::KeyName(unsigned virtualKey) const {
    wchar_t name[64] = {};
    const LONG scanCode = static_cast<LONG>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    const int length = GetKeyNameTextW(scanCode << 16, name, 64);
    return length > 0 ? std::wstring(name, static_cast<size_t>(length))
                      : std::wstring(1, static_cast<wchar_t>(virtualKey));
}

}  // namespace zudav::win32
