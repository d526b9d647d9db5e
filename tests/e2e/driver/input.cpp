#include "driver/input.h"

#include <stdexcept>
#include <string>

#include "driver/error.h"
#include "driver/poll.h"

namespace e2e {
namespace {

void sendMouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (SendInput(1, &input, sizeof input) != 1) {
        throwWindowsError("SendInput");
    }
}

}  // namespace

POINT centreOf(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void moveCursorTo(POINT at) {
    if (!SetCursorPos(at.x, at.y)) {
        throwWindowsError("SetCursorPos");
    }
    const bool there = pollUntil([&] {
        POINT now{};
        return GetCursorPos(&now) && now.x == at.x && now.y == at.y;
    });
    if (!there) {
        throw std::runtime_error("the cursor did not move to " + std::to_string(at.x) + "," + std::to_string(at.y));
    }
}

void clickAt(POINT at, MouseButton button) {
    moveCursorTo(at);
    // A move through SendInput as well, so that the window under the cursor sees the pointer arrive
    // before the press, as with a real mouse.
    sendMouse(MOUSEEVENTF_MOVE);
    if (button == MouseButton::Left) {
        sendMouse(MOUSEEVENTF_LEFTDOWN);
        sendMouse(MOUSEEVENTF_LEFTUP);
    } else {
        sendMouse(MOUSEEVENTF_RIGHTDOWN);
        sendMouse(MOUSEEVENTF_RIGHTUP);
    }
}

void parkCursor() {
    moveCursorTo({GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) / 2});
}

}  // namespace e2e
