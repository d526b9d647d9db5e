// Zudav: a launcher bar. Wires the Win32 platform, the settings store (the registry, or a portable bar's .ini), the
// bar window and the windows it opens together and runs the message loop; F1 in any window of the program opens its
// help file.
#include <windows.h>
// After windows.h, which it needs.
#include <ole2.h>

#include <cstdlib>
#include <exception>
#include <string>
#include <utility>

#include "about/win32/about_view.h"
#include "bar/principal.h"
#include "bar/settings/ini_file_store.h"
#include "bar/settings/win32/registry_store.h"
#include "bar/win32/bar_view.h"
#include "bar/win32/command_line_switches.h"
#include "config/win32/config_view.h"
#include "editor/win32/editor_view.h"
#include "platform/help.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/win32_platform.h"

#if defined(__GLIBCXX__)
// A program without a console has nowhere to print an uncaught exception: the library's handler, which would print its
// name and brings the C++ name demangler (some 45 KB) into Zudav.exe, is replaced by one that only ends the program.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
#endif

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
    // A bar with "<its name>.ini" beside it is portable: its settings are in that file, and none in the registry.
    zudav::IniFileStore portableStore(platform, zudav::PortableSettingsFile(platform.ExecutablePath()));
    zudav::win32::RegistryStore registryStore;
    const bool portable = platform.FileExists(zudav::PortableSettingsFile(platform.ExecutablePath()));
    zudav::SettingsStore& store = portable ? static_cast<zudav::SettingsStore&>(portableStore) : registryStore;
    if (portable) {
        portableStore.Load();
    }
    // "/export FICHIER" and "/import FICHIER" end here: no window, and a running bar of this name keeps running.
    if (const auto exitCode = zudav::win32::RunCommandLineSwitches(store, platform)) {
        return *exitCode;
    }
    zudav::win32::BarView view(instance);
    if (!view.Create()) {
        return 1;
    }
    platform.SetOwner(view.Handle());
    if (portable) {
        portableStore.TellProblem();  // over the bar's window, before the bar reads its settings
    }
    zudav::Principal principal(platform, store, view);
    zudav::win32::BarDialogs dialogs;
    dialogs.about = [&] { zudav::win32::ShowAboutBox(view.Handle(), platform, zudav::kSautLigne); };
    dialogs.editor = [&](int slot, const zudav::ShellItem& dropped) {
        zudav::win32::ShowEditor(view.Handle(), platform, principal.Model(), slot, view.PlaceholderPicture(), dropped);
    };
    dialogs.configuration = [&] {
        zudav::win32::ShowConfigWindow(view.Handle(), platform, principal, view, view.FreeSlotPicture());
    };
    view.Attach(principal, std::move(dialogs));

    if (principal.Charger() == zudav::Principal::LoadResult::AlreadyRunning) {
        view.Discard();  // another copy of this bar runs: end silently
        return 0;
    }
    view.ShowLoaded();

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_KEYDOWN && message.wParam == VK_F1) {
            ShowHelpOrTell(platform);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
