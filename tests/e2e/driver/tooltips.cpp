#include "driver/tooltips.h"

#include <commctrl.h>

#include "driver/error.h"
#include "driver/files.h"
#include "driver/poll.h"
#include "driver/window.h"

namespace e2e {
namespace {

constexpr size_t kTextCapacity = 1024;

// A tool record and room for its text, in the memory of the process that owns the tooltip window.
struct RemoteTool {
    TTTOOLINFOW tool;
    wchar_t text[kTextCapacity];
};

class RemoteMemory {
  public:
    RemoteMemory(DWORD processId, size_t size) : size_(size) {
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (process_ == nullptr) {
            throwWindowsError("cannot open process " + std::to_string(processId));
        }
        address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (address_ == nullptr) {
            const DWORD error = GetLastError();
            CloseHandle(process_);
            throwWindowsError("VirtualAllocEx", error);
        }
    }
    ~RemoteMemory() {
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;

    void* address() const { return address_; }
    void write(const void* data) const {
        if (!WriteProcessMemory(process_, address_, data, size_, nullptr)) {
            throwWindowsError("WriteProcessMemory");
        }
    }
    void read(void* data) const {
        if (!ReadProcessMemory(process_, address_, data, size_, nullptr)) {
            throwWindowsError("ReadProcessMemory");
        }
    }

  private:
    size_t size_;
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
};

LRESULT sendToTooltip(HWND tooltip, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(tooltip, message, wParam, lParam, SMTO_ABORTIFHUNG, kStepTimeoutMs, &result) == 0) {
        throwWindowsError("the tooltip window did not answer message " + std::to_string(message));
    }
    return static_cast<LRESULT>(result);
}

}  // namespace

HWND findTooltipWindow(DWORD processId, HWND owner) {
    for (HWND window : topLevelWindows(processId)) {
        if (sameText(windowClass(window), TOOLTIPS_CLASSW) && GetWindow(window, GW_OWNER) == owner) {
            return window;
        }
    }
    return nullptr;
}

std::map<HWND, std::wstring> tooltipTexts(DWORD processId, HWND tooltip) {
    std::map<HWND, std::wstring> texts;
    RemoteMemory remote(processId, sizeof(RemoteTool));
    auto* remoteRecord = static_cast<RemoteTool*>(remote.address());
    const auto count = static_cast<UINT>(sendToTooltip(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    for (UINT index = 0; index < count; ++index) {
        RemoteTool record{};
        record.tool.cbSize = sizeof record.tool;
        remote.write(&record);
        if (!sendToTooltip(tooltip, TTM_ENUMTOOLSW, index, reinterpret_cast<LPARAM>(&remoteRecord->tool))) {
            continue;
        }
        remote.read(&record);
        // The tool's text, asked for by the tool's window and id, into the room beside the record.
        record.tool.lpszText = remoteRecord->text;
        record.text[0] = L'\0';
        remote.write(&record);
        sendToTooltip(tooltip, TTM_GETTEXTW, kTextCapacity, reinterpret_cast<LPARAM>(&remoteRecord->tool));
        remote.read(&record);
        record.text[kTextCapacity - 1] = L'\0';
        const HWND control =
            (record.tool.uFlags & TTF_IDISHWND) != 0 ? reinterpret_cast<HWND>(record.tool.uId) : nullptr;
        texts[control] = record.text;
    }
    return texts;
}

}  // namespace e2e
