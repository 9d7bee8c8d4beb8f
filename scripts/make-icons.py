#!/usr/bin/env python3
"""Draws the program's icons (application, camera connected, camera disconnected) and writes
them as .ico files with 16, 24, 32 and 48 pixel images in 32-bit colour; and the drawing
toolbar's icons, one image per file at the size of each toolbar icon set. Standard library
only; the shapes are signed-distance functions, so the edges are anti-aliased at every size.

Usage: make-icons.py OUTPUT_DIR   (writes halvertone.ico, Icon/Connect.ico, Icon/Disconnect.ico
                                   and Toolbar/<size>/*.ico)
"""
import math
import os
import struct
import sys

SIZES = (16, 24, 32, 48)


def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def capsule(ax, ay, bx, by, r):
    def sd(x, y):
        px, py, vx, vy = x - ax, y - ay, bx - ax, by - ay
        h = max(0.0, min(1.0, (px * vx + py * vy) / (vx * vx + vy * vy)))
        return math.hypot(px - vx * h, py - vy * h) - r
    return sd


def round_rect(cx, cy, hw, hh, r):
    def sd(x, y):
        qx, qy = abs(x - cx) - hw + r, abs(y - cy) - hh + r
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r
    return sd


def polygon(points):
    """Signed distance to a closed polygon (negative inside, even-odd rule)."""
    def sd(x, y):
        d = float('inf')
        inside = False
        n = len(points)
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[(i + 1) % n]
            vx, vy, px, py = bx - ax, by - ay, x - ax, y - ay
            h = max(0.0, min(1.0, (px * vx + py * vy) / (vx * vx + vy * vy)))
            d = min(d, math.hypot(px - vx * h, py - vy * h))
            if (ay > y) != (by > y) and x < ax + (y - ay) * vx / vy:
                inside = not inside
        return -d if inside else d
    return sd


def ring(cx, cy, r, half_width, gap_from=None, gap_to=None):
    """An annulus; with a gap, the arc between the two angles (radians, y down) is left out."""
    def sd(x, y):
        d = abs(math.hypot(x - cx, y - cy) - r) - half_width
        if gap_from is not None:
            a = math.atan2(y - cy, x - cx) % (2 * math.pi)
            if gap_from <= a <= gap_to:
                return max(d, 0.02)
        return d
    return sd


def render(size, layers):
    """layers: (signed distance, (r, g, b), opacity) painted in order over transparency."""
    px = []
    for j in range(size):
        for i in range(size):
            x, y = (i + 0.5) / size, (j + 0.5) / size
            r = g = b = a = 0.0
            for sd, (cr, cg, cb), opacity in layers:
                cov = max(0.0, min(1.0, 0.5 - sd(x, y) * size)) * opacity
                if cov <= 0:
                    continue
                na = cov + a * (1 - cov)
                r = (cr * cov + r * a * (1 - cov)) / na
                g = (cg * cov + g * a * (1 - cov)) / na
                b = (cb * cov + b * a * (1 - cov)) / na
                a = na
            px.append((round(r), round(g), round(b), round(a * 255)))
    return px


def camera(body, lens_ring):
    return [
        (round_rect(0.5, 0.57, 0.27, 0.17, 0.05), body, 1.0),
        (round_rect(0.40, 0.38, 0.09, 0.05, 0.02), body, 1.0),
        (circle(0.5, 0.57, 0.115), lens_ring, 1.0),
        (circle(0.5, 0.57, 0.065), body, 1.0),
    ]


def connect():
    green = (40, 150, 60)
    return [(circle(0.5, 0.5, 0.48), green, 1.0)] + camera((255, 255, 255), green)


def disconnect():
    grey = (125, 125, 125)
    return ([(circle(0.5, 0.5, 0.48), grey, 1.0)] + camera((225, 225, 225), grey) +
            [(capsule(0.2, 0.2, 0.8, 0.8, 0.085), grey, 1.0),
             (capsule(0.2, 0.2, 0.8, 0.8, 0.055), (215, 35, 35), 1.0)])


