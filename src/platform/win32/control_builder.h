// Laying out a window's standard controls from positions in twips: creating them with the dialog font,
// tooltips, and the text of a control read and written without flicker. Shared by the program's windows.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/dpi_layout.h"
#include "platform/win32/child_control.h"
#include "platform/win32/fonts.h"

namespace zudav::win32 {

// A control's place in twips: Left, Top, Width, Height.
struct Twips {
    float left, top, width, height;
};

// A window's controls as its design places them, laid out at the window's DPI: each at its twips place, in its font
// made for that DPI, its caption given the room it needs. Laid out again when the window moves to a monitor of
// another DPI.
class WindowLayout {
  public:
    explicit WindowLayout(HWND window);
    WindowLayout(const WindowLayout&) = delete;
    WindowLayout& operator=(const WindowLayout&) = delete;

    HWND Window() const { return window_; }
    int Dpi() const { return dpi_; }
    // The stock dialog font at the window's DPI.
    HFONT DialogFont() const;
    // A font of the window, made again at each DPI (the reference stays, its font changes).
    const UniqueFont& Font(const wchar_t* face, float points, FontStyle style = {});

    // `font`: one of Font's, the dialog font (nullptr), or none for a control without text.
    void Track(HWND control, const Twips& at, HFONT font, bool hasFont = true);
    // Every control at its place for the window's DPI, in its font, its caption whole.
    void Arrange();
    // WM_DPICHANGED: the window takes the rectangle Windows suggests, its fonts are made again, then arranged.
    void OnDpiChanged(WPARAM wParam, LPARAM lParam);

  private:
    struct MadeFont {
        std::wstring face;
        float points;
        FontStyle style;
        UniqueFont font;
    };
    struct Control {
        HWND handle;
        Twips at;
        int font;  // an index of fonts_, or one of the kinds below
    };
    static constexpr int kDialogFont = -1;
    static constexpr int kNoFont = -2;

    HFONT FontOf(const Control& control) const;
    void Fit(const Control& control, const RECT& client) const;
    int RoomRight(HWND control, const PixelBox& box, const RECT& client) const;

    HWND window_;
    int dpi_;
    UniqueFont dialogFont_;
    std::vector<std::unique_ptr<MadeFont>> fonts_;
    std::vector<Control> controls_;
};

class ControlBuilder {
  public:
    // Positions are given from `origin` (twips of the window's client area): a frame's corner, or 0, 0.
    ControlBuilder(HWND window, float originLeft = 0, float originTop = 0);
    // The same, each control remembered by the window's layout.
    explicit ControlBuilder(WindowLayout& layout, float originLeft = 0, float originTop = 0);

    RECT ToPixels(const Twips& at) const;
    // A standard control (a window class such as BUTTON, EDIT, STATIC), shown, in the dialog font unless given.
    HWND Add(const wchar_t* windowClass,
             const std::wstring& text,
             DWORD style,
             int id,
             const Twips& at,
             HFONT font = nullptr) const;
    // One of the program's own light controls.
    void Place(ChildControl& control, int id, ControlOwner& owner, const Twips& at) const;
    // One that shows a text the view sets (ChildControl::SetText) in `font`, the dialog font unless given: the layout
    // hands it that font again at another DPI.
    void PlaceText(ChildControl& control, int id, ControlOwner& owner, const Twips& at, HFONT font = nullptr) const;
    // A text drawn by a light control (`format`: DrawText flags), in the dialog font unless given. Wine's STATIC
    // control keeps a block of memory for good once it has been given a font: a window opened again and again grows.
    void Label(ChildControl& control,
               ControlOwner& owner,
               const std::wstring& text,
               UINT format,
               const Twips& at,
               HFONT font = nullptr) const;
    ControlBuilder Inside(float left, float top) const {
        ControlBuilder inside(window_, left_ + left, top_ + top);
        inside.layout_ = layout_;
        return inside;
    }

  private:
    Twips FromWindow(const Twips& at) const { return {left_ + at.left, top_ + at.top, at.width, at.height}; }
    HFONT DefaultFont() const;

    HWND window_;
    WindowLayout* layout_ = nullptr;
    float left_;
    float top_;
};

// What a check box or an option button draws left of its text at `dpi`: the glyph and the gap after it.
int CheckGlyphWidth(int dpi);
// What a push button draws around its text at `dpi`, on each axis: its edges and the focus rectangle.
SIZE PushButtonEdges(int dpi);

// A tooltip window for `window`, and a tool on one of its controls.
HWND CreateTooltipWindow(HWND window);
void AddTooltip(HWND tooltip, HWND window, HWND control, const std::wstring& text);
void SetTooltipText(HWND tooltip, HWND window, HWND control, const std::wstring& text);

std::wstring TextOf(HWND control);
void SetTextIfChanged(HWND control, const std::wstring& text);

}  // namespace zudav::win32
