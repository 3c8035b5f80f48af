"""Builds the processor tables from public snapshots (compgen.py import-cpu).

Inputs are local git snapshots of three public collections, read with git at the
commits pinned below, so a later snapshot of the same collection gives the same tables:
  --lscpu     linuxhw/LsCPU      real lscpu dumps, one file per reported machine
  --xmrig     hinto-janaiyo/xmrig-benchmarks   brand strings of XMRig benchmark submissions
  --passmark  lainbo/cpu-mark    PassMark CPU Mark and Single Thread Rating tables (August 2022,
              June 2023 for the models the 2022 tables lack, and the multi-thread table of
              October 2023 for the models neither has)

It writes data/cpu_brands.tsv (every reported brand string mapped to its
benchmark entry), data/cpu_spelled.tsv (benchmarked models no report names, spelled
as data/cpu_spellings.tsv says their family reports), data/cpu_bench.tsv (the
figures of those entries), and tests/data/cpu_sample.tsv and cpu_sample_xeon.tsv
(reports kept out of the brand table; the second holds every such Xeon report).
"""

import json
import re
import subprocess
import zlib
from collections import Counter

LSCPU_COMMIT = "b0dfbec10bf5d0a92dbd6bb79860f374a50dc83d"  # 2022-03-21, the last update of reports
XMRIG_COMMIT = "c863a7556bb52f295930a29f42c0d1deca529c27"  # 2023-03-15
# The last commit with the August 2022 tables (the next one removed them).
PASSMARK_COMMIT = "06719108b34b76ac3d6426e2a74f643ddbb58c22"
PASSMARK_FILES = ("src/assets/staticData/cpuData.js", "src/assets/staticData/cpuSingleCoreData.js")
# The same collection's later PassMark tables. This is their last commit with the whole
# Single Thread Rating table (later ones keep its first 300 lines, then it turned to
# Geekbench). They only add models: figures the 2022 tables have stay, so no rank moves.
PASSMARK_2023 = ("10c6b6b00d94240d16008784089483d6ef650d11", "src/assets/staticData/cpuMData.json",
                 "src/assets/staticData/cpuSData.json")
# Their last commit with the whole multi-thread table. Its models have no single-thread figure,
# so it can only rank bad (a multi-thread figure below every bar); the rest stay with the rules.
PASSMARK_2023_MULTI = ("44f647fd26edbc46031d2026cf0e560c7c3ea33c", "src/assets/staticData/cpuMData.json")
# Reports whose id falls in this share of the hash space are held out of the
# brand table and feed the real-world coverage sample instead.
HELD_OUT_OF_16 = 4
SAMPLE_SIZE = 600


def git(repo, *args):
    return subprocess.run(["git", "-C", repo] + list(args), check=True, capture_output=True,
                          text=True, errors="replace").stdout


def pinned(repo, commit, short):
    """commit, checked to be in the snapshot; short: the abbreviation the tables' sources use."""
    found = subprocess.run(["git", "-C", repo, "cat-file", "-e", commit + "^{commit}"],
                           capture_output=True).returncode == 0
    if not found:
        raise ValueError("%s has no commit %s; use a snapshot that holds it" % (repo, commit))
    return commit, commit[:short]


def collapse(text):
    return " ".join(text.split())


_NOISE = [
    r"@.*$", r"\b\d+(st|nd|rd|th) gen\b",
    r"\s+(with|w/)\s+radeon.*$", r"\s+radeon r\d+,.*$", r",?\s*\d+ compute cores.*$",
    r"\s+apu\b.*$", r"\b(processor|cpu)\b", r"\b(eight|six|quad|dual|triple|\d+)[- ]?cores?\b",
    r"\bdualcore\b", r"\bdesktop kit\b",
]
_FIRST_GEN = re.compile(r"\b(i[357]) (?:([klmqux]) )?(\d{3})\b")


