"""check_zip.py <zip> <unpacked folder> <version> <Wine +loaddll log>...

The zip as it ships: small, named by the SHA256SUMS beside it, made the same
on every build (one time and fixed permissions for every entry, in byte
order, no PE time stamp), no debug sections, icon, manifest and version in
both programs' resources, the readme and every licence text the notices
name; and exactly the DLLs that the runs whose Wine logs are given loaded
from its folder."""
import hashlib
import os
import re
import subprocess
import sys
import zipfile

import pefile

MAX_ZIP_BYTES = 15_000_000
WINDOWS_10_AND_11 = b"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"
zip_path, folder, version, logs = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
faults = []
# By lower-case name, as Windows finds them.
files = {os.path.relpath(os.path.join(d, f), folder).replace(os.sep, "/").lower():
         os.path.join(d, f) for d, _, names in os.walk(folder) for f in names}

if os.path.getsize(zip_path) > MAX_ZIP_BYTES:
    faults.append(f"the zip has {os.path.getsize(zip_path)} bytes, more than {MAX_ZIP_BYTES}")
for needed in ("readme.txt", "licenses/lgpl-3.txt", "licenses/qt/source-offer.txt",
               "licenses/apache-2.0.txt", "licenses/roboto/copyright.txt",
               "licenses/libsodium/copyright.txt"):
    if needed not in files:
        faults.append(f"no {needed}")

with open(zip_path, "rb") as z:
    named = f"{hashlib.sha256(z.read()).hexdigest()}  {os.path.basename(zip_path)}\n"
sums = os.path.join(os.path.dirname(zip_path), "SHA256SUMS")
if not os.path.exists(sums) or open(sums).read() != named:
    faults.append(f"{sums} does not say {named.strip()!r}")
entries = zipfile.ZipFile(zip_path).infolist()
if [e.filename for e in entries] != sorted((e.filename for e in entries), key=str.encode):
    faults.append("the zip's entries are not in byte order")
faults += [f"{e.filename} in the zip: {e.date_time}, mode {e.external_attr >> 16:o}, extra {e.extra}"
           for e in entries if e.date_time != entries[0].date_time or e.extra
           or e.external_attr >> 16 not in (0o100644, 0o100755)]

for name in sorted(f for f in files if f.endswith((".dll", ".exe"))):
    headers = subprocess.run(["i686-w64-mingw32-objdump", "-h", files[name]],
                             capture_output=True, text=True, check=True).stdout
    if " .debug_" in headers:
        faults.append(f"{name} carries debug sections")
    if pefile.PE(files[name], fast_load=True).FILE_HEADER.TimeDateStamp != 0:
        faults.append(f"{name} carries a PE time stamp")

# Every licence text that the readme or a notice names is there.
for text in (f for f in files if f.endswith(".txt")):
    content = open(files[text], encoding="utf-8", errors="replace").read()
    for path in set(re.findall(r"/usr/share/common-licenses/\S+|licenses\\[\w.+\\-]*\w", content)):
        wanted = path.lower().replace("\\", "/")
        if not any(f == wanted or f.startswith(wanted + "/") for f in files):
            faults.append(f"{text} names {path}, which the zip lacks")
if "Roboto" not in open(files["readme.txt"], encoding="utf-8").read():
    faults.append("README.txt does not name the Roboto font")


def resources(pe, kind):
    """The data of every resource of one type."""
    root = getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None)
    for entry in root.entries if root else []:
        if entry.id == kind:
            for named in entry.directory.entries:
                for language in named.directory.entries:
                    s = language.data.struct
                    yield pe.get_data(s.OffsetToData, s.Size)


for program in ("orvocheck.exe", "orvocheck-report.exe"):
    pe = pefile.PE(files[program])
    groups = list(resources(pe, pefile.RESOURCE_TYPE["RT_GROUP_ICON"]))
    # A group is a 6-byte header and 14-byte entries; width 0 stands for 256.
    if not any(group[6 + 14 * i] == 0 for group in groups for i in range(group[4])):
        faults.append(f"{program}: no icon group with a 256-pixel image")
    manifest = b"".join(resources(pe, pefile.RESOURCE_TYPE["RT_MANIFEST"]))
    if WINDOWS_10_AND_11 not in manifest or b'level="asInvoker"' not in manifest:
        faults.append(f"{program}: no manifest naming Windows 10/11 and asInvoker")
    strings = {k.decode(): v.decode() for info in getattr(pe, "FileInfo", [])
               for block in info if block.Key == b"StringFileInfo"
               for table in block.StringTable for k, v in table.entries.items()}
    if strings.get("FileVersion") != version or strings.get("ProductVersion") != version:
        faults.append(f"{program}: versions {strings.get('FileVersion')!r}, "
                      f"{strings.get('ProductVersion')!r}, expected {version!r}")

# Wine writes: trace:loaddll:... Loaded L"C:\\path\\name.dll" at 6B000000: native
windows_folder = "z:" + os.path.realpath(folder).replace("/", "\\").lower() + "\\"
loaded_here, loaded_elsewhere = set(), set()
for log in logs:
    with open(log, errors="replace") as lines:
        for path, how in re.findall(r'loaddll:\S* Loaded L"(.*?)" at \w+: (\w+)', lines.read()):
            path = path.replace("\\\\", "\\").lower()
            if path.startswith(windows_folder):
                loaded_here.add(path[len(windows_folder):].replace("\\", "/"))
            elif how == "native":
                loaded_elsewhere.add(path)
shipped = {f for f in files if f.endswith(".dll")}
faults += [f"{f} is shipped but never loaded" for f in sorted(shipped - loaded_here)]
faults += [f"{f} was loaded from outside the folder" for f in sorted(loaded_elsewhere)]
if not loaded_here:
    faults.append("the logs show no DLL loaded from the folder")

for fault in faults:
    print(f"check-zip: {fault}", file=sys.stderr)
if faults:
    sys.exit(1)
print(f"check-zip: {len(files)} files, {os.path.getsize(zip_path)} bytes, "
      f"{len(shipped)} DLLs all loaded")
