#!/usr/bin/env python3
"""Reads what Windows shows of a Windows executable from its own resources.

  exe-resources.py EXE version     the version resource: "Fixed=2.1.0.0",
                                   "Translation=0411 932" and one "Key=Value"
                                   line per string of each string block
  exe-resources.py EXE string ID   string ID of the string table
  exe-resources.py EXE manifest    the application manifest (resource type 24)
  exe-resources.py EXE symbols     how many COFF symbols the file still holds

Texts are printed as UTF-8. Exits with 1 when the file lacks what is asked.
"""
import struct
import sys

RT_STRING, RT_VERSION, RT_MANIFEST = 6, 16, 24
DATA_DIRECTORY_AT = {0x10B: 96, 0x20B: 112}   # PE32, PE32+
RESOURCE_DIRECTORY = 2


class Image:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[:2] != b"MZ" or data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a Windows executable")
        _, sections, _, _, self.symbols, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        directory = optional + DATA_DIRECTORY_AT[magic] + 8 * RESOURCE_DIRECTORY
        self.resource_rva = struct.unpack_from("<I", data, directory)[0]
        self.sections = []
        for i in range(sections):
            _, size, rva, raw_size, raw_at = struct.unpack_from("<8sIIII", data, optional + optional_size + 40 * i)
            self.sections.append((rva, max(size, raw_size), raw_at))

    def offset(self, rva):
        for start, size, raw_at in self.sections:
            if start <= rva < start + size:
                return raw_at + rva - start
        raise ValueError("address outside every section")

    def resources(self):
        """{(type, name, language): bytes} for every resource with a numeric type."""
        found = {}
        if not self.resource_rva:
            return found
        root = self.offset(self.resource_rva)

        def walk(at, path):
            named, numbered = struct.unpack_from("<HH", self.data, root + at + 12)
            for i in range(named + numbered):
                name, target = struct.unpack_from("<II", self.data, root + at + 16 + 8 * i)
                key = path + (None if name & 0x80000000 else name,)
                if target & 0x80000000:
                    walk(target & 0x7FFFFFFF, key)
                else:
                    rva, size = struct.unpack_from("<II", self.data, root + target)
                    found[key] = self.data[self.offset(rva):self.offset(rva) + size]
        walk(0, ())
        return found


def utf16z(data, at):
    end = at
    while data[end:end + 2] != b"\0\0":
        end += 2
    return data[at:end].decode("utf-16-le"), end + 2


def align4(at):
    return (at + 3) & ~3


def version_nodes(data, at=0, depth=0):
    """Yields (depth, key, type, value bytes) for a version node and its children."""
    length, value_length, kind = struct.unpack_from("<HHH", data, at)
    key, value_at = utf16z(data, at + 6)
    value_at = align4(value_at)
    value_size = value_length * 2 if kind == 1 else value_length
    yield depth, key, kind, data[value_at:value_at + value_size]
    child = align4(value_at + value_size)
    while child < at + length:
        child_length = struct.unpack_from("<H", data, child)[0]
        if child_length == 0:
            break
        yield from version_nodes(data, child, depth + 1)
        child = align4(child + child_length)


def print_version(blob):
    for depth, key, kind, value in version_nodes(blob):
        if depth == 0:
            signature, _, file_ms, file_ls = struct.unpack_from("<IIII", value)
            if signature != 0xFEEF04BD:
                raise ValueError("no fixed file information")
            print("Fixed=%d.%d.%d.%d" % (file_ms >> 16, file_ms & 0xFFFF, file_ls >> 16, file_ls & 0xFFFF))
        elif key == "Translation":
            for i in range(0, len(value), 4):
                print("Translation=%04x %d" % struct.unpack_from("<HH", value, i))
        elif depth == 3:
            print("%s=%s" % (key, value.decode("utf-16-le").rstrip("\0")))


def string_of(resources, number):
    for (kind, block, _), blob in resources.items():
        if kind == RT_STRING and block == number // 16 + 1:
            at = 0
            for _ in range(number % 16):
                at += 2 + 2 * struct.unpack_from("<H", blob, at)[0]
            length = struct.unpack_from("<H", blob, at)[0]
            return blob[at + 2:at + 2 + 2 * length].decode("utf-16-le") if length else None
    return None


def main(path, what, *rest):
    with open(path, "rb") as f:
        image = Image(f.read())
    if what == "symbols":
        print(image.symbols)
        return 0
    resources = image.resources()
    if what == "version":
        blobs = [blob for (kind, _, _), blob in resources.items() if kind == RT_VERSION]
        for blob in blobs:
            print_version(blob)
        return 0 if blobs else 1
    if what == "manifest":
        blobs = [blob for (kind, _, _), blob in resources.items() if kind == RT_MANIFEST]
        for blob in blobs:
            print(blob.decode("utf-8"))
        return 0 if blobs else 1
    if what == "string":
        text = string_of(resources, int(rest[0]))
        if text is None:
            return 1
        print(text)
        return 0
    raise SystemExit(__doc__)


if __name__ == "__main__":
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    try:
        sys.exit(main(*sys.argv[1:]))
    except (OSError, ValueError, KeyError, struct.error) as e:
        sys.exit("exe-resources: %s: %s" % (sys.argv[1], e))
