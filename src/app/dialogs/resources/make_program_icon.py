#!/usr/bin/env python3
"""Draws the program picture of the About box: a car under a radio signal on a
blue tile. Written as an uncompressed 140 x 140 bitmap at 32 bits per pixel
(14-byte file header, 40-byte information header, 78,400 bytes of pixels).

Usage: make_program_icon.py ProgramIcon.bmp
"""
import math
import struct
import sys

SIZE = 140


def inside_rounded(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def pixel(x, y):
    # Background: a rounded tile with a vertical blue gradient, white outside.
    if not inside_rounded(x, y, 4, 4, SIZE - 5, SIZE - 5, 22):
        return (255, 255, 255)
    t = y / SIZE
    colour = (int(20 + 30 * t), int(90 + 40 * t), int(200 - 40 * t))

    # Radio waves above the car: three arcs around (70, 62).
    d = math.hypot(x - 70, y - 62)
    angle = math.degrees(math.atan2(62 - y, x - 70))
    if 45 <= angle <= 135:
        for r in (18, 30, 42):
            if abs(d - r) <= 3:
                return (255, 214, 0)
    if d <= 6:
        return (255, 214, 0)

    # The car: body, cabin, windows and wheels.
    if inside_rounded(x, y, 22, 88, 118, 108, 6):
        return (230, 235, 240)
    if inside_rounded(x, y, 40, 72, 100, 92, 8):
        if inside_rounded(x, y, 46, 77, 68, 90, 3) or inside_rounded(x, y, 72, 77, 94, 90, 3):
            return (120, 170, 220)
        return (230, 235, 240)
    for wx in (44, 96):
        dw = math.hypot(x - wx, y - 110)
        if dw <= 5:
            return (160, 160, 160)
        if dw <= 11:
            return (30, 30, 35)
    return colour


def main(path):
    rows = []
    for y in range(SIZE - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(SIZE):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r, 255))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 32, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, "wb") as f:
        f.write(header + info + pixels)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "ProgramIcon.bmp")
