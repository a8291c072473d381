#!/usr/bin/env python3
"""Draws the runners' icon, runner/resources/qel.ico: a white "Q" on a blue
rounded square, at 16, 32 and 48 pixels, 32-bit with alpha. Run it again
after changing the drawing; the .ico is kept in the repository."""
import math
import os
import struct

BLUE = (0x2A, 0x5C, 0xB0)
WHITE = (0xFF, 0xFF, 0xFF)
SAMPLES = 4


def inside_square(x, y):
    """The rounded square over the unit square."""
    r = 0.2
    cx = min(max(x, r), 1 - r)
    cy = min(max(y, r), 1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def inside_q(x, y):
    """A ring with a tail towards the lower right."""
    d = math.hypot(x - 0.47, y - 0.47)
    if 0.19 <= d <= 0.31:
        return True
    # The tail: a thick segment from the ring's lower right outwards.
    ax, ay, bx, by = 0.56, 0.56, 0.82, 0.82
    t = max(0.0, min(1.0, ((x - ax) * (bx - ax) + (y - ay) * (by - ay)) / ((bx - ax) ** 2 + (by - ay) ** 2)))
    return math.hypot(x - (ax + t * (bx - ax)), y - (ay + t * (by - ay))) <= 0.065


def pixel(size, px, py):
    """Averages SAMPLES x SAMPLES points of the pixel: BGRA."""
    colour = [0.0, 0.0, 0.0]
    cover = 0
    for sy in range(SAMPLES):
        for sx in range(SAMPLES):
            x = (px + (sx + 0.5) / SAMPLES) / size
            y = (py + (sy + 0.5) / SAMPLES) / size
            if not inside_square(x, y):
                continue
            rgb = WHITE if inside_q(x, y) else BLUE
            cover += 1
            for i in range(3):
                colour[i] += rgb[i]
    if cover == 0:
        return bytes(4)
    r, g, b = (round(c / cover) for c in colour)
    return bytes((b, g, r, round(255 * cover / SAMPLES ** 2)))


def image(size):
    """One icon image: header, bottom-up BGRA rows and an empty AND mask."""
    rows = b"".join(b"".join(pixel(size, x, y) for x in range(size)) for y in reversed(range(size)))
    mask_row = ((size + 31) // 32) * 4
    mask = bytes(mask_row * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(rows) + len(mask), 0, 0, 0, 0)
    return header + rows + mask


def main():
    sizes = [16, 32, 48]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for size, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(images)
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "runner", "resources", "qel.ico")
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
