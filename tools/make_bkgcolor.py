#!/usr/bin/env python3
"""Writes resources/bkgcolor.wmf, the default background picture of the dial.

A soft design for the inner disc: pale concentric tints from sky blue at the
rim to cream at the centre and a faint eight-point compass rose. Everything
lies inside the inscribed circle, so the square's corners (where the hour
lines begin) stay clear, and every colour is light enough for the hour
lines and labels drawn over it.

The file is a placeable Windows metafile of 2000 x 2000 logical units.

    python3 tools/make_bkgcolor.py [output-path]
"""
import math
import os
import struct
import sys

EXTENT = 2000
CENTRE = EXTENT // 2
RADIUS = 1000


class Wmf:
    def __init__(self):
        self.records = []
        self.objects = 0
        self.free = []

    def record(self, function, *words):
        params = b"".join(struct.pack("<h" if w < 0 else "<H", w) for w in words)
        size = 3 + len(params) // 2
        self.records.append(struct.pack("<IH", size, function) + params)

    def colorref(self, rgb):
        r, g, b = rgb
        return [r | (g << 8), b]

    def create(self):
        if self.free:
            return self.free.pop(0)
        self.objects += 1
        return self.objects - 1

    def pen(self, style, width, rgb):
        self.record(0x02FA, style, width, 0, *self.colorref(rgb))
        return self.create()

    def brush(self, style, rgb):
        self.record(0x02FC, style, *self.colorref(rgb), 0)
        return self.create()

    def select(self, index):
        self.record(0x012D, index)

    def delete(self, index):
        self.record(0x01F0, index)
        self.free.append(index)
        self.free.sort()

    def ellipse(self, left, top, right, bottom):
        self.record(0x0418, bottom, right, top, left)

    def polygon(self, points):
        words = [len(points)]
        for x, y in points:
            words += [x, y]
        self.record(0x0324, *words)

    def data(self):
        self.record(0x0000)  # end of file
        body = b"".join(self.records)
        largest = max(len(r) // 2 for r in self.records)
        header = struct.pack("<HHHIHIH", 1, 9, 0x0300, (18 + len(body)) // 2, self.objects, largest, 0)
        placeable = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, EXTENT, EXTENT, 1440, 0)
        checksum = 0
        for (word,) in struct.iter_unpack("<H", placeable[:20]):
            checksum ^= word
        return placeable + struct.pack("<H", checksum) + header + body


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def disc(wmf, radius):
    wmf.ellipse(CENTRE - radius, CENTRE - radius, CENTRE + radius, CENTRE + radius)


def point_at(radius, degrees):
    a = math.radians(degrees)
    return (int(round(CENTRE + radius * math.cos(a))), int(round(CENTRE - radius * math.sin(a))))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "bkgcolor.wmf")
    wmf = Wmf()
    wmf.record(0x020B, 0, 0)             # window origin (y, x)
    wmf.record(0x020C, EXTENT, EXTENT)   # window extent (y, x)
    wmf.record(0x0102, 1)                # transparent background
    wmf.record(0x0106, 1)                # alternate fill

    no_pen = wmf.pen(5, 0, (0, 0, 0))
    wmf.select(no_pen)
    rim, centre = (226, 238, 250), (255, 250, 234)
    steps = 10
    for i in range(steps):
        brush = wmf.brush(0, mix(rim, centre, i / (steps - 1)))
        wmf.select(brush)
        disc(wmf, RADIUS - i * RADIUS // steps)
        wmf.delete(brush)

    # A thin ring just inside the rim.
    ring = wmf.pen(0, 1, (196, 212, 232))
    hollow = wmf.brush(1, (0, 0, 0))
    wmf.select(ring)
    wmf.select(hollow)
    disc(wmf, 960)
    disc(wmf, 420)

    # Compass rose: each point in a lighter and a darker half.
    light = wmf.brush(0, (238, 242, 250))
    dark = wmf.brush(0, (214, 225, 242))
    for degrees, length in [(d, 900 if d % 90 == 0 else 560) for d in range(0, 360, 45)]:
        tip = point_at(length, degrees)
        left = point_at(140, degrees + 45)
        right = point_at(140, degrees - 45)
        wmf.select(light)
        wmf.polygon([(CENTRE, CENTRE), left, tip])
        wmf.select(dark)
        wmf.polygon([(CENTRE, CENTRE), tip, right])
    wmf.select(light)
    disc(wmf, 60)

    for index in (light, dark, hollow, ring, no_pen):
        wmf.delete(index)
    with open(out, "wb") as f:
        f.write(wmf.data())


if __name__ == "__main__":
    main()
