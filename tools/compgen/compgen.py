#!/usr/bin/env python3
"""Generates the shipped comparison file from the reviewed tables in data/.

  compgen.py generate [--out FILE]     write the comparison file (default: comp/compDefault.json)
  compgen.py diff FILE                 exit 1 when FILE differs from what generate writes
  compgen.py check [FILE]              check the tables, and FILE against them
  compgen.py import-pciids [--pciids PATH]
                                       re-pick the display adapters of data/gpu_pciids.tsv
  compgen.py import-cpu --lscpu GIT --xmrig GIT --passmark GIT
                                       rebuild data/cpu_brands.tsv, cpu_spelled.tsv, cpu_bench.tsv and the
                                       coverage sample from snapshots of those public collections,
                                       read at the commits cpu_import.py pins
  compgen.py pciids-sync [--pciids PATH]
                                       exit 1 when data/gpu_pciids.tsv is not what import-pciids
                                       writes from PATH; for another pci.ids version, when an
                                       adapter it picks from PATH is in neither GPU table
  compgen.py import-amdgpu-ids --release TEXT [--ids PATH]
                                       rebuild data/gpu_revisions.tsv from libdrm's amdgpu.ids
  compgen.py import-gpu-figures --cpu-mark GIT [--commit C]
                                       refresh the G3D Marks of data/gpu_figures.tsv, and those of every
                                       listed product (data/gpu_marks.tsv), from that snapshot
  compgen.py import-cpu-marks --passmark GIT
                                       rebuild data/cpu_marks.tsv: the multi-thread figures of the listed
                                       processors that a family line ranks, from the last whole multi-thread
                                       table of that snapshot
  compgen.py import-gpu-names --mesa PATH --mesa-commit C --intel-inf PATH --intel-inf-source TEXT
                             --ids PATH --release TEXT
                                       rebuild data/gpu_names.tsv: the products Mesa's Intel table (else
                                       Intel's driver) and libdrm's amdgpu.ids name for IDs whose pci.ids
                                       name lists none
  compgen.py import-kernel-ids --amdgpu PATH --amdgpu-commit C --radeon PATH --radeon-commit C [--pciids PATH]
                                       rebuild data/gpu_kernel.tsv from the Linux kernel's amdgpu_drv.c and
                                       drm_pciids.h (read at those commits of torvalds/linux)
  compgen.py sign [FILE] [--key PEM] [--public-key]
                                       write FILE.sig, the file's Ed25519 signature (list_sign.py)
  compgen.py rank-extra                re-rank data/gpu_extra.tsv and gpu_kernel.tsv by gpu_rules.tsv and
                                       gpu_figures.tsv

The tables, not the JSON, are what reviewers edit: every entry is one line
with its source. See data/*.tsv for the columns.
"""

import argparse
import difflib
import json
import os
import re
import subprocess
import sys
import tempfile

sys.dont_write_bytecode = True  # run from the build; keep the source tree clean
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from comp_writer import render  # noqa: E402
from cpu_import import PASSMARK_2023_MULTI, build as build_cpu_tables, git  # noqa: E402
from figures import CPU_MARK_COLUMNS, cpu_product_name  # noqa: E402
from cpu_rank import BENCH_COLUMNS, RULE_COLUMNS, SPELLING_COLUMNS, compile_rules, first_rule  # noqa: E402
from gpu_revisions import AMD, REVISION_COLUMNS, revision_rows  # noqa: E402
from gpu_select import (BAR_SHARE, FIGURE_COLUMNS, GPU_COLUMNS, PASSMARK_GPU_FILE, Figures,  # noqa: E402
                        rank_rows, read_pciids, read_rules, refreshed_figures, select)
from gpu_products import (MARK_COLUMNS, NAME_COLUMNS, ProductFigures, listed_entries, mark_rows,  # noqa: E402
                          name_rows, read_inf_names, read_mesa_ids)
