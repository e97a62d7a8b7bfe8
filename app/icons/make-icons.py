#!/usr/bin/env python3
"""Draw the Corvane application icon and write it as PNG files and an SVG.

The picture is a rounded navy tile carrying a 13 x 8 rectangle cut into
Fibonacci squares (8, 5, 3, 2, 1, 1) in shades of blue, with the gold
quarter-circle spiral running through them.  The same drawing is rendered at
every size the desktop asks for; each pixel is supersampled.  The window's
own images, 32x32 and 16x16, are reduced to a palette of at most 16 colours
(index 0 is fully transparent); the other sizes keep full colour.  The SVG
draws the same shapes with the 32-pixel layout.

Only the Python standard library is used, so the output is reproducible:

    python3 app/icons/make-icons.py            # writes next to this script
    python3 app/icons/make-icons.py OUTDIR     # writes into OUTDIR
"""

import math
import os
import struct
import sys
import zlib

# ---------------------------------------------------------------------------
# Colours (RGB)

NAVY = (0x16, 0x22, 0x3d)        # tile
SPIRAL = (0xf6, 0xb9, 0x33)      # spiral stroke
SQUARE_COLOURS = [                # one per square, largest first
    (0x2c, 0x4a, 0x7e),
    (0x24, 0x3c, 0x68),
    (0x33, 0x56, 0x8f),
    (0x2c, 0x4a, 0x7e),
    (0x24, 0x3c, 0x68),
    (0x33, 0x56, 0x8f),
]

MAX_COLOURS = 16

# ---------------------------------------------------------------------------
# Geometry, in Fibonacci units.  The rectangle is 13 x 8 units, y grows down.
# Squares are placed turning clockwise: left, top, right, bottom, left, top.
# Each entry: (x0, y0, side, arc centre x, arc centre y).

SQUARES = [
    (0, 0, 8, 8, 8),      # left;   arc from (0,8) to (8,0)
    (8, 0, 5, 8, 5),      # top;    arc from (8,0) to (13,5)
    (10, 5, 3, 10, 5),    # right;  arc from (13,5) to (10,8)
    (8, 6, 2, 10, 6),     # bottom; arc from (10,8) to (8,6)
    (8, 5, 1, 9, 6),      # left;   arc from (8,6) to (9,5)
    (9, 5, 1, 9, 6),      # top;    arc from (9,5) to (10,6)
]
RECT_W, RECT_H = 13, 8

# Per output size: unit length, rectangle origin, tile corner radius and
# spiral half width (all in pixels), and the smallest square whose arc is
# still drawn.
LAYOUTS = {
    32: dict(unit=2.0, ox=3.0, oy=8.0, radius=6.0, spiral=1.0,
             min_arc=1),
    16: dict(unit=1.0, ox=1.0, oy=4.0, radius=3.0, spiral=0.55,
             min_arc=2),
}

# The window's own images: 16 colours, pixel-tuned layouts above.
WINDOW_SIZES = (32, 16)
# The other sizes of the desktop's icon theme, laid out as 32 scaled.
THEME_SIZES = (24, 48, 64, 128, 256)

SUPERSAMPLE = 8


def layout(size):
    """The layout of LAYOUTS, or the 32-pixel one scaled to `size`, its
    rectangle moved onto whole pixels so that square edges stay sharp."""
    if size in LAYOUTS:
        return LAYOUTS[size]
    k = size / 32.0
    base = LAYOUTS[32]
    return dict(unit=base["unit"] * k, ox=float(round(base["ox"] * k)),
                oy=float(round(base["oy"] * k)), radius=base["radius"] * k,
                spiral=base["spiral"] * k, min_arc=base["min_arc"])


def tile_coverage(x, y, size, radius):
    """1.0 inside the rounded tile that fills the canvas, else 0.0."""
    cx = min(max(x, radius), size - radius)
    cy = min(max(y, radius), size - radius)
    return 1.0 if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius else 0.0


def on_spiral(u, v, lay):
    """True when unit point (u, v) lies on the spiral stroke."""
    unit = lay["unit"]
    for x0, y0, side, acx, acy in SQUARES:
        if side < lay["min_arc"]:
            continue
        # the arc covers the quadrant of its centre that holds the square
        qx = (x0 + side / 2.0) - acx
        qy = (y0 + side / 2.0) - acy
        if (u - acx) * qx < 0.0 or (v - acy) * qy < 0.0:
            continue
        if abs(math.hypot(u - acx, v - acy) - side) * unit <= lay["spiral"]:
            return True
    return False


