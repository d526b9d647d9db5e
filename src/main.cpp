// Zudav: a launcher bar. Wires the Win32 platform, the settings store (the registry, or a portable bar's .ini), the
// bar window and the windows it opens together and runs the message loop; F1 in any window of the program opens its
// help file.
#include <windows.h>
// After windows.h, which it needs.
#include <ole2.h>

#include <cstdlib>
#include <exception>
#include <memory>
#include <new>
#include <string>
#include <utility>

#include "about/win32/about_view.h"
#include "bar/bar_screens.h"
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
// The program catches no exception: one the library would throw (a string too long for memory, a thread that cannot
// start) ends it, as std::terminate did. The library's throwing helpers are replaced by ones that end it at once, so
// that the exception classes, their copy-on-write strings and what they bring along (some 40 KB) stay out of
// Zudav.exe. Likewise the handler that would print an uncaught exception's name, which brings the C++ name demangler
// (some 45 KB): a program without a console has nowhere to print it.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    std::abort();
}
}  // namespace __gnu_cxx
namespace std {
void __throw_bad_exception() {
    std::abort();
}
void __throw_bad_alloc() {
    std::abort();
}
void __throw_bad_array_new_length() {
    std::abort();
}
void __throw_bad_cast() {
    std::abort();
}
void __throw_bad_typeid() {
    std::abort();
}
void __throw_bad_function_call() {
    std::abort();
}
void __throw_logic_error(const char*) {
    std::abort();
}
void __throw_domain_error(const char*) {
    std::abort();
}
void __throw_invalid_argument(const char*) {
    std::abort();
}
void __throw_length_error(const char*) {
    std::abort();
}
void __throw_out_of_range(const char*) {
    std::abort();
}
void __throw_out_of_range_fmt(const char*, ...) {
    std::abort();
}
void __throw_runtime_error(const char*) {
    std::abort();
}
void __throw_range_error(const char*) {
    std::abort();
}
void __throw_overflow_error(const char*) {
    std::abort();
}
void __throw_underflow_error(const char*) {
    std::abort();
}
void __throw_system_error(int) {
    std::abort();
}
}  // namespace std
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

// The windows a window of the bar opens, beside it: the About box, the item editor, and the configuration window, which
// works on the bar's own window.
zudav::win32::BarDialogs BarDialogsFor(zudav::win32::BarView& view,
                                       zudav::Platform& platform,
                                       zudav::Principal& principal,
                                       zudav::Principal& own,
                                       zudav::win32::BarView& ownView) {
    zudav::win32::BarDialogs dialogs;
    dialogs.about = [&view, &platform] { zudav::win32::ShowAboutBox(view.Handle(), platform, zudav::kSautLigne); };
    dialogs.editor = [&view, &platform, &principal](int slot, const zudav::ShellItem& dropped) {
        zudav::win32::ShowEditor(view.Handle(), platform, principal.Model(), slot, view.PlaceholderPicture(), dropped);
    };
    dialogs.configuration = [&view, &platform, &own, &ownView] {
        zudav::win32::ShowConfigWindow(view.Handle(), platform, own, ownView, view.FreeSlotPicture());
    };
    return dialogs;
}

// A window of the bar on another monitor: its view and its logic over the bar's model.
struct OtherScreenWindow final : zudav::ScreenWindow {
    OtherScreenWindow(HINSTANCE instance, zudav::Platform& platform, zudav::BarModel& model)
        : view(instance), principal(platform, model, view) {}
    ~OtherScreenWindow() override {
        view.Discard();  // while its logic still answers the window's last messages
    }
    zudav::Principal& Logic() override { return principal; }
    void Show() override { view.ShowOnOtherScreen(); }
    void Hide() override { ShowWindow(view.Handle(), SW_HIDE); }

    zudav::win32::BarView view;
    zudav::Principal principal;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // Memory that runs out ends the program at once, as an exception nothing catches would: no exception ever runs
    // through the program's code, which is built without exceptions nor their unwind tables.
    std::set_new_handler([] { std::abort(); });
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
    view.Attach(principal, BarDialogsFor(view, platform, principal, principal, view));
    // The same bar on every other monitor, its windows made as the monitors and the option ask.
    zudav::BarScreens screens(platform, principal, [&]() -> std::unique_ptr<zudav::ScreenWindow> {
        auto window = std::make_unique<OtherScreenWindow>(instance, platform, principal.Model());
        if (!window->view.Create()) {
            return nullptr;
        }
        window->view.Attach(window->principal,
                            BarDialogsFor(window->view, platform, window->principal, principal, view));
        window->principal.StartOnOtherScreen();
        return window;
    });

    if (principal.Charger() == zudav::Principal::LoadResult::AlreadyRunning) {
        view.Discard();  // another copy of this bar runs: end silently
        return 0;
    }
    view.ShowLoaded();
    screens.Start();

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

#if defined(ZUDAV_NARROW_STARTUP)
// A C runtime without the wide start-up (Zig's MinGW-w64 runtime: its driver ignores -municode) starts the program
// here, the wide arguments not split. msvcrt's __wgetmainargs splits them into __wargv, which the switches read, as the
// wide start-up does (no wildcard expansion, the default new mode); wWinMain is given what follows the program's name.
extern "C" int __cdecl __wgetmainargs(int*, wchar_t***, wchar_t***, int, int*);

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    int count = 0;
    wchar_t** arguments = nullptr;
    wchar_t** environment = nullptr;
    int newMode = 0;
    __wgetmainargs(&count, &arguments, &environment, 0, &newMode);
    PWSTR tail = GetCommandLineW();
    for (bool quoted = false; *tail > L' ' || (*tail != L'\0' && quoted); ++tail) {
        quoted = *tail == L'"' ? !quoted : quoted;
    }
    while (*tail != L'\0' && *tail <= L' ') {
        ++tail;
    }
    return wWinMain(instance, nullptr, tail, show);
}
#endif