def application():
    return [
        (round_rect(0.5, 0.5, 0.47, 0.47, 0.12), (28, 58, 118), 1.0),
        (circle(0.27, 0.73, 0.17), (255, 220, 80), 0.45),
        (circle(0.27, 0.73, 0.085), (255, 240, 150), 1.0),
        (capsule(0.38, 0.62, 0.78, 0.22, 0.085), (245, 245, 245), 1.0),
        (capsule(0.31, 0.69, 0.38, 0.62, 0.045), (200, 200, 200), 1.0),
    ]


TILE = (28, 58, 118)
GLYPH = (245, 245, 245)
ACCENT = (255, 200, 60)


def tile(glyphs):
    """Every toolbar icon: the glyph in white on the program's blue tile."""
    return [(round_rect(0.5, 0.5, 0.47, 0.47, 0.12), TILE, 1.0)] + glyphs


def mouse_icon():
    arrow = [(0.32, 0.16), (0.32, 0.78), (0.46, 0.64), (0.56, 0.86), (0.66, 0.81), (0.56, 0.60),
             (0.76, 0.60)]
    return tile([(polygon(arrow), GLYPH, 1.0)])


def pen_icon():
    return tile([(capsule(0.30, 0.70, 0.74, 0.26, 0.08), GLYPH, 1.0),
                 (polygon([(0.19, 0.81), (0.24, 0.62), (0.38, 0.76)]), ACCENT, 1.0)])


def eraser_icon():
    body = polygon([(0.18, 0.60), (0.50, 0.28), (0.80, 0.58), (0.48, 0.90)])
    tip = polygon([(0.18, 0.60), (0.34, 0.44), (0.64, 0.74), (0.48, 0.90)])
    return tile([(body, GLYPH, 1.0), (tip, (235, 120, 130), 1.0),
                 (capsule(0.55, 0.88, 0.84, 0.88, 0.025), GLYPH, 1.0)])


def pen_width_icon():
    return tile([(capsule(0.22, 0.28, 0.78, 0.28, 0.025), GLYPH, 1.0),
                 (capsule(0.22, 0.48, 0.78, 0.48, 0.05), GLYPH, 1.0),
                 (capsule(0.22, 0.71, 0.78, 0.71, 0.085), GLYPH, 1.0)])


def pen_color_icon():
    return tile([(circle(0.35, 0.36, 0.13), (235, 60, 60), 1.0),
                 (circle(0.65, 0.36, 0.13), (70, 190, 90), 1.0),
                 (circle(0.35, 0.66, 0.13), (70, 130, 240), 1.0),
                 (circle(0.65, 0.66, 0.13), ACCENT, 1.0)])


def screen_outline():
    return [(round_rect(0.5, 0.44, 0.32, 0.24, 0.04), GLYPH, 1.0),
            (round_rect(0.5, 0.44, 0.27, 0.19, 0.02), TILE, 1.0),
            (capsule(0.40, 0.80, 0.60, 0.80, 0.035), GLYPH, 1.0),
            (capsule(0.5, 0.68, 0.5, 0.80, 0.03), GLYPH, 1.0)]


def clean_screen_icon():
    return tile(screen_outline() + [
        (polygon([(0.34, 0.52), (0.50, 0.30), (0.54, 0.33), (0.40, 0.56)]), ACCENT, 1.0),
        (polygon([(0.30, 0.52), (0.46, 0.58), (0.40, 0.64), (0.28, 0.60)]), ACCENT, 1.0)])


def screen_capture_icon():
    corner = 0.035
    glyphs = []
    for (x, y, dx, dy) in ((0.20, 0.22, 1, 1), (0.80, 0.22, -1, 1), (0.20, 0.78, 1, -1),
                           (0.80, 0.78, -1, -1)):
        glyphs.append((capsule(x, y, x + 0.16 * dx, y, corner), GLYPH, 1.0))
        glyphs.append((capsule(x, y, x, y + 0.16 * dy, corner), GLYPH, 1.0))
    glyphs.append((circle(0.5, 0.5, 0.12), ACCENT, 1.0))
    glyphs.append((circle(0.5, 0.5, 0.06), TILE, 1.0))
    return tile(glyphs)


