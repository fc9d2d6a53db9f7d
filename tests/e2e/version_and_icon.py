#!/usr/bin/env python3
"""Exits 0 when a Windows program carries a version and an icon: the version's text in UTF-16
(as a version resource holds it) and every image of an .ico file byte for byte (as its icon
resources hold them).

Usage: version_and_icon.py PROGRAM.exe VERSION ICON.ico
"""
import struct
import sys


def main(argv):
    if len(argv) != 4:
        sys.exit(__doc__.strip())
    program, version, icon = open(argv[1], "rb").read(), argv[2], open(argv[3], "rb").read()
    count = struct.unpack_from("<H", icon, 4)[0]
    # Each directory entry of the .ico: 8 bytes of sizes and colours, the image's size, its offset.
    images = [struct.unpack_from("<II", icon, 6 + 16 * i + 8) for i in range(count)]
    if version.encode("utf-16-le") not in program:
        sys.exit(f"{argv[1]}: no version {version}")
    if not all(icon[offset:offset + size] in program for size, offset in images):
        sys.exit(f"{argv[1]}: not the icon {argv[3]}")


if __name__ == "__main__":
    main(sys.argv)
