// What the bar's slots show: their places at the window's DPI, their pictures, tooltips, hover borders and names, and
// the one pass that paints them.
#include "bar/win32/bar_view.h"
// After bar_view.h, which includes windows.h.
#include <commctrl.h>

#include <utility>

#include "bar/win32/bar_ids.h"
#include "bar/win32/bar_painting.h"
#include "platform/win32/fonts.h"
#include "platform/win32/pictures.h"
#include "platform/win32/slow_icons.h"
#include "platform/win32/twips.h"
#include "platform/win32/window_look.h"
#include "resources/resource_ids.h"

namespace zudav::win32 {

// The side of the icon boxes, which the layout gives with the cells'.
int BarView::PicturePixels() const {
    return TwipsToPixels(places_.pictures[0].width, WindowDpi(window_));
}

void BarView::ShowAtDpi(int dpi) {
    dpiFollower_.LaidOutAt(dpi);
    LoadBuiltInIcons(dpi);
    labelFont_ = ScaledDialogFont(dpi);
    PlaceParts(InPixels(places_, dpi));
    InvalidateAll();
}

// The placeholder and the free-slot picture at the icon boxes' side, in place of those the boxes show.
void BarView::LoadBuiltInIcons(int dpi) {
    const int side = TwipsToPixels(places_.pictures[0].width, 96);
    BuiltInIcons icons{LoadResourceIcon(instance_, IDI_IMARIEN, side, dpi),
                       LoadResourceIcon(instance_, IDI_IMAGE1, side, dpi),
                       LoadResourceIcon(instance_, IDI_ARRETER, 16, dpi)};
    for (Picture& box : pictures_) {
        box.SwapSharedIcon(icons_.placeholder.Get(), icons.placeholder.Get());
        box.SwapSharedIcon(icons_.freeSlot.Get(), icons.freeSlot.Get());
    }
    std::swap(icons_, icons);  // the old pictures go once nothing shows them
}

void BarView::ShowControls(const BarControls& controls) {
    const bool newSide = controls.pictures[0].width != places_.pictures[0].width;
    places_ = controls;
    if (newSide) {
        LoadBuiltInIcons(WindowDpi(window_));
    }
    PlaceParts(InPixels(places_, WindowDpi(window_)));
}

// The layout runs at every change of the bar's size, several times while it starts: parts already where they belong
// are not painted again.
void BarView::PlaceParts(const BarPixels& parts) {
    if (parts == parts_) {
        return;
    }
    parts_ = parts;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    for (tool.uId = 0; tool.uId <= kStopTool; ++tool.uId) {
        const RECT place = ElementPlace(tool.uId == kStopTool ? kStopElement : SlotElement(static_cast<int>(tool.uId)));
        tool.rect = place;
        SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));  // a tool not yet added: none
    }
    InvalidateAll();
}

// Asking the window system to paint again costs a round trip to it under Wine, and a refresh changes every icon box
// twice: a part is asked for alone, a second one with the whole window, and what is already to be painted not again.
void BarView::InvalidatePart(const PixelRect& rect) {
    RECT part{rect.left, rect.top, rect.right, rect.bottom}, both{};
    if (IsRectEmpty(&part) || (UnionRect(&both, &toPaint_, &part) && EqualRect(&both, &toPaint_))) {
        return;
    }
    if (!IsRectEmpty(&toPaint_)) {
        InvalidateAll();
        return;
    }
    toPaint_ = part;
    InvalidateRect(window_, &part, FALSE);
}

void BarView::InvalidateAll() {
    GetClientRect(window_, &toPaint_);
    InvalidateRect(window_, nullptr, FALSE);
}