from gpu_revisions import read_amdgpu_ids  # noqa: E402
from kernel_ids import kernel_rows, read_pciidlist  # noqa: E402
import list_sign  # noqa: E402
from list_checks import check_document, check_sources, load_document  # noqa: E402
from sources import Sources  # noqa: E402
from tables import TableError, read_table, write_table  # noqa: E402
from usb_controllers import with_usb  # noqa: E402

DATA = os.path.join(HERE, "data")
REPO = os.path.dirname(os.path.dirname(HERE))
DEFAULT_OUT = os.path.join(REPO, "comp", "compDefault.json")
DEFAULT_PCIIDS = "/usr/share/misc/pci.ids"
DEFAULT_AMDGPU_IDS = "/usr/share/libdrm/amdgpu.ids"
CPU_SAMPLE = os.path.join(REPO, "tests", "data", "cpu_sample.tsv")
XEON_SAMPLE = os.path.join(REPO, "tests", "data", "cpu_sample_xeon.tsv")

PCIIDS_HEADER = [
    "Display adapters picked from pci.ids %s by data/gpu_rules.tsv (compgen.py import-pciids), the",
    "newest upstream release (github.com/pciutils/pciids, snapshot commit c1c1254; /usr/share/misc/pci.ids",
    "of Debian 12 is 2023.04.10 and lacks about 300 of them). Regenerate with that command and review the",
    "diff; do not edit by hand (gpu_extra.tsv holds the adapters no pci.ids names).",
    "list: good, bad, or none (judged but on neither list; the reason says why).",
]
EXTRA_HEADER = [
    "Display adapters that the pci.ids of gpu_pciids.tsv does not name, named as the hardware report or the",
    "emulator's documentation names them (import-pciids drops every row that pci.ids comes to name).",
    "list and reason are what gpu_rules.tsv gives for the name (compgen.py rank-extra); check fails otherwise.",
]
KERNEL_HEADER = [
    "AMD display adapters that the pci.ids of gpu_pciids.tsv does not name (lspci shows \"Device 6830\"), named",
    "by the chip the Linux kernel's amdgpu or radeon driver binds them to, in pci.ids' spelling (kernel_ids.py):",
    "drivers/gpu/drm/amd/amdgpu/amdgpu_drv.c (pciidlist) and include/drm/drm_pciids.h (radeon_PCI_IDS) of",
    "github.com/torvalds/linux at the commits the source column names; amdgpu's table first. Written by",
    "compgen.py import-kernel-ids; import-pciids drops every row that pci.ids comes to name. list and reason are",
    "what gpu_rules.tsv gives for the chip (an ID without a product name is ranked at its family's figure).",
]
EXTRA_TABLES = (("gpu_extra.tsv", EXTRA_HEADER), ("gpu_kernel.tsv", KERNEL_HEADER))


def generated_text(data_dir):
    src = Sources(data_dir)
    problems = check_sources(src)
    if problems:
        raise TableError("\n".join(problems))
    return render(with_usb(src.document(), data_dir))


