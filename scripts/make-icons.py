#!/usr/bin/env python3
"""Draws the program's icons (application, camera connected, camera disconnected) and writes
them as .ico files with 16, 24, 32 and 48 pixel images in 32-bit colour. Standard library only;
the shapes are signed-distance functions, so the edges are anti-aliased at every size.

Usage: make-icons.py OUTPUT_DIR   (writes halvertone.ico and Icon/Connect.ico, Icon/Disconnect.ico)
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


def ico(layers):
    images = []
    for s in SIZES:
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


if __name__ == '__main__':
    main()
