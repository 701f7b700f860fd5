#!/usr/bin/env python3
"""Draws the Kalomax logo of the report pages: data/report/logo.png.

A rounded dark-blue tile with three bars cut into pieces, drawn pixel by pixel with 4x4
supersampling and written as an 8-bit RGBA PNG with zlib only.

    python3 tests/report/tools/make_logo.py data/report/logo.png
"""
import struct
import sys
import zlib

SIZE = 64
SAMPLES = 4
TILE = (0x1F, 0x3A, 0x5F)
BAR = (0xF2, 0xF4, 0xF7)
STUB = (0xF5, 0xA6, 0x23)
RADIUS = 12.0

# Each bar: (top, bottom, [(left, right, colour), ...]) in pixel units.
BARS = [
    (14, 22, [(10, 27, BAR), (29, 46, BAR), (48, 54, STUB)]),
    (28, 36, [(10, 33, BAR), (35, 50, BAR), (52, 54, STUB)]),
    (42, 50, [(10, 21, BAR), (23, 34, BAR), (36, 47, BAR), (49, 54, STUB)]),
]


def inside_tile(x, y):
    """True when (x, y) lies in the rounded square."""
    cx = min(max(x, RADIUS), SIZE - RADIUS)
    cy = min(max(y, RADIUS), SIZE - RADIUS)
    return (x - cx) ** 2 + (y - cy) ** 2 <= RADIUS ** 2


def colour_at(x, y):
    """The colour of the drawing at (x, y), or None outside the tile."""
    if not inside_tile(x, y):
        return None
    for top, bottom, pieces in BARS:
        if top <= y < bottom:
            for left, right, colour in pieces:
                if left <= x < right:
                    return colour
    return TILE


def pixel(px, py):
    red = green = blue = covered = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            colour = colour_at(px + (sx + 0.5) / SAMPLES, py + (sy + 0.5) / SAMPLES)
            if colour is not None:
                red += colour[0]
                green += colour[1]
                blue += colour[2]
                covered += 1
    if covered == 0:
        return (0, 0, 0, 0)
    alpha = covered * 255 // (SAMPLES * SAMPLES)
    return (red // covered, green // covered, blue // covered, alpha)


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def main(path):
    rows = bytearray()
    for py in range(SIZE):
        rows.append(0)  # no filter
        for px in range(SIZE):
            rows.extend(pixel(px, py))
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(rows), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as out:
        out.write(png)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "logo.png")
