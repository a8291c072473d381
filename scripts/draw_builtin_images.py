#!/usr/bin/env python3
"""Draws the toolkit's built-in pictures (check strips, sort and drop marks,
expand buttons, editor glyphs, split and panning cursors) as 24-bit BMP
files into toolkit/graphics/images. The build compiles those files in; run
this again only to change a picture."""
import os
import struct
import sys

MAGENTA = (255, 0, 255)
GREEN_KEY = (0, 255, 0)
WHITE = (255, 255, 255)
SILVER = (192, 192, 192)
GREY = (128, 128, 128)
BLACK = (0, 0, 0)
DARK_GREEN = (0, 128, 0)
NAVY = (0, 0, 128)
HOT = (255, 248, 208)
XP_BORDER = (28, 81, 128)
XP_FACE = (244, 244, 240)
XP_HOT = (252, 224, 160)
XP_PRESSED = (220, 220, 212)
XP_MARK = (33, 161, 33)
XP_DISABLED = (202, 200, 187)


class Picture:
    def __init__(self, width, height, background):
        self.width, self.height = width, height
        self.pixels = [[background] * width for _ in range(height)]

    def set(self, x, y, color):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = color

    def fill(self, left, top, right, bottom, color):
        for y in range(top, bottom):
            for x in range(left, right):
                self.set(x, y, color)

    def frame(self, left, top, right, bottom, light, dark):
        self.fill(left, top, right, top + 1, light)
        self.fill(left, top, left + 1, bottom, light)
        self.fill(left, bottom - 1, right, bottom, dark)
        self.fill(right - 1, top, right, bottom, dark)

    def line(self, x0, y0, x1, y1, color):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        error = dx + dy
        while True:
            self.set(x0, y0, color)
            if (x0, y0) == (x1, y1):
                return
            twice = 2 * error
            if twice >= dy:
                error += dy
                x0 += sx
            if twice <= dx:
                error += dx
                y0 += sy

    def disc(self, cx, cy, radius, color):
        for y in range(self.height):
            for x in range(self.width):
                if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
                    self.set(x, y, color)

    def blit(self, other, left, top):
        for y in range(other.height):
            for x in range(other.width):
                self.set(left + x, top + y, other.pixels[y][x])

    def bmp(self):
        stride = (self.width * 3 + 3) // 4 * 4
        rows = b""
        for y in reversed(range(self.height)):
            row = b"".join(bytes((b, g, r)) for (r, g, b) in self.pixels[y])
            rows += row + b"\0" * (stride - len(row))
        header = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
        return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(rows), 0, 0, 14 + len(header)) + header + rows


def strip(images, background):
    size = images[0].height
    out = Picture(size * len(images), size, background)
    for i, image in enumerate(images):
        out.blit(image, i * size, 0)
    return out


# Check strips: image 0 empty; 1-8 radio buttons (unchecked, then checked;
# each normal, hot, pressed, disabled); 9-20 check boxes (unchecked, checked,
# mixed); 21-24 push buttons.
STATES = ("normal", "hot", "pressed", "disabled")


def check_mark(p, tick, color):
    if tick:
        for y0 in (9, 10):
            p.line(4, y0 - 2, 6, y0, color)
            p.line(6, y0, 11, y0 - 5, color)
    else:
        for y0 in (8, 9, 10):
            p.line(5, y0 - 2, 7, y0, color)
            p.line(7, y0, 10, y0 - 3, color)


def box(style, state, mark, tick):
    p = Picture(16, 16, MAGENTA)
    disabled = state == "disabled"
    if style == "xp":
        face = {"normal": XP_FACE, "hot": XP_HOT, "pressed": XP_PRESSED, "disabled": XP_FACE}[state]
        p.fill(2, 2, 15, 15, face)
        border = XP_DISABLED if disabled else XP_BORDER
        p.frame(2, 2, 15, 15, border, border)
        ink = XP_DISABLED if disabled else XP_MARK
    else:
        face = SILVER if state == "pressed" or disabled else (HOT if state == "hot" else WHITE)
        p.fill(2, 2, 15, 15, face)
        if style == "flat":
            p.frame(2, 2, 15, 15, GREY, GREY)
        elif style == "dark":
            p.frame(2, 2, 15, 15, GREY, WHITE)
            p.frame(3, 3, 14, 14, BLACK, SILVER)
        else:
            p.frame(2, 2, 15, 15, GREY, GREY)
            if state != "normal":
                p.frame(3, 3, 14, 14, SILVER, SILVER)
        ink = GREY if disabled else (DARK_GREEN if tick else BLACK)
    if mark == "checked":
        check_mark(p, tick, ink)
    elif mark == "mixed":
        p.fill(5, 5, 12, 12, ink)
    return p


