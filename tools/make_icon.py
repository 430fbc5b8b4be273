#!/usr/bin/env python3
"""Draws the program icon (resource 11): a blue tile with two white arrows
that point in opposite directions, for switching between address profiles.
Writes an .ico with a 32x32 and a 16x16 image, 8 bits per pixel."""
import struct
import sys

TRANSPARENT, BLUE, DARK, WHITE, GREEN = 0, 1, 2, 3, 4
# red, green, blue
PALETTE = [(0, 0, 0), (0x1E, 0x5A, 0xA8), (0x0E, 0x34, 0x6A), (0xFF, 0xFF, 0xFF), (0x50, 0xD0, 0x40)]


def draw(size):
    s = size / 32.0
    px = [[TRANSPARENT] * size for _ in range(size)]
    radius = 6 * s
    for y in range(size):
        for x in range(size):
            cx = min(max(x + 0.5, radius), size - radius)
            cy = min(max(y + 0.5, radius), size - radius)
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius * radius:
                edge = x == 0 or y == 0 or x == size - 1 or y == size - 1
                px[y][x] = DARK if edge else BLUE

    def arrow(row, pointing_right, colour):
        shaft_top, shaft_bottom = row - 1.5 * s, row + 1.5 * s
        head_half = 5 * s
        left, right = 6 * s, 26 * s
        tip = right if pointing_right else left
        base = tip - 7 * s if pointing_right else tip + 7 * s
        for y in range(size):
            for x in range(size):
                fx, fy = x + 0.5, y + 0.5
                lo, hi = min(left, right), max(left, right)
                in_shaft = shaft_top <= fy <= shaft_bottom and lo <= fx <= hi
                dist = abs(fx - tip)
                between = (base <= fx <= tip) if pointing_right else (tip <= fx <= base)
                in_head = between and abs(fy - row) <= head_half * dist / (7 * s)
                if in_shaft and not between or in_head:
                    px[y][x] = colour

    arrow(11 * s, True, WHITE)
    arrow(21 * s, False, GREEN)
    return px


def image(size):
    px = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 8, 0, 0, 0, 0, 0, 0)
    colours = PALETTE + [(0, 0, 0)] * (256 - len(PALETTE))
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in colours)
    xor = b''.join(bytes(px[y]) for y in reversed(range(size)))
    mask_stride = ((size + 31) // 32) * 4
    mask = b''
    for y in reversed(range(size)):
        bits = bytearray(mask_stride)
        for x in range(size):
            if px[y][x] == TRANSPARENT:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + palette + xor + mask


def main(path):
    images = [image(32), image(16)]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in zip((32, 16), images):
        out += struct.pack('<BBBBHHII', size, size, 0, 0, 1, 8, len(data), offset)
        offset += len(data)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'res/korvatel.ico')
