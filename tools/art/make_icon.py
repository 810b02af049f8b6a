#!/usr/bin/env python3
"""Draws the program's icon (a blue disc with a white play triangle, the sign of replaying) and writes
it as a Windows .ico with 16, 32 and 48 pixel images. Usage: make_icon.py OUT.ico"""
import struct
import sys


def pixel(size, x, y):
    """BGRA of one pixel, with 4x4 supersampling for smooth edges."""
    r = g = b = a = 0.0
    for sy in range(4):
        for sx in range(4):
            px = (x + (sx + 0.5) / 4) / size
            py = (y + (sy + 0.5) / 4) / size
            dx, dy = px - 0.5, py - 0.5
            if dx * dx + dy * dy > 0.47 * 0.47:
                continue
            # The triangle: from (0.38, 0.28) and (0.38, 0.72) to (0.74, 0.5).
            inside = px >= 0.38 and abs(py - 0.5) <= (0.74 - px) * (0.22 / 0.36)
            if inside:
                cr, cg, cb = 255, 255, 255
            else:
                shade = 1.0 - 0.45 * py
                cr, cg, cb = 30 * shade, 100 * shade + 20, 200 * shade + 40
            r, g, b, a = r + cr, g + cg, b + cb, a + 255
    n = 16.0
    if a == 0:
        return (0, 0, 0, 0)
    cover = a / n / 255
    return (int(b / n / cover), int(g / n / cover), int(r / n / cover), int(a / n))


def image(size):
    rows = []
    for y in reversed(range(size)):   # bottom-up
        rows.append(b"".join(struct.pack("<BBBB", *pixel(size, x, y)) for x in range(size)))
    mask_row = b"\x00" * (((size + 31) // 32) * 4)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows) + mask_row * size


def main():
    sizes = [16, 32, 48]
    images = [image(s) for s in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for s, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(sys.argv[1], "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main()
