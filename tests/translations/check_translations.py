"""check_translations.py LUPDATE LRELEASE SOURCE_DIR... -- TS_FILE...
Fails unless every text the sources offer for translation has a finished
translation in every .ts file: each is refreshed from the sources by lupdate
in a private copy and must then compile without an unfinished or untranslated text,
and every translation must keep its source's placeholders (a lost %2 would drop a figure)."""
import html, os, re, shutil, subprocess, sys, tempfile

split = sys.argv.index("--")
lupdate, lrelease, sources, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:split], sys.argv[split + 1:]
faults = []
with tempfile.TemporaryDirectory() as work:
    for ts in ts_files:
        copy = shutil.copy(ts, work)
        subprocess.run([lupdate, "-silent", "-locations", "none", "-extensions", "qml,cpp", *sources,
                        "-ts", copy], check=True)
        out = subprocess.run([lrelease, copy], check=True, capture_output=True, text=True).stdout
        if not re.search(r"Generated [1-9]\d* translation\(s\) \(\d+ finished and 0 unfinished\)", out) \
                or "untranslated" in out:
            faults.append("%s: %s" % (os.path.basename(ts), " ".join(out.split())))
        text = open(copy, encoding="utf-8").read()
        for source, translation in re.findall(
                r"<source>(.*?)</source>.*?<translation[^>]*>(.*?)</translation>", text, re.S):
            if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", translation)):
                faults.append("%s: placeholders differ: %s => %s"
                              % (os.path.basename(ts), html.unescape(source), html.unescape(translation)))
sys.exit("Texts without a finished translation (refresh the .ts files with the translations_update "
         "target, then translate):\n" + "\n".join(faults) if faults else None)
