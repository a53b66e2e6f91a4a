#!/usr/bin/env python3
"""Draws the installer's pictures into a folder:

  banner.bmp     400 x 145, 24 bits, uncompressed, bottom-up, no colour
                 table: a mountain lake at dusk, without lettering.
  mainframe.ico  the application icon: a drop of brindled wax, at 48, 32
                 and 16 pixels, each in 4, 8 and 24 bits per pixel.

Everything is computed from fixed formulas, so the same script always writes
the same bytes. Usage: make_pictures.py OUTPUT_FOLDER
"""

import math
import os
import struct
import sys

BANNER_WIDTH = 400
BANNER_HEIGHT = 145


def clamp(value, low=0.0, high=1.0):
    return low if value < low else high if value > high else value


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def smoothstep(edge0, edge1, x):
    t = clamp((x - edge0) / (edge1 - edge0))
    return t * t * (3.0 - 2.0 * t)


def hash01(n, seed):
    """A fixed pseudo-random value in [0, 1) for integer n."""
    h = (n * 374761393 + seed * 668265263) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return ((h ^ (h >> 16)) & 0xFFFFFF) / float(0x1000000)


def noise1(x, seed):
    """Smooth value noise in one dimension, in [0, 1)."""
    i = math.floor(x)
    f = x - i
    f = f * f * (3.0 - 2.0 * f)
    return hash01(i, seed) * (1.0 - f) + hash01(i + 1, seed) * f


def fractal1(x, seed, octaves=5):
    total, amplitude, norm = 0.0, 1.0, 0.0
    for octave in range(octaves):
        total += noise1(x, seed + octave * 17) * amplitude
        norm += amplitude
        x *= 2.03
        amplitude *= 0.5
    return total / norm


# --- the banner -------------------------------------------------------------

SKY_TOP = (0.16, 0.20, 0.42)
SKY_MIDDLE = (0.78, 0.46, 0.42)
SKY_HORIZON = (1.00, 0.78, 0.46)
SUN_COLOUR = (1.00, 0.93, 0.72)
HORIZON_Y = 92  # the lake's far shore, in pixels from the top
SUN_X, SUN_Y, SUN_RADIUS = 292.0, 44.0, 12.0

# Mountain ridges from far to near: base height, relief, noise scale, seed, colour.
RIDGES = [
    (60.0, 34.0, 1 / 70.0, 11, (0.62, 0.48, 0.56)),
    (74.0, 26.0, 1 / 45.0, 23, (0.44, 0.33, 0.45)),
    (84.0, 16.0, 1 / 30.0, 37, (0.26, 0.21, 0.32)),
]


def sky(x, y):
    t = y / float(HORIZON_Y)
    colour = mix(SKY_TOP, SKY_MIDDLE, smoothstep(0.0, 0.75, t))
    colour = mix(colour, SKY_HORIZON, smoothstep(0.55, 1.0, t))
    distance = math.hypot(x - SUN_X, y - SUN_Y)
    glow = math.exp(-distance / 55.0) * 0.55
    colour = mix(colour, SUN_COLOUR, glow)
    if distance < SUN_RADIUS:
        colour = mix(colour, SUN_COLOUR, smoothstep(SUN_RADIUS, SUN_RADIUS - 1.5, distance))
    # A few thin streaks of cloud lit from below.
    streak = noise1(x / 60.0 + y * 0.37, 5) * smoothstep(0.2, 0.0, abs(math.sin(y * 0.21)))
    colour = mix(colour, (1.0, 0.70, 0.60), 0.35 * streak * smoothstep(20, 70, y))
    return colour


def ridge_top(index, x):
    base, relief, scale, seed, _ = RIDGES[index]
    return base - relief * (fractal1(x * scale, seed) - 0.25)


def land(x, y):
    """The colour of the landscape above the lake, or None for open sky."""
    for index in range(len(RIDGES) - 1, -1, -1):
        top = ridge_top(index, x)
        if y >= top:
            colour = RIDGES[index][4]
            # Haze thickens towards the foot of each ridge; the far ones fade.
            haze = smoothstep(top, HORIZON_Y + 4, y) * 0.35 + 0.12 * (len(RIDGES) - 1 - index)
            lit = 0.10 * smoothstep(top + 6, top, y) * (1 - index * 0.3)
            colour = mix(colour, SKY_HORIZON, clamp(haze) * 0.55)
            return tuple(c + lit for c in colour)
    return None


def scene_above_water(x, y):
    colour = land(x, y)
    return colour if colour is not None else sky(x, y)


