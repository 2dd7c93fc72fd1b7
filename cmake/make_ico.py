#!/usr/bin/env python3
"""Packs PNG pictures into one Windows icon file (each PNG stored as it is, which Windows
Vista and later read).

    make_ico.py OUTPUT.ico SIZE_1.png [SIZE_2.png ...]
"""
import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise SystemExit("make_ico: not a PNG")
    return struct.unpack(">II", data[16:24])


def main():
    output, pictures = sys.argv[1], sys.argv[2:]
    images = [open(path, "rb").read() for path in pictures]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries, payload = b"", b""
    for data in images:
        width, height = png_size(data)
        if width > 256 or height > 256:
            raise SystemExit("make_ico: an icon is at most 256 x 256")
        # 0 stands for 256 in the one-byte sizes.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32,
                               len(data), offset + len(payload))
        payload += data
    with open(output, "wb") as ico:
        ico.write(header + entries + payload)


if __name__ == "__main__":
    main()
