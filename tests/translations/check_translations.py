"""check_translations.py LUPDATE LRELEASE SOURCE_DIR... -- TS_FILE...
Every text the sources offer for translation has a finished translation in
every shipped language: each .ts file, refreshed from the sources by lupdate
in a private copy, must compile with lrelease without an unfinished or
untranslated text."""
import os, re, shutil, subprocess, sys, tempfile

lupdate, lrelease = sys.argv[1], sys.argv[2]
split = sys.argv.index("--")
sources, ts_files = sys.argv[3:split], sys.argv[split + 1:]
faults = []
with tempfile.TemporaryDirectory() as work:
    for ts in ts_files:
        copy = os.path.join(work, os.path.basename(ts))
        shutil.copy(ts, copy)
        subprocess.run([lupdate, "-silent", "-locations", "none", "-extensions", "qml,cpp",
                        *sources, "-ts", copy], check=True)
        out = subprocess.run([lrelease, copy, "-qm", copy + ".qm"], check=True,
                             capture_output=True, text=True).stdout
        done = re.search(r"Generated (\d+) translation\(s\) \((\d+) finished and (\d+) unfinished\)", out)
        untranslated = re.search(r"Ignored (\d+) untranslated", out)
        if not done or int(done.group(3)) or untranslated or int(done.group(1)) == 0:
            faults.append("%s: %s" % (os.path.basename(ts), " ".join(out.split())))
if faults:
    sys.exit("Texts without a finished translation (refresh with the translations_update target "
             "and translate them):\n" + "\n".join(faults))
print("%d languages, every text translated" % len(ts_files))
