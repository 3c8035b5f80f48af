"""The processor rank rule, applied to the benchmark figures of data/cpu_bench.tsv.

A processor is good when, for at least one reference processor, both its
single-thread and its multi-thread figure reach the reference's figure times the
share in meta.tsv ("equivalent or faster"); otherwise it is bad. A model without a
single-thread figure is bad when its multi-thread figure alone is below every
reference's bar; otherwise it cannot be ranked. A brand string without figures is
ranked by the first line of data/cpu_rules.tsv whose pattern it matches, and each
such line names a witness model whose figures must give the same verdict. A line
with the verdict "unknown" names strings that stand for several chips (engineering
samples); no list may hold them, whatever figures or other lines say.
"""

import re

from cpu_figure_checks import doubts
from tables import TableError, read_table

BENCH_COLUMNS = ["key", "single", "multi", "source"]
CHECK_COLUMNS = ["key", "single", "multi", "source", "why"]
RULE_COLUMNS = ["verdict", "pattern", "witness", "reason"]
SPELLING_COLUMNS = ["passmark", "brand", "source"]
UNKNOWN = "unknown"


def compile_rules(rows):
    """[(pattern, row)] of the rule lines, unknown lines first so that nothing outranks them."""
    rules = []
    for row in rows:
        try:
            pattern = re.compile(row["pattern"], re.I)
        except re.error as e:
            raise TableError("%s: bad pattern: %s" % (row.where(), e))
        if row["verdict"] not in ("good", "bad", UNKNOWN):
            raise TableError("%s: verdict must be good, bad or unknown" % row.where())
        if (row["verdict"] == UNKNOWN) != (row["witness"] == "-"):
            raise TableError("%s: an unknown line, and only it, has no witness (-)" % row.where())
        rules.append((pattern, row))
    return sorted(rules, key=lambda r: r[1]["verdict"] != UNKNOWN)


def first_rule(rules, name):
    for pattern, row in rules:
        if pattern.search(name):
            return row
    return None


class CpuRanker:
    def __init__(self, bench_path, rules_path, references, share, checks_path=None):
        self.figures = {}
        for row in read_table(bench_path, BENCH_COLUMNS):
            if row["key"] in self.figures:
                raise TableError("%s: %r has figures already" % (row.where(), row["key"]))
            try:
                single = None if row["single"] == "-" else int(row["single"])
                self.figures[row["key"]] = (single, int(row["multi"]))
            except ValueError:
                raise TableError("%s: figures must be whole numbers or -" % row.where())
        self.set_aside = self._reviewed(checks_path) if checks_path else set()
        self.references = references
        self.bars = []
        for ref in references:
            if ref not in self.figures or self.figures[ref][0] is None:
                raise TableError("reference %r has no figures in %s" % (ref, bench_path))
            self.bars.append(tuple(share * f for f in self.figures[ref]))
        self.rules = compile_rules(read_table(rules_path, RULE_COLUMNS))
        for _, row in self.rules:
            if row["verdict"] != UNKNOWN and self.by_figures(row["witness"], row.where()) != row["verdict"]:
                raise TableError("%s: the witness %r does not rank %s"
                                 % (row.where(), row["witness"], row["verdict"]))

    def _reviewed(self, path):
        """Applies the review of every doubtful figure pair (cpu_figure_checks.py): a second source's
        figures replace it, or "-" "-" sets it aside for the rule lines. Returns the models set aside."""
        found = doubts(self.figures)
        set_aside, replaced = set(), {}
        for row in read_table(path, CHECK_COLUMNS):
            key = row["key"]
            if key not in found:
                raise TableError("%s: the figures of %r pass the checks; the line is not needed"
                                 % (row.where(), key))
            if (row["single"], row["multi"]) == ("-", "-"):
                set_aside.add(key)
                continue
            try:
                replaced[key] = (int(row["single"]), int(row["multi"]))
            except ValueError:
                raise TableError("%s: figures must be whole numbers, or - - for a rule" % row.where())
        missing = [k for k in found if k not in set_aside and k not in replaced]
        if missing:
            raise TableError("cpu_bench.tsv: doubtful figures, to be replaced from a second source or set aside"
                             " for a rule line in %s: %s"
                             % (path, "; ".join("%r: %s" % (k, found[k]) for k in missing)))
        self.figures.update(replaced)
        still = [k for k in doubts(self.figures) if k in replaced]
        if still:
            raise TableError("%s: the replacing figures of %s fail the checks too" % (path, ", ".join(still)))
        for key in set_aside:
            del self.figures[key]
        return set_aside

    def model(self, key):
        """The model whose figures rank a brand string: key, or "-" when its figures were set aside."""
        return "-" if key in self.set_aside else key

    def by_figures(self, key, where):
        if key not in self.figures:
            raise TableError("%s: %r has no figures in cpu_bench.tsv" % (where, key))
        single, multi = self.figures[key]
        if single is None:
            if all(multi < bar_multi for _, bar_multi in self.bars):
                return "bad"
            raise TableError("%s: %r has no single-thread figure and its multi-thread "
                             "figure does not decide" % (where, key))
        good = any(single >= s and multi >= m for s, m in self.bars)
        return "good" if good else "bad"

    def rank(self, name, key, where):
        """(list, why) of a brand string whose model is key ("-": no figures)."""
        key = self.model(key)
        row = first_rule(self.rules, name)
        if row is not None and row["verdict"] == UNKNOWN:
            raise TableError("%s: %r stays unknown by the rule at %s" % (where, name, row.where()))
        if key != "-":
            return self.by_figures(key, where), key
        if row is None:
            raise TableError("%s: %r has no figures and no rule in cpu_rules.tsv" % (where, name))
        return row["verdict"], "rule at %s" % row.where()
