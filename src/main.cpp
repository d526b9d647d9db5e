// Zudav: a launcher bar. Wires the Win32 platform, the registry store and the bar window together and runs
// the message loop; F1 in any window of the program opens its help file.
#include <windows.h>
// After windows.h, which it needs.
#include <ole2.h>

#include "bar/labarre.h"
#include "bar/principal.h"
#include "bar/settings/win32/registry_store.h"
#include "bar/win32/bar_view.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/win32_platform.h"

namespace {

// OLE on the bar's thread, for as long as its windows live: drag and drop of files onto the bar, shortcuts, and the
// shell's file associations (opening documents).
class OleSession {
  public:
    OleSession() : initialized_(SUCCEEDED(OleInitialize(nullptr))) {}
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    ~OleSession() {
        if (initialized_) {
            OleUninitialize();
        }
    }

  private:
    bool initialized_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // A bar is a copy of Zudav.exe in any folder, beside which anything may lie.
    zudav::win32::LimitDllSearchToSystem();
    const OleSession ole;
    zudav::win32::Win32Platform platform;
    zudav::win32::RegistryStore store;
    zudav::LaBarre module;

    zudav::win32::BarView view(instance, platform, module);
    if (!view.Create()) {
        return 1;
    }
    platform.SetOwner(view.Handle());
    zudav::Principal principal(platform, store, view, module);
    view.Attach(principal);

    if (principal.Charger() == zudav::Principal::LoadResult::AlreadyRunning) {
        view.Discard();  // another copy of this bar runs: end silently
        return 0;
    }
    view.ShowLoaded();

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_KEYDOWN && message.wParam == VK_F1) {
            platform.ShowHelp();
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
