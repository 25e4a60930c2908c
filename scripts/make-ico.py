#!/usr/bin/env python3
"""make-ico.py OUT.ico IN.png...: a Windows icon holding the PNG pictures as they are
(Windows Vista and later read PNG-compressed icon entries of any size)."""
import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit("make-ico.py: not a PNG file")
    return struct.unpack(">II", data[16:24])


def main():
    if len(sys.argv) < 3:
        raise SystemExit("usage: make-ico.py OUT.ico IN.png...")
    pictures = []
    for name in sys.argv[2:]:
        with open(name, "rb") as f:
            data = f.read()
        width, height = png_size(data)
        if width > 256 or height > 256:
            raise SystemExit(f"make-ico.py: {name} is larger than 256 pixels")
        pictures.append((width, height, data))
    pictures.sort(key=lambda p: p[0])
    header = struct.pack("<HHH", 0, 1, len(pictures))
    offset = len(header) + 16 * len(pictures)
    entries, payload = b"", b""
    for width, height, data in pictures:
        # 256 is written as 0 in the one-byte size fields.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        payload += data
        offset += len(data)
    with open(sys.argv[1], "wb") as f:
        f.write(header + entries + payload)


main()
