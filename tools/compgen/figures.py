"""The comparison file's "Figures" member: what every list entry's rank rests on.

Each figures list is aligned by index with the list of the same name: entry i is
p (ranked on the figures of product p), [p, f] (ranked by family line f, whose
witness is product p) or null (no benchmark stands behind the rank). Products are
[name, single, multi] (single null where PassMark has none) or [name, g3d].
The engine parses only the lists with the toolkit and reads the few entries a check
needs from this member by itself, so its size costs a check little. A reader that
knows only the lists never looks here, so the lists and their ranks stay as they are.
"""

import math
import re

from cpu_rank import first_rule
from gpu_select import REFERENCES, judge, read_rules
from tables import TableError

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


def cpu_figures(src, families):
    ranker = src.cpu_ranker
    products = _Numbered()

    def product(key):
        single, multi = ranker.figures[key]
        return products(key, [key, single, multi])

    def entry(row):
        if ranker.model(row["key"]) != "-":
            return product(row["key"])
        rule = first_rule(ranker.rules, row["name"])
        return [product(rule["witness"]), families(family_name(rule["reason"]))]

    lists = {name: [entry(r) for r in src.cpu[lst]] for name, lst in (("Good list", "good"), ("Bad list", "bad"))}
    return dict({"Products": products.items}, **lists)


def gpu_figures(src, families, rules, figures):
    products = _Numbered()

    def entry(row, where):
        judged = judge(row["vendor"].lower(), row["name"], rules, figures)
        if judged is None or judged[0] != row["list"]:
            raise TableError("%s: the rules give %s for %r, the table %s; re-import the table"
                             % (where, judged and judged[0], row["name"], row["list"]))
        _, _, figure, family = judged
        if figure is None:
            return None
        p = products(figure, [figure, figures.g3d[figure]])
        return [p, families(family_name(family))] if family else p

    out = {"Products": products.items}
    for name, rows in (("Good list", src.gpu["good"]), ("Bad list", src.gpu["bad"]),
                       ("Good revisions", [r for r in src.gpu_revisions if r["list"] == "good"]),
                       ("Bad revisions", [r for r in src.gpu_revisions if r["list"] == "bad"])):
        out[name] = [entry(r, r.where()) for r in rows]
    return out


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
    cpu = cpu_figures(src, lambda name: families(name, name))
    gpu = gpu_figures(src, lambda name: families(name, name), rules, figures)
    return {
        "Date": figures_date(figures.rows),
        "Benchmarks": BENCHMARKS,
        "Bars": {"CPU": cpu_bars, "GPU": {"reference": gpu_reference, "value": figures.bar},
                 "Memory": {"reference": "%g GB" % memory, "value": memory}},
        "Families": families.items,
        "CPU": cpu,
        "GPU": gpu,
    }
