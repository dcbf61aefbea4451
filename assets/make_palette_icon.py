#!/usr/bin/env python3
"""Packs one 8-bit (256-colour palette) BMP into an .ico file, with the standard library only.

Usage: make_palette_icon.py <picture.bmp> <target.ico>
Every pixel is opaque: the AND mask is all zero.
"""
import struct
import sys


def read_palette_bmp(path):
    data = open(path, "rb").read()
    if data[:2] != b"BM":
        raise SystemExit(f"{path}: not a BMP file")
    pixel_offset = struct.unpack_from("<I", data, 10)[0]
    header_size, width, height, _, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    colours_used = struct.unpack_from("<I", data, 46)[0] or 256
    if bits != 8 or compression != 0 or height <= 0:
        raise SystemExit(f"{path}: want a bottom-up uncompressed 8-bit BMP, got {bits} bits")
    palette_start = 14 + header_size
    palette = data[palette_start:palette_start + 4 * colours_used]
    palette += bytes(4 * 256 - len(palette))  # always a full table of 256 entries
    row = (width + 3) & ~3
    return width, height, palette, data[pixel_offset:pixel_offset + row * height]


def main(arguments):
    if len(arguments) != 2:
        raise SystemExit(__doc__)
    width, height, palette, pixels = read_palette_bmp(arguments[0])
    mask_row = ((width + 31) // 32) * 4
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 8, 0,
                         len(pixels) + mask_row * height, 0, 0, 256, 0)
    image = header + palette + pixels + bytes(mask_row * height)
    directory = struct.pack("<HHH", 0, 1, 1)
    directory += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 8, len(image), 6 + 16)
    open(arguments[1], "wb").write(directory + image)


if __name__ == "__main__":
    main(sys.argv[1:])
