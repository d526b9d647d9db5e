// The bar window as the logic sees it: geometry in twips, caption, icon, z-order and closing.
// The Win32 view implements it; the fake records what the logic asked for.
#pragma once

#include <string>

#include "platform/geometry.h"

namespace zudav {

class BarWindow {
  public:
    virtual ~BarWindow() = default;

    // The window's outer rectangle as it is now.
    virtual Geometry Bounds() const = 0;
    // The rectangle the window has when it is not minimised (its normal placement).
    virtual Geometry RestoredBounds() const = 0;
    virtual bool IsMinimized() const = 0;

    // Each returns false when the window system refuses the value; the property then keeps its value.
    virtual bool SetLeft(float twips) = 0;
    virtual bool SetTop(float twips) = 0;
    virtual bool SetWidth(float twips) = 0;
    virtual bool SetHeight(float twips) = 0;

    virtual std::wstring Caption() const = 0;
    virtual void SetCaption(const std::wstring& caption) = 0;

    // Loads the window icon from a picture file; false (built-in icon kept) when it is not an icon.
    virtual bool LoadIconFile(const std::wstring& path) = 0;
    // No icon at all.
    virtual void ClearIcon() = 0;

    // Above all non-topmost windows, shown, not activated, not moved.
    virtual void MakeTopmost() = 0;

    // Pops up the menu "Fichier" at the pointer; proposIsDefault shows "A &Propos de ..." as its default item.
    virtual void PopupMenuAide(bool proposIsDefault) = 0;

    // Closes the window by the same road as the window system's close (exit processing runs).
    virtual void Close() = 0;
};

}  // namespace zudav
