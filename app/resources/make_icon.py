#!/usr/bin/env python3
"""Draws Orbilux's application icon: twelve small desktop icons standing on
a circle, on a rounded blue tile. Writes orbilux.ico (32-bit images at the
sizes Windows asks for) beside this script. Run it again after changing the
drawing; the .ico is committed so the build needs no Python."""
import math
import os
import struct
import zlib

SIZES = [16, 20, 24, 32, 40, 48, 64, 256]


def coverage(px, py, shape, samples=4):
    """Fraction of the pixel (px, py) inside shape(x, y), by supersampling."""
    inside = 0
    for i in range(samples):
        for j in range(samples):
            if shape(px + (i + 0.5) / samples, py + (j + 0.5) / samples):
                inside += 1
    return inside / (samples * samples)


def rounded_square(size, radius):
    def inside(x, y):
        cx = min(max(x, radius), size - radius)
        cy = min(max(y, radius), size - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2
    return inside


def draw(size):
    tile = rounded_square(size, size * 0.2)
    icons = []
    count = 12
    ring = size * 0.32
    half = max(size * 0.055, 0.9)
    for k in range(count):
        a = 2 * math.pi * k / count - math.pi / 2
        icons.append((size / 2 + ring * math.cos(a), size / 2 + ring * math.sin(a)))

    def on_icon(x, y):
        return any(abs(x - cx) <= half and abs(y - cy) <= half for cx, cy in icons)

    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            a = coverage(px, py, tile)
            # A vertical gradient from a light to a deep blue.
            t = py / max(size - 1, 1)
            r, g, b = 70 - 40 * t, 150 - 60 * t, 235 - 45 * t
            w = coverage(px, py, on_icon) if a > 0 else 0
            r, g, b = r + (255 - r) * w, g + (255 - g) * w, b + (255 - b) * w
            row.append((int(b), int(g), int(r), int(round(a * 255))))
        pixels.append(row)
    return pixels


def dib(size, pixels):
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = b''.join(bytes(c for px in pixels[y] for c in px) for y in reversed(range(size)))
    mask_row = ((size + 31) // 32) * 4
    return header + rows + b'\0' * (mask_row * size)


def png(size, pixels):
    """The 256-pixel image as PNG, which Windows reads in icons since Vista."""
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    raw = b''.join(b'\0' + bytes(c for b, g, r, a in row for c in (r, g, b, a)) for row in pixels)
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)) +
            chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def main():
    images = [png(s, draw(s)) if s >= 256 else dib(s, draw(s)) for s in SIZES]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, data in zip(SIZES, images):
        out += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), 'orbilux.ico'), 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main()
