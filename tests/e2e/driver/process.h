// A program started by a test, ended in the test's teardown if it is still running, and the clean-up
// of programs that an earlier, interrupted test left behind.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

class Process {
  public:
    // Starts the executable with its own folder as working folder. Throws if it cannot start.
    static Process start(const std::wstring& executable, const std::wstring& arguments = L"");

    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    // Ends the process if it still runs: a failed test must not leave a bar behind.
    ~Process();

    DWORD id() const { return info_.dwProcessId; }
    bool isRunning() const;
    // Waits at most timeoutMs for the process to end; true if it has ended.
    bool waitForExit(DWORD timeoutMs);
    // The exit code of an ended process.
    DWORD exitCode() const;
    void terminate();

  private:
    Process() = default;
    void release();

    PROCESS_INFORMATION info_{};
};

// A running process as the system lists it.
struct ProcessEntry {
    DWORD id;
    DWORD parentId;
    std::wstring fileName;  // the executable's file name, without its folder
};
std::vector<ProcessEntry> runningProcesses();
// The processes started by the given ones, and by those in turn, still running. The given processes
// must still be known to the system (running, or held by a handle such as a Process object's).
std::vector<ProcessEntry> descendantsOf(const std::vector<DWORD>& ancestors);
// Ends the processes by id and waits for them to be gone; ids that no longer run are skipped.
void terminateProcesses(const std::vector<DWORD>& ids);

// Ends every process whose executable file name is one of the names (case-insensitive), and waits
// for them to be gone.
void terminateProcessesNamed(const std::vector<std::wstring>& fileNames);

}  // namespace e2e