def shade(x, y, size, lay):
    """Colour (r, g, b) and alpha at canvas point (x, y) in pixels."""
    if not tile_coverage(x, y, size, lay["radius"]):
        return (0, 0, 0), 0.0

    unit = lay["unit"]
    u = (x - lay["ox"]) / unit
    v = (y - lay["oy"]) / unit

    if on_spiral(u, v, lay):
        return SPIRAL, 1.0

    if 0.0 <= u < RECT_W and 0.0 <= v < RECT_H:
        for i, (x0, y0, side, _, _) in enumerate(SQUARES):
            if x0 <= u < x0 + side and y0 <= v < y0 + side:
                return SQUARE_COLOURS[i], 1.0

    return NAVY, 1.0


def render(size):
    """Supersampled rendering; returns rows of (r, g, b, a) in 0..255."""
    lay = layout(size)
    n = SUPERSAMPLE
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            acc_r = acc_g = acc_b = acc_a = 0.0
            for sy in range(n):
                for sx in range(n):
                    (r, g, b), a = shade(px + (sx + 0.5) / n,
                                         py + (sy + 0.5) / n, size, lay)
                    acc_r += r * a
                    acc_g += g * a
                    acc_b += b * a
                    acc_a += a
            if acc_a == 0.0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(acc_r / acc_a), round(acc_g / acc_a),
                            round(acc_b / acc_a),
                            round(255 * acc_a / (n * n))))
        rows.append(row)
    return rows


# ---------------------------------------------------------------------------
# Palette reduction

def distance(p, q):
    """Squared distance between two RGBA colours, alpha weighted strongly."""
    dr, dg, db, da = (p[0] - q[0], p[1] - q[1], p[2] - q[2], p[3] - q[3])
    wa = min(p[3], q[3]) / 255.0
    return (2 * dr * dr + 4 * dg * dg + db * db) * wa + 6 * da * da


def quantize(rows, limit=MAX_COLOURS):
    """Map pixels to a palette of at most `limit` RGBA entries."""
    counts = {}
    for row in rows:
        for p in row:
            if p[3] == 0:
                p = (0, 0, 0, 0)
            counts[p] = counts.get(p, 0) + 1

    transparent = (0, 0, 0, 0)
    # colours drawn flat keep their exact value
    fixed = [transparent]
    for col in [NAVY, SPIRAL] + SQUARE_COLOURS:
        entry = col + (255,)
        if entry in counts and entry not in fixed:
            fixed.append(entry)
    free = []

    def nearest(p, pal):
        return min(range(len(pal)), key=lambda k: distance(p, pal[k]))

    # add the worst-served colours (weighted by frequency) until full
    while len(fixed) + len(free) < min(limit, len(counts)):
        pal = fixed + free
        worst, worst_err = None, -1.0
        for col, cnt in sorted(counts.items()):
            if col in pal:
                continue
            err = distance(col, pal[nearest(col, pal)]) * cnt
            if err > worst_err:
                worst, worst_err = col, err
        free.append(worst)

    # a few Lloyd iterations on the non-fixed entries
    for _ in range(8):
        pal = fixed + free
        sums = [[0, 0, 0, 0, 0] for _ in pal]
        for col, cnt in counts.items():
            k = nearest(col, pal)
            s = sums[k]
            for c in range(4):
                s[c] += col[c] * cnt
            s[4] += cnt
        new_free = []
        for j, old in enumerate(free):
            s = sums[len(fixed) + j]
            if s[4]:
                new_free.append(tuple(round(s[c] / s[4]) for c in range(4)))
            else:
                new_free.append(old)
        if new_free == free:
            break
        free = new_free

    pal = fixed + free
    # drop unused entries, keep transparent first
    lookup = {col: nearest(col, pal) for col in counts}
    used = sorted(set(lookup.values()))
    remap = {old: new for new, old in enumerate(used)}
    palette = [pal[k] for k in used]
    indices = []
    for row in rows:
        irow = []
        for p in row:
            if p[3] == 0:
                p = transparent
            irow.append(remap[lookup[p]])
        indices.append(irow)
    assert len(palette) <= limit
    return palette, indices


# ---------------------------------------------------------------------------
# PNG output (colour type 3, bit depth 4)