def cmd_generate(args):
    text = generated_text(args.data)
    with open(args.out, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    print("compgen: wrote %s" % args.out)
    return 0


def cmd_diff(args):
    expected = generated_text(args.data)
    with open(args.file, encoding="utf-8") as f:
        actual = f.read()
    if actual == expected:
        print("compgen: %s is up to date" % args.file)
        return 0
    sys.stdout.writelines(difflib.unified_diff(
        actual.splitlines(True), expected.splitlines(True), args.file, "generated", n=1))
    print("compgen: %s differs from the tables; run compgen.py generate" % args.file)
    return 1


def cmd_check(args):
    src = Sources(args.data)
    problems = check_sources(src)
    if args.file:
        problems += check_document(load_document(args.file), src)
    for p in problems:
        print("compgen: " + p)
    print("compgen: graphics bar G3D %d (%d %% of the weaker reference)" % (src.figures.bar, 100 * BAR_SHARE))
    revisions = [r["list"] for r in src.gpu_revisions]
    counts = "OS %d/%d, CPU %d/%d, GPU %d/%d, GPU revisions %d/%d (good/bad)" % (
        len(src.os["good"]), len(src.os["bad"]), len(src.cpu["good"]), len(src.cpu["bad"]),
        len(src.gpu["good"]), len(src.gpu["bad"]), revisions.count("good"), revisions.count("bad"))
    figures = src.document()["Figures"]
    counts += "; figures of %d processors, %d adapters, %d family lines" % (
        len(figures["CPU"]["Products"]), len(figures["GPU"]["Products"]), len(figures["Families"]))
    print("compgen: %s; %s" % ("%d problems" % len(problems) if problems else "ok", counts))
    return 1 if problems else 0


def _write_pciids_table(path, pciids, data_dir):
    version, rows = select(pciids, os.path.join(data_dir, "gpu_rules.tsv"),
                           os.path.join(data_dir, "gpu_figures.tsv"))
    header = [PCIIDS_HEADER[0] % version] + PCIIDS_HEADER[1:]
    write_table(path, header, GPU_COLUMNS, rows)
    return version, rows


def _drop_named_extra(data_dir, named_rows):
    """The extra adapters stay only while pci.ids does not name them: one name source per ID."""
    named = {(r[0], r[1]) for r in named_rows}
    dropped = 0
    for name, header in EXTRA_TABLES:
        path = os.path.join(data_dir, name)
        rows = read_table(path, GPU_COLUMNS)
        kept = [[r[c] for c in GPU_COLUMNS] for r in rows if (r["vendor"], r["device"]) not in named]
        write_table(path, header, GPU_COLUMNS, kept)
        dropped += len(rows) - len(kept)
    return dropped


def cmd_import(args):
    path = os.path.join(args.data, "gpu_pciids.tsv")
    version, rows = _write_pciids_table(path, args.pciids, args.data)
    dropped = _drop_named_extra(args.data, rows)
    print("compgen: %d adapters from pci.ids %s written to %s; %d extra adapters it names dropped"
          % (len(rows), version, path, dropped))
    return 0


def cmd_pciids_sync(args):
    committed = os.path.join(args.data, "gpu_pciids.tsv")
    committed_rows = read_table(committed, GPU_COLUMNS)
    committed_version = committed_rows[0]["source"].split(" ", 1)[1] if committed_rows else ""
    with tempfile.TemporaryDirectory() as tmp:
        fresh = os.path.join(tmp, "gpu_pciids.tsv")
        version, _ = _write_pciids_table(fresh, args.pciids, args.data)
        if version != committed_version:
            # Another release names some adapters differently, but every adapter the rules pick
            # from it must still be in the table: a rule that drops one shows here.
            extra = [r for name, _ in EXTRA_TABLES for r in read_table(os.path.join(args.data, name), GPU_COLUMNS)]
            have = {(r["vendor"], r["device"]) for r in committed_rows + extra}
            missing = [r for r in read_table(fresh, GPU_COLUMNS)
                       if (r["vendor"], r["device"]) not in have]
            for r in missing:
                print("compgen: %s:%s %s (pci.ids %s) is missing from gpu_pciids.tsv"
                      % (r["vendor"], r["device"], r["name"], version))
            print("compgen: %s is pci.ids %s, the table was picked from %s; %d of its adapters missing"
                  % (args.pciids, version, committed_version, len(missing)))
            return 1 if missing else 0
        with open(committed, encoding="utf-8") as a, open(fresh, encoding="utf-8") as b:
            old, new = a.read(), b.read()
    if old == new:
        print("compgen: gpu_pciids.tsv matches pci.ids %s and gpu_rules.tsv" % version)
        return 0
    sys.stdout.writelines(difflib.unified_diff(
        old.splitlines(True), new.splitlines(True), "gpu_pciids.tsv", "picked now", n=0))
    print("compgen: gpu_pciids.tsv is out of date; run compgen.py import-pciids")
    return 1


REVISIONS_HEADER = [
    "Revision entries (comparison file: \"GPU\" / \"Good revisions\", \"Bad revisions\") for every AMD ID whose",
    "products fall on both sides of the bar: amdgpu.ids of %s",
    "(gitlab.freedesktop.org/mesa/drm, read from its mirror github.com/X11Libre/mirror.fdo.drm) names the",
    "products behind each device and revision; each revision is ranked by gpu_rules.tsv like a pci.ids name",
    "of the ID's chip that lists its products (a revision naming several is ranked by its weakest).",
    "Written by compgen.py import-amdgpu-ids; review the diff. NVIDIA and Intel publish no table that ties",
    "revision IDs to products (their drivers name adapters by device and subsystem), so their IDs stay",
    "ranked by the pair lists alone.",
]


def cmd_import_amdgpu_ids(args):
    src = Sources(args.data)
    rows = revision_rows(args.ids, "amdgpu.ids " + args.release, src.gpu_all,
                         os.path.join(args.data, "gpu_rules.tsv"), os.path.join(args.data, "gpu_figures.tsv"))
    path = os.path.join(args.data, "gpu_revisions.tsv")
    write_table(path, [REVISIONS_HEADER[0]] + [REVISIONS_HEADER[1] % args.release] + REVISIONS_HEADER[2:],
                REVISION_COLUMNS, rows)
    print("compgen: %d revisions of %d devices written to %s"
          % (len(rows), len({r[1] for r in rows}), path))
    return 0


def cmd_import_gpu_figures(args):
    commit = git(args.cpu_mark, "rev-parse", "--short", args.commit + "^{commit}").strip()
    date = git(args.cpu_mark, "log", "-1", "--format=%ad", "--date=short", commit).strip()
    marks = {}
    for entry in json.loads(git(args.cpu_mark, "show", "%s:%s" % (commit, PASSMARK_GPU_FILE))):
        marks.setdefault(entry["nameDetail"], entry["mark"])  # the list's first row of a name
    path = os.path.join(args.data, "gpu_figures.tsv")
    header, rows = refreshed_figures(path, os.path.join(args.data, "gpu_rules.tsv"), marks, date, commit)
    write_table(path, header, FIGURE_COLUMNS, rows)
    src = Sources(args.data)
    marked = mark_rows(listed_entries(src.gpu_all, src.gpu_revisions, ProductFigures(args.data)),
                       ProductFigures(args.data), read_rules(src.path("gpu_rules.tsv"), src.figures), marks,
                       "PassMark G3D Mark " + date)
    write_table(src.path("gpu_marks.tsv"), (MARKS_HEADER % (PASSMARK_GPU_FILE, commit, date)).split("\n"),
                MARK_COLUMNS, marked)
    print("compgen: %d figures of %s (%s) written to %s, %d of %d listed products matched; run import-pciids,"
          " import-amdgpu-ids and rank-extra to re-rank" % (len(rows), date, commit, path,
                                                            sum(r[2] != "-" for r in marked), len(marked)))
    return 0


MARKS_HEADER = """\
The G3D Mark of every product a listed adapter can be (gpu_products.py names them: pci.ids' brackets, else
gpu_names.tsv), from the same snapshot as gpu_figures.tsv (github.com/lainbo/cpu-mark %s, commit %s, %s).
passmark: the PassMark row the matching step of gpu_products.py ties the product to (its exceptions:
gpu_matches.tsv), - with g3d - when no row is the product's. Written by compgen.py import-gpu-figures."""


def cmd_import_cpu_marks(args):
    commit, path = PASSMARK_2023_MULTI
    date = git(args.passmark, "log", "-1", "--format=%ad", "--date=short", commit).strip()
    marks = {}
    for entry in json.loads(git(args.passmark, "show", "%s:%s" % (commit, path))):
        marks.setdefault(model_key(entry["nameDetail"]), entry["mark"])  # the list's first row of a name
    src = Sources(args.data)
    # figures the review of cpu_figure_checks.tsv set aside stay aside: only models without any
    names = sorted({cpu_product_name(r["name"]) for lst in ("good", "bad") for r in src.cpu[lst] if r["key"] == "-"})
    rows = [[n, str(marks[model_key(n)]), "PassMark CPU Mark %s via lainbo/cpu-mark@%s %s" % (date, commit[:7], path)]
            for n in names if model_key(n) in marks]
    write_table(src.path("cpu_marks.tsv"), CPU_MARKS_HEADER, CPU_MARK_COLUMNS, rows)
    print("compgen: multi-thread figures of %d of %d processors a family line ranks written to cpu_marks.tsv"
          % (len(rows), len(names)))
    return 0


CPU_MARKS_HEADER = [
    "PassMark CPU Mark (multi-thread) of the listed processors that a line of cpu_rules.tsv ranks, from the last",
    "whole multi-thread table of lainbo/cpu-mark (no single-thread figure: the rank stays the line's). product: the",
    "model as PassMark names it (figures.py cpu_product_name of the brand string; PassMark's \"@ clock\" aside).",
    "Written by compgen.py import-cpu-marks.",
]


def model_key(name):
    """A PassMark processor name without its clock or core count, case aside, to match a brand string's model."""
    return re.sub(r"\s+(@.*|\S+-Core)$", "", name).casefold()


def cmd_import_gpu_names(args):
    with open(args.mesa, encoding="utf-8") as f:
        mesa = read_mesa_ids(f.read())
    src = Sources(args.data)
    with open(args.intel_inf, encoding="utf-8") as f:
        inf = read_inf_names(f.read())
    rows = name_rows(src.gpu_all, mesa, "Mesa include/pci_ids/%s (%s)" % (os.path.basename(args.mesa),
                                                                          args.mesa_commit),
                     inf, args.intel_inf_source, read_amdgpu_ids(args.ids), "amdgpu.ids " + args.release)
    write_table(src.path("gpu_names.tsv"), NAMES_HEADER, NAME_COLUMNS, rows)
    print("compgen: products of %d IDs written to gpu_names.tsv; run import-gpu-figures" % len(rows))
    return 0


NAMES_HEADER = [
    "Products of listed IDs whose pci.ids name lists none (\"2nd Generation Core Processor Family Integrated",
    "Graphics Controller\", \"Phoenix1\"): Mesa's include/pci_ids tables (else the [PNPIDS] names of Intel's",
    "Windows drivers, read where the source column says) name Intel's by product, libdrm's",
    "amdgpu.ids AMD's per revision (all revisions of the ID here). Brand names without a model (\"Intel(R)",
    "Graphics\", \"AMD Radeon Graphics\") name no product and are left out. revision: - for every revision.",
    "Written by compgen.py import-gpu-names.",
]


def cmd_rank_extra(args):
    for name, header in EXTRA_TABLES:
        path = os.path.join(args.data, name)
        rows = rank_rows(read_table(path, GPU_COLUMNS), os.path.join(args.data, "gpu_rules.tsv"),
                         os.path.join(args.data, "gpu_figures.tsv"))
        write_table(path, header, GPU_COLUMNS, rows)
        print("compgen: %d adapters of %s ranked" % (len(rows), path))
    return 0


def cmd_import_kernel_ids(args):
    tables = []
    for path, commit, what in ((args.amdgpu, args.amdgpu_commit, "drivers/gpu/drm/amd/amdgpu/amdgpu_drv.c"),
                               (args.radeon, args.radeon_commit, "include/drm/drm_pciids.h")):
        with open(path, encoding="utf-8", errors="replace") as f:
            tables.append(("Linux %s (torvalds/linux@%s)" % (what, commit[:12]), read_pciidlist(f.read())))
    _, devices = read_pciids(args.pciids)
    named = {d.upper() for d, _ in devices.get(AMD, [])}  # and those a hardware report names:
    named |= {r["device"] for r in read_table(os.path.join(args.data, "gpu_extra.tsv"), GPU_COLUMNS)
              if r["vendor"] == AMD}
    figures = Figures(os.path.join(args.data, "gpu_figures.tsv"))
    rows = kernel_rows(tables, named,
                       read_rules(os.path.join(args.data, "gpu_rules.tsv"), figures), figures)
    path = os.path.join(args.data, "gpu_kernel.tsv")
    write_table(path, KERNEL_HEADER, GPU_COLUMNS, rows)
    print("compgen: %d AMD IDs that pci.ids does not name written to %s" % (len(rows), path))
    return 0


def cmd_import_cpu(args):
    rules = compile_rules(read_table(os.path.join(args.data, "cpu_rules.tsv"), RULE_COLUMNS))
    meta = read_table(os.path.join(args.data, "meta.tsv"), ["key", "value", "source"])
    models = read_table(os.path.join(args.data, "cpu_models.tsv"),
                        ["family", "key", "model", "arg", "source"])
    references = [r["value"] for r in meta if r["key"].startswith("CPU reference")]
    share = float(next(r["value"] for r in meta if r["key"] == "CPU share"))
    needed = (set(references)
              | {r["witness"] for _, r in rules if r["witness"] != "-"}
              | {r["key"] for r in models if r["key"] != "-"})
    spellings = [(re.compile(r["passmark"]), r["brand"], r.where())
                 for r in read_table(os.path.join(args.data, "cpu_spellings.tsv"), SPELLING_COLUMNS)]
    brands, spelled, bench, sample, xeons, left_out = build_cpu_tables(
        args.lscpu, args.xmrig, args.passmark,
        lambda b: (first_rule(rules, b) or {"verdict": None})["verdict"], needed,
        references, share, spellings)
    write_table(os.path.join(args.data, "cpu_brands.tsv"), [
        "Processor brand strings as real machines report them (after space collapsing), each with the",
        "PassMark model it names (cpu_bench.tsv; - when a line of cpu_rules.tsv ranks it). Written by",
        "compgen.py import-cpu; review the diff. Hand-made names belong in cpu_models.tsv.",
    ], ["name", "key", "source"], brands)
    write_table(os.path.join(args.data, "cpu_spelled.tsv"), [
        "Brand strings of benchmarked models that no report in cpu_brands.tsv names, spelled by the",
        "line of cpu_spellings.tsv the source column gives, each with its PassMark model. Written by",
        "compgen.py import-cpu; review the diff.",
    ], ["name", "key", "source"], spelled)
    write_table(os.path.join(args.data, "cpu_bench.tsv"), [
        "PassMark CPU Mark (multi) and Single Thread Rating (single, - when PassMark has none) of every",
        "model the brand tables name, from lainbo/cpu-mark: cpuData.js, cpuSingleCoreData.js (August",
        "2022) and, for models those lack, cpuMData.json, cpuSData.json (June 2023) and cpuMData.json of",
        "October 2023 (multi-thread only); the source column says which. Written by compgen.py import-cpu.",
        "Rank rule (cpu_rank.py): a processor is good when, for the i5-4590 or the FX-8350 (meta.tsv), both",
        "its single and its multi figure are at least 90 % of that reference's; otherwise bad. Without a",
        "single figure it is bad when its multi figure is below 90 % of both references' multi figures.",
    ], BENCH_COLUMNS, bench)
    write_table(args.sample, [
        "Real-world check: processor brand strings of machines whose reports were kept out of",
        "cpu_brands.tsv (compgen.py import-cpu), one line per report, with the report it comes from.",
    ], ["name", "source"], sample)
    write_table(args.xeon_sample, [
        "Real-world check for workstation processors: the brand string of every Xeon report kept",
        "out of cpu_brands.tsv (compgen.py import-cpu), with the report it comes from.",
    ], ["name", "source"], xeons)
    print("compgen: %d brand strings, %d spelled, %d models, %d + %d sample reports; %d reported "
          "names left out:" % (len(brands), len(spelled), len(bench), len(sample), len(xeons),
                               len(left_out)))
    for name in left_out:
        print("  " + name)
    return 0


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", default=DATA, help="folder of the source tables")
    sub = parser.add_subparsers(dest="command", required=True)
    p = sub.add_parser("generate")
    p.add_argument("--out", default=DEFAULT_OUT)
    p.set_defaults(run=cmd_generate)
    p = sub.add_parser("diff")
    p.add_argument("file")
    p.set_defaults(run=cmd_diff)
    p = sub.add_parser("check")
    p.add_argument("file", nargs="?")
    p.set_defaults(run=cmd_check)
    p = sub.add_parser("import-pciids")
    p.add_argument("--pciids", default=DEFAULT_PCIIDS)
    p.set_defaults(run=cmd_import)
    p = sub.add_parser("import-cpu")
    for source in ("lscpu", "xmrig", "passmark"):
        p.add_argument("--" + source, required=True, help="git directory of the snapshot")
    p.add_argument("--sample", default=CPU_SAMPLE)
    p.add_argument("--xeon-sample", default=XEON_SAMPLE)
    p.set_defaults(run=cmd_import_cpu)
    p = sub.add_parser("pciids-sync")
    p.add_argument("--pciids", default=DEFAULT_PCIIDS)
    p.set_defaults(run=cmd_pciids_sync)
    p = sub.add_parser("import-amdgpu-ids")
    p.add_argument("--ids", default=DEFAULT_AMDGPU_IDS)
    p.add_argument("--release", required=True, help="which libdrm the file comes from, for the tables")
    p.set_defaults(run=cmd_import_amdgpu_ids)
    p = sub.add_parser("import-gpu-figures")
    p.add_argument("--cpu-mark", required=True, help="git directory of github.com/lainbo/cpu-mark")
    p.add_argument("--commit", default="48c7b97", help="the snapshot's commit (default: the tables')")
    p.set_defaults(run=cmd_import_gpu_figures)
    p = sub.add_parser("import-cpu-marks")
    p.add_argument("--passmark", required=True, help="git directory of github.com/lainbo/cpu-mark")
    p.set_defaults(run=cmd_import_cpu_marks)
    p = sub.add_parser("import-gpu-names")
    p.add_argument("--mesa", required=True, help="Mesa's include/pci_ids/iris_pci_ids.h")
    p.add_argument("--mesa-commit", required=True, help="the commit that file was read at (repository@commit)")
    p.add_argument("--intel-inf", required=True, help="[PNPIDS] lines of Intel's graphics drivers")
    p.add_argument("--intel-inf-source", required=True, help="where those lines were read, for the table")
    p.add_argument("--ids", default=DEFAULT_AMDGPU_IDS, help="libdrm's amdgpu.ids, as for import-amdgpu-ids")
    p.add_argument("--release", required=True, help="which libdrm the amdgpu.ids comes from")
    p.set_defaults(run=cmd_import_gpu_names)
    p = sub.add_parser("import-kernel-ids")
    for driver in ("amdgpu", "radeon"):
        p.add_argument("--" + driver, required=True, help="the driver's ID table, read at the commit below")
        p.add_argument("--%s-commit" % driver, required=True)
    p.add_argument("--pciids", default=DEFAULT_PCIIDS, help="the pci.ids gpu_pciids.tsv was picked from")
    p.set_defaults(run=cmd_import_kernel_ids)
    p = sub.add_parser("rank-extra")
    p.set_defaults(run=cmd_rank_extra)
    list_sign.add_command(sub)
    args = parser.parse_args(argv)
    try:
        return args.run(args)
    except (TableError, OSError, ValueError, subprocess.CalledProcessError) as e:
        print("compgen: %s" % e, file=sys.stderr)
        return 2


if __name__ == "__main__":
    sys.exit(main())
