// The fixture of the end-to-end scenarios: it starts Zudav.exe and copies of it from empty stores, finds their windows,
// drives them by posted messages and real input, and reads the registry, the screen and the tooltips.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <io.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "about/win32/about_ids.h"
#include "bar/win32/bar_ids.h"
#include "bar_places.h"
#include "editor/win32/editor_ids.h"
#include "platform/win32/handles.h"

namespace e2e {

namespace ids = zudav::win32;
constexpr DWORD kTimeoutMs = 15000;  // a step takes milliseconds; the limit only bounds a failure
constexpr const wchar_t* kPlaceKeys[] = {L"left", L"top", L"Width", L"Height"};  // saved when a bar closes
const std::wstring kStore = L"Software\\VB and VBA Program Settings\\";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline const int kBinaryOutput = _setmode(_fileno(stdout), _O_BINARY);  // test names without '\r' for CMake

struct NoCase {  // as the registry compares names
    bool operator()(const std::wstring& a, const std::wstring& b) const { return _wcsicmp(a.c_str(), b.c_str()) < 0; }
};
using Settings = std::map<std::wstring, std::wstring, NoCase>;  // a value that is not REG_SZ reads "(type N)"
using Twips = std::array<long, 4>;                              // left, top, width, height
using Picture = std::vector<UINT>;                              // pixels on the screen, as 0xRRGGBB

// What a scenario starts runs in a job: its end (or the test program's) ends it, and all it started in turn.
class Scenario : public testing::Test {
  protected:
    void SetUp() override {
        JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
        limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
        need(SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits), "no job");
        clean();
        std::filesystem::create_directory(scratch_);
        parkCursor();
    }
    void TearDown() override {
        TerminateJobObject(job_, 1);
        need(waitFor([&] { return processes().empty(); }), "the scenario's programs did not end");
        std::for_each(started_.begin(), started_.end(), CloseHandle);
        CloseHandle(job_);
        clean();
    }

    template <typename Condition>
    static bool waitFor(Condition condition) {  // looks again every few milliseconds, within the limit
        bool met = false;
        for (const ULONGLONG end = GetTickCount64() + kTimeoutMs; !(met = condition()) && GetTickCount64() < end;) {
            Sleep(5);
        }
        return met;
    }
    static void need(bool done, const std::string& what) {  // throws, and so fails the scenario
        if (!done) {
            throw std::runtime_error(what + " (error " + std::to_string(GetLastError()) + ")");
        }
    }
    static std::wstring zudav() {  // beside the test program
        std::wstring path(32768, L'\0');
        path.resize(GetModuleFileNameW(nullptr, path.data(), DWORD(path.size())));
        return std::filesystem::path(path).replace_filename(L"Zudav.exe");
    }
    std::wstring scratch(const std::wstring& name) const { return scratch_ / name; }
    std::wstring copyOf(const std::wstring& file, const std::wstring& name) const {
        std::filesystem::create_directories(std::filesystem::path(scratch(name)).parent_path());
        std::filesystem::copy_file(file, scratch(name));
        return scratch(name);
    }
    HANDLE start(const std::wstring& executable, const std::wstring& arguments = L"") {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        std::wstring line = L"\"" + executable + L"\" " + arguments;
        const auto create = [&] {
            return CreateProcessW(executable.c_str(), line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                                  std::filesystem::path(executable).parent_path().c_str(), &startup, &info);
        };
        // Wine's loader now and then fails a start with ERROR_INTERNAL_ERROR while the machine is loaded (seen with
        // msiexec): a second try starts it.
        need((create() || (GetLastError() == ERROR_INTERNAL_ERROR && create())) &&
                 AssignProcessToJobObject(job_, info.hProcess) && ResumeThread(info.hThread) != DWORD(-1),
             "cannot start a program");
        CloseHandle(info.hThread);
        return started_.emplace_back(info.hProcess);
    }
    static bool isRunning(HANDLE process) { return WaitForSingleObject(process, 0) == WAIT_TIMEOUT; }
    // The bar once its start-up has ended: shown, brought to the foreground, and in its message loop.
    // inFront false: an auto-hide bar, which shows itself without taking the keyboard.
    static HWND waitBar(HANDLE process, bool inFront = true) {
        HWND bar = nullptr;
        need(waitFor([&] {
                 return (bar = shown(GetProcessId(process), ids::kBarWindowClass)) &&
                        (!inFront || bar == GetForegroundWindow());
             }),
             isRunning(process) ? "no bar came up" : "the bar's program has ended");
        sendTo(bar, WM_NULL);
        return bar;
    }
    HWND startBar(const std::wstring& executable = zudav()) { return waitBar(start(executable)); }
    // A run of the switches (/export, /import): its exit code, once it has ended without showing a window.
    DWORD runSwitch(const std::wstring& executable, const std::wstring& arguments) {
        HANDLE process = start(executable, arguments);
        bool windowShown = false;
        need(waitFor([&] {
                 for (HWND window : windowsOf(GetProcessId(process))) {
                     windowShown = windowShown || IsWindowVisible(window);
                 }
                 return !isRunning(process);
             }),
             "Zudav.exe did not end");
        EXPECT_FALSE(windowShown) << "a window came up";
        DWORD code = 99;
        GetExitCodeProcess(process, &code);
        return code;
    }
    std::set<DWORD> processes() const {     // the started programs, and those they started in turn
        std::vector<ULONG_PTR> list(1024);  // a JOBOBJECT_BASIC_PROCESS_ID_LIST: two counts, then the ids
        need(QueryInformationJobObject(job_, JobObjectBasicProcessIdList, list.data(), 1024 * sizeof list[0], nullptr),
             "cannot list the scenario's programs");
        const auto ids = list.begin() + offsetof(JOBOBJECT_BASIC_PROCESS_ID_LIST, ProcessIdList) / sizeof list[0];
        return {ids, ids + reinterpret_cast<JOBOBJECT_BASIC_PROCESS_ID_LIST*>(list.data())->NumberOfProcessIdsInList};
    }

