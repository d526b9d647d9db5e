#include "bar/win32/command_line_switches.h"

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "bar/command_line.h"
#include "bar/settings/ini_text.h"
#include "bar/win32/running_bar.h"
#include "platform/paths.h"
#include "platform/win32/handles.h"

namespace zudav::win32 {
namespace {

// The arguments after the program's name, as the C runtime split them for wWinMain.
std::vector<std::wstring> Arguments() {
    std::vector<std::wstring> arguments;
    if (__wargv != nullptr) {
        for (int i = 1; i < __argc; ++i) {
            arguments.emplace_back(__wargv[i]);
        }
    }
    return arguments;
}

// A file named from the console is relative to its current folder; the settings' files are written beside it.
std::wstring FullPath(const std::wstring& file) {
    const DWORD size = GetFullPathNameW(file.c_str(), 0, nullptr, nullptr);
    if (size == 0) {
        return file;  // left as typed: the file's own step says it cannot be read or written
    }
    std::wstring full(size, L'\0');
    full.resize(GetFullPathNameW(file.c_str(), size, full.data(), nullptr));
    return full;
}

// Where the one who started the program sent its output (a file, a pipe), in UTF-8; else on its own line of the
// console it was started from. A program started from neither (a shortcut, the Run box) says nothing: its exit code
// tells how it ended.
void TellConsole(const std::wstring& text) {
    HANDLE given = GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (given != nullptr && given != INVALID_HANDLE_VALUE && !GetConsoleMode(given, &mode)) {
        const std::string bytes = ToUtf8(text + L"\r\n");
        DWORD written = 0;
        WriteFile(given, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        return;
    }
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) {
        return;
    }
    HANDLE opened = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    const UniqueHandle console(opened == INVALID_HANDLE_VALUE ? nullptr : opened);
    if (console) {
        const std::wstring line = L"\r\n" + text + L"\r\n";
        DWORD written = 0;
        WriteConsoleW(console.Get(), line.c_str(), static_cast<DWORD>(line.size()), &written, nullptr);
    }
    FreeConsole();
}

}  // namespace

std::optional<int> RunCommandLineSwitches(SettingsStore& store, Platform& platform) {
    std::optional<TransferCommand> command = ReadTransferCommand(Arguments());
    if (!command) {
        return std::nullopt;
    }
    if (!command->file.empty()) {
        command->file = FullPath(command->file);
    }
    Win32RunningBar running(BaseName(platform.ExecutablePath()));
    return RunTransferCommand(*command, store, platform, running, TellConsole);
}

}  // namespace zudav::win32
