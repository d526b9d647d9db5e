// The arithmetic of laying a window out at its monitor's DPI, and of giving each caption the room it needs.
#pragma once

namespace zudav {

// Pixels that a window's frame adds to its client area, measured at the window's DPI.
struct FrameInsets {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

// Outer size of a window whose client area has the given size in twips, at `dpi`, with that DPI's frame.
PixelSize WindowSizeForClientTwips(float clientWidth, float clientHeight, int dpi, const FrameInsets& frame);

// A font height (a LOGFONT's lfHeight, negative for the character height) made for one DPI, for another.
int FontHeightAtDpi(int height, int fromDpi, int toDpi);

// A control's box in pixels of its window's client area.
struct PixelBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline bool operator==(const PixelBox& a, const PixelBox& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

// What a caption needs: `width` of its text on one line plus what the control draws beside it (a check box's glyph,
// a push button's edges), and its height in lines.
struct CaptionNeed {
    int width = 0;
    int lineHeight = 0;
};

struct CaptionFit {
    PixelBox box;
    bool wraps = false;  // the text must break into lines: measure its height at box.width and call FitHeight
};

// A single-line caption too long for its box grows it to the right, as far as `roomRight` (the first thing on its
// right, or the window's edge); what still does not fit, and any multi-line caption, wraps inside the box. A box too
// low for one line grows downwards.
CaptionFit FitCaption(const PixelBox& box, const CaptionNeed& need, bool multiLine, int roomRight);

// The box of a wrapped caption, made tall enough for `textHeight` (plus what the control draws above and below).
PixelBox FitHeight(const PixelBox& box, int textHeight);

// Windows 11 sends no WM_DPICHANGED to a tool window when the scale of its monitor changes (Windows 10 does): the
// window keeps its pixels until the window system looks at it again. At each notice that may follow such a change, the
// DPI the window is laid out at is compared with the window's own and with its monitor's.
class DpiFollower {
  public:
    enum class Step {
        None,
        LayOut,  // the window's DPI changed without a word: lay it out at that DPI
        Resize,  // the monitor's DPI differs from the window's: a change of size makes the window system send
                 // WM_DPICHANGED (asked once for each DPI the monitor reaches)
    };
    explicit DpiFollower(int dpi) : laidOut_(dpi) {}
    // The window was laid out at a DPI (at its creation, at WM_DPICHANGED, after a LayOut step).
    void LaidOutAt(int dpi);
    int LaidOut() const { return laidOut_; }
    Step Check(int windowDpi, int monitorDpi);

  private:
    int laidOut_;
    int asked_ = 0;  // the monitor's DPI a Resize step was asked for
};

}  // namespace zudav