def foreground_top(x):
    """The near shore: a dark bank with fir trees rising from the left."""
    bank = 128.0 - 16.0 * smoothstep(180, 0, x) - 6.0 * fractal1(x / 25.0, 71)
    for tree in range(7):
        tree_x = 14.0 + tree * 23.0 + 9.0 * hash01(tree, 83)
        tree_height = 30.0 + 24.0 * hash01(tree, 89) - tree * 2.5
        half_width = tree_height * 0.22
        distance = abs(x - tree_x)
        if distance < half_width:
            # Jagged tiers of branches.
            tier = (distance / half_width) * tree_height
            notch = 3.0 * abs(math.sin((x - tree_x) * 0.9))
            bank = min(bank, 128.0 - tree_height + tier + notch)
    return bank


def banner_pixel(x, y):
    if y >= foreground_top(x):
        depth = smoothstep(foreground_top(x), BANNER_HEIGHT, y)
        return mix((0.10, 0.09, 0.13), (0.05, 0.05, 0.07), depth)
    if y < HORIZON_Y:
        return scene_above_water(x, y)
    # The lake mirrors the scene above, rippled, darker with depth.
    depth = (y - HORIZON_Y) / float(BANNER_HEIGHT - HORIZON_Y)
    ripple = 2.5 * math.sin(y * 1.7 + 3.0 * noise1(x / 18.0, 97)) * (0.3 + depth)
    mirrored_y = max(0.0, 2 * HORIZON_Y - y - 1)
    colour = scene_above_water(clamp(x + ripple, 0, BANNER_WIDTH - 1), mirrored_y)
    colour = mix(colour, (0.10, 0.14, 0.26), 0.25 + 0.45 * depth)
    # Glints on the water under the sun.
    glint = math.exp(-abs(x - SUN_X) / 10.0) * (0.5 + 0.5 * math.sin(y * 2.9 + x * 0.15))
    colour = mix(colour, SUN_COLOUR, 0.45 * glint * (1.0 - depth))
    return colour


def to_byte(value):
    return int(round(clamp(value) * 255.0))


