// The windows of another process as a user would meet them: found by process and class, read with
// bounded sends (a hung program fails the test instead of blocking it), driven by posted messages.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Top-level windows that belong to the process, shown or not.
std::vector<HWND> topLevelWindows(DWORD processId);
// The first top-level window of the process with that class, or nullptr.
HWND findTopLevelWindow(DWORD processId, const std::wstring& className);
// Waits for a shown top-level window of that class, then for its thread to have handled what was
// sent to it so far. nullptr if none is shown in time.
HWND waitForShownWindow(DWORD processId, const std::wstring& className, DWORD timeoutMs);

std::wstring windowClass(HWND window);
// The caption, read with WM_GETTEXT under a time limit. Throws if the window does not answer.
std::wstring windowText(HWND window);
RECT windowRect(HWND window);
// Returns once the window's thread has handled every message sent to it before this call.
void syncWith(HWND window);
void post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

}  // namespace e2e