def redraw_screen_icon():
    head = polygon([(0.70, 0.14), (0.84, 0.36), (0.60, 0.38)])
    return tile([(ring(0.5, 0.52, 0.25, 0.055, 4.6, 5.6), GLYPH, 1.0), (head, GLYPH, 1.0),
                 (capsule(0.42, 0.52, 0.58, 0.52, 0.04), ACCENT, 1.0)])


def soft_keyboard_icon():
    glyphs = [(round_rect(0.5, 0.52, 0.36, 0.22, 0.05), GLYPH, 1.0)]
    for row, y in enumerate((0.42, 0.52)):
        for i in range(5):
            x = 0.24 + i * 0.13 + (0.03 if row else 0.0)
            glyphs.append((round_rect(x, y, 0.035, 0.03, 0.01), TILE, 1.0))
    glyphs.append((round_rect(0.5, 0.63, 0.18, 0.03, 0.01), TILE, 1.0))
    return tile(glyphs)


def side_icon(to_left):
    def at(x):
        return 1.0 - x if to_left else x
    return tile([(capsule(at(0.22), 0.5, at(0.62), 0.5, 0.07), GLYPH, 1.0),
                 (polygon([(at(0.50), 0.24), (at(0.82), 0.5), (at(0.50), 0.76)]), GLYPH, 1.0)])


# The toolbar's icon files (named in IcoInfo.ini) and the sizes of the sets: the side button's
# icon is smaller than the others.
TOOLBAR_ICONS = {
    'Mouse.ico': mouse_icon, 'Pen.ico': pen_icon, 'Eraser.ico': eraser_icon,
    'PenWidth.ico': pen_width_icon, 'PenColor.ico': pen_color_icon,
    'CleanScreen.ico': clean_screen_icon, 'ScreenCapture.ico': screen_capture_icon,
    'RedrawScreen.ico': redraw_screen_icon, 'SoftKeyboard.ico': soft_keyboard_icon,
}
TOOLBAR_SETS = ((32, 16), (40, 20), (48, 24))  # (other icons, side icon)


def ico(layers, sizes=SIZES):
    images = []
    for s in sizes:
        px = render(s, layers)
        header = struct.pack('<IiiHHIIiiII', 40, s, s * 2, 1, 32, 0, 0, 0, 0, 0, 0)
        rows = [px[j * s:(j + 1) * s] for j in range(s)]
        xor = b''.join(bytes((b, g, r, a)) for row in reversed(rows) for (r, g, b, a) in row)
        stride = ((s + 31) // 32) * 4
        mask = b''
        for row in reversed(rows):
            bits = bytearray(stride)
            for i, p in enumerate(row):
                if p[3] == 0:
                    bits[i // 8] |= 0x80 >> (i % 8)
            mask += bytes(bits)
        images.append((s, header + xor + mask))
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in images:
        out += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return out + b''.join(d for _, d in images)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    root = sys.argv[1]
    os.makedirs(os.path.join(root, 'Icon'), exist_ok=True)
    for name, layers in (('halvertone.ico', application()),
                         (os.path.join('Icon', 'Connect.ico'), connect()),
                         (os.path.join('Icon', 'Disconnect.ico'), disconnect())):
        with open(os.path.join(root, name), 'wb') as f:
            f.write(ico(layers))
    for other, side in TOOLBAR_SETS:
        folder = os.path.join(root, 'Toolbar', str(other))
        os.makedirs(folder, exist_ok=True)
        files = [(name, make(), other) for name, make in TOOLBAR_ICONS.items()]
        files += [('LeftSide.ico', side_icon(True), side), ('RightSide.ico', side_icon(False), side)]
        for name, layers, size in files:
            with open(os.path.join(folder, name), 'wb') as f:
                f.write(ico(layers, (size,)))


if __name__ == '__main__':
    main()
