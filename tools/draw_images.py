#!/usr/bin/env python3
"""Draws every picture of the game: the toolbar strip and the program's icon in the sixteen
standard colours as XPM files in resources/images, and the desktop's icon in every size of the
hicolor theme in resources/desktop/hicolor: the 16 and 32 pixel ones are the program's own
pictures, the larger ones and the scalable one are drawn smoothly to the same design. Run it by
hand after changing a picture; the build only reads what it wrote."""

import os
import struct
import zlib

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources")
APP_ID = "org.zeltaro.Zeltaro"

# The sixteen colours, by the character that stands for each in the pictures.
PALETTE = {
    "k": "#000000", "R": "#800000", "G": "#008000", "o": "#808000",
    "N": "#000080", "P": "#800080", "T": "#008080", "s": "#C0C0C0",
    "g": "#808080", "r": "#FF0000", "l": "#00FF00", "y": "#FFFF00",
    "b": "#0000FF", "m": "#FF00FF", "c": "#00FFFF", "w": "#FFFFFF",
}
CLEAR = "."


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.rows = [[CLEAR] * width for _ in range(height)]

    def get(self, x, y):
        if 0 <= x < self.width and 0 <= y < self.height:
            return self.rows[y][x]
        return CLEAR

    def put(self, x, y, c):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = c

    def disc(self, cx, cy, r, fill, outline=None, shade=None):
        """A disc centred on (cx, cy); its rim drawn in outline, its lower right in shade."""
        inside = lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r
        for y in range(self.height):
            for x in range(self.width):
                if not inside(x, y):
                    continue
                rim = not all(inside(x + dx, y + dy) for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                if rim and outline:
                    self.put(x, y, outline)
                elif shade and (x - cx) + (y - cy) > r * 0.8:
                    self.put(x, y, shade)
                else:
                    self.put(x, y, fill)

    def art(self, x0, y0, lines):
        """Copies a picture given as text; spaces and dots leave the canvas as it is."""
        for dy, line in enumerate(lines):
            for dx, c in enumerate(line):
                if c not in " .":
                    self.put(x0 + dx, y0 + dy, c)

    def outline(self, colour, around, x0=0, x1=None):
        """Puts colour on every clear pixel next to a pixel of one of the colours around."""
        x1 = self.width if x1 is None else x1
        marks = []
        for y in range(self.height):
            for x in range(x0, x1):
                if self.get(x, y) != CLEAR:
                    continue
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    if x0 <= x + dx < x1 and self.get(x + dx, y + dy) in around:
                        marks.append((x, y))
                        break
        for x, y in marks:
            self.put(x, y, colour)

    def line(self, x0, y0, x1, y1, c):
        steps = max(abs(x1 - x0), abs(y1 - y0))
        for i in range(steps + 1):
            t = i / steps if steps else 0
            self.put(round(x0 + (x1 - x0) * t), round(y0 + (y1 - y0) * t), c)

    def write_xpm(self, name):
        used = sorted({c for row in self.rows for c in row})
        ident = name.replace("-", "_").replace(".", "_")
        out = ["/* XPM */", f"static const char *{ident}[] = {{",
               f'"{self.width} {self.height} {len(used)} 1",']
        for c in used:
            out.append(f'"{c} c {"None" if c == CLEAR else PALETTE[c]}",')
        for i, row in enumerate(self.rows):
            out.append(f'"{"".join(row)}"' + ("," if i + 1 < self.height else ""))
        out.append("};")
        with open(os.path.join(ROOT, "images", name), "w", encoding="ascii") as f:
            f.write("\n".join(out) + "\n")

    def pixels(self):
        """Rows of RGBA pixels; the clear ones transparent."""
        rgba = lambda c: (0, 0, 0, 0) if c == CLEAR else tuple(bytes.fromhex(PALETTE[c][1:])) + (255,)
        return [[rgba(c) for c in row] for row in self.rows]


ARROW = [
    "................",
    "................",
    ".......k........",
    "......kk........",
    ".....kgk........",
    "....kggkkkkkkkk.",
    "...kgggggggggggk",
    "..kggggggggggggk",
    "...kgggggggggggk",
    "....kggkkkkkkkk.",
    ".....kgk........",
    "......kk........",
    ".......k........",
]

EXCLAMATION = [
    "......rrrr......",
    "......rrrr......",
    "......rrrr......",
    "......rrrr......",
    ".......rr.......",
    ".......rr.......",
    ".......rr.......",
    "................",
    "......rrrr......",
    "......rrrr......",
]

BELL = [
    ".......kk.......",
    "......kkkk......",
    ".....kkkkkk.....",
    ".....kkkkkk.....",
    ".....kkkkkk.....",
    "....kkkkkkkk....",
    "....kkkkkkkk....",
    "...kkkkkkkkkk...",
    "..kkkkkkkkkkkk..",
    ".rrrrrrrrrrrrrr.",
    ".rrrrrrrrrrrrrr.",
    "......kkkk......",
    ".......kk.......",
]

QUESTION = [
    ".....yyyyy......",
    "....yyyyyyy.....",
    "...yyy...yyy....",
    "...yy.....yy....",
    ".........yyy....",
    "........yyy.....",
    ".......yyy......",
    "......yyy.......",
    "......yyy.......",
    "................",
    "......yyy.......",
    "......yyy.......",
]


def toolbar():
    """Six 16 by 15 images side by side, in button order."""
    t = Canvas(96, 15)
    t.disc(7.5, 7.0, 6.6, "w", outline="k", shade="s")             # new game
    t.art(16, 1, ARROW)                                              # Back
    t.disc(32 + 7.5, 7.0, 6.6, "s", outline="k")                    # settings: a dial
    t.disc(32 + 7.5, 7.0, 5.4, "s", outline="g")
    for x, y in ((39, 2), (44, 7), (35, 7), (40, 2)):
        t.put(x, y, "k")
    t.line(39, 7, 43, 3, "k")
    t.put(40, 7, "k")
    t.art(48, 2, EXCLAMATION)                                        # start
    t.outline("R", "r", 48, 64)
    t.art(64, 1, BELL)                                               # play
    t.art(80, 1, QUESTION)                                           # about
    t.outline("k", "y", 80, 96)
    return t


def board_icon(size):
    """The application: discs on the board, one of them already taken."""
    c = Canvas(size, size)
    for y in range(size):
        for x in range(size):
            edge = x in (0, size - 1) or y in (0, size - 1)
            c.put(x, y, "k" if edge else "w")
    if size == 32:
        centres, r = [6.5, 15.5, 24.5], 4.2
    else:
        centres, r = [4.5, 10.5], 2.9
    for j, cy in enumerate(centres):
        for i, cx in enumerate(centres):
            taken = i == len(centres) - 1 and j == 0
            c.disc(cx, cy, r, "w" if taken else "g", outline="k")
    return c


# The design of the larger icons, on a 32 by 32 grid: the board in a black frame one unit wide,
# three rows of three discs (radius 4 to the outside of a black rim one unit wide), the top
# right one already taken.
GRID, CENTRES, RADIUS = 32, (7, 16, 25), 4
BOARD, ITEM, INK = (255, 255, 255), (128, 128, 128), (0, 0, 0)


def design(u, v):
    """The colour of the design at grid point (u, v)."""
    if min(u, v) < 1 or max(u, v) > GRID - 1:
        return INK
    cx = min(CENTRES, key=lambda c: abs(c - u))
    cy = min(CENTRES, key=lambda c: abs(c - v))
    d2 = (u - cx) ** 2 + (v - cy) ** 2
    if d2 > RADIUS ** 2:
        return BOARD
    if d2 > (RADIUS - 1) ** 2:
        return INK
    return BOARD if (cx, cy) == (CENTRES[-1], CENTRES[0]) else ITEM


def drawn(size, samples=4):
    """The design at size pixels, each pixel the mean of samples by samples points in it."""
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            total = [0, 0, 0]
            for j in range(samples):
                for i in range(samples):
                    colour = design((x + (i + 0.5) / samples) * GRID / size,
                                    (y + (j + 0.5) / samples) * GRID / size)
                    total = [t + c for t, c in zip(total, colour)]
            row.append(tuple(round(t / samples ** 2) for t in total) + (255,))
        rows.append(row)
    return rows


def svg():
    hexa = lambda c: "#%02x%02x%02x" % c
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           f'<svg xmlns="http://www.w3.org/2000/svg" width="{GRID}" height="{GRID}" '
           f'viewBox="0 0 {GRID} {GRID}">',
           f'  <rect x="0.5" y="0.5" width="{GRID - 1}" height="{GRID - 1}" fill="{hexa(BOARD)}" '
           f'stroke="{hexa(INK)}" stroke-width="1"/>']
    for cy in CENTRES:
        for cx in CENTRES:
            fill = BOARD if (cx, cy) == (CENTRES[-1], CENTRES[0]) else ITEM
            out.append(f'  <circle cx="{cx}" cy="{cy}" r="{RADIUS - 0.5}" fill="{hexa(fill)}" '
                       f'stroke="{hexa(INK)}" stroke-width="1"/>')
    return "\n".join(out + ["</svg>"]) + "\n"


def theme_path(folder, extension):
    path = os.path.join(ROOT, "desktop", "hicolor", folder, "apps")
    os.makedirs(path, exist_ok=True)
    return os.path.join(path, APP_ID + extension)


def write_png(rows):
    """Writes RGBA rows as the square icon of their size."""
    size = len(rows)
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rows)

    def chunk(tag, data):
        return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    with open(theme_path(f"{size}x{size}", ".png"), "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
                + chunk(b"IEND", b""))


if __name__ == "__main__":
    toolbar().write_xpm("toolbar.xpm")
    for size in (32, 16):
        icon = board_icon(size)
        icon.write_xpm(f"zeltaro-{size}.xpm")
        write_png(icon.pixels())
    for size in (48, 64, 128, 256):
        write_png(drawn(size))
    with open(theme_path("scalable", ".svg"), "w", encoding="ascii") as f:
        f.write(svg())