// Each slot's tool covers its cell and its icon box, "Arrêter"'s its picture.
void BarView::SetTooltip(UINT_PTR id, const std::wstring& text) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window_;
    tool.uId = id;
    // The refresh sets the tooltips at every activation: add each tool once, then only change its text.
    const bool known = SendMessageW(tooltip_, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
    tool.uFlags = TTF_SUBCLASS;
    tool.rect = ElementPlace(id == kStopTool ? kStopElement : SlotElement(static_cast<int>(id)));
    tool.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(tooltip_, known ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// A file on a share that does not answer would hold the bar for the network's time-out at every activation, and an
// online-only cloud file would be downloaded: their icons are read away from the window and shown when they come.
IconLookup BarView::DrawFirstIcon(int box, const std::wstring& path, Reading reading) {
    ForgetSlowReads(box);
    if (reading == Reading::Away) {
        if (slowReads_.Ask(box, path)) {
            ReadPictureAway(window_, kSlowIconMessage, AwayPicture::FirstIcon, path, PicturePixels());
        }
        return IconLookup::Drawn;
    }
    const IconLookup lookup = ShowItemPicture(pictures_[box], path, PicturePixels());
    InvalidatePart(parts_.icons[box]);
    return lookup;
}

// Each box that still waits for the file shows what was read: a first icon, else the placeholder for a file of a kind
// that has icons; a picture file, else nothing (as a picture file that does not load in place).
void BarView::ShowReadPicture(LPARAM result) {
    const std::unique_ptr<ReadPicture> read = TakeReadPicture(result);
    if (read->kind == AwayPicture::WindowIcon) {
        if (read->path == awaitedIconFile_ && read->icon) {
            ShowIconFile(std::move(read->icon), std::move(read->smallIcon));
        }
        return;
    }
    const bool firstIcon = read->kind == AwayPicture::FirstIcon;
    for (int box : (firstIcon ? slowReads_ : slowPictureFiles_).Arrived(read->path)) {
        if (read->icon) {
            pictures_[box].ShowOwnedIcon(UniqueIcon(CopyIcon(read->icon.Get())));
        } else if (read->bitmap) {
            pictures_[box].ShowOwnedBitmap(UniqueBitmap(
                static_cast<HBITMAP>(CopyImage(read->bitmap.Get(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))));
        } else if (firstIcon && read->iconKind) {
            pictures_[box].ShowSharedIcon(icons_.placeholder.Get());
        }
        InvalidatePart(parts_.icons[box]);
    }
}

BarView::Answer BarView::OnPictureRead(LPARAM result) {
    ShowReadPicture(result);
    return 0;
}

bool BarView::LoadPicture(int box, const std::wstring& path, Reading reading) {
    ForgetSlowReads(box);
    if (reading == Reading::Away) {
        if (slowPictureFiles_.Ask(box, path)) {
            ReadPictureAway(window_, kSlowIconMessage, AwayPicture::PictureFile, path, 0);
        }
        return true;
    }
    InvalidatePart(parts_.icons[box]);
    return ShowPictureFile(pictures_[box], path);
}

void BarView::ForgetSlowReads(int box) {
    slowReads_.Forget(box);
    slowPictureFiles_.Forget(box);
}

void BarView::ShowBuiltInPicture(int box, BuiltInPicture picture) {
    ForgetSlowReads(box);
    pictures_[box].ShowSharedIcon(picture == BuiltInPicture::Placeholder ? icons_.placeholder.Get()
                                                                         : icons_.freeSlot.Get());
    InvalidatePart(parts_.icons[box]);
}

void BarView::ClearPicture(int box) {
    ForgetSlowReads(box);
    pictures_[box].Clear();
    InvalidatePart(parts_.icons[box]);
}

// The refresh sets every item's tooltips at each activation; a text the tool already shows is not sent again.
void BarView::SetSlotTooltips(int slot, const std::wstring& text) {
    if (slotTips_[slot] != text) {
        SetTooltip(static_cast<UINT_PTR>(slot), text);
        slotTips_[slot] = text;
    }
}

void BarView::ShowSlotItem(int slot, const SlotItem& item) {
    if (items_[slot] == item) {
        return;
    }
    const std::wstring before = Element(SlotElement(slot)).name;
    if ((items_[slot].kind == SlotKind::Menu) != (item.kind == SlotKind::Menu)) {
        InvalidatePart(parts_.cells[slot]);  // its mark comes or goes
    }
    items_[slot] = item;
    if (Element(SlotElement(slot)).name != before) {
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_, OBJID_CLIENT, SlotElement(slot) + 1);
    }
    if (automation_) {
        automation_.Get()->RaiseChildrenInvalidated();
    }
}

void BarView::SetCellBorder(int cell, bool border) {
    if (cell >= 0 && cell < kSlotCount && borders_[cell] != border) {
        borders_[cell] = border;
        InvalidatePart(parts_.cells[cell]);
    }
}

void BarView::ShowLook(zudav::Look look) {
    ++theme_;
    SetProgramLook(look);
    DressThreadWindows();  // the bar, its tooltip, and a window of the program open now
}

void BarView::ShowSquareCorners(bool square) {
    SetSquareCorners(window_, square);
}

PictureLook BarView::Look() const {
    return {PicturePixels(), theme_};
}

std::array<std::optional<std::array<PixelPoint, 3>>, kSlotCount> BarView::FolderMarks() const {
    std::array<std::optional<std::array<PixelPoint, 3>>, kSlotCount> marks;
    const std::optional<MenuSide> side = MarksSide();
    for (int slot = 0; side && slot < kSlotCount; ++slot) {
        if (items_[slot].kind == SlotKind::Menu) {
            marks[slot] = FolderMark(parts_.cells[slot], parts_.icons[slot], *side);
        }
    }
    return marks;
}

void BarView::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    const std::optional<int> focus = KeyboardFocus();
    const BarScene scene{
        parts_,
        pictures_,
        borders_,
        icons_.stop.Get(),
        labelFont_ ? labelFont_.Get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)),
        focus && focusShown_ ? std::optional<PixelRect>(ElementRect(parts_, *focus)) : std::nullopt,
        ProgramPalette(),
        ProgramLook() == zudav::Look::HighContrast,
        {icons_.placeholder.Get(), icons_.freeSlot.Get()},
        FolderMarks(),
        RunningMarks(),
        running_.any() ? RunningMarkColour(ProgramLook(), ProgramPalette(), SystemAccent(), SystemHighlight()) : Rgb{}};
    PaintBar(dc, paint.rcPaint, scene);
    EndPaint(window_, &paint);
    toPaint_ = {};
}

BarView::Answer BarView::OnPaint() {
    Paint();
    if (principal_ != nullptr) {
        principal_->OnPaint();
    }
    return 0;
}

}  // namespace zudav::win32
