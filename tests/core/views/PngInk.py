#!/usr/bin/env python3
"""Counts the pixels of a PNG that differ from a background colour.

Usage: PngInk.py FILE RRGGBB
Prints: WIDTH HEIGHT INK_PIXELS LEFT TOP RIGHT BOTTOM (the box around the ink).
Reads the 8-bit, non-interlaced RGB or RGBA files that rsvg-convert writes.
"""
import struct
import sys
import zlib


def rows_of(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit("not a PNG file: " + path)
    pos, idat = 8, b""
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        pos += 12 + length
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
    if depth != 8 or interlace != 0 or colour not in (2, 6):
        sys.exit("unsupported PNG layout")
    bpp = 4 if colour == 6 else 3
    raw = zlib.decompress(idat)
    stride = width * bpp
    previous = bytearray(stride)
    rows = []
    for y in range(height):
        start = y * (stride + 1)
        kind = raw[start]
        line = bytearray(raw[start + 1:start + 1 + stride])
        for x in range(stride):
            a = line[x - bpp] if x >= bpp else 0
            b = previous[x]
            c = previous[x - bpp] if x >= bpp else 0
            if kind == 1:
                line[x] = (line[x] + a) & 255
            elif kind == 2:
                line[x] = (line[x] + b) & 255
            elif kind == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[x] = (line[x] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line)
        previous = line
    return width, height, bpp, rows


def main():
    width, height, bpp, rows = rows_of(sys.argv[1])
    background = bytes.fromhex(sys.argv[2])
    ink, left, top, right, bottom = 0, width, height, -1, -1
    for y, row in enumerate(rows):
        for x in range(width):
            pixel = row[x * bpp:x * bpp + 3]
            if sum(abs(pixel[i] - background[i]) for i in range(3)) > 48:
                ink += 1
                left, right = min(left, x), max(right, x)
                top, bottom = min(top, y), max(bottom, y)
    print(width, height, ink, left, top, right, bottom)


main()
