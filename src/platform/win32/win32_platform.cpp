#include "platform/win32/win32_platform.h"

#include <cwctype>
#include <vector>

namespace zudav::win32 {
namespace {

constexpr UINT kHtmlHelpDisplayTopic = 0x0000;  // HH_DISPLAY_TOPIC
using HtmlHelpFunction = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);

}  // namespace

std::wstring Win32Platform::ExecutablePath() const {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            return std::wstring(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool Win32Platform::ClaimSingleCopy(const std::wstring& baseName) {
    // One lock per executable name in this session, so that copies under other names run side by side.
    std::wstring name = L"Local\\Zudav.barre.";
    for (wchar_t c : baseName) {
        name += c == L'\\' ? L'_' : static_cast<wchar_t>(std::towlower(c));
    }
    singleCopyLock_.Reset(CreateMutexW(nullptr, FALSE, name.c_str()));
    if (!singleCopyLock_) {
        return true;  // no lock to be had: better two copies than no bar at all
    }
    return GetLastError() != ERROR_ALREADY_EXISTS;
}

wchar_t Win32Platform::DecimalSeparator() const {
    wchar_t separator[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, 8) > 0 && separator[0] != 0) {
        return separator[0];
    }
    return L'.';
}

void Win32Platform::ShowHelp() {
    if (!htmlHelp_) {
        htmlHelp_.Reset(LoadLibraryW(L"hhctrl.ocx"));
    }
    if (!htmlHelp_) {
        return;  // no help viewer on this system
    }
    auto htmlHelp =
        reinterpret_cast<HtmlHelpFunction>(reinterpret_cast<void*>(GetProcAddress(htmlHelp_.Get(), "HtmlHelpW")));
    if (htmlHelp != nullptr) {
        htmlHelp(owner_, helpFile_.c_str(), kHtmlHelpDisplayTopic, 0);
    }
}

void Win32Platform::Beep() {
    MessageBeep(MB_OK);
}

void Win32Platform::ShowMessage(const std::wstring& title, const std::wstring& text, MessageIcon icon) {
    const UINT style = MB_OK | (icon == MessageIcon::Stop ? MB_ICONSTOP : MB_ICONINFORMATION);
    MessageBoxW(owner_, text.c_str(), title.c_str(), style);
}

}  // namespace zudav::win32
