#!/usr/bin/env python3
"""Packs BMP pictures into one .ico file (one image each), with standard library only.

Usage: make_icon.py <picture.bmp>... <target.ico>
Pictures are bottom-up and uncompressed: 24 bits per pixel, or 8 bits with a palette of up to
256 colours (kept in the icon as a full table of 256). Every pixel is opaque: the AND mask is
all zero.
"""
import struct
import sys


def read_bmp(path):
    """Returns (width, height, bits, palette, pixels); the palette is empty for 24 bits."""
    data = open(path, "rb").read()
    if data[:2] != b"BM":
        raise SystemExit(f"{path}: not a BMP file")
    pixel_offset = struct.unpack_from("<I", data, 10)[0]
    header_size, width, height, _, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    if bits not in (8, 24) or compression != 0 or height <= 0:
        raise SystemExit(f"{path}: want a bottom-up uncompressed 24-bit or 8-bit BMP, got {bits} bits")
    palette = b""
    if bits == 8:
        colours = struct.unpack_from("<I", data, 46)[0] or 256
        start = 14 + header_size
        palette = data[start:start + 4 * colours]
        palette += bytes(4 * 256 - len(palette))
    row = (width * bits // 8 + 3) & ~3
    return width, height, bits, palette, data[pixel_offset:pixel_offset + row * height]


def icon_image(width, height, bits, palette, pixels):
    mask_row = ((width + 31) // 32) * 4
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0,
                         len(pixels) + mask_row * height, 0, 0, len(palette) // 4, 0)
    return header + palette + pixels + bytes(mask_row * height)


def main(arguments):
    if len(arguments) < 2:
        raise SystemExit(__doc__)
    pictures = [read_bmp(path) for path in arguments[:-1]]
    images = [icon_image(*picture) for picture in pictures]
    output = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (width, height, bits, _, _), image in zip(pictures, images):
        output += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, bits, len(image), offset)
        offset += len(image)
    open(arguments[-1], "wb").write(output + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1:])
