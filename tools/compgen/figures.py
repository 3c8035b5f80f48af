"""The comparison file's "Figures" member: what every list entry's rank rests on, by the products it names.

Each figures list is aligned by index with the list of the same name; entry i is null (no benchmark stands
behind the rank), p (the entry is exactly product p, ranked on p's own figures), [[p1, ..., pn]] (the entry can
be any of products p1..pn, ranked on the weakest one's figures) or [[p1, ..., pn], f, w] (ranked by family line
f, whose witness is product w; p1..pn, each with its own figure or null, are the products the entry can be).
Products are [name, single, multi] or [name, g3d], a figure null where no benchmark has one. A witness's
figures are never the user's: the engine shows the products' own figures, or names the family that decided.
Families are named by chips and products only (data/families.tsv), so no text needs translating.
A reader that knows only the lists never looks here, so the lists and their ranks stay as they are.
"""

import math
import os
import re

from cpu_rank import first_rule
from gpu_products import ProductFigures
from gpu_select import REFERENCES, judge, read_rules
from tables import TableError, read_table

CPU_MARK_COLUMNS = ["product", "multi", "source"]
BENCHMARKS = {"CPU single": "PassMark CPU Single Thread Rating", "CPU multi": "PassMark CPU Mark",
              "GPU": "PassMark G3D Mark"}


class _Numbered:
    """Products or families numbered in the order the lists first use them."""

    def __init__(self):
        self.items = []
        self._at = {}

    def __call__(self, key, item):
        if key not in self._at:
            self._at[key] = len(self.items)
            self.items.append(item)
        elif self.items[self._at[key]] != item:
            raise TableError("%r stands for both %r and %r" % (key, self.items[self._at[key]], item))
        return self._at[key]


def family_name(note):
    """The family a rule line names: its note up to the first ': ' or '; ' outside brackets (the rest
    says why)."""
    depth = 0
    for i, c in enumerate(note):
        depth += (c in "([") - (c in ")]")
        if depth == 0 and note[i:i + 2] in (": ", "; "):
            return note[:i]
    return note


def reference_name(passmark_name):
    """"Intel Core i5-4590 @ 3.30GHz" and "AMD FX-8350 Eight-Core" as users know them."""
    return re.sub(r"\s+(@.*|\S+-Core)$", "", passmark_name)


def figures_date(gpu_figure_rows):
    dates = {m.group(0) for r in gpu_figure_rows for m in [re.search(r"\d{4}-\d\d-\d\d", r["source"])] if m}
    if not dates:
        raise TableError("gpu_figures.tsv: no source names the date of its figures")
    return max(dates)


def cpu_product_name(brand):
    """A brand string as PassMark names models ("13th Gen Intel(R) Core(TM) i9-13900K" gives "Intel Core
    i9-13900K"), for a processor that PassMark has no figures of."""
    name = re.sub(r"\((R|TM|tm)\)|\b\d+(st|nd|rd|th) Gen\b|\bCPU\b|\s+@.*$|\s+(w/|with) Radeon.*$"
                  r"|\s+\d+-Core Processor$|\s+Processor$", " ", brand)
    return " ".join(name.split())


def read_cpu_marks(path):
    """{model: multi-thread figure} of processors that have no single-thread one (data/cpu_marks.tsv)."""
    if not os.path.exists(path):
        return {}
    marks = {}
    for row in read_table(path, CPU_MARK_COLUMNS):
        if not re.fullmatch(r"[1-9][0-9]*", row["multi"]):
            raise TableError("%s: the figure %r is not a whole number" % (row.where(), row["multi"]))
        marks[row["product"]] = int(row["multi"])
    return marks


def cpu_figures(src, families):
    ranker = src.cpu_ranker
    products = _Numbered()
    multi_only = read_cpu_marks(src.path("cpu_marks.tsv"))

    def product(key):
        single, multi = ranker.figures[key]
        return products(key, [key, single, multi])

    def entry(row):
        if ranker.model(row["key"]) != "-":
            return product(row["key"])
        rule = first_rule(ranker.rules, row["name"])
        name = cpu_product_name(row["name"])
        multi = multi_only.get(name)
        if multi is not None and row["list"] == "good" and all(multi < bar for _, bar in ranker.bars):
            raise TableError("%s: %r is good by its family line, but its multi-thread figure %d is below every"
                             " bar" % (row.where(), row["name"], multi))
        own = product(name) if name in ranker.figures else products(name, [name, None, multi])
        return [[own], families(family_name(rule["reason"])), product(rule["witness"])]

    lists = {name: [entry(r) for r in src.cpu[lst]] for name, lst in (("Good list", "good"), ("Bad list", "bad"))}
    return dict({"Products": products.items}, **lists)


