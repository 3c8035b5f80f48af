"""Helpers of run_under_wine.sh, standard library only.

trust CA.pem
    Prints a registry file that puts the certificates into the machine's root
    store of a Wine prefix (the registry form crypt32 reads: the key is the
    certificate's SHA-1, the value a serialized certificate property).
shot FRAMEBUFFER X Y WIDTH HEIGHT OUT.png [PX,PY,#rrggbb ...]
    Saves the rectangle of Xvfb's screen file (-fbdir, XWD format) as a PNG
    and checks the colour at each point, relative to the rectangle.
"""
import base64
import hashlib
import re
import struct
import sys
import zlib


def trust(pem_file):
    pem = open(pem_file).read()
    print("REGEDIT4\n")
    for block in re.findall(r"-----BEGIN CERTIFICATE-----(.*?)-----END CERTIFICATE-----", pem, re.S):
        der = base64.b64decode("".join(block.split()))
        blob = struct.pack("<III", 32, 1, len(der)) + der  # CERT_CERT_PROP_ID
        key = hashlib.sha1(der).hexdigest().upper()
        print("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\SystemCertificates\\Root\\Certificates\\%s]" % key)
        print('"Blob"=hex:%s\n' % ",".join("%02x" % b for b in blob))


def screen_pixels(path):
    data = open(path, "rb").read()
    fields = struct.unpack(">25I", data[:100])
    header_size, width, height = fields[0], fields[4], fields[5]
    byte_order, bits_per_pixel, bytes_per_line, ncolors = fields[7], fields[11], fields[12], fields[19]
    if bits_per_pixel != 32:
        sys.exit("shot: %d bits per pixel, expected 32" % bits_per_pixel)
    offset = header_size + 12 * ncolors
    pixel = "<I" if byte_order == 0 else ">I"

    def rgb(x, y):
        value = struct.unpack_from(pixel, data, offset + y * bytes_per_line + 4 * x)[0]
        return (value >> 16) & 255, (value >> 8) & 255, value & 255

    return width, height, rgb


def shot(framebuffer, x, y, width, height, out, checks):
    screen_width, screen_height, rgb = screen_pixels(framebuffer)
    if x < 0 or y < 0 or x + width > screen_width or y + height > screen_height:
        sys.exit("shot: %dx%d+%d+%d is not on the %dx%d screen" % (width, height, x, y, screen_width, screen_height))
    rows = b"".join(b"\0" + bytes(c for px in range(width) for c in rgb(x + px, y + py)) for py in range(height))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    with open(out, "wb") as png:
        png.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                  + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))
    wrong = []
    for check in checks:
        px, py, colour = check.split(",")
        want = tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))
        got = rgb(x + int(px), y + int(py))
        if any(abs(a - b) > 6 for a, b in zip(got, want)):
            wrong.append("(%s,%s) is #%02x%02x%02x, expected %s" % (px, py, *got, colour))
    if wrong:
        sys.exit("shot %s: %s" % (out, "; ".join(wrong)))


if __name__ == "__main__":
    if sys.argv[1] == "trust":
        trust(sys.argv[2])
    else:
        shot(sys.argv[2], *map(int, sys.argv[3:7]), sys.argv[7], sys.argv[8:])