def banner_bmp():
    """The whole banner as a BMP file: file header, info header, pixels."""
    row_size = (BANNER_WIDTH * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(BANNER_HEIGHT - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(BANNER_WIDTH):
            # Two samples across each pixel smooth the edges of the ridges.
            a = banner_pixel(x + 0.25, y + 0.25)
            b = banner_pixel(x + 0.75, y + 0.75)
            r, g, b_ = ((p + q) / 2.0 for p, q in zip(a, b))
            row += bytes((to_byte(b_), to_byte(g), to_byte(r)))
        row += b"\0" * (row_size - len(row))
        pixels += row
    info = struct.pack("<IiiHHIIiiII", 40, BANNER_WIDTH, BANNER_HEIGHT, 1, 24, 0,
                       len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + bytes(pixels)


# --- the icon ---------------------------------------------------------------

# The drop, in unit coordinates (0..1 across the icon, y downwards).
DROP_CENTRE = (0.5, 0.63)
DROP_RADIUS = 0.31
DROP_TIP = (0.5, 0.05)
OUTLINE_WIDTH = 0.07


def inside_drop(x, y, shrink=0.0):
    cx, cy = DROP_CENTRE
    radius = DROP_RADIUS - shrink
    tip_x, tip_y = DROP_TIP[0], DROP_TIP[1] + shrink * 2.2
    if (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius:
        return True
    # The cone from the tip to the two tangent points of the circle.
    dx, dy = cx - tip_x, cy - tip_y
    distance = math.hypot(dx, dy)
    half_angle = math.asin(radius / distance)
    px, py = x - tip_x, y - tip_y
    length = math.hypot(px, py)
    if length == 0.0:
        return True
    along = (px * dx + py * dy) / distance
    angle = math.acos(clamp(along / length, -1.0, 1.0))
    return angle <= half_angle and along <= distance * math.cos(half_angle) ** 2


def drop_colour(x, y):
    """The colour at (x, y) of the drop, or None outside it."""
    if not inside_drop(x, y):
        return None
    if not inside_drop(x, y, OUTLINE_WIDTH):
        return (0.30, 0.15, 0.05)
    # Honey-coloured wax, lit from the upper left.
    light = clamp(1.0 - math.hypot(x - 0.38, y - 0.52) * 1.6)
    colour = mix((0.80, 0.45, 0.10), (1.00, 0.84, 0.42), light)
    # Brindle: wavy dark stripes across the drop.
    stripe = math.sin((x * 1.0 + y * 0.55) * 19.0 + 1.6 * math.sin(y * 9.0))
    if stripe > 0.45:
        colour = mix(colour, (0.45, 0.22, 0.06), 0.75)
    # A small bright highlight.
    if math.hypot(x - 0.37, y - 0.52) < 0.06:
        colour = mix(colour, (1.0, 0.98, 0.90), 0.85)
    return colour


def render_icon(size):
    """Rows of (r, g, b, coverage) from the top, supersampled 4 x 4."""
    samples = 4
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0.0, 0.0, 0.0]
            covered = 0
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) / size
                    y = (py + (sy + 0.5) / samples) / size
                    colour = drop_colour(x, y)
                    if colour is not None:
                        covered += 1
                        for channel in range(3):
                            total[channel] += colour[channel]
            if covered:
                row.append(tuple(c / covered for c in total) + (covered / float(samples * samples),))
            else:
                row.append((0.0, 0.0, 0.0, 0.0))
        rows.append(row)
    return rows


# The sixteen colours of the standard Windows palette.
PALETTE_16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def palette_256():
    """A 6 x 6 x 6 colour cube, a ramp of greys, then warm tones for the wax."""
    colours = [(r * 51, g * 51, b * 51) for r in range(6) for g in range(6) for b in range(6)]
    colours += [(int(i * 255 / 23), int(i * 255 / 23), int(i * 255 / 23)) for i in range(24)]
    while len(colours) < 256:
        t = (len(colours) - 240) / 15.0
        colours.append((int(60 + 195 * t), int(28 + 192 * t), int(8 + 102 * t)))
    return colours


# The 16-colour images draw the drop in four of those colours only (black
# outline, dark red stripes, yellow wax, white highlight): nearer matches
# such as olive or silver turn the honey green or grey.
ICON_COLOURS_16 = (0, 1, 11, 15)


def nearest(palette, rgb, candidates=None):
    best, best_distance = 0, None
    for index in candidates if candidates is not None else range(len(palette)):
        r, g, b = palette[index]
        distance = (r - rgb[0]) ** 2 * 3 + (g - rgb[1]) ** 2 * 4 + (b - rgb[2]) ** 2 * 2
        if best_distance is None or distance < best_distance:
            best, best_distance = index, distance
    return best


def icon_image(size, bits):
    """One icon image: info header, colour table, colour bits, mask bits."""
    rows = render_icon(size)
    palette = {4: PALETTE_16, 8: palette_256()}.get(bits)
    colour_row_size = ((size * bits + 31) // 32) * 4
    mask_row_size = ((size + 31) // 32) * 4
    colour_bits = bytearray()
    mask_bits = bytearray()
    for py in range(size - 1, -1, -1):  # bottom-up
        indices = []
        row = bytearray()
        mask = bytearray(mask_row_size)
        for px in range(size):
            r, g, b, coverage = rows[py][px]
            if coverage < 0.5:
                mask[px // 8] |= 0x80 >> (px % 8)
                rgb = (0, 0, 0)
            else:
                rgb = (to_byte(r), to_byte(g), to_byte(b))
            if bits == 24:
                row += bytes((rgb[2], rgb[1], rgb[0]))
            else:
                candidates = ICON_COLOURS_16 if bits == 4 else None
                indices.append(nearest(palette, rgb, candidates) if coverage >= 0.5 else 0)
        if bits == 8:
            row = bytearray(indices)
        elif bits == 4:
            for i in range(0, size, 2):
                row.append((indices[i] << 4) | indices[i + 1])
        row += b"\0" * (colour_row_size - len(row))
        colour_bits += row
        mask_bits += mask
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in (palette or []))
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                       len(colour_bits) + len(mask_bits), 0, 0, 0, 0)
    return info + table + bytes(colour_bits) + bytes(mask_bits)


ICON_IMAGES = [(size, bits) for size in (48, 32, 16) for bits in (4, 8, 24)]


def icon_file():
    images = [icon_image(size, bits) for size, bits in ICON_IMAGES]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    directory = b""
    for (size, bits), image in zip(ICON_IMAGES, images):
        colour_count = 16 if bits == 4 else 0
        directory += struct.pack("<BBBBHHII", size, size, colour_count, 0, 1, bits,
                                 len(image), offset)
        offset += len(image)
    return header + directory + b"".join(images)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_pictures.py OUTPUT_FOLDER\n")
        return 2
    folder = argv[1]
    os.makedirs(folder, exist_ok=True)
    for name, content in (("banner.bmp", banner_bmp()), ("mainframe.ico", icon_file())):
        temporary = os.path.join(folder, name + ".tmp")
        with open(temporary, "wb") as output:
            output.write(content)
        os.replace(temporary, os.path.join(folder, name))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
