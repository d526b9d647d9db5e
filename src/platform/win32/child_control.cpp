#include "platform/win32/child_control.h"

#include <windowsx.h>

#include <utility>

#include "platform/win32/button_accessible.h"
#include "platform/win32/control_builder.h"
#include "platform/win32/window_look.h"
#include "platform/win32/window_thunk.h"

namespace zudav::win32 {
namespace {

constexpr wchar_t kClassName[] = L"ZudavControle";

}  // namespace

bool ChildControl::Create(HWND parent, int id, ControlOwner& owner) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    RegisterWindowClass<ChildControl>(instance, kClassName, nullptr, nullptr);  // painted in full by the control
    id_ = id;
    owner_ = &owner;
    window_ = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
    return window_ != nullptr;
}

void ChildControl::SetText(const std::wstring& text, HFONT font, Ink ink) {
    text_ = text;
    // Also the window's text, for accessibility tools and for programs that read it.
    SetWindowTextW(window_, text.c_str());
    font_ = font;
    ink_ = ink;
    InvalidateRect(window_, nullptr, TRUE);
}

void ChildControl::SetName(const std::wstring& name) {
    if (name != TextOf(window_)) {
        SetWindowTextW(window_, name.c_str());
    }
}

void ChildControl::SetFocusable(bool focusable) {
    focusable_ = focusable;
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    SetWindowLongPtrW(window_, GWL_STYLE, focusable ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP));
}

void ChildControl::ShowSharedIcon(HICON icon) {
    EditPicture().ShowSharedIcon(icon);
}

void ChildControl::ShowOwnedIcon(UniqueIcon icon) {
    EditPicture().ShowOwnedIcon(std::move(icon));
}

void ChildControl::ShowOwnedBitmap(UniqueBitmap bitmap) {
    EditPicture().ShowOwnedBitmap(std::move(bitmap));
}

void ChildControl::ShowCopyOf(const ChildControl& other) {
    EditPicture().ShowCopyOf(other.picture_);
}

void ChildControl::ClearPicture() {
    picture_.Clear();
    if (window_ != nullptr) {
        InvalidateRect(window_, nullptr, TRUE);
    }
}

Picture& ChildControl::EditPicture() {
    InvalidateRect(window_, nullptr, TRUE);
    return picture_;
}

LRESULT ChildControl::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        // As a standard control: a window laid out again at another DPI hands its controls their new font.
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            InvalidateRect(window_, nullptr, TRUE);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font_);
        case WM_SETCURSOR:
            if (pointer_ != nullptr) {
                SetCursor(pointer_);
                return TRUE;
            }
            break;
        case WM_MOUSEMOVE:
            owner_->OnControlPointer(id_, PointerEvent::Move);
            return 0;
        case WM_GETDLGCODE:
            if (focusable_) {
                return DLGC_UNDEFPUSHBUTTON;
            }
            break;
        case BM_CLICK:
            if (focusable_) {
                owner_->OnControlPointer(id_, PointerEvent::Click);
                return 0;
            }
            break;
        case WM_KEYDOWN:
            // Like a push button: a click when Space is released, not repeated while it is held.
            if (focusable_ && wParam == VK_SPACE) {
                spacePressed_ = true;
                return 0;
            }
            break;
        case WM_KEYUP:
            if (focusable_ && wParam == VK_SPACE && spacePressed_) {
                spacePressed_ = false;
                owner_->OnControlPointer(id_, PointerEvent::Click);
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            spacePressed_ = false;
            InvalidateRect(window_, nullptr, TRUE);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (focusable_ && GetFocus() != window_) {
                SetFocus(window_);
            }
            leftPressed_ = true;
            SetCapture(window_);
            owner_->OnControlPointer(id_, PointerEvent::LeftDown);
            return 0;
        case WM_LBUTTONUP: {
            const bool wasPressed = leftPressed_;
            leftPressed_ = false;
            if (GetCapture() == window_) {
                ReleaseCapture();
            }
            RECT area;
            GetClientRect(window_, &area);
            const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            // A click is a press and a release over the same control.
            if (wasPressed && PtInRect(&area, at)) {
                owner_->OnControlPointer(id_, PointerEvent::Click);
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            leftPressed_ = false;
            return 0;
        case WM_GETOBJECT:
            // One that takes the keyboard is a push button to screen readers.
            if (focusable_ && static_cast<DWORD>(lParam) == static_cast<DWORD>(OBJID_CLIENT)) {
                if (!accessible_) {
                    accessible_.Reset(new ButtonAccessible(window_));
                }
                if (const LRESULT answer = accessible_.Get()->Answer(wParam)) {
                    return answer;
                }
            }
            break;
        case WM_DESTROY:
            if (accessible_) {
                accessible_.Get()->Detach();
                accessible_.Reset();
            }
            break;
        case WM_RBUTTONDOWN:
            owner_->OnControlPointer(id_, PointerEvent::RightDown);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void ChildControl::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    RECT area;
    GetClientRect(window_, &area);
    const Palette palette = ProgramPalette();
    SetDCBrushColor(dc, ColourOf(palette.window));
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));

    picture_.Draw(dc, area);

    if (!text_.empty()) {
        HGDIOBJ previousFont = SelectObject(dc, font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColourOf(ink_ == Ink::Link ? palette.link : palette.windowText));
        DrawTextW(dc, text_.c_str(), static_cast<int>(text_.size()), &area, textFormat_);
        SelectObject(dc, previousFont);
    }

    if (focusable_ && GetFocus() == window_) {
        RECT inner = area;
        InflateRect(&inner, -1, -1);
        SetTextColor(dc, ColourOf(palette.windowText));  // the focus rectangle's dots, in the text's colour
        SetBkColor(dc, ColourOf(palette.window));
        DrawFocusRect(dc, &inner);
    }
    EndPaint(window_, &paint);
}

}  // namespace zudav::win32
