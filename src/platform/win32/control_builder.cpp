#include "platform/win32/control_builder.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "platform/win32/twips.h"

namespace zudav::win32 {

int CheckGlyphWidth(int dpi) {
    return SystemMetricAtDpi(SM_CXMENUCHECK, dpi) + MulDiv(4, dpi, 96);
}

SIZE PushButtonEdges(int dpi) {
    return {MulDiv(8, dpi, 96), MulDiv(6, dpi, 96)};
}

WindowLayout::WindowLayout(HWND window)
    : window_(window), dpi_(WindowDpi(window)), dialogFont_(ScaledDialogFont(dpi_)) {}

HFONT WindowLayout::DialogFont() const {
    return dialogFont_ ? dialogFont_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

const UniqueFont& WindowLayout::Font(const wchar_t* face, float points, FontStyle style) {
    fonts_.push_back(
        std::make_unique<MadeFont>(MadeFont{face, points, style, MakeFontAtDpi(dpi_, face, points, style)}));
    return fonts_.back()->font;
}

void WindowLayout::Track(HWND control, const Twips& at, HFONT font, bool hasFont) {
    int index = font == nullptr ? kDialogFont : kNoFont;
    for (size_t i = 0; i < fonts_.size() && font != nullptr; ++i) {
        if (fonts_[i]->font.Get() == font) {
            index = static_cast<int>(i);
        }
    }
    controls_.push_back({control, at, hasFont ? index : kNoFont});
}

HFONT WindowLayout::FontOf(const Control& control) const {
    return control.font == kDialogFont ? DialogFont() : fonts_[static_cast<size_t>(control.font)]->font.Get();
}

void WindowLayout::Arrange() {
    const TwipsScale scale(dpi_);
    for (const Control& control : controls_) {
        if (control.font != kNoFont) {
            // A new font gives an edit box the font's margins again: a box made without them (a narrow number) keeps
            // none.
            wchar_t kind[8] = {};
            GetClassNameW(control.handle, kind, 8);
            const bool bare = lstrcmpiW(kind, L"Edit") == 0 && SendMessageW(control.handle, EM_GETMARGINS, 0, 0) == 0;
            SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(control)), FALSE);
            if (bare) {
                SendMessageW(control.handle, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
            }
        }
        const int left = scale.ToPixels(control.at.left), top = scale.ToPixels(control.at.top);
        MoveWindow(control.handle, left, top, scale.ToPixels(control.at.width), scale.ToPixels(control.at.height),
                   FALSE);
    }
    RECT client{};
    GetClientRect(window_, &client);
    for (const Control& control : controls_) {
        Fit(control, client);
    }
    // The controls were moved without drawing: all of it again, each control with its parent.
    RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void WindowLayout::OnDpiChanged(WPARAM wParam, LPARAM lParam) {
    dpi_ = LOWORD(wParam);
    const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
    // The old fonts go once every control has its new one.
    UniqueFont oldDialogFont = std::exchange(dialogFont_, ScaledDialogFont(dpi_));
    std::vector<UniqueFont> oldFonts;
    for (const auto& made : fonts_) {
        oldFonts.push_back(
            std::exchange(made->font, MakeFontAtDpi(dpi_, made->face.c_str(), made->points, made->style)));
    }
    Arrange();
}

namespace {

PixelBox BoxInClient(HWND control, HWND window) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

bool IsGroupBox(HWND control) {
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    return lstrcmpiW(name, L"Button") == 0 && (GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

bool IsShown(HWND control) {
    return (GetWindowLongPtrW(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace

int WindowLayout::RoomRight(HWND control, const PixelBox& box, const RECT& client) const {
    const int margin = MulDiv(6, dpi_, 96);
    int room = client.right - margin;
    for (const Control& other : controls_) {
        if (other.handle == control || !IsShown(other.handle)) {
            continue;
        }
        const PixelBox o = BoxInClient(other.handle, window_);
        if (o.top >= box.top + box.height || o.top + o.height <= box.top) {
            continue;  // above or below
        }
        if (IsGroupBox(other.handle)) {
            if (o.left <= box.left && o.left + o.width > box.left) {
                room = std::min(room, o.left + o.width - margin);  // inside its frame
            }
        } else if (o.left > box.left) {
            room = std::min(room, o.left - MulDiv(2, dpi_, 96));
        }
    }
    return room;
}

void WindowLayout::Fit(const Control& control, const RECT& client) const {
    wchar_t name[16] = {};
    GetClassNameW(control.handle, name, 16);
    const bool isStatic = lstrcmpiW(name, L"Static") == 0, isButton = lstrcmpiW(name, L"Button") == 0;
    const LONG_PTR style = GetWindowLongPtrW(control.handle, GWL_STYLE);
    const LONG_PTR type = style & (isStatic ? SS_TYPEMASK : BS_TYPEMASK);
    UINT format = DT_EXPANDTABS;
    SIZE extra{0, 0};
    bool multiLine = false;
    if (isStatic && type <= SS_RIGHT) {
        format |= (style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
    } else if (isButton && (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE ||
                            type == BS_AUTO3STATE || type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)) {
        extra.cx = CheckGlyphWidth(dpi_);
    } else if (isButton && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON)) {
        extra = PushButtonEdges(dpi_);
        multiLine = (style & BS_MULTILINE) != 0;
    } else {
        return;  // no caption of its own, or one the control draws itself
    }
    const std::wstring text = TextOf(control.handle);
    if (text.empty()) {
        return;
    }
    HDC dc = GetDC(control.handle);
    auto font = reinterpret_cast<HFONT>(SendMessageW(control.handle, WM_GETFONT, 0, 0));
    HGDIOBJ previous = SelectObject(dc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
    RECT line{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), -1, &line, format | DT_CALCRECT | DT_SINGLELINE);
    const PixelBox box = BoxInClient(control.handle, window_);
    multiLine = multiLine || (isStatic && box.height >= 2 * line.bottom);
    CaptionFit fit = zudav::FitCaption(box, {line.right + extra.cx, line.bottom + extra.cy}, multiLine,
                                       RoomRight(control.handle, box, client));
    if (fit.wraps) {
        if (isButton) {
            SetWindowLongPtrW(control.handle, GWL_STYLE, style | BS_MULTILINE);
        }
        RECT wrapped{0, 0, fit.box.width - extra.cx, 0};
        DrawTextW(dc, text.c_str(), -1, &wrapped, format | DT_CALCRECT | DT_WORDBREAK);
        fit.box = FitHeight(fit.box, wrapped.bottom + extra.cy);
    }
    SelectObject(dc, previous);
    ReleaseDC(control.handle, dc);
    if (!(fit.box == box)) {
        MoveWindow(control.handle, fit.box.left, fit.box.top, fit.box.width, fit.box.height, FALSE);
    }
}

ControlBuilder::ControlBuilder(HWND window, float originLeft, float originTop)
    : window_(window), left_(originLeft), top_(originTop) {}

ControlBuilder::ControlBuilder(WindowLayout& layout, float originLeft, float originTop)
    : window_(layout.Window()), layout_(&layout), left_(originLeft), top_(originTop) {}

HFONT ControlBuilder::DefaultFont() const {
    return layout_ != nullptr ? layout_->DialogFont() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

RECT ControlBuilder::ToPixels(const Twips& at) const {
    const TwipsScale scale = layout_ != nullptr ? TwipsScale(layout_->Dpi()) : TwipsScale::ForWindow(window_);
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
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font != nullptr ? font : DefaultFont()), FALSE);
    if (layout_ != nullptr) {
        layout_->Track(control, FromWindow(at), font);
    }
    return control;
}

void ControlBuilder::Place(ChildControl& control, int id, ControlOwner& owner, const Twips& at) const {
    control.Create(window_, id, owner);
    const RECT r = ToPixels(at);
    MoveWindow(control.Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
    if (layout_ != nullptr) {
        layout_->Track(control.Handle(), FromWindow(at), nullptr, false);
    }
}

void ControlBuilder::PlaceText(ChildControl& control, int id, ControlOwner& owner, const Twips& at, HFONT font) const {
    control.Create(window_, id, owner);
    const RECT r = ToPixels(at);
    MoveWindow(control.Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
    if (layout_ != nullptr) {
        layout_->Track(control.Handle(), FromWindow(at), font);
    }
}

void ControlBuilder::Label(ChildControl& control,
                           ControlOwner& owner,
                           const std::wstring& text,
                           UINT format,
                           const Twips& at,
                           HFONT font) const {
    PlaceText(control, 0, owner, at, font);
    control.SetTextFormat(format);
    control.SetText(text, font != nullptr ? font : DefaultFont());
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