def model_key(name):
    """The model a brand string or a benchmark entry names, without the spelling.

    Both sides go through the same function: vendor marks, clocks, core-count words
    and graphics names drop out, and first-generation Core names ("i5 CPU M 520")
    take the benchmark spelling ("i5-520M")."""
    s = name.lower()
    s = re.sub(r"\((r|tm|c)\)|[®™]", "", s)
    for pattern in _NOISE:
        s = re.sub(pattern, " ", s)
    s = re.sub(r"\b(intel|amd|genuine)\b", " ", s)  # PassMark drops the vendor on some old names
    s = collapse(s)
    suffix = {"k": "k", "l": "lm", "m": "m", "q": "qm", "u": "um", "x": "x"}

    def first_gen(m):
        return "%s-%s%s" % (m.group(1), m.group(3), suffix.get(m.group(2) or "", ""))

    s = re.sub(r"\b(e[35]-\d{4}[a-z]?) 0\b", r"\1", s)  # Sandy Bridge Xeons say "E5-2670 0"
    s = re.sub(r"\be3(\d{4})", r"e3-\1", s)  # and "E31220" for E3-1220
    return _FIRST_GEN.sub(first_gen, s)


def clock(name):
    m = re.search(r"@ ?([\d.]+) ?GHz", name)
    return m.group(1) if m else ""


def read_passmark(repo):
    """{PassMark name: (single, multi, source)}: the August 2022 tables, then the models
    only the June 2023 tables have, then those only the October 2023 multi-thread table has."""
    commit, short = pinned(repo, PASSMARK_COMMIT, 7)
    marks = []
    for path in PASSMARK_FILES:
        text = git(repo, "show", "%s:%s" % (commit, path))
        marks.append({collapse(n): m for n, m in
                      re.findall(r"nameDetail: '([^']*)',\s*mark: (\d+)", text)})
    multi, single = marks
    source = "PassMark via lainbo/cpu-mark@%s" % short
    figures = {n: (single.get(n, "-"), m, source) for n, m in multi.items()}
    later, multi_path, single_path = PASSMARK_2023
    later, short = pinned(repo, later, 7)
    multi, single = ({collapse(e["nameDetail"]): str(e["mark"])
                      for e in json.loads(git(repo, "show", "%s:%s" % (later, path)))}
                     for path in (multi_path, single_path))
    source = "PassMark via lainbo/cpu-mark@%s (June 2023)" % short
    for n, m in multi.items():
        figures.setdefault(n, (single.get(n, "-"), m, source))
    latest, short = pinned(repo, PASSMARK_2023_MULTI[0], 7)
    source = "PassMark via lainbo/cpu-mark@%s (October 2023, multi-thread only)" % short
    for e in json.loads(git(repo, "show", "%s:%s" % (latest, PASSMARK_2023_MULTI[1]))):
        figures.setdefault(collapse(e["nameDetail"]), ("-", str(e["mark"]), source))
    return figures


def passmark_index(figures):
    index = {}
    for name in figures:
        index.setdefault(model_key(name), []).append(name)
    return index


def match(brand, index, figures):
    """The PassMark entry a brand string names, or None when there is none.

    Several entries for one model (other clocks, "APU" and plain spellings) narrow
    to the brand's clock; what is left gives the entry with the lowest multi-thread
    figure, so a doubt never ranks a processor higher."""
    names = index.get(model_key(brand), [])
    if not names and re.search(r"\bi7 CPU X \d{3}\b", brand):  # mobile X is XM in PassMark
        names = index.get(model_key(brand) + "m", [])
    names = [n for n in names if clock(n) == clock(brand)] or names
    return min(names, key=lambda n: int(figures[n][1])) if names else None


def read_lscpu(repo):
    """[(report path, brand string)] of every x86 report at the pinned commit."""
    listing = git(repo, "ls-tree", "-r", LSCPU_COMMIT).splitlines()
    items = []
    for line in listing:
        meta, path = line.split("\t", 1)
        if path.split("/")[0] in ("Intel", "AMD") and path.count("/") >= 3:
            items.append((meta.split()[2], path))
    proc = subprocess.Popen(["git", "-C", repo, "cat-file", "--batch"], stdin=subprocess.PIPE,
                            stdout=subprocess.PIPE)
    data, _ = proc.communicate("".join(sha + "\n" for sha, _ in items).encode())
    reports, pos = [], 0
    for _, path in items:
        end = data.index(b"\n", pos)
        size = int(data[pos:end].split()[2])
        body = data[end + 1:end + 1 + size].decode("utf-8", "replace")
        pos = end + 2 + size
        m = re.search(r"^Model name:\s*(.*)$", body, re.M)
        if m and collapse(m.group(1)):
            reports.append((path, collapse(m.group(1))))
    return reports


def held_out(report_path):
    return zlib.crc32(report_path.encode()) % 16 < HELD_OUT_OF_16


