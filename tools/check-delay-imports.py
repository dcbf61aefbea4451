#!/usr/bin/env python3
"""Checks a Windows program's delay imports, natively, from the file alone.

Usage: check-delay-imports.py [--delete-on-fault] <program.exe> [dll...]

Every slot of every delay-import descriptor must hold the address of its load thunk in .text
(a null slot is a call to address 0 the first time the function is needed), every imported name
must be the plain name the DLL exports (no stdcall decoration), and each DLL named on the command
line must be delay-imported and absent from the regular import table (or it loads at start).
Prints one line per fault and exits 1 when there is any; with --delete-on-fault it also deletes
the program, so that a build which checks it after linking links it again next time.
"""

import os
import struct
import sys


class Image:
    def __init__(self, data):
        self.data = data
        if data[:2] != b"MZ":
            raise ValueError("not a Windows program (no MZ header)")
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a Windows program (no PE signature)")
        machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        if magic == 0x10B:
            self.pointer_size = 4
            self.image_base = struct.unpack_from("<I", data, optional + 28)[0]
            directories = optional + 96
        elif magic == 0x20B:
            self.pointer_size = 8
            self.image_base = struct.unpack_from("<Q", data, optional + 24)[0]
            directories = optional + 112
        else:
            raise ValueError("unknown optional header magic %#x" % magic)
        self.directories = [struct.unpack_from("<II", data, directories + 8 * index)
                            for index in range(16)]
        self.sections = []
        table = optional + optional_size
        for index in range(sections):
            entry = table + 40 * index
            name = data[entry:entry + 8].rstrip(b"\0").decode("ascii", "replace")
            virtual_size, address, raw_size, raw_offset = struct.unpack_from("<IIII", data, entry + 8)
            self.sections.append((name, address, max(virtual_size, raw_size), raw_offset, raw_size))

    def section_of(self, rva):
        for section in self.sections:
            if section[1] <= rva < section[1] + section[2]:
                return section
        return None

    def offset(self, rva):
        section = self.section_of(rva)
        if section is None or rva - section[1] >= section[4]:
            raise ValueError("address %#x lies in no section's file data" % rva)
        return section[3] + rva - section[1]

    def u32(self, rva):
        return struct.unpack_from("<I", self.data, self.offset(rva))[0]

    def pointer(self, rva):
        return struct.unpack_from("<I" if self.pointer_size == 4 else "<Q", self.data, self.offset(rva))[0]

    def string(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)].decode("ascii", "replace")


def regular_imports(image):
    rva, size = image.directories[1]
    names = []
    if rva == 0 or size == 0:
        return names
    while True:
        lookup, _, _, name, first_thunk = struct.unpack_from("<IIIII", image.data, image.offset(rva))
        if name == 0 and first_thunk == 0:
            return names
        names.append(image.string(name))
        rva += 20


def descriptor_at(image, rva):
    """The delay-import descriptor at rva as (dll, [(function, slot rva)]), or None when the
    32 bytes there are not one (offset-based, a DLL name, a name table of named imports)."""
    try:
        (attributes, name, handle, address_table, name_table, bound, unload, stamp) = struct.unpack_from(
            "<8I", image.data, image.offset(rva))
        if attributes != 1 or stamp != 0 or 0 in (name, handle, address_table, name_table):
            return None
        for field in (handle, address_table, name_table, bound, unload):
            if field and image.section_of(field) is None:
                return None
        dll = image.string(name)
        if not (dll.lower().endswith(".dll") and 4 < len(dll) < 64 and dll.isprintable()):
            return None
        flag = 1 << (8 * image.pointer_size - 1)
        functions = []
        slot, entry = address_table, name_table
        while True:
            named = image.pointer(entry)
            if named == 0:
                break
            if named & flag:
                function = "#%d" % (named & 0xFFFF)
            else:
                function = image.string(named + 2)
                if not function or not function.isprintable() or len(function) > 256:
                    return None
            functions.append((function, slot))
            slot += image.pointer_size
            entry += image.pointer_size
        return (dll, functions) if functions else None
    except (ValueError, struct.error, IndexError):
        return None


def delay_imports(image, faults):
    """{dll: [function names]} of the delay-import descriptors; slot faults go to faults.

    GNU ld leaves the delay-import data directory empty, so the descriptors dlltool's delay
    libraries bring are found by their shape wherever they lie; a directory that is set is
    read as well."""
    found = {}
    starts = set()
    rva, size = image.directories[13]
    while rva and descriptor_at(image, rva):
        starts.add(rva)
        rva += 32
    for section in image.sections:
        name, address, _, raw_offset, raw_size = section
        if name.startswith(".debug") or name in (".rsrc", ".reloc"):
            continue
        for position in range(raw_offset, raw_offset + raw_size - 31, 4):
            # Attributes 1 first: a cheap look before the full one.
            if image.data[position:position + 4] != b"\1\0\0\0":
                continue
            rva = address + position - raw_offset
            if rva not in starts and descriptor_at(image, rva):
                starts.add(rva)
    for rva in sorted(starts):
        dll, functions = descriptor_at(image, rva)
        names = found.setdefault(dll, [])
        for function, slot in functions:
            if "@" in function or function.startswith("_"):
                faults.append("%s!%s: a decorated name, which %s does not export" % (dll, function, dll))
            names.append(function)
            target = image.pointer(slot)
            section = image.section_of(target - image.image_base) if target else None
            if target == 0:
                faults.append("%s!%s: its delay-import slot is null (no load thunk was linked)" % (dll, function))
            elif section is None or section[0] != ".text":
                faults.append("%s!%s: its delay-import slot points at %#x, outside .text" % (dll, function, target))
    return found


def main(arguments):
    delete = arguments[:1] == ["--delete-on-fault"]
    if delete:
        arguments = arguments[1:]
    if not arguments:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    path, expected = arguments[0], [dll.lower() for dll in arguments[1:]]
    with open(path, "rb") as file:
        image = Image(file.read())
    faults = []
    delayed = {dll.lower(): functions for dll, functions in delay_imports(image, faults).items()}
    regular = {dll.lower() for dll in regular_imports(image)}
    for dll in expected:
        if dll not in delayed:
            faults.append("%s is not delay-imported" % dll)
        if dll in regular:
            faults.append("%s is in the regular import table: it loads at start" % dll)
    for fault in faults:
        print("%s: %s" % (path, fault), file=sys.stderr)
    if faults and delete:
        os.remove(path)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
