// Win32Platform's view of the desktop's windows, as the taskbar lists them, and bringing one back or minimising it.
#include <propsys.h>
#include <shellapi.h>
#include <windows.h>

#include <map>

#include "platform/win32/system_dlls.h"
#include "platform/win32/win32_platform.h"

namespace zudav::win32 {
namespace {

// PKEY_AppUserModel_ID, named here: the import library does not carry it.
constexpr PROPERTYKEY kAppUserModelId = {{0x9F4C2855, 0x9F79, 0x4B39, {0xA8, 0xD0, 0xE1, 0xD4, 0x2D, 0xE1, 0xD5, 0xF3}},
                                         5};
constexpr DWORD kCloakedAttribute = 14;  // DWMWA_CLOAKED, Windows 8 and later

using DwmGetWindowAttributeFunction = HRESULT WINAPI(HWND, DWORD, PVOID, DWORD);
using GetApplicationUserModelIdFunction = LONG WINAPI(HANDLE, UINT32*, PWSTR);

bool Cloaked(HWND window) {
    static auto* const get = SystemFunction<DwmGetWindowAttributeFunction>(L"dwmapi.dll", "DwmGetWindowAttribute");
    DWORD cloaked = 0;
    return get != nullptr && SUCCEEDED(get(window, kCloakedAttribute, &cloaked, sizeof cloaked)) && cloaked != 0;
}

// The id a window was given (an app's, or one a program sets on its windows).
std::wstring WindowAppId(HWND window) {
    IPropertyStore* store = nullptr;
    if (FAILED(SHGetPropertyStoreForWindow(window, IID_PPV_ARGS(&store))) || store == nullptr) {
        return {};
    }
    const UniqueCom<IPropertyStore> held(store);
    PROPVARIANT value;
    PropVariantInit(&value);
    std::wstring id;
    if (SUCCEEDED(store->GetValue(kAppUserModelId, &value)) && value.vt == VT_LPWSTR && value.pwszVal != nullptr) {
        id = value.pwszVal;
    }
    PropVariantClear(&value);
    return id;
}

// What the process's executable and application id are; both empty for a process that may not be asked (another
// user's, an elevated one).
struct ProcessFacts {
    std::wstring program;
    std::wstring appId;
};
ProcessFacts FactsOfProcess(DWORD id, bool withAppId) {
    ProcessFacts facts;
    const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id));
    if (!process) {
        return facts;
    }
    wchar_t path[MAX_PATH * 2];
    DWORD length = static_cast<DWORD>(std::size(path));
    if (QueryFullProcessImageNameW(process.Get(), 0, path, &length)) {
        facts.program.assign(path, length);
    }
    static auto* const appId = reinterpret_cast<GetApplicationUserModelIdFunction*>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetApplicationUserModelId")));
    wchar_t name[256];
    UINT32 size = static_cast<UINT32>(std::size(name));
    if (withAppId && appId != nullptr && appId(process.Get(), &size, name) == ERROR_SUCCESS) {
        facts.appId = name;
    }
    return facts;
}

struct Listing {
    bool withAppIds = false;
    std::vector<DesktopWindow> windows;
    std::map<DWORD, ProcessFacts> processes;  // each process asked once
};

BOOL CALLBACK AddWindow(HWND window, LPARAM data) {
    if (!IsWindowVisible(window)) {
        return TRUE;
    }
    Listing& listing = *reinterpret_cast<Listing*>(data);
    const LONG_PTR extended = GetWindowLongPtrW(window, GWL_EXSTYLE);
    DesktopWindow shown;
    shown.id = reinterpret_cast<std::uintptr_t>(window);
    shown.owned = GetWindow(window, GW_OWNER) != nullptr;
    shown.toolWindow = (extended & WS_EX_TOOLWINDOW) != 0;
    shown.appWindow = (extended & WS_EX_APPWINDOW) != 0;
    if (!shown.appWindow && (shown.owned || shown.toolWindow)) {
        return TRUE;  // never on the taskbar: not worth asking its process
    }
    shown.cloaked = Cloaked(window);
    shown.minimised = IsIconic(window) != FALSE;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    auto known = listing.processes.find(process);
    if (known == listing.processes.end()) {
        known = listing.processes.emplace(process, FactsOfProcess(process, listing.withAppIds)).first;
    }
    shown.program = known->second.program;
    if (listing.withAppIds) {
        shown.appId = WindowAppId(window);
        if (shown.appId.empty()) {
            shown.appId = known->second.appId;
        }
    }
    wchar_t title[256];
    const int length = GetWindowTextW(window, title, static_cast<int>(std::size(title)));
    shown.title.assign(title, static_cast<size_t>(std::max(length, 0)));
    listing.windows.push_back(std::move(shown));
    return TRUE;
}

}  // namespace

// EnumWindows lists the top-level windows in their order on the screen, the one in front first.
std::vector<DesktopWindow> Win32Platform::DesktopWindows(bool withAppIds) const {
    Listing listing;
    listing.withAppIds = withAppIds;
    EnumWindows(AddWindow, reinterpret_cast<LPARAM>(&listing));
    return std::move(listing.windows);
}

std::uintptr_t Win32Platform::WindowInFront() const {
    return reinterpret_cast<std::uintptr_t>(GetForegroundWindow());
}

// The bar has just had the user's click or key, which gives it the right to hand the foreground on.
void Win32Platform::CommandWindow(std::uintptr_t id, WindowCommand command) {
    const HWND window = reinterpret_cast<HWND>(id);
    if (!IsWindow(window)) {
        return;
    }
    if (command == WindowCommand::Minimise) {
        ShowWindowAsync(window, SW_MINIMIZE);
        return;
    }
    if (IsIconic(window)) {
        ShowWindowAsync(window, SW_RESTORE);
    }
    SetForegroundWindow(window);
}

}  // namespace zudav::win32