def read_xmrig(repo):
    return [collapse(e["cpu"]) for e in json.loads(git(repo, "show", XMRIG_COMMIT + ":cpu.json"))]


def spell(figures, spellings, reported, taken):
    """[name, key, source] rows of the models no report names, in their family's spelling.

    spellings: [(compiled pattern over PassMark names, brand template, where)]; every
    line that matches a model gives a spelling, so a family may have two. reported:
    {key: casefolded reported brands}; a line that spells a reported model otherwise
    than every report does is refused. taken(name, key): whether the name is listed
    already or cannot be ranked."""
    rows = []
    for pattern, template, where in spellings:
        for key in sorted(figures, key=str.casefold):
            m = pattern.search(key)
            if not m:
                continue
            name = m.expand(template)
            if key in reported:
                if name.casefold() not in reported[key]:
                    raise ValueError("%s spells %r as %r, its reports as %s"
                                     % (where, key, name, ", ".join(sorted(reported[key]))))
            elif not taken(name, key):
                rows.append([name, key, "%s from the PassMark name" % where])
    return rows


def build(lscpu_repo, xmrig_repo, passmark_repo, rule_verdict, needed_keys, references, share,
          spellings):
    """Rows of the brand table, the spelled table, the bench table and the coverage sample.

    rule_verdict(brand): the verdict of the written rule for a brand, or None. Reported
    brands a rule keeps unknown, and those with neither a figure nor a rule, are left
    out and returned.
    needed_keys: models other tables name (references, witnesses, family patterns).
    references, share: the rank rule's reference models and share (meta.tsv).
    spellings: see spell()."""
    figures = read_passmark(passmark_repo)
    # Without a single-thread figure only a multi-thread one below every bar decides.
    lowest_multi_bar = min(share * int(figures[r][1]) for r in references)
    index = passmark_index(figures)
    reports = read_lscpu(lscpu_repo)
    lscpu_src = "linuxhw/LsCPU@%s" % pinned(lscpu_repo, LSCPU_COMMIT, 9)[1]
    xmrig_src = "xmrig-benchmarks@%s cpu.json" % pinned(xmrig_repo, XMRIG_COMMIT, 7)[1]
    counts = Counter(b for p, b in reports if not held_out(p))
    sources = {b: "%s, %d reports" % (lscpu_src, n) for b, n in counts.items()}
    for brand in read_xmrig(xmrig_repo):
        sources.setdefault(brand, xmrig_src)
    brands, used, left_out = [], set(needed_keys), []
    seen, reported = set(), {}
    for brand in sorted(sources, key=str.casefold):
        if brand.casefold() in seen:  # the engine ignores case: one entry serves both
            continue
        seen.add(brand.casefold())
        if not re.search(r"\b(Intel|AMD|Pentium|Celeron)\b", brand):
            continue
        verdict = rule_verdict(brand)
        if verdict == "unknown":
            left_out.append(brand + " (unknown by rule)")
            continue
        key = match(brand, index, figures)
        if key is not None:
            reported.setdefault(key, set()).add(brand.casefold())
        if key is not None and figures[key][0] == "-" and int(figures[key][1]) >= lowest_multi_bar:
            key = None  # no single-thread figure, and the multi-thread one does not decide
        if key is None and verdict is None:
            left_out.append(brand)
            continue
        brands.append([brand, key or "-", sources[brand]])
        if key:
            used.add(key)

    def taken(name, key):
        undecided = figures[key][0] == "-" and int(figures[key][1]) >= lowest_multi_bar
        return undecided or name.casefold() in seen or rule_verdict(name) == "unknown"

    spelled = spell(figures, spellings, reported, taken)
    used.update(key for _, key, _ in spelled)
    missing = [k for k in used if k not in figures]
    if missing:
        raise ValueError("not in the PassMark tables: %s" % ", ".join(sorted(missing)))
    bench = [[k] + list(figures[k]) for k in sorted(used, key=str.casefold)]
    held = sorted(((p, b) for p, b in reports if held_out(p)), key=lambda r: zlib.crc32(r[0].encode()))
    sample = [[b, "%s %s" % (lscpu_src, p)] for p, b in held[:SAMPLE_SIZE]]
    xeons = [[b, "%s %s" % (lscpu_src, p)] for p, b in held if re.search(r"\bXeon\b", b, re.I)]
    return brands, spelled, bench, sample, xeons, left_out
