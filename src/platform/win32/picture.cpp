#include "platform/win32/picture.h"

#include <algorithm>
#include <utility>

namespace zudav::win32 {

void Picture::ShowSharedIcon(HICON icon) {
    Clear();
    icon_ = icon;
}

void Picture::ShowOwnedIcon(UniqueIcon icon) {
    Clear();
    ownedIcon_ = std::move(icon);
    icon_ = ownedIcon_.Get();
}

void Picture::ShowOwnedBitmap(UniqueBitmap bitmap) {
    Clear();
    bitmap_ = std::move(bitmap);
}

bool Picture::SwapSharedIcon(HICON from, HICON to) {
    if (!ShowsSharedIcon(from)) {
        return false;
    }
    icon_ = to;
    return true;
}

void Picture::ShowCopyOf(const Picture& other) {
    if (other.bitmap_) {
        ShowOwnedBitmap(UniqueBitmap(static_cast<HBITMAP>(CopyImage(other.bitmap_.Get(), IMAGE_BITMAP, 0, 0, 0))));
    } else if (other.icon_ != nullptr) {
        ShowOwnedIcon(UniqueIcon(CopyIcon(other.icon_)));
    } else {
        Clear();
    }
}

void Picture::Clear() {
    icon_ = nullptr;
    ownedIcon_.Reset();
    bitmap_.Reset();
}

void Picture::Draw(HDC dc, const RECT& box) const {
    if (bitmap_) {
        BITMAP info{};
        GetObjectW(bitmap_.Get(), sizeof info, &info);
        const UniqueDc memory(CreateCompatibleDC(dc));
        const HGDIOBJ previous = SelectObject(memory.Get(), bitmap_.Get());
        BitBlt(dc, box.left, box.top, std::min<int>(info.bmWidth, box.right - box.left),
               std::min<int>(info.bmHeight, box.bottom - box.top), memory.Get(), 0, 0, SRCCOPY);
        SelectObject(memory.Get(), previous);
    } else if (icon_ != nullptr) {
        // An icon larger than its box (a picture file's) is cut off at the box's edges.
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
        DrawIconEx(dc, box.left, box.top, icon_, 0, 0, 0, nullptr, DI_NORMAL);
        RestoreDC(dc, saved);
    }
}

}  // namespace zudav::win32
