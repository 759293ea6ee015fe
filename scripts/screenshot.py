#!/usr/bin/env python3
"""Saves a PNG of the X display (or a part of it): screenshot.py OUT.png [X Y W H].

Reads `xwd -root` output; the display is taken from DISPLAY. The Image and
the xwd reader are also what the end-to-end harness reads the screen with."""
import struct
import subprocess
import sys
import zlib


class Image:
    """RGB pixels, row by row from the top, three bytes a pixel."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, bytes(rgb)

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.rgb[i:i + 3])

    def crop(self, x, y, w, h):
        rows = [self.rgb[3 * ((y + r) * self.width + x):3 * ((y + r) * self.width + x + w)]
                for r in range(h)]
        return Image(w, h, b"".join(rows))

    def colors(self):
        """The set of (r, g, b) colours in the image."""
        return {tuple(c) for c in {self.rgb[i:i + 3] for i in range(0, len(self.rgb), 3)}}

    def __eq__(self, other):
        return isinstance(other, Image) and vars(self) == vars(other)

    def save(self, path, scale=1):
        """Writes a PNG, each pixel scale by scale."""
        raw = bytearray()
        for y in range(self.height):
            row = self.rgb[3 * y * self.width:3 * (y + 1) * self.width]
            line = b"\0" + b"".join(row[i:i + 3] * scale for i in range(0, len(row), 3))
            raw += line * scale

        def chunk(tag, body):
            return (struct.pack(">I", len(body)) + tag + body +
                    struct.pack(">I", zlib.crc32(tag + body)))

        header = struct.pack(">IIBBBBB", self.width * scale, self.height * scale, 8, 2, 0, 0, 0)
        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                    chunk(b"IDAT", zlib.compress(bytes(raw))) + chunk(b"IEND", b""))


def parse_xwd(data):
    """An Image from `xwd` output: a ZPixmap of 24 or 32 bits a pixel with
    byte-aligned 8-bit channel masks, as Xvfb gives at depth 24."""
    h = struct.unpack(">25I", data[:100])  # xwd writes its header big-endian
    header_size, fmt, width, height, byte_order = h[0], h[2], h[4], h[5], h[7]
    bpp, line_bytes, masks, ncolors = h[11], h[12], h[14:17], h[19]
    assert fmt == 2 and bpp in (24, 32), "not a 24/32-bit ZPixmap"
    step = bpp // 8
    offsets = []
    for mask in masks:
        shift = mask.bit_length() - 8
        assert mask == 0xFF << shift and shift % 8 == 0, "unexpected channel mask"
        offsets.append(shift // 8 if byte_order == 0 else step - 1 - shift // 8)
    base = header_size + 12 * ncolors
    rgb = bytearray(3 * width * height)
    for y in range(height):
        line = data[base + y * line_bytes:base + y * line_bytes + width * step]
        for c, off in enumerate(offsets):
            rgb[3 * width * y + c:3 * width * (y + 1):3] = line[off::step]
    return Image(width, height, rgb)


if __name__ == "__main__":
    screen = parse_xwd(subprocess.run(["xwd", "-root", "-silent"], check=True,
                                      stdout=subprocess.PIPE).stdout)
    if len(sys.argv) == 6:
        screen = screen.crop(*map(int, sys.argv[2:6]))
    screen.save(sys.argv[1])
