"""Checks of the source tables and of a comparison file made from them.

Each check returns a list of problems (empty when it passes), so that one run
reports everything that is wrong.
"""

import json
import os
import re

from gpu_revisions import check_revision_rows
from gpu_select import idle_families, rank_rows
from tables import TableError

MIN_CPU_GOOD = 400
BRAND_MAX = 48  # CPUID leaves 0x80000002-0x80000004 hold at most 48 bytes


def check_sources(src):
    problems = []
    for what, lists in (("OS", src.os), ("CPU", src.cpu)):
        seen = {}
        for lst in ("good", "bad"):
            for row in lists[lst]:
                name = row["name"]
                key = name.casefold()  # the engine ignores case
                if key in seen:
                    problems.append("%s %s: %r is already listed at %s"
                                    % (what, row.where(), name, seen[key].where()))
                else:
                    seen[key] = row
                if name != " ".join(name.split(" ")).strip() or "  " in name or not name:
                    problems.append("%s %s: %r is not space-collapsed" % (what, row.where(), name))
    for row in src.cpu["good"] + src.cpu["bad"]:
        if len(row["name"].encode("utf-8")) > BRAND_MAX:
            problems.append("CPU %s: %r is longer than a brand string can be"
                            % (row.where(), row["name"]))
    if len(src.cpu["good"]) < MIN_CPU_GOOD:
        problems.append("CPU good list has %d entries, fewer than %d"
                        % (len(src.cpu["good"]), MIN_CPU_GOOD))
    seen = {}
    for lst in ("good", "bad"):
        for row in src.gpu[lst]:
            key = (row["vendor"], row["device"])
            if key in seen:
                problems.append("GPU %s: %s:%s is already listed at %s"
                                % (row.where(), key[0], key[1], seen[key].where()))
            else:
                seen[key] = row
    return problems + check_gpu_ranks(src)


def check_gpu_ranks(src):
    """The extra adapters are ranked as the rules say, and every recorded rank change still holds."""
    problems = []
    try:
        fresh = rank_rows(src.gpu_extra, os.path.join(src.data_dir, "gpu_rules.tsv"),
                          os.path.join(src.data_dir, "gpu_figures.tsv"))
    except TableError as e:
        return [str(e)]
    for row, ranked in zip(src.gpu_extra, fresh):
        if (row["list"], row["reason"]) != (ranked[2], ranked[5]):
            problems.append("GPU %s: the rules give %s (%s); run compgen.py rank-extra"
                            % (row.where(), ranked[2], ranked[5]))
    rules = os.path.join(src.data_dir, "gpu_rules.tsv")
    figures = os.path.join(src.data_dir, "gpu_figures.tsv")
    problems += check_revision_rows(src.gpu_revisions, src.gpu_all, rules, figures)
    for family in idle_families(src.gpu_all, rules, figures):
        problems.append("GPU rules: the %s takes no adapter of the tables" % family)
    now = {(r["vendor"], r["device"]): r["list"] for r in src.gpu_all}
    for row in src.gpu_changes:
        key = (row["vendor"], row["device"])
        if now.get(key, "none") != row["now"]:
            problems.append("GPU %s: %s:%s is %s now, not %s" % (row.where(), key[0], key[1],
                                                                now.get(key, "none"), row["now"]))
    return problems


def check_document(doc, src):
    """The comparison file is valid for the engine and holds only table entries."""
    problems = []
    if not isinstance(doc, dict):
        return ["the top level is not an object"]

    def member(path):
        value = doc
        for key in path:
            value = value.get(key) if isinstance(value, dict) else None
        return value

    if not isinstance(doc.get("Version"), str) or not doc["Version"]:
        problems.append('"Version" is not a non-empty text')
    for path, may_be_empty in ((("OS", "Good list"), False), (("OS", "Bad list"), False),
                               (("CPU", "Good list"), False), (("CPU", "Bad list"), True),
                               (("GPU", "Good list"), False), (("GPU", "Bad list"), True)):
        value = member(path)
        if not isinstance(value, list) or (not value and not may_be_empty):
            problems.append("%s is not a %slist" % ("/".join(path), "" if may_be_empty else "non-empty "))
    good_min = member(("Memory", "Good min"))
    if isinstance(good_min, bool) or not isinstance(good_min, (int, float)) or good_min <= 0:
        problems.append('"Memory"/"Good min" is not a number above 0')
    if problems:
        return problems

    for what, lists in (("OS", src.os), ("CPU", src.cpu)):
        for lst in ("good", "bad"):
            table = {r["name"] for r in lists[lst]}
            for name in doc[what][lst.capitalize() + " list"]:
                if not isinstance(name, str):
                    problems.append("%s %s list: %r is not a text" % (what, lst, name))
                elif name not in table:
                    problems.append("%s %s list: %r is in no source table" % (what, lst, name))
    pairs = {}
    for lst in ("good", "bad"):
        table = {(r["vendor"], r["device"]) for r in src.gpu[lst]}
        for entry in doc["GPU"][lst.capitalize() + " list"]:
            ok = (isinstance(entry, list) and len(entry) == 2
                  and all(isinstance(e, str) and re.fullmatch(r"[0-9A-Fa-f]{4}", e) for e in entry))
            if not ok:
                problems.append("GPU %s list: %r is not a pair of four-digit hex texts" % (lst, entry))
                continue
            key = (entry[0].upper(), entry[1].upper())
            if key not in table:
                problems.append("GPU %s list: %s:%s is in no source table with that list"
                                % (lst, key[0], key[1]))
            if key in pairs and pairs[key] != lst:
                problems.append("GPU %s:%s is on both lists" % key)
            pairs[key] = lst
    problems += _check_revision_lists(doc["GPU"], src)
    problems += check_figures(doc)
    for what in ("OS", "CPU"):
        both = ({n.casefold() for n in doc[what]["Good list"] if isinstance(n, str)}
                & {n.casefold() for n in doc[what]["Bad list"] if isinstance(n, str)})
        for name in sorted(both):
            problems.append("%s %r is on both lists" % (what, name))
    return problems


