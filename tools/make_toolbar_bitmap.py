#!/usr/bin/env python3
"""Draws the toolbar strip (bitmap resource 21): seven 30x16 cells, the
labels CHG, IP, SET and END in cells 0 to 3 on white, cells 4 to 6 blank.
Writes a 210x16 .bmp of 8 bits per pixel with a 256-entry palette; the
resource compiler drops the 14-byte file header, leaving a 4456-byte
resource."""
import struct
import sys

CELL_WIDTH, CELL_HEIGHT, CELLS = 30, 16, 7
WIDTH, HEIGHT = CELL_WIDTH * CELLS, CELL_HEIGHT
PIXELS_PER_METRE = 3778

# Palette indices; every other entry is black and unused.
WHITE, GREEN, BLUE, ORANGE, RED = 0, 1, 2, 3, 4
# red, green, blue. None of the letter colours is one of the four grays the
# toolbar maps to system colours when it loads the bitmap.
PALETTE = [(0xFF, 0xFF, 0xFF), (0x10, 0x8A, 0x2C), (0x1C, 0x4E, 0xC8), (0xD8, 0x6A, 0x00), (0xC8, 0x14, 0x1E)]

# A blocky 6x9 face with 2-pixel strokes, drawn for this strip: '#' is ink.
GLYPHS = {
    'C': ['.####.',
          '######',
          '##..##',
          '##....',
          '##....',
          '##....',
          '##..##',
          '######',
          '.####.'],
    'D': ['#####.',
          '######',
          '##..##',
          '##..##',
          '##..##',
          '##..##',
          '##..##',
          '######',
          '#####.'],
    'E': ['######',
          '######',
          '##....',
          '##....',
          '#####.',
          '##....',
          '##....',
          '######',
          '######'],
    'G': ['.####.',
          '######',
          '##....',
          '##....',
          '##.###',
          '##..##',
          '##..##',
          '######',
          '.####.'],
    'H': ['##..##',
          '##..##',
          '##..##',
          '##..##',
          '######',
          '######',
          '##..##',
          '##..##',
          '##..##'],
    'I': ['######',
          '######',
          '..##..',
          '..##..',
          '..##..',
          '..##..',
          '..##..',
          '######',
          '######'],
    'N': ['##..##',
          '###.##',
          '###.##',
          '######',
          '##.###',
          '##.###',
          '##..##',
          '##..##',
          '##..##'],
    'P': ['#####.',
          '######',
          '##..##',
          '##..##',
          '######',
          '#####.',
          '##....',
          '##....',
          '##....'],
    'S': ['.####.',
          '######',
          '##....',
          '#####.',
          '.####.',
          '....##',
          '....##',
          '######',
          '.####.'],
    'T': ['######',
          '######',
          '..##..',
          '..##..',
          '..##..',
          '..##..',
          '..##..',
          '..##..',
          '..##..'],
}
GLYPH_WIDTH, GLYPH_HEIGHT, LETTER_GAP = 6, 9, 2

# Cells 0 to 3, in the order of the toolbar's buttons.
LABELS = [('CHG', GREEN), ('IP', BLUE), ('SET', ORANGE), ('END', RED)]


def draw_label(pixels, cell, text, colour):
    width = len(text) * GLYPH_WIDTH + (len(text) - 1) * LETTER_GAP
    left = cell * CELL_WIDTH + (CELL_WIDTH - width) // 2
    top = (CELL_HEIGHT - GLYPH_HEIGHT) // 2
    for n, letter in enumerate(text):
        x0 = left + n * (GLYPH_WIDTH + LETTER_GAP)
        for dy, row in enumerate(GLYPHS[letter]):
            for dx, mark in enumerate(row):
                if mark == '#':
                    pixels[top + dy][x0 + dx] = colour


def bitmap():
    pixels = [[WHITE] * WIDTH for _ in range(HEIGHT)]
    for cell, (text, colour) in enumerate(LABELS):
        draw_label(pixels, cell, text, colour)
    stride = (WIDTH + 3) // 4 * 4
    rows = b''.join(bytes(pixels[y]) + bytes(stride - WIDTH) for y in reversed(range(HEIGHT)))
    colours = PALETTE + [(0, 0, 0)] * (256 - len(PALETTE))
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in colours)
    info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 8, 0, len(rows),
                       PIXELS_PER_METRE, PIXELS_PER_METRE, 0, 0)
    dib = info + palette + rows
    file_header = struct.pack('<2sIHHI', b'BM', 14 + len(dib), 0, 0, 14 + len(info) + len(palette))
    return file_header + dib


def main(path):
    data = bitmap()
    assert len(data) == 14 + 4456, len(data)
    with open(path, 'wb') as f:
        f.write(data)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'res/toolbar.bmp')
