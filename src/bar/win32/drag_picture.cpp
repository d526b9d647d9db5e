#include "bar/win32/drag_picture.h"

#include <algorithm>

#include "bar/win32/bar_ids.h"
#include "platform/win32/drawing.h"
#include "platform/win32/handles.h"

namespace zudav::win32 {
namespace {

constexpr BYTE kOpacity = 208;  // the cell under the picture shows through

// The window only shows what UpdateLayeredWindow gave it: the system's window procedure serves it.
bool RegisterPictureClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kDragPictureClass;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

DragPicture::DragPicture(HINSTANCE instance,
                         HWND bar,
                         const Picture& picture,
                         const RECT& box,
                         POINT at,
                         COLORREF face,
                         COLORREF frame)
    : bar_(bar) {
    const int width = box.right - box.left, height = box.bottom - box.top;
    if (width <= 0 || height <= 0 || !RegisterPictureClass(instance)) {
        return;
    }
    // Taken beside its box (on the cell), the picture still lies under the pointer, at its nearest edge.
    offset_ = {box.left - std::clamp(at.x, box.left, box.right - 1),
               box.top - std::clamp(at.y, box.top, box.bottom - 1)};
    POINT place{at.x + offset_.x, at.y + offset_.y};
    ClientToScreen(bar_, &place);
    // Layered and transparent, the window takes no click and no pointer; owned by the bar, it stays above it.
    window_ = CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE,
                              kDragPictureClass, nullptr, WS_POPUP, place.x, place.y, width, height, bar_, nullptr,
                              instance, nullptr);
    if (window_ == nullptr) {
        return;
    }
    // Drawn into pixels of its own, every one of them opaque (GDI leaves the alpha byte empty), then laid on the screen
    // a little see-through as a whole.
    BITMAPINFO format{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    const UniqueDc memory(CreateCompatibleDC(screen));
    const UniqueBitmap pixels(CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (memory && pixels) {
        const HGDIOBJ previous = SelectObject(memory.Get(), pixels.Get());
        const RECT whole{0, 0, width, height};
        SetDCBrushColor(memory.Get(), face);
        FillRect(memory.Get(), &whole, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        picture.Draw(memory.Get(), whole);
        DrawOutline(memory.Get(), whole, frame);
        GdiFlush();
        std::for_each(static_cast<DWORD*>(bits), static_cast<DWORD*>(bits) + width * height,
                      [](DWORD& pixel) { pixel |= 0xFF000000; });
        POINT origin{0, 0};
        SIZE size{width, height};
        BLENDFUNCTION blend{AC_SRC_OVER, 0, kOpacity, AC_SRC_ALPHA};
        UpdateLayeredWindow(window_, screen, &place, &size, memory.Get(), &origin, 0, &blend, ULW_ALPHA);
        SelectObject(memory.Get(), previous);
    }
    ReleaseDC(nullptr, screen);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
}

// A bar that closes destroys the windows it owns before itself: the picture may be gone already.
DragPicture::~DragPicture() {
    if (window_ != nullptr && IsWindow(window_)) {
        DestroyWindow(window_);
    }
}

void DragPicture::Follow(POINT at) {
    if (window_ == nullptr) {
        return;
    }
    POINT place{at.x + offset_.x, at.y + offset_.y};
    ClientToScreen(bar_, &place);
    SetWindowPos(window_, nullptr, place.x, place.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zudav::win32
