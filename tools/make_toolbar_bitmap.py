#!/usr/bin/env python3
"""Draws the tool bar bitmap from its text art: a 4-bit BMP, one image per button.

usage: make_toolbar_bitmap.py [--scale PERCENT] ART BMP
       make_toolbar_bitmap.py [--scale PERCENT] --picture ART BMP

ART holds a colour key and one icon per tool, headed by the name of the tool's
command id (IDS_TOOL_...). The images go into the bitmap in the button order of
the tool bar resource, read from toolbar.rc beside ART, with the names resolved
through resource_ids.h there. With --picture, ART holds a line "size WIDTH
HEIGHT", a colour key and one icon, drawn alone as a bitmap of that size.

--scale 150 or 200 draws the same art for displays at that scale, enlarged as
pixel art is (edges followed, never blurred; see upscale). For the tool bar,
toolbar.rc must declare that size in TOOLBAR_RESOURCE_WORDS_<PERCENT>.
Standard library only.
"""
import re
import struct
import sys
from pathlib import Path

# The 16 standard colours in the usual palette order. Loading the bitmap maps
# black, grey, silver and white to the system's button colours.
STANDARD_COLOURS = [
    ("black", (0, 0, 0)), ("maroon", (128, 0, 0)), ("green", (0, 128, 0)),
    ("olive", (128, 128, 0)), ("navy", (0, 0, 128)), ("purple", (128, 0, 128)),
    ("teal", (0, 128, 128)), ("silver", (192, 192, 192)), ("grey", (128, 128, 128)),
    ("red", (255, 0, 0)), ("lime", (0, 255, 0)), ("yellow", (255, 255, 0)),
    ("blue", (0, 0, 255)), ("fuchsia", (255, 0, 255)), ("aqua", (0, 255, 255)),
    ("white", (255, 255, 255)),
]
PALETTE_INDEX = {name: index for index, (name, _) in enumerate(STANDARD_COLOURS)}


def fail(message):
    sys.exit(f"make_toolbar_bitmap: {message}")


def read_defines(path):
    defines = {}
    for line in path.read_text(encoding="utf-8").splitlines():
        match = re.match(r"\s*#define\s+(\w+)\s+(.*?)\s*(//.*)?$", line)
        if match:
            defines[match.group(1)] = match.group(2)
    return defines


def read_resource(folder, scale=100):
    """(image width, image height, command names in button order) at 100 per cent, after
    checking the size toolbar.rc declares for scale."""
    ids = read_defines(folder / "resource_ids.h")
    rc = read_defines(folder / "toolbar.rc")
    names = [name.strip() for name in rc["TOOLBAR_BUTTONS"].split(",")]
    sizes = {}
    for percent in (100, scale):
        define = "TOOLBAR_RESOURCE_WORDS" + ("" if percent == 100 else f"_{percent}")
        words = [word.strip() for word in rc.get(define, "").split(",")]
        if words[-1] != "TOOLBAR_BUTTONS" or len(words) != 5 or words[0] != "1":
            fail(f"toolbar.rc: {define} is not 1, width, height, count, TOOLBAR_BUTTONS")
        sizes[percent] = tuple(int(word) for word in words[1:3])
        if int(words[3]) != len(names):
            fail(f"toolbar.rc: {define} counts {words[3]} but {len(names)} buttons")
    width, height = sizes[100]
    if scaled_size(width, height, scale) != sizes[scale]:
        fail(f"toolbar.rc: images of {scaled_size(width, height, scale)} at {scale} per cent, "
             f"not {sizes[scale]}")
    for name in names:
        if name not in ids:
            fail(f"toolbar.rc: {name} is not in resource_ids.h")
    return width, height, names


def read_art(path, width, height):
    """(key: character -> palette index, icons: name -> rows)."""
    key, icons = {}, {}
    lines = path.read_text(encoding="utf-8").splitlines()
    number = 0
    while number < len(lines):
        line = lines[number].rstrip()
        number += 1
        if not line or line.startswith("#"):
            continue
        words = line.split()
        if words[0] == "key" and len(words) >= 3 and len(words[1]) == 1:
            if words[2] not in PALETTE_INDEX:
                fail(f"{path}:{number}: {words[2]} is not one of the 16 standard colours")
            key[words[1]] = PALETTE_INDEX[words[2]]
        elif words[0] == "size":
            continue
        elif words[0] == "icon" and len(words) >= 2:
            rows = [row.rstrip() for row in lines[number:number + height]]
            for offset, row in enumerate(rows):
                if len(row) != width or any(c not in key for c in row):
                    fail(f"{path}:{number + offset + 1}: not {width} key characters")
            if len(rows) != height:
                fail(f"{path}:{number}: icon {words[1]} has fewer than {height} rows")
            icons[words[1]] = [[key[c] for c in row] for row in rows]
            number += height
        else:
            fail(f"{path}:{number}: expected 'key CHAR COLOUR' or 'icon NAME'")
    return key, icons


def scaled_size(width, height, scale):
    factor = {100: 1, 150: 1.5, 200: 2}[scale]
    return int(width * factor + 0.5), int(height * factor + 0.5)


