// What a picture box shows: an icon that belongs to someone else (a resource), an icon or a bitmap that it releases,
// or nothing; drawn at the box's top-left corner at its own size, cut off at the box's edges.
#pragma once

#include <windows.h>

#include "platform/win32/handles.h"

namespace zudav::win32 {

class Picture {
  public:
    void ShowSharedIcon(HICON icon);
    void ShowOwnedIcon(UniqueIcon icon);
    void ShowOwnedBitmap(UniqueBitmap bitmap);
    // Shows the shared icon `to` if it shows the shared icon `from` now (the same picture at another size).
    bool SwapSharedIcon(HICON from, HICON to);
    // A copy of what another picture shows now, which stays when that one changes.
    void ShowCopyOf(const Picture& other);
    void Clear();
    bool Empty() const { return icon_ == nullptr && !bitmap_; }
    bool ShowsSharedIcon(HICON icon) const { return icon != nullptr && icon_ == icon && !ownedIcon_; }

    void Draw(HDC dc, const RECT& box) const;

  private:
    HICON icon_ = nullptr;
    UniqueIcon ownedIcon_;
    UniqueBitmap bitmap_;
};

}  // namespace zudav::win32
