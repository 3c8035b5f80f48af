"""Revision entries for adapters whose products share a PCI ID but not a verdict (data/gpu_revisions.tsv).

AMD names the product behind a device and revision in libdrm's amdgpu.ids. Where the products of one ID
fall on both sides of the bar, each revision is ranked by its own products under the rules of
gpu_rules.tsv, in the context of the chip pci.ids names for the ID."""

import re

from gpu_select import Figures, classify, read_rules
from tables import TableError

REVISION_COLUMNS = ["vendor", "device", "revision", "list", "name", "source", "reason"]
AMD = "1002"


def read_amdgpu_ids(path):
    """{device: {revision: [product, ...]}} of an amdgpu.ids file, in file order, upper-case hex."""
    products = {}
    line_re = re.compile(r"^([0-9A-Fa-f]{4}),\s*([0-9A-Fa-f]{2}),\s*(.+?)\s*$")
    with open(path, encoding="utf-8") as f:
        for line in f:
            m = line_re.match(line)
            if m:
                device, revision, name = m.group(1).upper(), m.group(2).upper(), m.group(3)
                products.setdefault(device, {}).setdefault(revision, []).append(name)
    return products


def product_name(amdgpu_name):
    """amdgpu.ids' marketing name as pci.ids and the rules spell products ("Radeon RX 5500 XT")."""
    name = re.sub(r"\((TM|R)\)", "", amdgpu_name)
    name = re.sub(r"^AMD\s+", "", name)
    return " ".join(name.split())


def chip_of(pciids_name):
    """The chip part of a pci.ids name: "Navi 14 [Radeon RX 5500/5500M]" gives "Navi 14"."""
    return re.sub(r"\s*\[[^\[\]]*\]\s*$", "", pciids_name)


def revision_name(chip, products):
    """The name classify() reads: the chip, and the revision's products as pci.ids lists them."""
    return "%s [%s]" % (chip, " / ".join(products))


def revision_rows(ids_path, release, pair_rows, rules_path, figures_path):
    """One row per revision of every AMD ID whose revisions do not all share its pair's verdict."""
    figures = Figures(figures_path)
    rules = read_rules(rules_path, figures)
    pairs = {r["device"]: r for r in pair_rows if r["vendor"] == AMD}
    rows = []
    for device, revisions in read_amdgpu_ids(ids_path).items():
        pair = pairs.get(device)
        if pair is None or pair["list"] not in ("good", "bad"):
            continue  # no chip to rank it by, or judged on neither list
        chip = chip_of(pair["name"])
        ranked = []
        for revision, names in revisions.items():
            name = revision_name(chip, [product_name(n) for n in names])
            judged = classify(AMD, name, rules, figures)
            if judged is None or judged[0] not in ("good", "bad"):
                raise TableError("amdgpu.ids %s %s: %r is no adapter the rules rank" % (device, revision, name))
            ranked.append([AMD, device, revision, judged[0], name, release, judged[1]])
        if any(r[3] != pair["list"] for r in ranked):
            rows.extend(ranked)
    return rows


def check_revision_rows(rows, pair_rows, rules_path, figures_path):
    """Problems of the revision table: each row ranked as the rules give it, on an ID of the tables."""
    figures = Figures(figures_path)
    rules = read_rules(rules_path, figures)
    pairs = {(r["vendor"], r["device"]) for r in pair_rows}
    problems = []
    seen = {}
    for row in rows:
        key = (row["vendor"], row["device"], row["revision"])
        if not (re.fullmatch(r"[0-9A-F]{4}", key[0]) and re.fullmatch(r"[0-9A-F]{4}", key[1])
                and re.fullmatch(r"[0-9A-F]{2}", key[2])):
            problems.append("GPU %s: %s:%s rev %s is not upper-case hex of 4, 4 and 2 digits"
                            % ((row.where(),) + key))
            continue
        if key in seen:
            problems.append("GPU %s: %s:%s rev %s is already listed at %s"
                            % ((row.where(),) + key + (seen[key],)))
        seen[key] = row.where()
        if key[:2] not in pairs:
            problems.append("GPU %s: %s:%s is on no pair list's table" % ((row.where(),) + key[:2]))
        judged = classify(row["vendor"].lower(), row["name"], rules, figures)
        if judged is None or (row["list"], row["reason"]) != judged:
            problems.append("GPU %s: the rules give %s for %r; run compgen.py import-amdgpu-ids"
                            % (row.where(), judged, row["name"]))
    return problems
