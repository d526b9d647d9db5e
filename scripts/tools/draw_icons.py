#!/usr/bin/env python3
"""Draws the bar's built-in pictures (src/resources/icons/*.ico) at every size Windows asks for at 100, 125, 150
and 200 % (and the small sizes of the window icon), with ImageMagick.

Each picture is described once, in the pixels of its 100 % size. For each size the straight edges are snapped to
whole pixels of that size (from the middle outwards, so that what is centred stays centred) and the whole picture is
rendered eight times larger without smoothing, then averaged down: curves and diagonals come out smooth, straight
edges sharp. Run from anywhere: scripts/tools/draw_icons.py [OUTPUT_FOLDER]
"""
import math
import os
import struct
import subprocess
import sys
import tempfile

OVERSAMPLE = 8
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def half_away(value):
    return math.copysign(math.floor(abs(value) + 0.5), value)


class Canvas:
    """A picture of `size` pixels drawn from a description in the pixels of its 100 % size (`base`): `at` and `px`
    give places and thicknesses in this size's pixels, which the primitives take; the result is an ImageMagick
    drawing of the oversampled picture."""

    def __init__(self, base, size):
        self.base, self.size, self.k = base, size, size / base
        self.commands = []

    def at(self, value, pixels=0):  # an edge snapped to a whole pixel, then moved by whole pixels
        return self.size / 2 + half_away((value - self.base / 2) * self.k) + pixels

    def px(self, width):  # a thickness in whole pixels, at least one; a line and a half stays one line
        return max(1, math.ceil(width * self.k - 0.5))

    def scaled(self, value):  # a place that needs no snapping (centres, curves, diagonals)
        return value * self.k

    def fill(self, colour):
        self.commands.append(f"fill '{colour}' stroke none")

    def rect(self, left, top, right, bottom):
        x0, y0, x1, y1 = (v * OVERSAMPLE for v in (left, top, right, bottom))
        if x1 > x0 and y1 > y0:
            self.commands.append(f"rectangle {x0:g},{y0:g} {x1 - 1:g},{y1 - 1:g}")

    def round_rect(self, left, top, right, bottom, radius):
        x0, y0, x1, y1 = (v * OVERSAMPLE for v in (left, top, right, bottom))
        r = radius * OVERSAMPLE
        self.commands.append(f"roundrectangle {x0:g},{y0:g} {x1 - 1:g},{y1 - 1:g} {r:g},{r:g}")

    def circle(self, cx, cy, radius):
        cx, cy, r = (v * OVERSAMPLE for v in (cx, cy, radius))
        self.commands.append(f"circle {cx:g},{cy:g} {cx + r:g},{cy:g}")

    def polygon(self, *points):
        self.commands.append("polygon " + " ".join(f"{x * OVERSAMPLE:g},{y * OVERSAMPLE:g}" for x, y in points))

    def line(self, colour, width, x0, y0, x1, y1):
        x0, y0, x1, y1, w = (v * OVERSAMPLE for v in (x0, y0, x1, y1, width))
        self.commands.append(f"fill none stroke '{colour}' stroke-width {w:g} stroke-linecap butt")
        self.commands.append(f"line {x0:g},{y0:g} {x1:g},{y1:g}")

    def render(self, out, overlay=None):
        big = f"{self.size * OVERSAMPLE}x{self.size * OVERSAMPLE}"
        command = ["convert", "-size", big, "xc:none", "+antialias", "-draw", "\n".join(self.commands),
                   *(overlay or []), "-scale", f"{self.size}x{self.size}", f"PNG32:{out}"]
        subprocess.run(command, check=True)


def zudav(c):
    """The window icon: a blue bar standing upright with three coloured slots, and a faint shadow."""
    a, t = c.at, c.px(1)
    c.fill("rgba(13,52,112,0.06)")
    c.round_rect(a(9), a(2), a(25), a(32), c.scaled(3))
    c.fill("#0D3470")
    c.round_rect(a(8), a(1), a(24), a(31), c.scaled(3))
    c.fill("#1F5FBF")
    c.round_rect(a(8, t), a(1, t), a(24, -t), a(31, -t), c.scaled(3) - t)
    for top, colour in ((5, "#FFD23F"), (13, "#7EE081"), (21, "#FF7A59")):
        c.fill(colour)
        c.rect(a(12), a(top), a(20), a(top + 6))


