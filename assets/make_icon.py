#!/usr/bin/env python3
"""Packs 24-bit BMP pictures into one .ico file (one image each), with standard library only.

Usage: make_icon.py <picture.bmp>... <target.ico>
Every pixel is opaque: the AND mask is all zero.
"""
import struct
import sys


def read_bmp(path):
    data = open(path, "rb").read()
    if data[:2] != b"BM":
        raise SystemExit(f"{path}: not a BMP file")
    pixel_offset = struct.unpack_from("<I", data, 10)[0]
    header_size, width, height, _, bits = struct.unpack_from("<IiiHH", data, 14)
    if bits != 24 or height <= 0:
        raise SystemExit(f"{path}: want a bottom-up 24-bit BMP, got {bits} bits")
    row = (width * 3 + 3) & ~3
    return width, height, data[pixel_offset:pixel_offset + row * height]


def icon_image(width, height, pixels):
    mask_row = ((width + 31) // 32) * 4
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 24, 0,
                         len(pixels) + mask_row * height, 0, 0, 0, 0)
    return header + pixels + bytes(mask_row * height)


def main(arguments):
    if len(arguments) < 2:
        raise SystemExit(__doc__)
    images = [icon_image(*read_bmp(path)) for path in arguments[:-1]]
    sizes = [read_bmp(path)[:2] for path in arguments[:-1]]
    output = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (width, height), image in zip(sizes, images):
        output += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 24, len(image), offset)
        offset += len(image)
    open(arguments[-1], "wb").write(output + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1:])
