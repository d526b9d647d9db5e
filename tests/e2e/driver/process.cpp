#include "driver/process.h"

#include <tlhelp32.h>

#include <algorithm>
#include <optional>
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

std::vector<ProcessEntry> runningProcesses() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        throwWindowsError("CreateToolhelp32Snapshot");
    }
    std::vector<ProcessEntry> processes;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        processes.push_back({entry.th32ProcessID, entry.th32ParentProcessID, entry.szExeFile});
    }
    CloseHandle(snapshot);
    return processes;
}

namespace {

// When the process was created, or nothing when it cannot be asked (gone, or not ours to ask).
std::optional<ULONGLONG> creationTime(DWORD id) {
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, id);
    if (process == nullptr) {
        return std::nullopt;
    }
    FILETIME created{}, exited{}, kernel{}, user{};
    const bool known = GetProcessTimes(process, &created, &exited, &kernel, &user) != FALSE;
    CloseHandle(process);
    if (!known) {
        return std::nullopt;
    }
    return (static_cast<ULONGLONG>(created.dwHighDateTime) << 32) | created.dwLowDateTime;
}

}  // namespace

std::vector<ProcessEntry> descendantsOf(const std::vector<DWORD>& ancestors) {
    const std::vector<ProcessEntry> all = runningProcesses();
    struct Member {
        DWORD id;
        ULONGLONG created;
    };
    std::vector<Member> family;
    for (DWORD id : ancestors) {
        const auto created = creationTime(id);
        if (!created) {
            throwWindowsError("cannot tell when process " + std::to_string(id) + " was created");
        }
        family.push_back({id, *created});
    }
    std::vector<ProcessEntry> found;
    // Each round adds the children of the family found so far, until a round adds none. A process
    // names its parent by id only, and ids are used again: a child is younger than its parent, while
    // a process whose parent's id now belongs to a younger process is not that process's child.
    for (bool grew = true; grew;) {
        grew = false;
        for (const ProcessEntry& process : all) {
            const auto known = std::find_if(family.begin(), family.end(),
                                            [&](const Member& member) { return member.id == process.id; });
            const auto parent = std::find_if(family.begin(), family.end(),
                                             [&](const Member& member) { return member.id == process.parentId; });
            if (known != family.end() || parent == family.end() || process.id == GetCurrentProcessId()) {
                continue;
            }
            const auto created = creationTime(process.id);
            if (!created || *created < parent->created) {
                continue;
            }
            family.push_back({process.id, *created});
            found.push_back(process);
            grew = true;
        }
    }
    return found;
}

void terminateProcesses(const std::vector<DWORD>& ids) {
    std::vector<HANDLE> ending;
    for (DWORD id : ids) {
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
        if (process != nullptr) {
            TerminateProcess(process, 1);
            ending.push_back(process);
        }
    }
    for (HANDLE process : ending) {
        WaitForSingleObject(process, kStepTimeoutMs);
        CloseHandle(process);
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
