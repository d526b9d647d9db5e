// Measures the bar under the running Windows (or Wine): the time from process start to the bar shown with thirteen
// items drawn, against a bare window program; one refresh of the thirteen slots, against an empty message round trip;
// the private memory of both, and of ten bars at once against ten floors; a click on a folder's slot until its menu of
// 300 files shows the pictures of its visible entries, against a menu of their names alone; and what days of use leave
// behind (each 1,000 refreshes and 100 openings of the item editor and of the About box): the bar's private memory, and
// the handles of each kind that its wrappers hold, as the bar reports them (GetGuiResources reads 0 under Wine).
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "about/win32/about_ids.h"
#include "bar/win32/bar_ids.h"
#include "bar_places.h"
#include "editor/win32/editor_ids.h"
#include "menu_timing.h"
#include "platform/win32/handles.h"
#include "resources/resource_ids.h"

namespace {

constexpr wchar_t kBenchBar[] = L"ZudavBanc";  // the copy's name: its settings do not touch a real bar's
constexpr DWORD kTimeoutMs = 20000;

using zudav_bench::Now;

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
bool Start(const std::wstring& executable, Run& run, const std::wstring& arguments = L"") {
    std::wstring command = L"\"" + executable + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
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

// One refresh, timed until what it changed is painted: the bar's boxes repaint after the command, while the floor
// draws within it. The command alone, without the painting, goes to `commandOnly` when given.
double TimeRefresh(HWND window, std::vector<double>* commandOnly = nullptr) {
    const double t0 = Now();
    SendMessageW(window, WM_COMMAND, IDM_RAFRAICHIR, 0);
    if (commandOnly != nullptr) {
        commandOnly->push_back(Now() - t0);
    }
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return Now() - t0;
}

std::vector<double> TimeRefreshes(HWND window, int count) {
    std::vector<double> times;
    for (int k = 0; k < count; ++k) {
        times.push_back(TimeRefresh(window));
    }
    return times;
}

// The CPU time (user and kernel) of a process so far, in milliseconds.
double CpuMs(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) {
        return -1;
    }
    const auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

using zudav::win32::HandleKind;
constexpr const wchar_t* kKindNames[] = {L"keys",        L"icons",           L"fonts",       L"bitmaps",
                                         L"pens",        L"menus",           L"kernel",      L"modules",
                                         L"COM objects", L"device contexts", L"event hooks", L"brushes"};
static_assert(sizeof kKindNames / sizeof kKindNames[0] == static_cast<size_t>(HandleKind::Count));

// The handles of each kind that the bar's wrappers hold now (-1: no answer).
std::vector<LRESULT> LiveHandles(HWND bar) {
    static const UINT query = RegisterWindowMessageW(zudav::win32::kLiveHandlesMessage);
    std::vector<LRESULT> counts;
    for (WPARAM kind = 0; kind < static_cast<WPARAM>(HandleKind::Count); ++kind) {
        DWORD_PTR answer = 0;
        const bool answered = SendMessageTimeoutW(bar, query, kind, 0, SMTO_NORMAL, kTimeoutMs, &answer) != 0;
        counts.push_back(answered ? static_cast<LRESULT>(answer) : -1);
    }
    return counts;
}

// The shown window of that class in the process, within the time limit.
HWND WaitShown(DWORD process, const wchar_t* windowClass) {
    for (const double begin = Now(); Now() - begin < kTimeoutMs; Sleep(1)) {
        for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, windowClass, nullptr)) != nullptr;) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == process && IsWindowVisible(window)) {
                return window;
            }
        }
    }
    return nullptr;
}

