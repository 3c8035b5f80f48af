"""Picks display adapters from pci.ids by chip family (see data/gpu_rules.tsv)."""

import re

from tables import TableError, read_table

RULE_COLUMNS = ["vendor", "kind", "pattern", "verdict", "note"]
GPU_COLUMNS = ["vendor", "device", "list", "name", "source", "reason"]
VERDICTS = ("good", "bad", "none")


def read_pciids(path):
    """Returns (version text, {vendor: [(device, name), ...]}) of a pci.ids file."""
    version = ""
    devices = {}
    vendor = None
    vendor_re = re.compile(r"^([0-9a-f]{4})  (.*)$")
    device_re = re.compile(r"^\t([0-9a-f]{4})  (.*)$")
    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("#"):
                m = re.match(r"^#\s*Version:\s*(\S+)", line)
                if m:
                    version = m.group(1)
                continue
            if line.startswith("C "):  # device classes follow; no more vendors
                break
            m = vendor_re.match(line)
            if m:
                vendor = m.group(1)
                devices.setdefault(vendor, [])
                continue
            m = device_re.match(line)
            if m and vendor is not None:
                devices[vendor].append((m.group(1), m.group(2)))
    return version, devices


def read_rules(path):
    rules = []
    for row in read_table(path, RULE_COLUMNS):
        kind = row["kind"]
        if kind not in ("skip", "family", "product"):
            raise TableError("%s: unknown kind %r" % (row.where(), kind))
        if kind == "family" and row["verdict"] not in ("good", "bad"):
            raise TableError("%s: a family is good or bad" % row.where())
        if kind == "product" and row["verdict"] not in ("bad", "none"):
            raise TableError("%s: a product rule is bad or none" % row.where())
        try:
            pattern = re.compile(row["pattern"])
        except re.error as e:
            raise TableError("%s: bad pattern: %s" % (row.where(), e))
        rules.append((row["vendor"].lower(), kind, pattern, row["verdict"], row["note"]))
    return rules


def products_of(name):
    """The products a pci.ids name lists in its trailing brackets, one per '/' part."""
    m = re.search(r"\[([^\[\]]*)\]\s*$", name)
    if not m:
        return []
    return [p.strip() for p in m.group(1).split("/") if p.strip()]


def classify(vendor, name, rules):
    """Returns (list, reason) for one device, or None when it is no adapter we judge."""
    mine = [r for r in rules if r[0] == vendor]
    if any(kind == "skip" and pat.search(name) for _, kind, pat, _, _ in mine):
        return None
    family = next(((verdict, note) for _, kind, pat, verdict, note in mine
                   if kind == "family" and pat.search(name)), None)
    if family is None:
        return None
    family_verdict, family_note = family
    products = products_of(name)
    if not products:
        if family_verdict == "good":
            return "none", family_note + "; pci.ids names no product"
        return family_verdict, family_note
    verdicts = []
    notes = []
    for product in products:
        rule = next(((verdict, note) for _, kind, pat, verdict, note in mine
                     if kind == "product" and pat.search(product)), None)
        if rule is None:
            verdicts.append(family_verdict)
        else:
            verdicts.append(rule[0])
            notes.append("%s: %s" % (product, rule[1]))
    if family_verdict == "bad":
        # Below-the-bar families stay bad whatever their products are called.
        return "bad", family_note
    if len(set(verdicts)) > 1:
        return "none", family_note + "; mixed: " + "; ".join(notes)
    if verdicts[0] != family_verdict:
        return verdicts[0], family_note + "; " + "; ".join(notes)
    return family_verdict, family_note


def select(pciids_path, rules_path):
    """Rows of the pci.ids adapter table: one per judged device, in pci.ids order."""
    version, devices = read_pciids(pciids_path)
    rules = read_rules(rules_path)
    vendors = []
    for r in rules:
        if r[0] not in vendors:
            vendors.append(r[0])
    rows = []
    for vendor in vendors:
        for device, name in devices.get(vendor, []):
            judged = classify(vendor, name, rules)
            if judged is None:
                continue
            verdict, reason = judged
            rows.append([vendor.upper(), device.upper(), verdict, name,
                         "pci.ids " + version, reason])
    return version, rows