def chunk(tag, data):
    body = tag + data
    return struct.pack(">I", len(data)) + body + struct.pack(
        ">I", zlib.crc32(body) & 0xffffffff)


def write_png(path, palette, indices):
    height = len(indices)
    width = len(indices[0])
    raw = bytearray()
    for irow in indices:
        raw.append(0)  # filter: none
        padded = irow + [0] * (len(irow) % 2)
        for a, b in zip(padded[0::2], padded[1::2]):
            raw.append((a << 4) | b)
    plte = b"".join(bytes(p[:3]) for p in palette)
    alphas = [p[3] for p in palette]
    while alphas and alphas[-1] == 255:
        alphas.pop()
    data = b"\x89PNG\r\n\x1a\n"
    data += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 4, 3,
                                       0, 0, 0))
    data += chunk(b"PLTE", plte)
    if alphas:
        data += chunk(b"tRNS", bytes(alphas))
    data += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    data += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def write_rgba_png(path, rows):
    """Colour type 6, 8 bits per channel."""
    raw = bytearray()
    for row in rows:
        raw.append(0)  # filter: none
        for pixel in row:
            raw.extend(pixel)
    data = b"\x89PNG\r\n\x1a\n"
    data += chunk(b"IHDR", struct.pack(">IIBBBBB", len(rows[0]), len(rows),
                                       8, 6, 0, 0, 0))
    data += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    data += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


# ---------------------------------------------------------------------------
# SVG output

def hex_colour(rgb):
    return "#%02x%02x%02x" % rgb


def spiral_path(lay):
    """The spiral as one path of quarter circles, turning clockwise."""
    unit, ox, oy = lay["unit"], lay["ox"], lay["oy"]
    arcs = []
    for x0, y0, side, acx, acy in SQUARES:
        if side < lay["min_arc"]:
            continue
        sx = 1 if x0 + side / 2.0 > acx else -1
        sy = 1 if y0 + side / 2.0 > acy else -1
        arcs.append((side, (acx + sx * side, acy), (acx, acy + sy * side)))
    # each arc starts where the one before it ended
    steps = []
    end = None
    for i, (side, p, q) in enumerate(arcs):
        if end is None:
            start = p if p not in arcs[i + 1][1:] else q
        else:
            start = end
        end = q if start == p else p
        steps.append((side, start, end))

    def point(p):
        return "%g %g" % (ox + p[0] * unit, oy + p[1] * unit)

    path = "M %s" % point(steps[0][1])
    for side, _, end in steps:
        r = side * unit
        path += " A %g %g 0 0 1 %s" % (r, r, point(end))
    return path


def write_svg(path):
    lay = LAYOUTS[32]
    unit, ox, oy = lay["unit"], lay["ox"], lay["oy"]
    shapes = ['  <rect width="32" height="32" rx="%g" fill="%s"/>'
              % (lay["radius"], hex_colour(NAVY))]
    for (x0, y0, side, _, _), colour in zip(SQUARES, SQUARE_COLOURS):
        shapes.append('  <rect x="%g" y="%g" width="%g" height="%g" fill="%s"/>'
                      % (ox + x0 * unit, oy + y0 * unit, side * unit,
                         side * unit, hex_colour(colour)))
    shapes.append('  <path d="%s" fill="none" stroke="%s" stroke-width="%g"/>'
                  % (spiral_path(lay), hex_colour(SPIRAL), 2 * lay["spiral"]))
    with open(path, "w") as f:
        f.write('<svg xmlns="http://www.w3.org/2000/svg" width="256" '
                'height="256" viewBox="0 0 32 32">\n')
        f.write("\n".join(shapes) + "\n</svg>\n")


def main(argv):
    outdir = argv[1] if len(argv) > 1 else os.path.dirname(
        os.path.abspath(__file__))
    for size in WINDOW_SIZES:
        palette, indices = quantize(render(size))
        path = os.path.join(outdir, "corvane-%d.png" % size)
        write_png(path, palette, indices)
        print("%s: %dx%d, %d colours" % (path, size, size, len(palette)))
    for size in THEME_SIZES:
        path = os.path.join(outdir, "corvane-%d.png" % size)
        write_rgba_png(path, render(size))
        print("%s: %dx%d, full colour" % (path, size, size))
    path = os.path.join(outdir, "corvane.svg")
    write_svg(path)
    print("%s: scalable" % path)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
