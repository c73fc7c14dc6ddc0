#!/usr/bin/env python3
"""Draws the tool bar bitmap from its text art: a 4-bit BMP, one image per button.

usage: make_toolbar_bitmap.py ART BMP
       make_toolbar_bitmap.py --picture ART BMP

ART holds a colour key and one icon per tool, headed by the name of the tool's
command id (IDS_TOOL_...). The images go into the bitmap in the button order of
the tool bar resource, read from toolbar.rc beside ART, with the names resolved
through resource_ids.h there. With --picture, ART holds a line "size WIDTH
HEIGHT", a colour key and one icon, drawn alone as a bitmap of that size.
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


def read_resource(folder):
    """(image width, image height, command names in button order)."""
    ids = read_defines(folder / "resource_ids.h")
    rc = read_defines(folder / "toolbar.rc")
    names = [name.strip() for name in rc["TOOLBAR_BUTTONS"].split(",")]
    words = [word.strip() for word in rc["TOOLBAR_RESOURCE_WORDS"].split(",")]
    if words[-1] != "TOOLBAR_BUTTONS" or len(words) != 5 or words[0] != "1":
        fail("toolbar.rc: TOOLBAR_RESOURCE_WORDS is not 1, width, height, count, TOOLBAR_BUTTONS")
    width, height, count = (int(word) for word in words[1:4])
    if count != len(names):
        fail(f"toolbar.rc: count {count} but {len(names)} buttons")
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


def draw_picture(art, bmp):
    width, height = read_size(art)
    _, icons = read_art(art, width, height)
    if len(icons) != 1:
        fail(f"{art}: a picture holds exactly one icon, not {len(icons)}")
    Path(bmp).write_bytes(bmp_4bit(next(iter(icons.values())), width, height))


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "--picture":
        draw_picture(Path(sys.argv[2]), sys.argv[3])
        return
    if len(sys.argv) != 3:
        fail("usage: make_toolbar_bitmap.py [--picture] ART BMP")
    art = Path(sys.argv[1])
    width, height, order = read_resource(art.parent)
    _, icons = read_art(art, width, height)
    missing = [name for name in order if name not in icons]
    extra = [name for name in icons if name not in order]
    if missing or extra:
        fail(f"{art}: icons missing for {missing}, icons without a button {extra}")
    pixels = [sum((icons[name][y] for name in order), []) for y in range(height)]
    Path(sys.argv[2]).write_bytes(bmp_4bit(pixels, width * len(order), height))


if __name__ == "__main__":
    main()