def witness_name(passmark):
    """A PassMark graphics name as users know it: without the company ("Intel Arc A770" gives "Arc A770")."""
    return re.sub(r"^(Intel|NVIDIA|AMD)\s+", "", passmark)


def gpu_figures(src, families, rules, figures):
    products = _Numbered()
    named = ProductFigures(src.data_dir)

    def entry(row, where, revision="-"):
        vendor = row["vendor"]
        judged = judge(vendor.lower(), row["name"], rules, figures)
        if judged is None or judged[0] != row["list"]:
            raise TableError("%s: the rules give %s for %r, the table %s; re-import the table"
                             % (where, judged and judged[0], row["name"], row["list"]))
        _, _, figure, family = judged
        if figure is None:
            return None
        names = named.products(vendor, row["device"], row["name"], revision)
        try:
            own = [named.figure(p) for p in names]
        except KeyError as e:
            raise TableError("%s: product %s has no row in gpu_marks.tsv; run compgen.py import-gpu-figures"
                             % (where, e))
        numbered = [products(p, [p, g3d]) for p, g3d in zip(names, own)]
        if names and None not in own and figures.verdict(min(own)) == row["list"]:
            return numbered[0] if len(numbered) == 1 else [numbered]
        family = family or family_of(vendor.lower(), row["name"], rules)
        return [numbered, families(family_name(family)),
                products(witness_name(figure), [witness_name(figure), figures.g3d[figure]])]

    out = {"Products": products.items}
    for name, rows in (("Good list", src.gpu["good"]), ("Bad list", src.gpu["bad"])):
        out[name] = [entry(r, r.where()) for r in rows]
    for name, lst in (("Good revisions", "good"), ("Bad revisions", "bad")):
        out[name] = [entry(r, r.where(), r["revision"]) for r in src.gpu_revisions if r["list"] == lst]
    return out


def family_of(vendor, name, rules):
    """The note of the family line that takes a pci.ids name."""
    return next(note for v, kind, pat, _, note in rules if v == vendor and kind == "family" and pat.search(name))


def short_families(path):
    """{family as its rule line names it: its name of chips and products} (data/families.tsv)."""
    names = {}
    for row in read_table(path, ["family", "name", "source"]):
        if row["family"] in names:
            raise TableError("%s: %r is named already" % (row.where(), row["family"]))
        names[row["family"]] = row["name"]
    return names


def document_figures(src):
    """The "Figures" member as plain Python values."""
    figures = src.figures
    rules = read_rules(src.path("gpu_rules.tsv"), figures)
    families = _Numbered()
    ranker = src.cpu_ranker
    cpu_bars = [{"reference": reference_name(ref), "single": math.ceil(single), "multi": math.ceil(multi)}
                for ref, (single, multi) in zip(ranker.references, ranker.bars)]
    gpu_reference = " / ".join(re.sub(r"^(GeForce|Radeon) ", "", r) for r in REFERENCES)
    memory = int(src.memory_min) if src.memory_min.is_integer() else src.memory_min
    short = short_families(src.path("families.tsv"))

    def family(name):
        if name not in short:
            raise TableError("families.tsv: no name for the family %r" % name)
        return families(short[name], short[name])
    cpu = cpu_figures(src, family)
    gpu = gpu_figures(src, family, rules, figures)
    return {
        "Date": figures_date(figures.rows),
        "Benchmarks": BENCHMARKS,
        "Bars": {"CPU": cpu_bars, "GPU": {"reference": gpu_reference, "value": figures.bar},
                 "Memory": {"reference": "%g GB" % memory, "value": memory}},
        "Families": families.items,
        "CPU": cpu,
        "GPU": gpu,
    }
