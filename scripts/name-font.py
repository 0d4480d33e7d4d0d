#!/usr/bin/env python3
"""Writes a copy of a TrueType font under other family names.

    name-font.py SOURCE.ttf TARGET.ttf ENGLISH-NAME [JAPANESE-NAME]

The copy keeps every glyph and metric of the source; only its naming table is
new: family, full and PostScript names in English and, when given, the family
and full names in Japanese. Wine then lists the copy as a font of its own,
with the Japanese names under a Japanese locale, as Windows lists its own
Japanese fonts.
"""
import struct
import sys

WINDOWS_PLATFORM = 3
UNICODE_BMP = 1
ENGLISH_US = 0x0409
JAPANESE = 0x0411
FAMILY, SUBFAMILY, UNIQUE_ID, FULL_NAME, POSTSCRIPT_NAME = 1, 2, 3, 4, 6
HEAD_CHECKSUM_ADJUSTMENT = 8
CHECKSUM_MAGIC = 0xB1B0AFBA


def checksum(data):
    padded = data + b"\0" * (-len(data) % 4)
    return sum(struct.unpack(">%dI" % (len(padded) // 4), padded)) & 0xFFFFFFFF


def naming_table(english, japanese):
    records = [
        (ENGLISH_US, FAMILY, english),
        (ENGLISH_US, SUBFAMILY, "Regular"),
        (ENGLISH_US, UNIQUE_ID, english),
        (ENGLISH_US, FULL_NAME, english),
        (ENGLISH_US, POSTSCRIPT_NAME, english.replace(" ", "")),
    ]
    if japanese:
        records += [(JAPANESE, FAMILY, japanese), (JAPANESE, SUBFAMILY, "Regular"),
                    (JAPANESE, FULL_NAME, japanese)]
    records.sort()
    storage = b""
    entries = b""
    for language, name_id, text in records:
        encoded = text.encode("utf-16-be")
        entries += struct.pack(">6H", WINDOWS_PLATFORM, UNICODE_BMP, language, name_id, len(encoded), len(storage))
        storage += encoded
    header = struct.pack(">3H", 0, len(records), 6 + len(entries))
    return header + entries + storage


def main():
    source, target, english = sys.argv[1:4]
    japanese = sys.argv[4] if len(sys.argv) > 4 else None
    with open(source, "rb") as f:
        font = f.read()
    count = struct.unpack(">H", font[4:6])[0]
    tables = {}
    order = []
    for i in range(count):
        tag, _, offset, length = struct.unpack(">4sIII", font[12 + 16 * i:28 + 16 * i])
        tables[tag] = font[offset:offset + length]
        order.append((offset, tag))
    tables[b"name"] = naming_table(english, japanese)
    head = bytearray(tables[b"head"])
    head[HEAD_CHECKSUM_ADJUSTMENT:HEAD_CHECKSUM_ADJUSTMENT + 4] = b"\0\0\0\0"
    tables[b"head"] = bytes(head)

    # Tables keep their order in the file; the directory is sorted by tag.
    directory_end = 12 + 16 * count
    offsets = {}
    body = b""
    for _, tag in sorted(order):
        offsets[tag] = directory_end + len(body)
        body += tables[tag] + b"\0" * (-len(tables[tag]) % 4)
    directory = font[:12]
    for tag in sorted(tables):
        directory += struct.pack(">4sIII", tag, checksum(tables[tag]), offsets[tag], len(tables[tag]))
    out = bytearray(directory + body)
    adjustment = (CHECKSUM_MAGIC - checksum(bytes(out))) & 0xFFFFFFFF
    at = offsets[b"head"] + HEAD_CHECKSUM_ADJUSTMENT
    out[at:at + 4] = struct.pack(">I", adjustment)
    with open(target, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
