#!/usr/bin/env python3
"""Turns the text pixel maps in res/art into .bmp, .ico and .cur files.

Usage: mkart.py <art dir> <output dir>

Every *.txt file in the art directory is read in name order. Format (one
directive per line; lines starting with '#' and blank lines separate things):

    colour <c> <#RRGGBB | none>   legend: character c stands for that colour;
                                  "none" is transparent. The legend holds for
                                  the rest of the file and must come first.
    icon <name>.ico               an icon; the maps that follow are its images:
                                  a 16x16 map and optionally a 32x32 map (if it
                                  is missing, the 16x16 map is doubled), which
                                  the program draws above 100 % display scale.
    cursor <name>.cur <x> <y>     a cursor with hot spot (x, y); one map.
    bitmap <name>.bmp             a plain bitmap; one map, no transparency.
    button <STEM>                 a 12x12 glyph for an 18x18 owner-drawn button;
                                  writes STEMU.bmp (up), STEMD.bmp (pressed),
                                  STEMF.bmp (focused) and STEMX.bmp (greyed),
                                  and each face doubled to 36x36 for display
                                  scales above 100 % (STEMU2X.bmp, ...).
                                  Transparent glyph pixels show the button face.

A map is a run of consecutive row lines (one character per pixel, no spaces)
that ends at a blank line, a comment or the next directive. All rows of a map
have the same length. Images are written with the fewest bits per pixel that
hold their colours (1, 4 or 8); button bitmaps are always 4 bits per pixel with
the 16-colour VGA palette. Icons and cursors carry an AND mask built from the
transparent pixels. Standard library only.
"""
import os
import struct
import sys

VGA = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, GREY, SILVER, WHITE = (0, 0, 0), (0x80, 0x80, 0x80), (0xC0, 0xC0, 0xC0), (0xFF, 0xFF, 0xFF)
BUTTON = 18
GLYPH = 12


class ArtError(Exception):
    pass


# ---------------------------------------------------------------- parsing

def parse(path):
    """Returns a list of pictures: (kind, args, [maps]); a map is a list of
    rows, each a list of colours ((r, g, b) or None for transparent)."""
    legend = {}
    pictures = []
    current = None
    rows = None
    where = os.path.basename(path)

    def end_map():
        nonlocal rows
        if rows:
            if current is None:
                raise ArtError(f"{where}: map outside a picture")
            widths = {len(r) for r in rows}
            if len(widths) != 1:
                raise ArtError(f"{where}: rows of unequal length in {current[1][0]}")
            current[2].append(rows)
        rows = None

    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n").rstrip()
            if not line or line.lstrip().startswith("#"):
                end_map()
                continue
            words = line.split()
            head = words[0]
            if head in ("colour", "icon", "cursor", "bitmap", "button") and len(words) > 1:
                end_map()
                if head == "colour":
                    if len(words) != 3 or len(words[1]) != 1:
                        raise ArtError(f"{where}:{number}: colour <c> <#RRGGBB|none>")
                    legend[words[1]] = None if words[2] == "none" else hexcolour(words[2], where, number)
                    continue
                current = (head, words[1:], [])
                pictures.append(current)
                continue
            if len(words) != 1:
                raise ArtError(f"{where}:{number}: unknown directive {head!r}")
            row = []
            for ch in line:
                if ch not in legend:
                    raise ArtError(f"{where}:{number}: character {ch!r} not in the legend")
                row.append(legend[ch])
            if rows is None:
                rows = []
            rows.append(row)
    end_map()
    return pictures


def hexcolour(text, where, number):
    if len(text) != 7 or text[0] != "#":
        raise ArtError(f"{where}:{number}: colour must be #RRGGBB")
    v = int(text[1:], 16)
    return ((v >> 16) & 255, (v >> 8) & 255, v & 255)


# ---------------------------------------------------------------- encoding

def scale2(m):
    out = []
    for row in m:
        wide = [p for p in row for _ in (0, 1)]
        out.append(wide)
        out.append(list(wide))
    return out