    static Settings readSettings(const wchar_t* bar) {  // its section Donnees
        Settings values;
        HKEY key = nullptr;
        static wchar_t name[16384], data[32768];
        RegOpenKeyExW(HKEY_CURRENT_USER, (kStore + bar + L"\\Donnees").c_str(), 0, KEY_READ, &key);
        for (DWORD i = 0, length = 16384, size = sizeof data, type = 0;
             key && !RegEnumValueW(key, i, name, &length, nullptr, &type, LPBYTE(data), &size);
             ++i, length = 16384, size = sizeof data) {
            values[{name, length}] =
                type == REG_SZ ? std::wstring(data, wcsnlen(data, size / 2)) : L"(type " + std::to_wstring(type) + L")";
        }
        RegCloseKey(key);
        return values;
    }
    static void writeSettings(const wchar_t* bar, const Settings& values) {
        for (const auto& [name, text] : values) {
            need(!RegSetKeyValueW(HKEY_CURRENT_USER, (kStore + bar + L"\\Donnees").c_str(), name.c_str(), REG_SZ,
                                  text.c_str(), DWORD(text.size() + 1) * 2),
                 "cannot store a setting");
        }
    }

    // Another process's windows: read by bounded sends, driven by posts (a modal loop would hold a send).
    static std::vector<HWND> windowsOf(DWORD processId) {  // top-level, shown or not
        std::vector<HWND> found;
        for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, nullptr));) {
            if (processOf(window) == processId) {
                found.push_back(window);
            }
        }
        return found;
    }
    static HWND shown(DWORD processId, const wchar_t* className) {  // the first shown window of that class
        HWND window = nullptr;
        while ((window = FindWindowExW(nullptr, window, className, nullptr)) &&
               !(IsWindowVisible(window) && processOf(window) == processId)) {
        }
        return window;
    }
    static DWORD processOf(HWND window) {
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        return id;
    }
    static std::wstring textOf(HWND window) {
        std::wstring text(sendTo(window, WM_GETTEXTLENGTH) + 1, L'\0');
        text.resize(sendTo(window, WM_GETTEXT, text.size(), LPARAM(text.data())));
        return text;
    }
    static RECT rectOf(HWND window) {
        RECT rect{};
        need(GetWindowRect(window, &rect), "no window");
        return rect;
    }
    static LRESULT sendTo(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        DWORD_PTR result = 0;
        need(SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs, &result),
             "no answer to message " + std::to_string(message));
        return LRESULT(result);
    }
    static void post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        need(PostMessageW(window, message, wParam, lParam), "cannot post message " + std::to_string(message));
    }
    static void postPress(HWND window, POINT at, bool right = false) {  // at a point of its client area
        post(window, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, MAKELPARAM(at.x, at.y));
        post(window, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    }
    static void postPress(HWND control, bool right = false) { postPress(control, {4, 4}, right); }
    static void setText(HWND w, const std::wstring& t) { need(sendTo(w, WM_SETTEXT, 0, LPARAM(t.c_str())), "no text"); }
    static bool gone(HWND window) {
        return waitFor([&] { return !IsWindow(window); });
    }
    static bool back(HWND bar, const Twips& place) {  // restored or shown again where it was
        return waitFor([&] { return !IsIconic(bar) && IsWindowVisible(bar) && twipsOf(bar) == place; });
    }
    static HWND waitModal(HWND bar, const wchar_t* className) {  // shown, with the bar disabled under it
        HWND window = nullptr;
        if (!waitFor([&] { return (window = shown(processOf(bar), className)) && !IsWindowEnabled(bar); })) {
            std::array<char, 100> front{};  // class names are ASCII
            GetClassNameA(GetForegroundWindow(), front.data(), int(front.size()));
            need(false, std::string("no modal window (") + (window ? "shown" : "not shown") +
                            (IsWindowEnabled(bar) ? ", the bar enabled" : "") + ", in front: " + front.data() + ")");
        }
        sendTo(window, WM_NULL);
        return window;
    }
    // Each tool's rectangle in the owner's client area and its text, asked for through a buffer in the memory of the
    // owner's process.
    using Tools = std::vector<std::pair<RECT, std::wstring>>;
    static Tools tooltips(HWND owner) {
        HWND tooltip = nullptr;
        while ((tooltip = FindWindowExW(nullptr, tooltip, TOOLTIPS_CLASSW, nullptr)) &&
               GetWindow(tooltip, GW_OWNER) != owner) {
        }
        struct {
            TTTOOLINFOW tool;
            wchar_t text[1024];
        } record{}, *remote = nullptr;
        HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, processOf(owner));
        remote =
            static_cast<decltype(remote)>(VirtualAllocEx(process, nullptr, sizeof record, MEM_COMMIT, PAGE_READWRITE));
        const auto ask = [&](UINT message, WPARAM wParam) {
            need(WriteProcessMemory(process, remote, &record, sizeof record, nullptr), "cannot write the tool");
            const LRESULT answer = sendTo(tooltip, message, wParam, LPARAM(&remote->tool));
            need(ReadProcessMemory(process, remote, &record, sizeof record, nullptr), "cannot read the tool");
            return answer;
        };
        Tools texts;
        for (LRESULT index = 0, count = sendTo(tooltip, TTM_GETTOOLCOUNT); index < count; ++index) {
            record = {};
            record.tool.cbSize = sizeof record.tool;
            if (ask(TTM_ENUMTOOLSW, index)) {
                record.tool.lpszText = remote->text;
                ask(TTM_GETTEXTW, 1023);
                texts.emplace_back(record.tool.rect, record.text);
            }
        }
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
        CloseHandle(process);
        return texts;
    }
    static std::wstring tipAt(const Tools& tools, POINT at) {  // the text of the tool under a point, or "(none)"
        for (const auto& [rect, text] : tools) {
            if (PtInRect(&rect, at)) {
                return text;
            }
        }
        return L"(none)";
    }

    // The bar draws its slots itself: each is found by its place, from the layout rule and the bar's size. A point of
    // a slot's cell beside its icon box, the middle of its icon box, and a part's rectangle on the screen.
    static POINT cell(HWND bar, int slot) { return zudav_tools::OnCell(zudav_tools::BarPlaces(bar), slot); }
    static POINT iconBox(HWND bar, int slot) { return zudav_tools::Middle(zudav_tools::BarPlaces(bar).icons[slot]); }
    static RECT onScreen(HWND bar, const zudav::PixelRect& part) {
        RECT rect{part.left, part.top, part.right, part.bottom};
        MapWindowPoints(bar, HWND_DESKTOP, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }
    // Real input, as from a mouse: once the window system puts the point on the bar (which may still be laying itself
    // out), a press and release on the slot's icon box or on its cell beside the box, or on a point of the bar's
    // client area that `place` gives. Under Wine a bar just restored under the pointer may move it back to where the
    // X server last saw it: the point must still be there once the bar has answered.
    static void clickOn(HWND bar, int slot, bool onCell, DWORD press = MOUSEEVENTF_LEFTDOWN) {
        clickAt(
            bar, [&] { return onCell ? cell(bar, slot) : iconBox(bar, slot); }, press);
    }
    template <typename Place>
    static void clickAt(HWND bar, Place place, DWORD press = MOUSEEVENTF_LEFTDOWN) {
        const POINT at = pointAt(bar, place);
        mouseAt(at, press);
        mouseAt(at, press << 1);  // the release: each button's flag follows its press's
    }
    // The pointer on that point, the buttons as they are; the point on the screen.
    template <typename Place>
    static POINT pointAt(HWND bar, Place place) {
        POINT at{}, now{};
        need(waitFor([&] {
                 at = place();
                 ClientToScreen(bar, &at);
                 return SetCursorPos(at.x, at.y) && sendTo(bar, WM_NULL) == 0 && GetCursorPos(&now) && now.x == at.x &&
                        now.y == at.y && WindowFromPoint(at) == bar;
             }),
             "the point is not on the bar");
        mouseAt(at);  // the control sees the pointer come before the press
        need(waitFor([&] { return GetCursorPos(&now) && now.x == at.x && now.y == at.y; }), "the mouse missed");
        return at;
    }
    // A move of the mouse, and a button's press or release, at a point of the screen. Each carries its point: Wine's
    // X driver may put the pointer back late where the X server last saw it (once a window closed above the bar),
    // and an input at the pointer would then land on another slot.
    static void mouseAt(POINT at, DWORD button = 0) {
        const LONGLONG left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN),
                       width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
        INPUT input{INPUT_MOUSE, {}};
        // 0 to 65535 over the whole desktop, each pixel's first step: pixel = step * size / 65536.
        input.mi.dx = LONG(((at.x - left) * 65536 + width - 1) / width);
        input.mi.dy = LONG(((at.y - top) * 65536 + height - 1) / height);
        input.mi.dwFlags = button | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
        need(SendInput(1, &input, sizeof input) == 1, "the mouse did not move");
    }
    // Real key presses, as from a keyboard: each character by its key and Shift as the keyboard layout has it, or one
    // key with a modifier held (VK_MENU for an access key).
    static void type(const std::wstring& text) {
        for (wchar_t c : text) {
            const SHORT key = VkKeyScanW(c);
            press(LOBYTE(key), (key & 0x100) ? VK_SHIFT : 0);
        }
    }
    static void press(WORD key, WORD modifier = 0) {
        std::vector<INPUT> keys;
        for (const auto& [vk, up] : {std::pair{modifier, false}, {key, false}, {key, true}, {modifier, true}}) {
            if (vk != 0) {
                keys.push_back({INPUT_KEYBOARD, {}});
                keys.back().ki = {vk, 0, DWORD(up ? KEYEVENTF_KEYUP : 0), 0, 0};
            }
        }
        need(SendInput(UINT(keys.size()), keys.data(), sizeof(INPUT)) == keys.size(), "the keys were not pressed");
    }
    // Away from the bars, so that no tooltip nor highlight covers what a scenario reads.
    static void parkCursor() {
        const POINT at{GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) / 2};
        POINT now{};
        need(SetCursorPos(at.x, at.y) && waitFor([&] { return GetCursorPos(&now) && now.x == at.x && now.y == at.y; }),
             "the cursor did not move");
    }

    static long twipsPerPixel() { return 1440 / GetDpiForSystem(); }
    static Twips twipsOf(HWND window) {
        const RECT r = rectOf(window);
        const long k = twipsPerPixel();
        return {r.left * k, r.top * k, (r.right - r.left) * k, (r.bottom - r.top) * k};
    }
    // left, top, Width and Height saved as whole numbers, each within a pixel of the place.
    static testing::AssertionResult savedPlace(const Settings& saved, const Twips& place) {
        for (size_t i = 0; i < place.size(); ++i) {
            const std::wstring text = saved.count(kPlaceKeys[i]) ? saved.at(kPlaceKeys[i]) : L"none";
            if (std::to_wstring(std::wcstol(text.c_str(), nullptr, 10)) != text ||
                std::labs(std::wcstol(text.c_str(), nullptr, 10) - place[i]) > twipsPerPixel()) {
                return testing::AssertionFailure() << kPlaceKeys[i] << " saved: " << text << ", not " << place[i];
            }
        }
        return testing::AssertionSuccess();
    }
    // Thirteen square cells, the window as long as they need: its thickness as stored, its length from the rule. The
    // window holds whole pixels: the layout follows its real thickness. (Where each slot stands in it, the test of the
    // bar's accessible object reads.)
    static void expectLayout(HWND bar, bool horizontal, long storedThickness) {
        const Twips place = twipsOf(bar);
        const long pixel = twipsPerPixel(), thickness = place[horizontal ? 3 : 2], length = place[horizontal ? 2 : 3];
        EXPECT_NEAR(thickness, storedThickness, pixel);
        // In a row: 500 before the first cell and between cells, 550 after; in a column: 300 above, 550 below.
        const long side = horizontal ? thickness - 500 : thickness - 150;
        EXPECT_NEAR(length, horizontal ? 500 + 12 * (side + 500) + side + 550 : 300 + 13 * side + 550, pixel);
    }

    static Picture capture(const RECT& r) {
        const long width = r.right - r.left, height = r.bottom - r.top;
        BITMAPINFO format{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        HDC screen = GetDC(nullptr), memory = CreateCompatibleDC(screen);
        UINT* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(screen, &format, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
        HGDIOBJ old = SelectObject(memory, bitmap);
        need(BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY) && GdiFlush(), "no screen");
        const Picture picture(bits, bits + width * height);
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
        return picture;
    }
    // What each icon box shows, once ten readings in a row agree: Wine copies a painted window to the screen later.
    static std::vector<Picture> slotPictures(HWND bar) {
        RedrawWindow(bar, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        sendTo(bar, WM_NULL);
        std::vector<Picture> last;
        int same = 0;
        need(waitFor([&] {
                 std::vector<Picture> now;
                 const zudav::BarPixels places = zudav_tools::BarPlaces(bar);
                 for (int slot = 0; slot < 13; ++slot) {
                     now.push_back(capture(onScreen(bar, places.icons[slot])));
                 }
                 same = now == last ? same + 1 : 0;
                 last = now;
                 return same >= 10;
             }),
             "the bar's picture kept changing");
        return last;
    }
    static bool uniform(const Picture& picture) {
        return std::count(picture.begin(), picture.end(), picture[0]) == long(picture.size());
    }
    static bool slotLooksFree(HWND bar, int slot, bool free) {  // as the free slot after it, or not
        return waitFor([&] {
            const std::vector<Picture> pictures = slotPictures(bar);
            return (pictures[slot] == pictures[slot + 1]) == free;
        });
    }

    // How many handles of each kind (zudav::win32::HandleKind) the bar's wrappers hold now.
    static std::vector<LRESULT> liveHandles(HWND bar) {
        static const UINT query = RegisterWindowMessageW(ids::kLiveHandlesMessage);
        std::vector<LRESULT> counts;
        for (WPARAM kind = 0; kind < WPARAM(ids::HandleKind::Count); ++kind) {
            counts.push_back(sendTo(bar, query, kind));
        }
        return counts;
    }

  private:
    void clean() {
        std::filesystem::remove_all(scratch_);
        for (const wchar_t* bar : {L"Zudav", L"Autre", L"Essai", L"Reredo"}) {
            const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, (kStore + bar).c_str());
            need(status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND, "cannot empty a store");
        }
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {  // the bar started at logon
            RegDeleteKeyValueW(root, kRunKey, L"Zudav");
        }
    }

    HANDLE job_ = CreateJobObjectW(nullptr, nullptr);
    std::vector<HANDLE> started_;
    std::filesystem::path scratch_ =
        std::filesystem::temp_directory_path() / ("zudav-e2e-" + std::to_string(GetCurrentProcessId()));
};

}  // namespace e2e
