#!/usr/bin/env python3
"""Turns the shared XPM pictures into what a Windows program's resources hold: the toolbar strip
as a 24-bit bitmap (transparent pixels in magenta, the image list's mask colour) and the icon's
sizes as one .ico file.

Usage: xpm_to_win.py bitmap STRIP.xpm OUT.bmp
       xpm_to_win.py icon OUT.ico SIZE.xpm...
"""
import re
import struct
import sys

MASK = (0xFF, 0x00, 0xFF)


def read_xpm(path):
    """The picture as rows of (r, g, b) tuples, None where it is transparent."""
    with open(path, encoding="ascii") as f:
        strings = re.findall(r'"((?:[^"\\]|\\.)*)"', f.read())
    width, height, colours, chars = (int(v) for v in strings[0].split()[:4])
    palette = {}
    for line in strings[1 : 1 + colours]:
        key, value = line[:chars], line[chars:].split()[-1]
        palette[key] = None if value.lower() == "none" else tuple(bytes.fromhex(value[1:7]))
    rows = strings[1 + colours : 1 + colours + height]
    return [[palette[row[x * chars : (x + 1) * chars]] for x in range(width)] for row in rows]


def bgr_rows(pixels, fill):
    """Bottom-up rows of BGR bytes, each padded to four bytes."""
    out = b""
    for row in reversed(pixels):
        line = b"".join(bytes(reversed(p if p is not None else fill)) for p in row)
        out += line + b"\0" * (-len(line) % 4)
    return out


def write_bitmap(strip, out):
    pixels = read_xpm(strip)
    width, height = len(pixels[0]), len(pixels)
    data = bgr_rows(pixels, MASK)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    with open(out, "wb") as f:
        f.write(header + info + data)


def icon_image(path):
    """One icon image: 32-bit colour with alpha, then the AND mask."""
    pixels = read_xpm(path)
    size = len(pixels)
    colour = b"".join(
        bytes((p[2], p[1], p[0], 255)) if p is not None else b"\0\0\0\0"
        for row in reversed(pixels)
        for p in row
    )
    mask = b""
    for row in reversed(pixels):
        bits = "".join("1" if p is None else "0" for p in row)
        line = int(bits, 2).to_bytes(len(bits) // 8, "big") if bits else b""
        mask += line + b"\0" * (-len(line) % 4)
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return size, info + colour + mask


def write_icon(out, sizes):
    images = [icon_image(p) for p in sizes]
    offset = 6 + 16 * len(images)
    directory, data = b"", b""
    for size, image in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset + len(data))
        data += image
    with open(out, "wb") as f:
        f.write(struct.pack("<HHH", 0, 1, len(images)) + directory + data)


if __name__ == "__main__":
    if sys.argv[1] == "bitmap":
        write_bitmap(sys.argv[2], sys.argv[3])
    else:
        write_icon(sys.argv[2], sys.argv[3:])