// Opens the item editor of slot 0 (a right press on its cell) or the About box (the notification icon's double
// click), and closes it with Escape; false when it did not show or did not close.
bool OpenAndClose(const Run& bar, bool editor) {
    if (editor) {
        const POINT at = zudav_tools::OnCell(zudav_tools::BarPlaces(bar.window), 0);
        PostMessageW(bar.window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
        PostMessageW(bar.window, WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    } else {
        PostMessageW(bar.window, zudav::win32::kTrayMessage, zudav::win32::kTrayIconId, WM_LBUTTONDBLCLK);
    }
    HWND window =
        WaitShown(bar.process.dwProcessId, editor ? zudav::win32::kEditorWindowClass : zudav::win32::kAboutWindowClass);
    if (window == nullptr) {
        return false;
    }
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    for (const double begin = Now(); IsWindow(window); Sleep(1)) {
        if (Now() - begin > kTimeoutMs) {
            return false;
        }
    }
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(bar.window, WM_NULL, 0, 0, SMTO_NORMAL, kTimeoutMs, &ignored) != 0;
}

// What the bar holds at one moment.
struct Holding {
    SIZE_T privateBytes = 0;
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    std::vector<LRESULT> handles;
};

Holding Measure(const Run& bar) {
    return {PrivateBytes(bar.process.hProcess), GetGuiResources(bar.process.hProcess, GR_GDIOBJECTS),
            GetGuiResources(bar.process.hProcess, GR_USEROBJECTS), LiveHandles(bar.window)};
}

constexpr int kRefreshes = 1000;
constexpr int kOpenings = 100;
constexpr int kDays = 3;

// A day of use: refreshes (each timed, and an empty round trip after it), then openings of the item editor and of the
// About box in turn; false when a window did not open or close.
bool DayOfUse(const Run& bar,
              std::vector<double>& refresh,
              std::vector<double>& refreshCommand,
              std::vector<double>& roundTrip) {
    for (int k = 0; k < kRefreshes; ++k) {
        refresh.push_back(TimeRefresh(bar.window, &refreshCommand));
        const double t1 = Now();
        SendMessageW(bar.window, WM_NULL, 0, 0);
        roundTrip.push_back(Now() - t1);
    }
    for (int k = 0; k < 2 * kOpenings; ++k) {
        if (!OpenAndClose(bar, k % 2 == 0)) {
            std::fwprintf(stderr, L"opening %d of the item editor or the About box failed\n", k / 2);
            return false;
        }
    }
    return true;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

const std::wstring kStore = L"Software\\VB and VBA Program Settings\\";

// The items' section of the bar of that name, emptied.
HKEY EmptyItems(const std::wstring& bar) {
    RegDeleteTreeW(HKEY_CURRENT_USER, (kStore + bar).c_str());
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, (kStore + bar + L"\\Donnees").c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                    &key, nullptr);
    return key;
}

void SetText(HKEY key, const std::wstring& name, const std::wstring& text) {
    RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

// Thirteen of Wine's programs for the bar of that name; the fourth shows a picture file of its own (Icone3), the
// program's free-slot picture.
void StoreThirteenItems(const std::wstring& bar, const std::wstring& picture) {
    HKEY key = EmptyItems(bar);
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    const wchar_t* programs[] = {L"notepad.exe",     L"winecfg.exe", L"regedit.exe", L"cmd.exe",     L"explorer.exe",
                                 L"taskmgr.exe",     L"write.exe",   L"winver.exe",  L"msiexec.exe", L"control.exe",
                                 L"uninstaller.exe", L"wordpad.exe", L"clock.exe"};
    for (int n = 0; n < 13; ++n) {
        SetText(key, L"Chemin" + std::to_wstring(n), std::wstring(system) + L"\\" + programs[n]);
    }
    SetText(key, L"Icone3", picture);
    RegCloseKey(key);
}

// Ten bars running at once, copies under names of their own, each with the thirteen items, then ten floors at once: the
// private memory of the ten together once all are shown. False when one did not show.
constexpr int kTogether = 10;
bool TenAtOnce(const std::wstring& bar,
               const std::wstring& floor,
               const std::wstring& picture,
               SIZE_T& bars,
               SIZE_T& floors) {
    const std::wstring folder = bar.substr(0, bar.find_last_of(L"\\/") + 1);
    std::vector<Run> running(kTogether);
    bool shown = true;
    for (int program = 0; program < 2; ++program) {
        SIZE_T& total = program == 0 ? bars : floors;
        total = 0;
        for (int i = 0; i < kTogether && shown; ++i) {
            const std::wstring name = kBenchBar + std::to_wstring(i), copy = folder + name + L".exe";
            if (program == 0) {
                StoreThirteenItems(name, picture);
                shown = CopyFileW(bar.c_str(), copy.c_str(), FALSE) && Start(copy, running[i]);
            } else {
                shown = Start(floor, running[i], kBenchBar);
            }
        }
        for (int i = 0; i < kTogether; ++i) {
            total += running[i].process.hProcess != nullptr ? PrivateBytes(running[i].process.hProcess) : 0;
            if (running[i].process.hProcess != nullptr) {
                Stop(running[i]);
            }
            running[i] = Run{};
            if (program == 0) {
                DeleteFileW((folder + kBenchBar + std::to_wstring(i) + L".exe").c_str());
                RegDeleteTreeW(HKEY_CURRENT_USER, (kStore + kBenchBar + std::to_wstring(i)).c_str());
            }
        }
    }
    return shown;
}

// A folder of 300 files on the first and only slot of a bar copied under a name of its own, shown as a menu of its
// contents when clicked, and the same folder in the floor's menu of text alone: `runs` openings of each in turn, timed,
// after one opening of each that loads what the first one loads for good. False when one did not show or close.
constexpr int kFolderFiles = 300;
struct MenuFigures {
    std::vector<double> shown, pictures, floor;  // the bar's menu shown, with its pictures; the floor's shown
};
bool FolderMenus(const std::wstring& bar, const std::wstring& floor, int runs, MenuFigures& figures) {
    const std::wstring files = zudav_bench::MakeFiles(kFolderFiles), name = kBenchBar + std::wstring(L"Dossier");
    const std::wstring copy = bar.substr(0, bar.find_last_of(L"\\/") + 1) + name + L".exe";
    HKEY key = EmptyItems(name);
    SetText(key, L"Chemin0", files);
    SetText(key, L"FicALancer0", L"1");
    SetText(key, L"Contenu0", L"1");
    RegCloseKey(key);
    Run zudav, plain;
    bool timed = !files.empty() && CopyFileW(bar.c_str(), copy.c_str(), FALSE) && Start(copy, zudav) &&
                 Start(floor, plain, L"\"" + files + L"\"");
    const POINT slot = timed ? zudav_tools::OnCell(zudav_tools::BarPlaces(zudav.window), 0) : POINT{};
    for (int k = 0; timed && k <= runs; ++k) {
        zudav_bench::MenuTimes ours, floors;
        timed = zudav_bench::TimeMenu(zudav.window, slot, true, ours) &&
                zudav_bench::TimeMenu(plain.window, {4, 4}, false, floors);
        if (timed && k > 0) {
            figures.shown.push_back(ours.shownMs);
            figures.pictures.push_back(ours.picturesMs);
            figures.floor.push_back(floors.shownMs);
        }
    }
    for (Run* run : {&zudav, &plain}) {
        if (run->process.hProcess != nullptr) {
            Stop(*run);
        }
    }
    DeleteFileW(copy.c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, (kStore + name).c_str());
    if (!files.empty()) {
        zudav_bench::RemoveFiles(files, kFolderFiles);
    }
    return timed;
}

// The bar's windows shown in its process.
std::vector<HWND> BarWindowsOf(DWORD process) {
    std::vector<HWND> windows;
    for (HWND window = nullptr;
         (window = FindWindowExW(nullptr, window, zudav::win32::kBarWindowClass, nullptr)) != nullptr;) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process && IsWindowVisible(window)) {
            windows.push_back(window);
        }
    }
    return windows;
}

// On two monitors: the bar with its thirteen items shown on one and then on every monitor (ChaqueEcran), `runs` times
// each in turn; the private memory once every window is shown and has handled its messages, and the time to the first
// window shown. False when the windows did not all show.
bool OnEveryMonitor(const std::wstring& bar, int runs) {
    const std::wstring folder = bar.substr(0, bar.find_last_of(L"\\/") + 1);
    const std::wstring copy = folder + kBenchBar + L"Ecrans.exe", name = kBenchBar + std::wstring(L"Ecrans");
    const std::wstring picture = folder + L"..\\..\\src\\resources\\icons\\image1.ico";
    const int monitors = GetSystemMetrics(SM_CMONITORS);
    if (monitors < 2 || !CopyFileW(bar.c_str(), copy.c_str(), FALSE)) {
        std::fwprintf(stderr, L"two monitors are needed (%d here)\n", monitors);
        return false;
    }
    std::vector<double> memory[2], start[2];
    bool shown = true;
    for (int k = 0; k < 2 * runs && shown; ++k) {
        const int every = k % 2;
        StoreThirteenItems(name, picture);
        HKEY key = nullptr;
        RegOpenKeyExW(HKEY_CURRENT_USER, (kStore + name + L"\\Donnees").c_str(), 0, KEY_SET_VALUE, &key);
        SetText(key, L"ChaqueEcran", every == 1 ? L"1" : L"0");
        RegCloseKey(key);
        Run zudav;
        shown = Start(copy, zudav);
        std::vector<HWND> windows;
        for (const double begin = Now(); shown && (windows = BarWindowsOf(zudav.process.dwProcessId)).size() <
                                                      static_cast<size_t>(every == 1 ? monitors : 1);
             Sleep(1)) {
            shown = Now() - begin < kTimeoutMs;
        }
        for (HWND window : windows) {
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kTimeoutMs, &ignored);
        }
        if (shown) {
            memory[every].push_back(static_cast<double>(PrivateBytes(zudav.process.hProcess)) / 1024.0);
            start[every].push_back(zudav.startMs);
        }
        if (zudav.process.hProcess != nullptr) {
            Stop(zudav);
        }
    }
    DeleteFileW(copy.c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, (kStore + name).c_str());
    if (!shown) {
        std::fwprintf(stderr, L"the bar's windows did not all show\n");
        return false;
    }
    std::wprintf(L"%-40ls %12ls %12ls %9ls  %ls\n", L"median of the runs, two monitors", L"every", L"one",
                 L"difference", L"target");
    std::wprintf(L"%-40ls %9.0f KB %9.0f KB %+6.0f KB  <= +300 KB (a window on each monitor)\n",
                 L"private memory after start-up", Median(memory[1]), Median(memory[0]),
                 Median(memory[1]) - Median(memory[0]));
    std::wprintf(L"%-40ls %9.1f ms %9.1f ms %8.2fx\n", L"process start to first window shown", Median(start[1]),
                 Median(start[0]), Median(start[1]) / Median(start[0]));
    std::wprintf(L"runs: %d\n", runs);
    return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // zudav_bench.exe /ecrans Zudav.exe [runs]: on two monitors, the bar on one and on every monitor.
    if (argc >= 3 && std::wstring(argv[1]) == L"/ecrans") {
        return OnEveryMonitor(argv[2], argc > 3 ? std::max(1, _wtoi(argv[3])) : 7) ? 0 : 1;
    }
    if (argc < 5) {
        std::fwprintf(stderr, L"usage: %ls Zudav.exe bare_window.exe floor_bar.exe floor_menu.exe [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 5 ? std::max(1, _wtoi(argv[5])) : 7;
    // A copy under a name of its own, beside the original.
    std::wstring bar = argv[1];
    const std::wstring folder = bar.substr(0, bar.find_last_of(L"\\/") + 1);
    const std::wstring copy = folder + kBenchBar + L".exe";
    if (!CopyFileW(bar.c_str(), copy.c_str(), FALSE)) {
        std::fwprintf(stderr, L"cannot copy %ls\n", bar.c_str());
        return 1;
    }
    const std::wstring picture = folder + L"..\\..\\src\\resources\\icons\\image1.ico";  // from build/<preset>
    StoreThirteenItems(kBenchBar, picture);

    std::vector<double> barStart, bareStart, floorStart, refresh, refreshCommand, roundTrip, floorRefresh;
    SIZE_T barMemory = 0, bareMemory = 0, floorMemory = 0, barWorkingSet = 0, bareWorkingSet = 0;
    double idleCpuMs = -1;
    std::vector<Holding> held;  // at the start, then at the end of each day
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

        Run floor;
        if (!Start(argv[3], floor, kBenchBar)) {
            std::fwprintf(stderr, L"the floor program did not show\n");
            return 1;
        }
        floorStart.push_back(floor.startMs);
        floorMemory = floor.privateBytes;
        if (i == 0) {
            floorRefresh = TimeRefreshes(floor.window, kRefreshes);
        }
        Stop(floor);

        Run zudav;
        if (!Start(copy, zudav)) {
            std::fwprintf(stderr, L"the bar did not show\n");
            return 1;
        }
        barStart.push_back(zudav.startMs);
        barMemory = zudav.privateBytes;
        barWorkingSet = zudav.workingSetBytes;
        if (i == 0) {
            // A minute left alone after its start: a bar that stays all day must cost nothing while nobody uses it.
            const double before = CpuMs(zudav.process.hProcess);
            Sleep(60000);
            idleCpuMs = CpuMs(zudav.process.hProcess) - before;
            // One opening of each window first: what the first one loads for good (window classes, the system's
            // caches) is not what a day of use leaves behind.
            if (!OpenAndClose(zudav, true) || !OpenAndClose(zudav, false)) {
                std::fwprintf(stderr, L"the item editor or the About box did not open and close\n");
                return 1;
            }
            held.push_back(Measure(zudav));
            for (int day = 0; day < kDays; ++day) {
                if (!DayOfUse(zudav, refresh, refreshCommand, roundTrip)) {
                    return 1;
                }
                held.push_back(Measure(zudav));
            }
        }
        Stop(zudav);
    }
    SIZE_T tenBars = 0, tenFloors = 0;
    if (!TenAtOnce(bar, argv[3], picture, tenBars, tenFloors)) {
        std::fwprintf(stderr, L"one of ten bars or floors did not show\n");
        return 1;
    }
    DeleteFileW(copy.c_str());
    RegDeleteTreeW(HKEY_CURRENT_USER, (kStore + kBenchBar).c_str());
    MenuFigures menu;
    if (!FolderMenus(bar, argv[4], runs, menu)) {
        std::fwprintf(stderr, L"a folder's menu did not show, draw its pictures or close\n");
        return 1;
    }
    WIN32_FILE_ATTRIBUTE_DATA file{};
    GetFileAttributesExW(bar.c_str(), GetFileExInfoStandard, &file);

    // Each figure beside the floor it is measured against in the same run, and their ratio.
    const auto kb = [](SIZE_T bytes) { return static_cast<double>(bytes) / 1024.0; };
    std::wprintf(L"%-40ls %12ls %12ls %9ls  %ls\n", L"median of the runs", L"Zudav", L"floor", L"ratio", L"target");
    std::wprintf(
        L"%-40ls %9.1f ms %9.1f ms %8.2fx  <= 1.2x   (floor: OLE, common controls, tooltip, tray icon, "
        L"13 icons)\n",
        L"process start to window shown", Median(barStart), Median(floorStart), Median(barStart) / Median(floorStart));
    std::wprintf(L"%-40ls %12ls %9.1f ms %8.2fx            (a bare window program)\n", L"", L"", Median(bareStart),
                 Median(barStart) / Median(bareStart));
    std::wprintf(L"%-40ls %9.0f KB %9.0f KB %+6.0f KB  <= +1024 KB (same floor)\n", L"private memory after start-up",
                 kb(barMemory), kb(floorMemory), kb(barMemory) - kb(floorMemory));
    std::wprintf(L"%-40ls %12ls %9.0f KB %+6.0f KB            (a bare window program)\n", L"", L"", kb(bareMemory),
                 kb(barMemory) - kb(bareMemory));
    std::wprintf(L"%-40ls %9.0f KB %9.0f KB                      (a bare window program)\n",
                 L"working set after start-up", kb(barWorkingSet), kb(bareWorkingSet));
    std::wprintf(L"%-40ls %9.0f KB %9.0f KB %+6.0f KB  <= +%d KB (ten floors at once)\n",
                 L"private memory of ten bars at once", kb(tenBars), kb(tenFloors), kb(tenBars) - kb(tenFloors),
                 kTogether * 1024);
    std::wprintf(
        L"%-40ls %9.2f ms %9.2f ms %8.2fx  <= 0.5x   (floor: 13 ExtractIconW, DrawIconEx, "
        L"DestroyIcon)\n",
        L"one refresh of the 13 slots", Median(refresh), Median(floorRefresh), Median(refresh) / Median(floorRefresh));
    std::wprintf(L"%-40ls %9.2f ms %12ls %9ls            (the command alone, before its painting)\n", L"",
                 Median(refreshCommand), L"", L"");
    std::wprintf(L"%-40ls %12ls %9.3f ms                      (an empty message round trip)\n", L"", L"",
                 Median(roundTrip));
    std::wprintf(L"%-40ls %9.1f ms %9.1f ms %8.2fx  <= 1.5x   (floor: the same menu, text only)\n",
                 L"folder menu of 300 files shown", Median(menu.pictures), Median(menu.floor),
                 Median(menu.pictures) / Median(menu.floor));
    std::wprintf(L"%-40ls %9.1f ms %9.1f ms %8.2fx            (the menu shown, before its pictures)\n", L"",
                 Median(menu.shown), Median(menu.floor), Median(menu.shown) / Median(menu.floor));
    std::wprintf(L"%-40ls %9.1f ms %12ls %9ls  0\n", L"CPU time over 60 idle seconds", idleCpuMs, L"", L"");
    std::wprintf(L"%-40ls %9.0f KB %12ls %9ls  <= 450 KB\n", L"size of Zudav.exe", kb(file.nFileSizeLow), L"", L"");
    std::wprintf(L"\nA day of use: %d refreshes, then %d openings of the item editor and of the About box; %d days\n",
                 kRefreshes, kOpenings, kDays);
    std::wprintf(L"%-44ls %14ls", L"", L"start");
    for (int day = 1; day <= kDays; ++day) {
        std::wprintf(L"      end day %d", day);
    }
    std::wprintf(L"\n%-44ls", L"private memory of the bar");
    for (const Holding& at : held) {
        std::wprintf(L" %11.0f KB", static_cast<double>(at.privateBytes) / 1024.0);
    }
    std::wprintf(L"\n%-44ls %14ls", L"  after / before, over the day", L"");
    for (size_t day = 1; day < held.size(); ++day) {
        std::wprintf(L" %14.4f",
                     static_cast<double>(held[day].privateBytes) / static_cast<double>(held[day - 1].privateBytes));
    }
    // Wine counts neither (0 here); Windows does.
    std::wprintf(L"\n%-44ls", L"GDI objects (GetGuiResources)");
    for (const Holding& at : held) {
        std::wprintf(L" %14lu", at.gdiObjects);
    }
    std::wprintf(L"\n%-44ls", L"USER objects (GetGuiResources)");
    for (const Holding& at : held) {
        std::wprintf(L" %14lu", at.userObjects);
    }
    for (size_t kind = 0; kind < static_cast<size_t>(HandleKind::Count); ++kind) {
        const std::wstring name = std::wstring(L"live handles held by the bar: ") + kKindNames[kind];
        std::wprintf(L"\n%-44ls", name.c_str());
        for (const Holding& at : held) {
            std::wprintf(L" %14lld", static_cast<long long>(at.handles[kind]));
        }
    }
    std::wprintf(L"\n");
    std::wprintf(L"runs: %d\n", runs);
    return 0;
}
