// Bounded waiting for what another process makes true (a window shown, a process ended): the tests
// never sleep a fixed time, they look again every few milliseconds until a generous limit.
#pragma once

#include <windows.h>

namespace e2e {

// The limit for one step of a test. A warm Wine session does such a step in milliseconds; the limit
// only decides how long a broken build takes to fail.
constexpr DWORD kStepTimeoutMs = 15000;

template <typename Condition>
bool pollUntil(Condition condition, DWORD timeoutMs = kStepTimeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(5);
    }
}

}  // namespace e2e
