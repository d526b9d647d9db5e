#include "bar/win32/bar_painting.h"

#include <algorithm>

#include "platform/win32/drawing.h"
#include "platform/win32/handles.h"
#include "platform/win32/window_look.h"

namespace zudav::win32 {
namespace {

RECT ToRect(const PixelRect& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

bool Meets(const RECT& area, const PixelRect& rect) {
    RECT common{};
    const RECT part = ToRect(rect);
    return IntersectRect(&common, &area, &part) != FALSE;
}

// A frame `width` pixels wide just inside the rectangle.
void Frame(HDC dc, const RECT& rect, int width, COLORREF colour) {
    const UniquePen pen(CreatePen(PS_INSIDEFRAME, width, colour));
    const HGDIOBJ previousPen = SelectObject(dc, pen.Get());
    const HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
}

void FillFace(HDC dc, const RECT& area, const BarScene& scene) {
    SetDCBrushColor(dc, ColourOf(scene.palette.face));
    FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void PaintCells(HDC dc, const RECT& area, const BarScene& scene) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        const PixelRect& cell = scene.parts.cells[slot];
        if (!Meets(area, cell)) {
            continue;
        }
        if (const auto& running = scene.running[slot]) {
            SetDCBrushColor(dc, ColourOf(scene.runningColour));
            const RECT bar = ToRect(*running);
            FillRect(dc, &bar, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
        }
        if (const auto& mark = scene.marks[slot]) {
            const POINT points[3] = {
                {(*mark)[0].x, (*mark)[0].y}, {(*mark)[1].x, (*mark)[1].y}, {(*mark)[2].x, (*mark)[2].y}};
            const UniqueBrush ink(CreateSolidBrush(ColourOf(scene.palette.faceText)));
            const UniquePen edge(CreatePen(PS_SOLID, 1, ColourOf(scene.palette.faceText)));
            const HGDIOBJ previousBrush = SelectObject(dc, ink.Get());
            const HGDIOBJ previousPen = SelectObject(dc, edge.Get());
            Polygon(dc, points, 3);
            SelectObject(dc, previousPen);
            SelectObject(dc, previousBrush);
        }
        if (!scene.highContrast) {
            if (scene.borders[slot]) {
                DrawOutline(dc, ToRect(cell), ColourOf(scene.palette.hoverFrame));
            }
            continue;
        }
        // Every cell framed in the text colour, so that each slot shows as a button; the hovered one in the
        // highlight's colour, twice as wide.
        Frame(dc, ToRect(cell), scene.borders[slot] ? 2 : 1,
              ColourOf(scene.borders[slot] ? scene.palette.hoverFrame : scene.palette.faceText));
    }
}

void PaintLabel(HDC dc, const BarScene& scene) {
    RECT label = ToRect(scene.parts.action);
    const HGDIOBJ previousFont = SelectObject(dc, scene.labelFont);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColourOf(scene.palette.faceText));
    DrawTextW(dc, L"Action", -1, &label, DT_LEFT | DT_TOP | DT_WORDBREAK);
    SelectObject(dc, previousFont);
}

void PaintIconBox(HDC dc, int slot, const BarScene& scene) {
    const RECT box = ToRect(scene.parts.icons[slot]);
    const Picture& picture = scene.pictures[slot];
    // The box covers what lies under it, as a window above its cell would.
    FillFace(dc, box, scene);
    const auto builtIn = std::find_if(scene.builtIn.begin(), scene.builtIn.end(),
                                      [&](HICON icon) { return picture.ShowsSharedIcon(icon); });
    if (scene.highContrast && builtIn != scene.builtIn.end()) {
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
        const UniqueBrush ink(CreateSolidBrush(ColourOf(scene.palette.faceText)));
        DrawStateW(dc, ink.Get(), nullptr, reinterpret_cast<LPARAM>(*builtIn), 0, box.left, box.top, 0, 0,
                   DST_ICON | DSS_MONO);
        RestoreDC(dc, saved);
        return;
    }
    picture.Draw(dc, box);
}

void PaintScene(HDC dc, const RECT& area, const BarScene& scene) {
    FillFace(dc, area, scene);
    PaintCells(dc, area, scene);
    if (Meets(area, scene.parts.action)) {
        PaintLabel(dc, scene);
    }
    if (Meets(area, scene.parts.stop)) {
        const PixelRect& stop = scene.parts.stop;
        DrawIconEx(dc, stop.left, stop.top, scene.stop, 0, 0, 0, nullptr, DI_NORMAL);
    }
    // In reverse: where boxes overlap, the box of the lower slot lies on top, as it is hit first.
    for (int slot = kSlotCount - 1; slot >= 0; --slot) {
        if (Meets(area, scene.parts.icons[slot])) {
            PaintIconBox(dc, slot, scene);
        }
    }
    if (scene.focus) {
        RECT focus = ToRect(*scene.focus);
        InflateRect(&focus, -2, -2);
        SetTextColor(dc, ColourOf(scene.palette.focusFrame));
        SetBkColor(dc, ColourOf(scene.palette.face));
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace

void PaintBar(HDC dc, const RECT& area, const BarScene& scene) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    const UniqueDc buffer(CreateCompatibleDC(dc));
    const UniqueBitmap pixels(CreateCompatibleBitmap(dc, width, height));
    if (!buffer || !pixels) {
        PaintScene(dc, area, scene);  // no memory for a buffer: straight onto the window
        return;
    }
    const HGDIOBJ previous = SelectObject(buffer.Get(), pixels.Get());
    SetViewportOrgEx(buffer.Get(), -area.left, -area.top, nullptr);
    PaintScene(buffer.Get(), area, scene);
    BitBlt(dc, area.left, area.top, width, height, buffer.Get(), area.left, area.top, SRCCOPY);
    SelectObject(buffer.Get(), previous);
}

}  // namespace zudav::win32
