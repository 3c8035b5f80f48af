"""pack_zip.py <folder> <zip> <seconds since 1970>

Zips <folder> under its own name so that the same files give the same zip,
byte for byte, on any machine and at any time: entries in the byte order of
their paths, every entry with the given time (in UTC, so that the machine's
time zone does not count) and with fixed permissions, no owner and no extra
fields. CPack's zip carries each file's own time, which a fresh clone sets
to the moment of cloning, and the order the file system lists them in."""
import os
import sys
import time
import zipfile

folder, zip_path, epoch = sys.argv[1], sys.argv[2], int(sys.argv[3])
top = os.path.basename(os.path.normpath(folder))
# A zip keeps times from 1980 on, to two seconds.
when = time.gmtime(max(epoch, 315532800) // 2 * 2)[:6]

paths = []
for directory, _, names in os.walk(folder):
    for name in names:
        path = os.path.join(directory, name)
        if not os.path.isfile(path) or os.path.islink(path):
            sys.exit(f"pack_zip: {path} is not a plain file")
        paths.append(os.path.relpath(path, folder).replace(os.sep, "/"))
paths.sort(key=lambda p: p.encode())

with zipfile.ZipFile(zip_path + ".part", "w") as archive:
    for path in paths:
        entry = zipfile.ZipInfo(f"{top}/{path}", date_time=when)
        entry.create_system = 3  # Unix, whose permission bits unzip applies
        mode = 0o755 if path.lower().endswith((".exe", ".dll")) else 0o644
        entry.external_attr = (0o100000 | mode) << 16
        entry.compress_type = zipfile.ZIP_DEFLATED
        with open(os.path.join(folder, path), "rb") as source:
            archive.writestr(entry, source.read(), compresslevel=9)
os.replace(zip_path + ".part", zip_path)
print(f"pack_zip: {zip_path}: {len(paths)} files")