def radio(style, state, checked, tick):
    p = Picture(16, 16, MAGENTA)
    disabled = state == "disabled"
    if style == "xp":
        ring, face = (XP_DISABLED if disabled else XP_BORDER), {"hot": XP_HOT, "pressed": XP_PRESSED}.get(state, XP_FACE)
        ink = XP_DISABLED if disabled else XP_MARK
    else:
        ring = GREY if style != "dark" or disabled else BLACK
        face = SILVER if state == "pressed" or disabled else (HOT if state == "hot" else WHITE)
        ink = GREY if disabled else (DARK_GREEN if tick else BLACK)
    p.disc(8, 8, 6.5, ring)
    p.disc(8, 8, 5.5, face)
    if checked:
        p.disc(8, 8, 2.5, ink)
    return p


def push(style, state):
    p = Picture(16, 16, MAGENTA)
    if style == "xp":
        face = {"hot": XP_HOT, "pressed": XP_PRESSED}.get(state, XP_FACE)
        p.fill(1, 1, 15, 15, face)
        border = XP_DISABLED if state == "disabled" else XP_BORDER
        p.frame(1, 1, 15, 15, border, border)
        return p
    p.fill(1, 1, 15, 15, SILVER)
    if state == "pressed":
        p.frame(1, 1, 15, 15, BLACK, WHITE)
        p.frame(2, 2, 14, 14, GREY, SILVER)
    else:
        p.frame(1, 1, 15, 15, WHITE, BLACK)
        p.frame(2, 2, 14, 14, SILVER if state == "disabled" else WHITE, GREY)
    return p


def check_strip(style, tick):
    images = [Picture(16, 16, MAGENTA)]
    images += [radio(style, s, checked, tick) for checked in (False, True) for s in STATES]
    images += [box(style, s, mark, tick) for mark in ("unchecked", "checked", "mixed") for s in STATES]
    images += [push(style, s) for s in STATES]
    return strip(images, MAGENTA)


def triangle(p, cx, top, height, down, color):
    for i in range(height):
        y = top + i
        half = (height - 1 - i) if down else i
        p.fill(cx - half, y, cx + half + 1, y + 1, color)


def utilities():
    images = []
    for right in (False, True):  # drop marks: an arrow pointing into the column
        p = Picture(16, 16, MAGENTA)
        for i in range(5):
            x = 15 - i if right else i
            p.fill(x, 8 - (4 - i), x + 1, 8 + (4 - i) + 1, BLACK)
        p.fill(0 if not right else 11, 7, 5 if not right else 16, 10, BLACK)
        images.append(p)
    for themed in (False, True):  # sort glyphs: descending, then ascending
        for down in (True, False):
            p = Picture(16, 16, MAGENTA)
            triangle(p, 8, 5, 5, down, GREY if themed else BLACK)
            images.append(p)
    return strip(images, MAGENTA)


def xp_button(plus):
    p = Picture(9, 9, WHITE)
    for y in range(1, 8):
        shade = 255 - y * 6
        p.fill(1, y, 8, y + 1, (shade, shade, shade - 8))
    p.frame(0, 0, 9, 9, (122, 152, 175), (122, 152, 175))
    p.fill(2, 4, 7, 5, BLACK)
    if plus:
        p.fill(4, 2, 5, 7, BLACK)
    return p