def _check_revision_lists(gpu, src):
    """Revision lists, when present, hold [vendor, device, revision] hex triples of the table."""
    problems = []
    lists = {}
    for lst in ("good", "bad"):
        key = lst.capitalize() + " revisions"
        entries = gpu.get(key, [])
        if not isinstance(entries, list):
            problems.append("GPU %s is not a list" % key)
            continue
        table = {(r["vendor"], r["device"], r["revision"]) for r in src.gpu_revisions if r["list"] == lst}
        for entry in entries:
            ok = (isinstance(entry, list) and len(entry) == 3 and all(isinstance(e, str) for e in entry)
                  and all(re.fullmatch("[0-9A-Fa-f]{%d}" % n, e) for n, e in zip((4, 4, 2), entry)))
            if not ok:
                problems.append("GPU %s: %r is not a vendor, device, revision hex triple" % (key, entry))
                continue
            triple = tuple(e.upper() for e in entry)
            if triple not in table:
                problems.append("GPU %s: %s:%s rev %s is in no source table with that list" % ((key,) + triple))
            if lists.setdefault(triple, lst) != lst:
                problems.append("GPU %s:%s rev %s is on both revision lists" % triple)
    return problems


def _count(value, may_be_null=False):
    return (value is None and may_be_null) or (isinstance(value, int) and not isinstance(value, bool) and value >= 0)


def _product(what, product):
    """[name, single, multi] (single may be null) for a processor, [name, g3d] for an adapter."""
    if not isinstance(product, list) or not product or not isinstance(product[0], str) or not product[0]:
        return False
    figures = product[1:]
    if what == "CPU":
        return len(figures) == 2 and _count(figures[0], True) and _count(figures[1], True)
    return len(figures) == 1 and _count(figures[0], True)


def _entry_indexes(entry):
    """([products], family or None, witness or None) of a figures entry p, [[p1..pn]] (n >= 2) or
    [[p1..pn], f, w]; None when it is neither."""
    if _count(entry):
        return [entry], None, None
    if not isinstance(entry, list) or not entry or not isinstance(entry[0], list):
        return None
    products = entry[0]
    if not all(_count(p) for p in products):
        return None
    if len(entry) == 1:
        return (products, None, None) if len(products) >= 2 else None
    if len(entry) == 3 and _count(entry[1]) and _count(entry[2]):
        return products, entry[1], entry[2]
    return None


def check_figures(doc):
    """"Figures", when present, explains every list entry by index with products and families it has."""
    figures = doc.get("Figures")
    if figures is None:
        return []  # a file of the lists alone ranks as before
    if not isinstance(figures, dict):
        return ['"Figures" is not an object']
    problems = []
    bars = figures.get("Bars", {})
    numbers = [b.get(k) for b in bars.get("CPU", []) for k in ("single", "multi")]
    numbers += [bars.get(k, {}).get("value") for k in ("GPU", "Memory")]
    if not numbers[:2] or not all(isinstance(n, (int, float)) and not isinstance(n, bool) for n in numbers):
        problems.append('"Figures"/"Bars" lacks a number')
    families = figures.get("Families", [])
    for what in ("CPU", "GPU"):
        part = figures.get(what, {})
        products = part.get("Products", [])
        bad = [p for p in products if not _product(what, p)]
        problems += ["Figures %s product %r is not [name, figures...]" % (what, p) for p in bad]
        for name, listed in doc[what].items():
            entries = part.get(name)
            if not isinstance(entries, list) or len(entries) != len(listed):
                problems.append("Figures %s %s does not hold one entry per list entry" % (what, name))
                continue
            for i, entry in enumerate(entries):
                at = _entry_indexes(entry)
                if entry is not None and (at is None or any(p >= len(products) for p in at[0] + [w for w in at[2:] if w is not None])
                                          or (at[1] is not None and at[1] >= len(families))):
                    problems.append("Figures %s %s entry %d: %r names no product or family"
                                    % (what, name, i, entry))
    return problems


def load_document(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f)