def make_palette(m, fixed=None):
    """Palette and bits per pixel for a map; transparent pixels use black,
    which is always entry 0 so that masked pixels leave the screen alone."""
    if fixed is not None:
        return list(fixed), 4
    colours = [BLACK]
    for row in m:
        for p in row:
            if p is not None and p not in colours:
                colours.append(p)
    if all(c in (BLACK, WHITE) for c in colours):
        return [BLACK, WHITE], 1
    if len(colours) <= 16:
        return colours, 4
    if len(colours) <= 256:
        return colours, 8
    raise ArtError("more than 256 colours")


def pack_rows(m, palette, bpp):
    """Bottom-up DIB rows, each padded to 4 bytes."""
    index = {c: i for i, c in enumerate(palette)}
    out = bytearray()
    width = len(m[0])
    stride = ((width * bpp + 31) // 32) * 4
    for row in reversed(m):
        bits = 0
        nbits = 0
        line = bytearray()
        for p in row:
            i = 0 if p is None else index[p]
            bits = (bits << bpp) | i
            nbits += bpp
            if nbits == 8:
                line.append(bits)
                bits = nbits = 0
        if nbits:
            line.append(bits << (8 - nbits))
        line.extend(b"\0" * (stride - len(line)))
        out += line
    return bytes(out)


def pack_mask(m):
    width = len(m[0])
    stride = ((width + 31) // 32) * 4
    out = bytearray()
    for row in reversed(m):
        line = bytearray(stride)
        for x, p in enumerate(row):
            if p is None:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def info_header(width, height, bpp, ncolours, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0, image_size, 0, 0, ncolours, 0)


def palette_bytes(palette, bpp):
    entries = list(palette) + [BLACK] * ((1 << bpp) - len(palette))
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in entries)


def encode_bmp(m, fixed_palette=None):
    for row in m:
        if None in row:
            raise ArtError("a bitmap cannot have transparent pixels")
    palette, bpp = make_palette(m, fixed_palette)
    pixels = pack_rows(m, palette, bpp)
    pal = palette_bytes(palette, bpp)
    offset = 14 + 40 + len(pal)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info_header(len(m[0]), len(m), bpp, 1 << bpp, len(pixels)) + pal + pixels


def icon_image(m):
    palette, bpp = make_palette(m)
    xor = pack_rows(m, palette, bpp)
    mask = pack_mask(m)
    pal = palette_bytes(palette, bpp)
    data = info_header(len(m[0]), 2 * len(m), bpp, 0, len(xor) + len(mask)) + pal + xor + mask
    return data, bpp, len(palette) if bpp < 8 else 0


def encode_group(kind, images, hotspot=(0, 0)):
    """kind 1 = icon, 2 = cursor."""
    entries = b""
    blobs = b""
    offset = 6 + 16 * len(images)
    for m in images:
        data, bpp, ncolours = icon_image(m)
        w, h = len(m[0]), len(m)
        count = (1 << bpp) if bpp < 8 else 0
        if kind == 1:
            a, b = 1, bpp
        else:
            a, b = hotspot
        entries += struct.pack("<BBBBHHII", w % 256, h % 256, count % 256, 0, a, b, len(data), offset)
        blobs += data
        offset += len(data)
    return struct.pack("<HHH", 0, kind, len(images)) + entries + blobs


# ---------------------------------------------------------------- buttons

def blank(size, colour):
    return [[colour] * size for _ in range(size)]


def frame(img, raised):
    """Classic 3-D edge: two rings of light and shadow."""
    n = len(img)
    outer_tl, inner_tl, inner_br, outer_br = (
        (WHITE, SILVER, GREY, BLACK) if raised else (BLACK, GREY, SILVER, WHITE))
    for i in range(n):
        img[0][i] = img[i][0] = outer_tl
        img[n - 1][i] = img[i][n - 1] = outer_br
    for i in range(1, n - 1):
        img[1][i] = img[i][1] = inner_tl
    for i in range(1, n - 1):
        img[n - 2][i] = img[i][n - 2] = inner_br
    img[n - 1][0] = img[0][n - 1] = outer_br if raised else outer_tl
    img[n - 2][1] = img[1][n - 2] = inner_br if raised else inner_tl


def put(img, glyph, ox, oy, recolour=None):
    for y, row in enumerate(glyph):
        for x, p in enumerate(row):
            if p is not None:
                img[oy + y][ox + x] = recolour or p


def luminance(c):
    r, g, b = c
    return (299 * r + 587 * g + 114 * b) // 1000


def button_faces(glyph):
    if len(glyph) != GLYPH or len(glyph[0]) != GLYPH:
        raise ArtError(f"button glyphs are {GLYPH}x{GLYPH}")
    for row in glyph:
        for p in row:
            if p is not None and p not in VGA:
                raise ArtError("button glyphs use the 16 VGA colours only")
    edge = (BUTTON - GLYPH) // 2
    up = blank(BUTTON, SILVER)
    frame(up, True)
    put(up, glyph, edge, edge)

    down = blank(BUTTON, SILVER)
    frame(down, False)
    put(down, glyph, edge + 1, edge + 1)

    focus = [list(r) for r in up]
    lo, hi = edge - 1, BUTTON - edge
    for i in range(lo, hi + 1):
        for (x, y) in ((i, lo), (i, hi), (lo, i), (hi, i)):
            if (x + y) % 2 == 0:
                focus[y][x] = BLACK

    # Greyed: the dark pixels of the glyph (its ink) are embossed in grey
    # over a white shadow, white pixels stay white, the other colours give
    # way to the button face.
    ink = [[p if p is not None and luminance(p) < 128 else None for p in row] for row in glyph]
    paper = [[p if p == WHITE else None for p in row] for row in glyph]
    grey = blank(BUTTON, SILVER)
    frame(grey, True)
    put(grey, paper, edge, edge)
    put(grey, ink, edge + 1, edge + 1, WHITE)
    put(grey, ink, edge, edge, GREY)
    return {"U": up, "D": down, "F": focus, "X": grey}


# ---------------------------------------------------------------- driver

def build(kind, args, maps, outdir, where):
    written = []

    def write(name, data):
        with open(os.path.join(outdir, name), "wb") as f:
            f.write(data)
        written.append(name)

    if kind == "button":
        if len(maps) != 1:
            raise ArtError(f"{where}: button {args[0]} needs one map")
        for suffix, img in button_faces(maps[0]).items():
            write(f"{args[0]}{suffix}.bmp", encode_bmp(img, VGA))
            write(f"{args[0]}{suffix}2X.bmp", encode_bmp(scale2(img), VGA))
    elif kind == "bitmap":
        if len(maps) != 1:
            raise ArtError(f"{where}: bitmap {args[0]} needs one map")
        write(args[0], encode_bmp(maps[0]))
    elif kind == "icon":
        by_size = {}
        for m in maps:
            if len(m) != len(m[0]) or len(m) not in (16, 32):
                raise ArtError(f"{where}: icon {args[0]}: maps are 16x16 or 32x32")
            by_size[len(m)] = m
        if 16 not in by_size:
            raise ArtError(f"{where}: icon {args[0]} has no 16x16 map")
        by_size.setdefault(32, scale2(by_size[16]))
        write(args[0], encode_group(1, [by_size[16], by_size[32]]))
    elif kind == "cursor":
        if len(args) != 3 or len(maps) != 1:
            raise ArtError(f"{where}: cursor <name> <x> <y> with one map")
        m = maps[0]
        if len(m) != 32 or len(m[0]) != 32:
            raise ArtError(f"{where}: cursor {args[0]} must be 32x32")
        write(args[0], encode_group(2, [m], (int(args[1]), int(args[2]))))
    return written


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    src, outdir = argv[1], argv[2]
    os.makedirs(outdir, exist_ok=True)
    seen = {}
    try:
        for name in sorted(os.listdir(src)):
            if not name.endswith(".txt"):
                continue
            for kind, args, maps in parse(os.path.join(src, name)):
                for out in build(kind, args, maps, outdir, name):
                    if out in seen:
                        raise ArtError(f"{name}: {out} already drawn in {seen[out]}")
                    seen[out] = name
    except ArtError as e:
        sys.stderr.write(f"mkart: {e}\n")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
