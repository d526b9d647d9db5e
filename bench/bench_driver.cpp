// Measures the bar under the running Windows (or Wine): the time from process start to the bar shown with
// thirteen items drawn, against a bare window program; one refresh of the thirteen slots, against an empty
// message round trip; the private memory of both; and the GDI objects that refreshes leave behind.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bar/win32/bar_ids.h"
#include "resources/resource_ids.h"

namespace {

constexpr wchar_t kBenchBar[] = L"ZudavBanc";  // the copy's name: its settings do not touch a real bar's
constexpr DWORD kTimeoutMs = 20000;

double Now() {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

struct Search {
    DWORD process;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window) && GetWindow(window, GW_OWNER) == nullptr) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND VisibleWindowOf(DWORD process) {
    Search search{process, nullptr};
    EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// The private commit (PagefileUsage: Wine fills it, and it equals PrivateUsage on Windows).
SIZE_T PrivateBytes(HANDLE process) {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    return GetProcessMemoryInfo(process, &memory, sizeof memory) ? memory.PagefileUsage : 0;
}

struct Run {
    double startMs = 0;
    SIZE_T privateBytes = 0;
    SIZE_T workingSetBytes = 0;
    HWND window = nullptr;
    PROCESS_INFORMATION process{};
};

// Starts a program and waits until its window is visible and its queue has handled everything before it.
bool Start(const std::wstring& executable, Run& run) {
    std::wstring command = L"\"" + executable + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    const double begin = Now();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &run.process)) {
        return false;
    }
    while ((run.window = VisibleWindowOf(run.process.dwProcessId)) == nullptr) {
        if (Now() - begin > kTimeoutMs) {
            return false;
        }
        Sleep(1);
    }
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(run.window, WM_NULL, 0, 0, SMTO_NORMAL, kTimeoutMs, &ignored);
    run.startMs = Now() - begin;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(run.process.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory)) {
        run.privateBytes = PrivateBytes(run.process.hProcess);
        run.workingSetBytes = memory.WorkingSetSize;
    }
    return true;
}

void Stop(Run& run) {
    PostMessageW(run.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(run.process.hProcess, kTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(run.process.hProcess, 1);
    }
    CloseHandle(run.process.hThread);
    CloseHandle(run.process.hProcess);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void StoreThirteenItems() {
    const std::wstring section = std::wstring(L"Software\\VB and VBA Program Settings\\") + kBenchBar + L"\\Donnees";
    RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(L"Software\\VB and VBA Program Settings\\") + kBenchBar).c_str());
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, section.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    const wchar_t* programs[] = {L"notepad.exe",     L"winecfg.exe", L"regedit.exe", L"cmd.exe",     L"explorer.exe",
                                 L"taskmgr.exe",     L"write.exe",   L"winver.exe",  L"msiexec.exe", L"control.exe",
                                 L"uninstaller.exe", L"wordpad.exe", L"clock.exe"};
    for (int n = 0; n < 13; ++n) {
        const std::wstring path = std::wstring(system) + L"\\" + programs[n];
        const std::wstring name = L"Chemin" + std::to_wstring(n);
        RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                       static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: %ls Zudav.exe bare_window.exe [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::max(1, _wtoi(argv[3])) : 7;
    // A copy under a name of its own, beside the original.
    std::wstring bar = argv[1];
    const std::wstring copy = bar.substr(0, bar.find_last_of(L"\\/") + 1) + kBenchBar + L".exe";
    if (!CopyFileW(bar.c_str(), copy.c_str(), FALSE)) {
        std::fwprintf(stderr, L"cannot copy %ls\n", bar.c_str());
        return 1;
    }
    StoreThirteenItems();

    std::vector<double> barStart, bareStart, refresh, roundTrip;
    SIZE_T barMemory = 0, bareMemory = 0, barWorkingSet = 0, bareWorkingSet = 0;
    SIZE_T privateBefore = 0, privateAfter = 0;
    DWORD gdiBefore = 0, gdiAfter = 0;
    const int refreshes = 200;
    for (int i = 0; i < runs; ++i) {
        Run bare;
        if (!Start(argv[2], bare)) {
            std::fwprintf(stderr, L"the bare window did not show\n");
            return 1;
        }
        bareStart.push_back(bare.startMs);
        bareMemory = bare.privateBytes;
        bareWorkingSet = bare.workingSetBytes;
        Stop(bare);

        Run zudav;
        if (!Start(copy, zudav)) {
            std::fwprintf(stderr, L"the bar did not show\n");
            return 1;
        }
        barStart.push_back(zudav.startMs);
        barMemory = zudav.privateBytes;
        barWorkingSet = zudav.workingSetBytes;
        if (i == 0) {
            gdiBefore = GetGuiResources(zudav.process.hProcess, GR_GDIOBJECTS);
            privateBefore = PrivateBytes(zudav.process.hProcess);
            for (int k = 0; k < refreshes; ++k) {
                const double t0 = Now();
                SendMessageW(zudav.window, WM_COMMAND, IDM_RAFRAICHIR, 0);
                const double t1 = Now();
                SendMessageW(zudav.window, WM_NULL, 0, 0);
                const double t2 = Now();
                refresh.push_back(t1 - t0);
                roundTrip.push_back(t2 - t1);
            }
            gdiAfter = GetGuiResources(zudav.process.hProcess, GR_GDIOBJECTS);
            privateAfter = PrivateBytes(zudav.process.hProcess);
        }
        Stop(zudav);
    }
    DeleteFileW(copy.c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(L"Software\\VB and VBA Program Settings\\") + kBenchBar).c_str());

    std::wprintf(L"%-44ls %14ls %14ls\n", L"measure (median)", L"Zudav", L"baseline");
    std::wprintf(L"%-44ls %11.1f ms %11.1f ms   (bare window program)\n", L"process start to window shown, 13 items",
                 Median(barStart), Median(bareStart));
    std::wprintf(L"%-44ls %11.3f ms %11.3f ms   (empty message round trip)\n", L"one refresh of the 13 slots",
                 Median(refresh), Median(roundTrip));
    std::wprintf(L"%-44ls %11.0f KB %11.0f KB   (bare window program)\n", L"private memory after start-up",
                 static_cast<double>(barMemory) / 1024.0, static_cast<double>(bareMemory) / 1024.0);
    std::wprintf(L"%-44ls %11.0f KB %11.0f KB   (bare window program)\n", L"working set after start-up",
                 static_cast<double>(barWorkingSet) / 1024.0, static_cast<double>(bareWorkingSet) / 1024.0);
    std::wprintf(L"%-44ls %11.0f KB %11.0f KB   (before / after %d refreshes)\n", L"private memory of the bar",
                 static_cast<double>(privateBefore) / 1024.0, static_cast<double>(privateAfter) / 1024.0, refreshes);
    // Wine does not count GDI objects (0 here); Windows does.
    std::wprintf(L"%-44ls %14lu %14lu   (before / after %d refreshes)\n", L"GDI objects of the bar", gdiBefore,
                 gdiAfter, refreshes);
    std::wprintf(L"runs: %d\n", runs);
    return 0;
}
