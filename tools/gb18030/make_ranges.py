#!/usr/bin/env python3
"""Writes musiclist/Gb18030Ranges.cpp: where GB18030's four-byte sequences fall in the Basic
Multilingual Plane, taken from Python's own gb18030 codec.

Every BMP character that GB18030 does not write in one or two bytes gets a four-byte sequence;
numbered in order, those sequences run through the code points in 206 unbroken stretches.
Usage: python3 tools/gb18030/make_ranges.py > musiclist/Gb18030Ranges.cpp
"""


def four_byte_index(sequence):
    b1, b2, b3, b4 = sequence
    return (((b1 - 0x81) * 10 + (b2 - 0x30)) * 126 + (b3 - 0x81)) * 10 + (b4 - 0x30)


def stretches():
    found, previous = [], None
    for code_point in range(0x80, 0x10000):
        if 0xD800 <= code_point <= 0xDFFF:
            continue
        sequence = chr(code_point).encode("gb18030")
        if len(sequence) != 4:
            continue
        index = four_byte_index(sequence)
        if not (previous and index == previous[0] + 1 and code_point == previous[1] + 1):
            found.append((index, code_point))
        previous = (index, code_point)
    return found, previous[0]


def main():
    found, last_index = stretches()
    print("// Written by tools/gb18030/make_ranges.py; do not edit.")
    print('#include "musiclist/Gb18030.h"')
    print()
    print("namespace quavlet {")
    print()
    print("const Gb18030Stretch kGb18030Stretches[kGb18030StretchCount] = {")
    for n in range(0, len(found), 4):
        print("    " + " ".join("{%d, 0x%04X}," % pair for pair in found[n:n + 4]))
    print("};")
    print()
    print("}  // namespace quavlet")
    assert len(found) == 206 and last_index == 39419, (len(found), last_index)


if __name__ == "__main__":
    main()
