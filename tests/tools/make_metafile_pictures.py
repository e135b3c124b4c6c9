#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Quorvel developers

"""Writes the reader's metafile test documents: a WMF and an EMF that each draw
one 4 x 3 bitmap, the way word processors store screenshots.
Usage: make_metafile_pictures.py <folder>"""

import struct
import sys


def dib_24bit():
    # Bottom-up rows: the top row red, the rest white.
    header = struct.pack("<IiiHHIIiiII", 40, 4, 3, 1, 24, 0, 0, 0, 0, 0, 0)
    white, red = b"\xff\xff\xff" * 4, b"\x00\x00\xff" * 4
    return header + white + white + red


def dib_8bit_header():
    header = struct.pack("<IiiHHIIiiII", 40, 4, 3, 1, 8, 0, 0, 0, 0, 2, 0)
    return header + b"\xff\xff\xff\x00" + b"\x00\x00\xff\x00"


def wmf():
    dib = dib_24bit()
    stretch = struct.pack("<IH8h", 0x00CC0020, 0, 3, 4, 0, 0, 3, 4, 0, 0) + dib
    record = struct.pack("<IH", (6 + len(stretch)) // 2, 0x0F43) + stretch
    end = struct.pack("<IH", 3, 0)
    words = (18 + len(record) + len(end)) // 2
    header = struct.pack("<HHHIHIH", 1, 9, 0x0300, words, 0, len(record) // 2, 0)
    placeable = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, 4, 3, 96, 0)
    checksum = 0
    for (word,) in struct.iter_unpack("<H", placeable):
        checksum ^= word
    return placeable + struct.pack("<H", checksum) + header + record + end


def emf():
    bmi = dib_8bit_header()
    bits = bytes([1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0])[::-1]  # bottom-up: last row is the top
    fixed = 80
    stretch = struct.pack("<4i6i4I2I2i", 0, 0, 3, 2, 0, 0, 0, 0, 4, 3,
                          fixed, len(bmi), fixed + len(bmi), len(bits),
                          0, 0x00CC0020, 4, 3)
    record = struct.pack("<II", 81, fixed + len(bmi) + len(bits)) + stretch + bmi + bits
    end = struct.pack("<IIIII", 14, 20, 0, 16, 20)
    total = 88 + len(record) + len(end)
    header = struct.pack("<II4i4iIIIIHHIII2i2i", 1, 88, 0, 0, 3, 2, 0, 0, 105, 79,
                         0x464D4520, 0x10000, total, 3, 0, 0, 0, 0, 0,
                         1920, 1080, 508, 286)
    return header + record + end


def document(keyword, goal, data):
    hexed = data.hex()
    lines = "\n".join(hexed[i:i + 64] for i in range(0, len(hexed), 64))
    return "{\\rtf1\\ansi\n\\pard Before{\\pict\\%s%s\n%s}After\\par\n}\n" % (keyword, goal, lines)


folder = sys.argv[1]
with open(folder + "/picture_wmf_bitmap.rtf", "w", newline="\n") as out:
    out.write(document("wmetafile8\\picw106\\pich79", "\\picwgoal1500\\pichgoal1125", wmf()))
with open(folder + "/picture_emf_bitmap.rtf", "w", newline="\n") as out:
    out.write(document("emfblip\\picw106\\pich79", "\\picwgoal600\\pichgoal450", emf()))
