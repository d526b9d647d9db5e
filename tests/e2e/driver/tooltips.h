// The tooltips another program has registered: what each of its tools (a control) shows when the
// pointer rests on it. The tooltip window belongs to the other process, so the tool records are read
// through a buffer in that process's memory.
#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace e2e {

// The tooltip window (class tooltips_class32) that the process made for the owner window, or nullptr.
HWND findTooltipWindow(DWORD processId, HWND owner);
// Text of every tool of that tooltip window, by the control the tool stands for (TTF_IDISHWND tools;
// other tools are listed under nullptr). Throws if the tooltip window does not answer.
std::map<HWND, std::wstring> tooltipTexts(DWORD processId, HWND tooltip);

}  // namespace e2e
