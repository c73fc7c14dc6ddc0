#!/usr/bin/env python3
"""Draws the demo host's document page: a letter-shaped page of grey "text"
lines with a heading and a figure, as an 8-bit grey BMP at 72 dots per inch.
Usage: make_page.py OUT.bmp"""
import random
import struct
import sys

WIDTH, HEIGHT = 620, 800
PELS_PER_METRE = 2835  # 72 dots per inch

def main(out):
    random.seed(7)  # the same page on every build
    page = [[255] * WIDTH for _ in range(HEIGHT)]

    def box(x0, y0, x1, y1, grey):
        for y in range(max(0, y0), min(HEIGHT, y1)):
            row = page[y]
            for x in range(max(0, x0), min(WIDTH, x1)):
                row[x] = grey

    box(60, 50, 420, 66, 60)  # heading
    y = 100
    while y < HEIGHT - 60:
        if 330 <= y < 470:  # a figure with its frame
            box(60, 330, 300, 332, 120); box(60, 468, 300, 470, 120)
            box(60, 330, 62, 470, 120); box(298, 330, 300, 470, 120)
            for i in range(8):
                box(80 + i * 26, 450 - (i * 37 % 100), 96 + i * 26, 450, 170)
            y = 490
            continue
        x, end = 60, WIDTH - 60 if random.random() > 0.15 else random.randint(200, 500)
        while x < end:
            word = random.randint(12, 60)
            box(x, y, min(x + word, end), y + 7, 150)
            x += word + 8
        y += 18 if random.random() > 0.12 else 34

    palette = b"".join(bytes((g, g, g, 0)) for g in range(256))
    stride = (WIDTH + 3) & ~3
    pixels = b"".join(bytes(page[y]) + b"\0" * (stride - WIDTH) for y in reversed(range(HEIGHT)))
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0, len(pixels),
                       PELS_PER_METRE, PELS_PER_METRE, 256, 0)
    with open(out, "wb") as f:
        f.write(header + info + palette + pixels)

if __name__ == "__main__":
    main(sys.argv[1])
