#include "driver/process.h"

#include <tlhelp32.h>

#include <utility>

#include "driver/error.h"
#include "driver/files.h"
#include "driver/poll.h"

namespace e2e {

Process Process::start(const std::wstring& executable, const std::wstring& arguments) {
    std::wstring commandLine = L"\"" + executable + L"\"";
    if (!arguments.empty()) {
        commandLine += L" " + arguments;
    }
    const std::wstring folder = parentFolder(executable);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    Process process;
    if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process.info_)) {
        throwWindowsError("cannot start " + narrow(executable));
    }
    return process;
}

Process::Process(Process&& other) noexcept : info_(std::exchange(other.info_, PROCESS_INFORMATION{})) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        release();
        info_ = std::exchange(other.info_, PROCESS_INFORMATION{});
    }
    return *this;
}

Process::~Process() {
    release();
}

void Process::release() {
    if (info_.hProcess == nullptr) {
        return;
    }
    terminate();
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
    info_ = PROCESS_INFORMATION{};
}

bool Process::isRunning() const {
    return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Process::waitForExit(DWORD timeoutMs) {
    return WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Process::exitCode() const {
    DWORD code = 0;
    if (!GetExitCodeProcess(info_.hProcess, &code)) {
        throwWindowsError("GetExitCodeProcess");
    }
    return code;
}

void Process::terminate() {
    if (isRunning()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, kStepTimeoutMs);
    }
}

void terminateProcessesNamed(const std::vector<std::wstring>& fileNames) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        throwWindowsError("CreateToolhelp32Snapshot");
    }
    std::vector<HANDLE> ending;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        bool named = false;
        for (const std::wstring& name : fileNames) {
            named = named || sameText(entry.szExeFile, name);
        }
        if (!named || entry.th32ProcessID == GetCurrentProcessId()) {
            continue;
        }
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID);
        if (process != nullptr) {
            TerminateProcess(process, 1);
            ending.push_back(process);
        }
    }
    CloseHandle(snapshot);
    for (HANDLE process : ending) {
        WaitForSingleObject(process, kStepTimeoutMs);
        CloseHandle(process);
    }
}

}  // namespace e2e