def wrapped():
    p = Picture(12, 12, GREEN_KEY)
    p.fill(9, 2, 10, 8, NAVY)
    p.fill(3, 7, 10, 8, NAVY)
    triangle_left = [(3, 7), (4, 6), (4, 8), (5, 5), (5, 9)]
    for x, y in triangle_left:
        p.set(x, y, NAVY)
    p.fill(5, 5, 6, 10, NAVY)
    return p


DIGITS = ["111101101101111", "010110010010111", "111001111100111", "111001111001111", "101101111001001",
          "111100111001111", "111100111101111", "111001001001001", "111101111101111", "111101111001111"]


def bookmarks():
    images = []
    for n in range(10):
        p = Picture(12, 12, MAGENTA)
        p.fill(1, 0, 11, 12, NAVY)
        p.fill(2, 1, 10, 11, (64, 128, 255))
        for y in range(5):
            for x in range(3):
                if DIGITS[n][y * 3 + x] == "1":
                    p.fill(4 + x * 1, 3 + y, 5 + x * 1, 4 + y, WHITE)
        images.append(p)
    return strip(images, MAGENTA)


def arrow(p, cx, cy, dx, dy, length, color):
    """An arrow from the centre towards (dx, dy), with its head at the tip."""
    tipx, tipy = cx + dx * length, cy + dy * length
    p.line(cx + dx * 4, cy + dy * 4, tipx, tipy, color)
    for back in range(1, 4):
        bx, by = tipx - dx * back, tipy - dy * back
        if dx and dy:
            p.line(bx, tipy, tipx, tipy, color)
            p.line(tipx, by, tipx, tipy, color)
        else:
            p.line(bx - dy * back, by - dx * back, bx + dy * back, by + dx * back, color)


DIRECTIONS = {"N": (0, -1), "S": (0, 1), "W": (-1, 0), "E": (1, 0),
              "NE": (1, -1), "NW": (-1, -1), "SE": (1, 1), "SW": (-1, 1)}


def panning(directions):
    p = Picture(32, 32, MAGENTA)
    p.disc(16, 16, 3, BLACK)
    p.disc(16, 16, 2, WHITE)
    for name in directions:
        dx, dy = DIRECTIONS[name]
        arrow(p, 16, 16, dx, dy, 11 if not (dx and dy) else 8, BLACK)
    return p


def splitter(vertical_bar):
    p = Picture(32, 32, MAGENTA)
    if vertical_bar:  # a column splitter: a bar with arrows left and right
        p.fill(15, 8, 17, 24, BLACK)
        arrow(p, 15, 16, -1, 0, 8, BLACK)
        arrow(p, 16, 16, 1, 0, 8, BLACK)
    else:
        p.fill(8, 15, 24, 17, BLACK)
        arrow(p, 16, 15, 0, -1, 8, BLACK)
        arrow(p, 16, 16, 0, 1, 8, BLACK)
    return p


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "toolkit",
                                                                   "graphics", "images")
    pictures = {
        "LT_CHECK_LIGHT": check_strip("light", False),
        "LT_CHECK_DARK": check_strip("dark", False),
        "LT_TICK_LIGHT": check_strip("light", True),
        "LT_TICK_DARK": check_strip("dark", True),
        "LT_FLAT": check_strip("flat", False),
        "LT_XP": check_strip("xp", True),
        "LT_UTILITIES": utilities(),
        "LT_XPBUTTONPLUS": xp_button(True),
        "LT_XPBUTTONMINUS": xp_button(False),
        "CodeEditWrapped": wrapped(),
        "CodeEditInternalImages": bookmarks(),
        "LT_HEADERSPLIT": splitter(True),
        "LT_VERTSPLIT": splitter(False),
        "LT_MOVEALL": panning(["N", "S", "W", "E"]),
        "LT_MOVEEW": panning(["W", "E"]),
        "LT_MOVENS": panning(["N", "S"]),
    }
    for name in ("N", "S", "W", "E", "NE", "NW", "SE", "SW"):
        pictures["LT_MOVE" + name] = panning([name])
    os.makedirs(folder, exist_ok=True)
    for name, picture in pictures.items():
        with open(os.path.join(folder, name + ".bmp"), "wb") as out:
            out.write(picture.bmp())


if __name__ == "__main__":
    main()
