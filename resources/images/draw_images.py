#!/usr/bin/env python3
"""Draws the toolbar strip and the icons in the sixteen standard colours and writes them as
XPM files beside this script. Run it by hand after changing a picture; the build only reads
the XPM files."""

import math
import os

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
        path = os.path.join(os.path.dirname(os.path.abspath(__file__)), name)
        with open(path, "w", encoding="ascii") as f:
            f.write("\n".join(out) + "\n")


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


def document_icon(size):
    """A page with a folded corner and one disc on it."""
    c = Canvas(size, size)
    if size == 32:
        left, top, right, bottom, fold = 5, 1, 26, 30, 7
        disc = (15.5, 18.0, 6.0)
    else:
        left, top, right, bottom, fold = 2, 0, 13, 15, 4
        disc = (7.5, 9.0, 3.3)
    for y in range(top, bottom + 1):
        for x in range(left, right + 1):
            if x > right - fold + (y - top):
                continue  # cut off by the fold
            edge = x in (left, right) or y in (top, bottom) or x == right - fold + (y - top)
            c.put(x, y, "k" if edge else "w")
    for i in range(fold + 1):  # the turned-down corner: shaded, then its two folded edges
        for j in range(i):
            c.put(right - fold + j, top + i, "s")
    for i in range(fold + 1):
        c.put(right - fold + i, top + fold, "k")
        c.put(right - fold, top + i, "k")
    c.disc(*disc, "g", outline="k")
    return c


if __name__ == "__main__":
    toolbar().write_xpm("toolbar.xpm")
    for size in (32, 16):
        board_icon(size).write_xpm(f"zeltaro-{size}.xpm")
        document_icon(size).write_xpm(f"document-{size}.xpm")
