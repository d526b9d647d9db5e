// A light child window that shows one of the bar's controls (an icon box, a cell, a label, an image) and
// reports pointer events to its owner. It draws its picture at the top-left corner at the picture's own size.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/button_accessible.h"
#include "platform/win32/handles.h"
#include "platform/win32/picture.h"

namespace zudav::win32 {

enum class PointerEvent { LeftDown, RightDown, Move, Click };

class ControlOwner {
  public:
    virtual void OnControlPointer(int id, PointerEvent event) = 0;

  protected:
    ~ControlOwner() = default;
};

class ChildControl {
  public:
    ChildControl() = default;
    ChildControl(const ChildControl&) = delete;
    ChildControl& operator=(const ChildControl&) = delete;

    bool Create(HWND parent, int id, ControlOwner& owner);
    HWND Handle() const { return window_; }
    int Id() const { return id_; }

    // The caption, drawn in the colour of the program's look for a text or a link (read at each paint, so that it
    // follows a change of look).
    enum class Ink { Text, Link };
    void SetText(const std::wstring& text, HFONT font, Ink ink = Ink::Text);
    // An icon that belongs to someone else (a resource), or one that this control releases.
    void ShowSharedIcon(HICON icon);
    void ShowOwnedIcon(UniqueIcon icon);
    void ShowOwnedBitmap(UniqueBitmap bitmap);
    // A copy of what another control shows now, which stays when that control changes.
    void ShowCopyOf(const ChildControl& other);
    void ClearPicture();
    // The picture, to change: the control paints it again.
    Picture& EditPicture();
    // DrawText flags for the caption (left-aligned and wrapped unless told otherwise).
    void SetTextFormat(UINT format) { textFormat_ = format; }
    void SetPointer(HCURSOR pointer) { pointer_ = pointer; }
    // The window's text alone, for screen readers: the control does not draw it.
    void SetName(const std::wstring& name);
    // A tab stop that acts as a push button: Space, Enter (through the modal loop) and BM_CLICK click it, a press
    // gives it the focus, and it shows a focus rectangle while it has it.
    void SetFocusable(bool focusable);

    // For the window procedure.
    void Bind(HWND window) { window_ = window; }
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void Paint();

    HWND window_ = nullptr;
    int id_ = 0;
    ControlOwner* owner_ = nullptr;
    std::wstring text_;
    HFONT font_ = nullptr;
    Ink ink_ = Ink::Text;
    UniqueCom<ButtonAccessible> accessible_;  // made when a screen reader first asks for it
    Picture picture_;
    UINT textFormat_ = DT_LEFT | DT_TOP | DT_WORDBREAK;
    HCURSOR pointer_ = nullptr;
    bool leftPressed_ = false;
    bool focusable_ = false;
    bool spacePressed_ = false;
};

}  // namespace zudav::win32
