#!/usr/bin/env python3
"""Saves a PNG of the X display (or a part of it): screenshot.py OUT.png [X Y W H].

Reads `xwd -root` output; the display is taken from DISPLAY."""
import struct
import subprocess
import sys
import zlib


def grab():
    """The root window as (width, height, rows of (r, g, b) tuples)."""
    data = subprocess.run(["xwd", "-root", "-silent"], check=True,
                          stdout=subprocess.PIPE).stdout
    h = struct.unpack(">25I", data[:100])
    header_size, width, height = h[0], h[4], h[5]
    byte_order, bits_per_pixel, bytes_per_line, ncolors = h[7], h[11], h[12], h[19]
    step = bits_per_pixel // 8  # Xvfb packs depth 24 into 3-byte pixels
    off = header_size + ncolors * 12
    rows = []
    for y in range(height):
        line = data[off + y * bytes_per_line: off + (y + 1) * bytes_per_line]
        if byte_order == 0:
            rows.append([(line[x + 2], line[x + 1], line[x]) for x in range(0, width * step, step)])
        else:
            rows.append([(line[x + step - 3], line[x + step - 2], line[x + step - 1])
                         for x in range(0, width * step, step)])
    return width, height, rows


def write_png(path, rows, scale=1):
    height, width = len(rows) * scale, len(rows[0]) * scale
    raw = bytearray()
    for row in rows:
        line = b"\0" + b"".join(bytes(p) * scale for p in row)
        raw += line * scale

    def chunk(tag, body):
        return (struct.pack(">I", len(body)) + tag + body +
                struct.pack(">I", zlib.crc32(tag + body) & 0xFFFFFFFF))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" +
                chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
                chunk(b"IDAT", zlib.compress(bytes(raw))) + chunk(b"IEND", b""))


if __name__ == "__main__":
    _, _, rows = grab()
    if len(sys.argv) == 6:
        x, y, w, h = map(int, sys.argv[2:6])
        rows = [r[x:x + w] for r in rows[y:y + h]]
    write_png(sys.argv[1], rows)
