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

// Waits until the window is destroyed; true if it is gone in time.
bool waitForWindowGone(HWND window, DWORD timeoutMs);
// The shown top-level windows of the process that are not in the list (windows it opened since).
std::vector<HWND> newShownWindows(DWORD processId, const std::vector<HWND>& known);
// The direct child with that control id, or nullptr.
HWND childWithId(HWND parent, int id);

std::wstring windowClass(HWND window);
// The caption, read with WM_GETTEXT under a time limit. Throws if the window does not answer.
std::wstring windowText(HWND window);
RECT windowRect(HWND window);
// Sends the message under a time limit and returns the answer. Throws if the window does not answer.
// Only for messages that return at once: anything that opens a modal loop is posted.
LRESULT sendWithin(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Replaces the window's text (an edit box's contents) with WM_SETTEXT under a time limit.
void setWindowText(HWND window, const std::wstring& text);
// Returns once the window's thread has handled every message sent to it before this call.
void syncWith(HWND window);
void post(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Posts a key's press and release to the window, as its thread's message loop would receive them.
void postKey(HWND window, WPARAM key);

}  // namespace e2e
