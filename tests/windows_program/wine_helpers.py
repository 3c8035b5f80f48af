"""trust CA.pem: registry file trusting the certificates in a Wine prefix, as crypt32 stores them.
shot SCREEN X Y W H OUT.png [PX,PY,#rrggbb ...]: saves a rectangle of Xvfb's screen file
(-fbdir, XWD) as PNG and checks the colours at points relative to it."""
import base64, hashlib, re, struct, sys, zlib

def trust(pem):
    print("REGEDIT4\n")
    for block in re.findall(r"-----BEGIN CERTIFICATE-----(.*?)-----END", open(pem).read(), re.S):
        der = base64.b64decode("".join(block.split()))
        blob = struct.pack("<III", 32, 1, len(der)) + der  # CERT_CERT_PROP_ID
        print("[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\SystemCertificates\\Root\\Certificates\\%s]"
              % hashlib.sha1(der).hexdigest().upper())
        print('"Blob"=hex:%s\n' % ",".join("%02x" % b for b in blob))

def shot(screen, x, y, w, h, out, checks):
    data = open(screen, "rb").read()
    head = struct.unpack(">25I", data[:100])
    if head[11] != 32 or x + w > head[4] or y + h > head[5]:
        sys.exit("shot: unexpected screen %dx%d, %d bits per pixel" % (head[4], head[5], head[11]))
    start, line, order = head[0] + 12 * head[19], head[12], "<I" if head[7] == 0 else ">I"

    def rgb(px, py):
        value = struct.unpack_from(order, data, start + (y + py) * line + 4 * (x + px))[0]
        return value >> 16 & 255, value >> 8 & 255, value & 255
    rows = b"".join(b"\0" + bytes(c for px in range(w) for c in rgb(px, py)) for py in range(h))
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
    with open(out, "wb") as png:
        png.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
                  + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))
    wrong = []
    for px, py, colour in (check.split(",") for check in checks):
        got = rgb(int(px), int(py))
        if any(abs(a - int(colour[i:i + 2], 16)) > 6 for a, i in zip(got, (1, 3, 5))):
            wrong.append("(%s,%s) is #%02x%02x%02x, expected %s" % (px, py, *got, colour))
    if wrong:
        sys.exit("shot %s: %s" % (out, "; ".join(wrong)))

if sys.argv[1] == "trust":
    trust(sys.argv[2])
else:
    shot(sys.argv[2], *map(int, sys.argv[3:7]), sys.argv[7], sys.argv[8:])