def upscale(icon, scale):
    """The icon (rows of palette indexes) at 150 or 200 per cent, drawn as pixel art is
    enlarged: each pixel becomes a block whose corners take a neighbour's colour where
    two neighbours of that colour meet across it, so diagonal edges stay smooth and
    one-pixel lines stay whole. 200: one 2 x 2 block each (the EPX rule). 150: a 3 x 3
    block each, then every 2 x 2 square becomes its most frequent colour (ties go to
    the colour that is not the face, then to the lower index: outlines win)."""
    if scale == 100:
        return icon
    height, width = len(icon), len(icon[0])

    def at(x, y):
        return icon[min(max(y, 0), height - 1)][min(max(x, 0), width - 1)]

    if scale == 200:
        out = [[0] * (2 * width) for _ in range(2 * height)]
        for y in range(height):
            for x in range(width):
                p, up, right, left, down = icon[y][x], at(x, y - 1), at(x + 1, y), at(x - 1, y), at(x, y + 1)
                out[2 * y][2 * x] = up if left == up != down and up != right else p
                out[2 * y][2 * x + 1] = right if up == right != left and right != down else p
                out[2 * y + 1][2 * x] = left if down == left != right and left != up else p
                out[2 * y + 1][2 * x + 1] = down if right == down != up and down != left else p
        return out
    tripled = [[0] * (3 * width) for _ in range(3 * height)]
    for y in range(height):
        for x in range(width):
            a, b, c = at(x - 1, y - 1), at(x, y - 1), at(x + 1, y - 1)
            d, e, f = at(x - 1, y), icon[y][x], at(x + 1, y)
            g, h, i = at(x - 1, y + 1), at(x, y + 1), at(x + 1, y + 1)
            top_left = d == b != f and d != h
            top_right = b == f != d and f != h
            bottom_left = d == h != b and h != f
            bottom_right = h == f != d and f != b
            block = [
                d if top_left else e,
                b if (top_left and e != c) or (top_right and e != a) else e,
                f if top_right else e,
                d if (top_left and e != g) or (bottom_left and e != a) else e,
                e,
                f if (top_right and e != i) or (bottom_right and e != c) else e,
                d if bottom_left else e,
                h if (bottom_left and e != i) or (bottom_right and e != g) else e,
                f if bottom_right else e,
            ]
            for k, colour in enumerate(block):
                tripled[3 * y + k // 3][3 * x + k % 3] = colour
    face = PALETTE_INDEX["silver"]
    out_width, out_height = scaled_size(width, height, 150)
    out = []
    for y in range(out_height):
        row = []
        for x in range(out_width):
            square = [tripled[yy][xx] for yy in (2 * y, 2 * y + 1) for xx in (2 * x, 2 * x + 1)
                      if yy < 3 * height and xx < 3 * width]
            row.append(min(set(square), key=lambda c: (-square.count(c), c == face, c)))
        out.append(row)
    return out


def bmp_4bit(pixels, width, height):
    stride = (width * 4 + 31) // 32 * 4
    body = bytearray()
    for row in reversed(pixels):  # bottom-up
        packed = bytearray(stride)
        for x, index in enumerate(row):
            packed[x // 2] |= index << (4 if x % 2 == 0 else 0)
        body += packed
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for _, (r, g, b) in STANDARD_COLOURS)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(body), 0, 0, 16, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    return header + info + palette + bytes(body)


def read_size(path):
    """(width, height) from the art's "size WIDTH HEIGHT" line."""
    for line in path.read_text(encoding="utf-8").splitlines():
        words = line.split()
        if len(words) == 3 and words[0] == "size" and words[1].isdigit() and words[2].isdigit():
            return int(words[1]), int(words[2])
    fail(f"{path}: no 'size WIDTH HEIGHT' line")


def draw_picture(art, bmp, scale):
    width, height = read_size(art)
    _, icons = read_art(art, width, height)
    if len(icons) != 1:
        fail(f"{art}: a picture holds exactly one icon, not {len(icons)}")
    width, height = scaled_size(width, height, scale)
    Path(bmp).write_bytes(bmp_4bit(upscale(next(iter(icons.values())), scale), width, height))


def main():
    args = sys.argv[1:]
    scale = 100
    if len(args) > 2 and args[0] == "--scale" and args[1] in ("100", "150", "200"):
        scale = int(args[1])
        args = args[2:]
    if len(args) == 3 and args[0] == "--picture":
        draw_picture(Path(args[1]), args[2], scale)
        return
    if len(args) != 2:
        fail("usage: make_toolbar_bitmap.py [--scale 100|150|200] [--picture] ART BMP")
    art = Path(args[0])
    width, height, order = read_resource(art.parent, scale)
    _, icons = read_art(art, width, height)
    missing = [name for name in order if name not in icons]
    extra = [name for name in icons if name not in order]
    if missing or extra:
        fail(f"{art}: icons missing for {missing}, icons without a button {extra}")
    images = [upscale(icons[name], scale) for name in order]
    width, height = scaled_size(width, height, scale)
    pixels = [sum((image[y] for image in images), []) for y in range(height)]
    Path(args[1]).write_bytes(bmp_4bit(pixels, width * len(order), height))


if __name__ == "__main__":
    main()
