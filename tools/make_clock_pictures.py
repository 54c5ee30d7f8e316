#!/usr/bin/env python3
"""Draws the desktop sundial's 48 x 48 day and night pictures.

Writes resources/clock/day.png (a sun on a sky) and resources/clock/night.png
(a crescent moon with stars). Only the standard library is used; every pixel
is the average of 4 x 4 samples so the edges are smooth.

    python3 tools/make_clock_pictures.py [output-folder]
"""
import math
import os
import struct
import sys
import zlib

SIZE = 48
SAMPLES = 4


def png_bytes(rows):
    """An 8-bit RGB PNG from rows of (r, g, b) tuples."""
    raw = b"".join(b"\x00" + bytes(v for px in row for v in px) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def render(shade):
    """Averages shade(x, y) -> (r, g, b) over sub-pixel samples."""
    rows = []
    for py in range(SIZE):
        row = []
        for px in range(SIZE):
            acc = [0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = shade(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
                    for i in range(3):
                        acc[i] += c[i]
            n = SAMPLES * SAMPLES
            row.append(tuple(int(round(a / n)) for a in acc))
        rows.append(row)
    return rows


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def day(x, y):
    cx = cy = SIZE / 2
    sky = mix((120, 190, 250), (200, 232, 255), y / SIZE)
    dx, dy = x - cx, y - cy
    r = math.hypot(dx, dy)
    if r < 10:
        return mix((255, 244, 150), (255, 205, 40), r / 10)
    angle = math.atan2(dy, dx)
    # Twelve rays, alternately long and short, tapering to points.
    ray = (angle % (math.pi / 6)) / (math.pi / 6)
    width = 1 - abs(ray - 0.5) * 2
    reach = 21 if int(angle // (math.pi / 6)) % 2 == 0 else 17
    if 12 <= r <= reach and width > (r - 12) / (reach - 12) * 0.85 + 0.1:
        return (255, 170, 30)
    return sky


STARS = [(8, 9, 1.3), (17, 5, 0.9), (39, 8, 1.1), (42, 20, 0.8), (7, 30, 1.0),
         (12, 41, 0.8), (31, 42, 1.2), (40, 36, 0.9), (24, 12, 0.7)]


def night(x, y):
    sky = mix((10, 18, 60), (35, 45, 105), y / SIZE)
    # Crescent: a disc with an offset disc taken away.
    in_moon = math.hypot(x - 26, y - 25) < 12
    in_shadow = math.hypot(x - 31, y - 21) < 10
    if in_moon and not in_shadow:
        return (250, 236, 160)
    for sx, sy, size in STARS:
        d = abs(x - sx) + abs(y - sy)
        if d < size or (abs(y - sy) < 0.35 and abs(x - sx) < size * 2.2) or \
                (abs(x - sx) < 0.35 and abs(y - sy) < size * 2.2):
            return (255, 255, 225)
    return sky


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "clock")
    os.makedirs(out, exist_ok=True)
    for name, shade in (("day.png", day), ("night.png", night)):
        with open(os.path.join(out, name), "wb") as f:
            f.write(png_bytes(render(shade)))


if __name__ == "__main__":
    main()
