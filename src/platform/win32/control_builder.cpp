#include "platform/win32/control_builder.h"

#include <commctrl.h>

#include "platform/win32/twips.h"

namespace zudav::win32 {

ControlBuilder::ControlBuilder(HWND window, float originLeft, float originTop)
    : window_(window), left_(originLeft), top_(originTop) {}

RECT ControlBuilder::ToPixels(const Twips& at) const {
    const TwipsScale scale = TwipsScale::ForWindow(window_);
    const int left = scale.ToPixels(left_ + at.left);
    const int top = scale.ToPixels(top_ + at.top);
    return {left, top, left + scale.ToPixels(at.width), top + scale.ToPixels(at.height)};
}

HWND ControlBuilder::Add(const wchar_t* windowClass,
                         const std::wstring& text,
                         DWORD style,
                         int id,
                         const Twips& at,
                         HFONT font) const {
    const RECT r = ToPixels(at);
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window_, GWLP_HINSTANCE));
    HWND control = CreateWindowExW(0, windowClass, text.c_str(), WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                                   r.right - r.left, r.bottom - r.top, window_,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(control, WM_SETFONT,
                 reinterpret_cast<WPARAM>(font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return control;
}

void ControlBuilder::Place(ChildControl& control, int id, ControlOwner& owner, const Twips& at) const {
    control.Create(window_, id, owner);
    const RECT r = ToPixels(at);
    MoveWindow(control.Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
}

void ControlBuilder::Label(ChildControl& control,
                           ControlOwner& owner,
                           const std::wstring& text,
                           UINT format,
                           const Twips& at,
                           HFONT font) const {
    Place(control, 0, owner, at);
    control.SetTextFormat(format);
    control.SetText(text, font != nullptr ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

HWND CreateTooltipWindow(HWND window) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr, instance, nullptr);
}

void AddTooltip(HWND tooltip, HWND window, HWND control, const std::wstring& text) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void SetTooltipText(HWND tooltip, HWND window, HWND control, const std::wstring& text) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::wstring TextOf(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), length + 1)));
    return text;
}

void SetTextIfChanged(HWND control, const std::wstring& text) {
    if (TextOf(control) != text) {
        SetWindowTextW(control, text.c_str());
    }
}

}  // namespace zudav::win32