def image1(c):
    """The free slot: an etched dashed square (a light copy one line below and right of the grey one) around a
    grey plus."""
    t = c.px(1)
    dash, gap = max(2, half_away(4 * c.k)), c.px(1)
    first, last = c.at(3), c.at(29)
    for colour, shift in (("#DBDBDB", t), ("#9A9A9A", 0)):
        c.fill(colour)
        at = first
        while at < last:
            end = min(at + dash, last)
            for x0, y0, x1, y1 in ((at, first, end, first + t), (at, last - t, end, last),
                                   (first, at, first + t, end), (last - t, at, last, end)):
                c.rect(x0 + shift, y0 + shift, x1 + shift, y1 + shift)
            at = end + gap
    c.fill("#B8B8B8")
    c.rect(c.at(14), c.at(9), c.at(18), c.at(23))
    c.rect(c.at(9), c.at(14), c.at(23), c.at(18))


def imarien(c):
    """The placeholder: a grey sheet with a folded corner and a question mark, and a faint shadow."""
    a, t = c.at, c.px(1)
    d = t * math.sqrt(2)  # a diagonal edge t pixels thick, measured along an axis
    c.fill("rgba(112,112,112,0.06)")
    c.polygon((a(7), a(3)), (a(22), a(3)), (a(28), a(9)), (a(28), a(31)), (a(7), a(31)))
    c.fill("#707070")
    c.polygon((a(6), a(2)), (a(21), a(2)), (a(27), a(8)), (a(27), a(30)), (a(6), a(30)))
    c.fill("#E8E8E8")
    c.polygon((a(6, t), a(2, t)), (a(20), a(2, t)), (a(20), a(8, t)), (a(27, -t), a(8, t)), (a(27, -t), a(30, -t)),
              (a(6, t), a(30, -t)))
    c.fill("#BBBBBB")  # the folded corner, inside its outline
    c.polygon((a(20, t), a(2) + t + d), (a(20, t), a(8)), (a(27) - d, a(8)))
    # The question mark, set in a bold sans face, fills a box of 9 x 13 pixels at 100 %.
    left, top, right, bottom = (a(v) * OVERSAMPLE for v in (12, 12, 21, 25))
    glyph = int(40 * c.k * OVERSAMPLE)
    return ["(", "-size", f"{2 * glyph}x{2 * glyph}", "xc:none", "-fill", "#505050", "-font", "DejaVu-Sans-Bold",
            "-pointsize", str(glyph), "-gravity", "center", "-annotate", "+0+0", "?", "+gravity", "-trim", "+repage",
            "-resize", f"{right - left:g}x{bottom - top:g}!", ")", "-geometry", f"+{left:g}+{top:g}", "-composite"]


def arreter(c):
    """Arrêter: a red disc with a dark rim and a white cross."""
    s, t = c.scaled, c.px(1)
    c.fill("#8E0000")
    c.circle(s(8), s(8), s(8))
    c.fill("#D32F2F")
    c.circle(s(8), s(8), s(8) - t)
    for x0, y0, x1, y1 in ((5, 5, 11, 11), (11, 5, 5, 11)):
        c.line("#FFFFFF", s(2.2), s(x0), s(y0), s(x1), s(y1))


ICONS = {
    "zudav": (zudav, 32, (16, 20, 24, 32, 40, 48, 64)),
    "image1": (image1, 32, (32, 40, 48, 64)),
    "imarien": (imarien, 32, (32, 40, 48, 64)),
    "arreter": (arreter, 16, (16, 20, 24, 32)),
}


def write_ico(frames, path, scratch):
    """An icon file whose 32-pixel and larger pictures are stored as PNG (Windows reads them so since Vista), the
    smaller ones as the classic bitmaps: the larger sizes would otherwise weigh some 100 KB in Zudav.exe."""
    entries = []
    for size, frame in frames:
        if size >= 32:
            packed = frame + ".packed.png"
            subprocess.run(["convert", frame, "-strip", "-define", "png:compression-level=9", "png32:" + packed],
                           check=True)
            with open(packed, "rb") as f:
                data = f.read()
        else:
            single = frame + ".ico"
            subprocess.run(["convert", frame, single], check=True)
            with open(single, "rb") as f:
                raw = f.read()
            length, offset = struct.unpack_from("<II", raw, 6 + 8)
            data = raw[offset:offset + length]
        entries.append((size, data))
    offset = 6 + 16 * len(entries)
    header = struct.pack("<HHH", 0, 1, len(entries))
    directory, images = b"", b""
    for size, data in entries:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset + len(images))
        images += data
    with open(path, "wb") as f:
        f.write(header + directory + images)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "src", "resources", "icons")
    os.makedirs(out, exist_ok=True)
    with tempfile.TemporaryDirectory() as scratch:
        for name, (draw, base, sizes) in ICONS.items():
            frames = []
            for size in sizes:
                canvas = Canvas(base, size)
                overlay = draw(canvas)
                frame = os.path.join(scratch, f"{name}-{size}.png")
                canvas.render(frame, overlay)
                frames.append((size, frame))
            write_ico(frames, os.path.join(out, f"{name}.ico"), scratch)


if __name__ == "__main__":
    main()
