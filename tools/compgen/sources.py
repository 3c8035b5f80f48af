"""The comparison file's content, built from the reviewed tables in data/."""

import os
import re

from cpu_rank import CpuRanker
from figures import document_figures
from gpu_revisions import REVISION_COLUMNS
from gpu_select import GPU_COLUMNS, Figures
from tables import TableError, read_table

LISTS = ("good", "bad")
CHANGE_COLUMNS = ["vendor", "device", "was", "now", "why"]


class Sources:
    """Every entry of the tables, each with the table line it came from."""

    def __init__(self, data_dir):
        self.data_dir = data_dir
        meta = {r["key"]: r for r in read_table(self.path("meta.tsv"), ["key", "value", "source"])}
        for key in ("Version", "Memory good min", "CPU reference 1", "CPU reference 2", "CPU share"):
            if key not in meta:
                raise TableError("meta.tsv: no %r" % key)
        self.version = meta["Version"]["value"]
        try:
            self.memory_min = float(meta["Memory good min"]["value"])
        except ValueError:
            raise TableError("meta.tsv: 'Memory good min' is not a number")
        self.os = self._names(read_table(self.path("os.tsv"), ["list", "name", "source"]))
        try:
            share = float(meta["CPU share"]["value"])
        except ValueError:
            raise TableError("meta.tsv: 'CPU share' is not a number")
        self.cpu_ranker = CpuRanker(self.path("cpu_bench.tsv"), self.path("cpu_rules.tsv"),
                                    [meta["CPU reference 1"]["value"], meta["CPU reference 2"]["value"]],
                                    share, self.path("cpu_figure_checks.tsv"))
        self.cpu = self._names(self._cpu_rows())
        self.figures = Figures(self.path("gpu_figures.tsv"))
        # Adapters that pci.ids does not name: from hardware reports, and from the kernel's driver tables.
        self.gpu_extra = (read_table(self.path("gpu_extra.tsv"), GPU_COLUMNS)
                          + read_table(self.path("gpu_kernel.tsv"), GPU_COLUMNS))
        self.gpu_all = read_table(self.path("gpu_pciids.tsv"), GPU_COLUMNS) + self.gpu_extra
        self.gpu = self._pairs(self.gpu_all)
        self.gpu_revisions = read_table(self.path("gpu_revisions.tsv"), REVISION_COLUMNS)
        self.gpu_changes = read_table(self.path("gpu_rank_changes.tsv"), CHANGE_COLUMNS)

    def path(self, name):
        return os.path.join(self.data_dir, name)

    def _cpu_rows(self):
        """Reported brand strings first, then spelled models, then the family patterns' names.

        Each row's list comes from the rank rule (cpu_rank.py), never from the table."""
        rows = (read_table(self.path("cpu_brands.tsv"), ["name", "key", "source"])
                + read_table(self.path("cpu_spelled.tsv"), ["name", "key", "source"]))
        families = {}
        for row in read_table(self.path("cpu_families.tsv"), ["family", "pattern", "source"]):
            if row["family"] in families:
                raise TableError("%s: family %r is defined twice" % (row.where(), row["family"]))
            families[row["family"]] = row
        for row in read_table(self.path("cpu_models.tsv"),
                              ["family", "key", "model", "arg", "source"]):
            family = families.get(row["family"])
            if family is None:
                raise TableError("%s: unknown family %r" % (row.where(), row["family"]))
            pattern = family["pattern"]
            if ("{arg}" in pattern) != (row["arg"] != "-"):
                raise TableError("%s: the family %s %s an {arg}" % (
                    row.where(), row["family"], "needs" if "{arg}" in pattern else "takes no"))
            row.values["name"] = pattern.replace("{model}", row["model"]).replace("{arg}", row["arg"])
            rows.append(row)
        reported = {}
        kept = []
        for row in rows:
            folded = row["name"].casefold()
            first = reported.get(folded)
            if first is not None and first["key"] == row["key"] and first.path != row.path:
                continue  # a pattern's name that is also reported: the report is the source
            reported.setdefault(folded, row)
            row.values["list"], row.values["why"] = self.cpu_ranker.rank(row["name"], row["key"],
                                                                          row.where())
            kept.append(row)
        self._check_changes(kept)
        return kept

    def _check_changes(self, rows):
        """Every rank that moved from the hand-set lists is explained, and still holds."""
        ranks = {r["name"].casefold(): r["list"] for r in rows}
        for row in read_table(self.path("cpu_changes.tsv"), ["name", "was", "now", "why"]):
            now = ranks.get(row["name"].casefold())
            if now != row["now"] or row["was"] == row["now"]:
                raise TableError("%s: %r now ranks %s, not %s after %s"
                                 % (row.where(), row["name"], now, row["now"], row["was"]))

    @staticmethod
    def _names(rows):
        lists = {l: [] for l in LISTS}
        for row in rows:
            if row["list"] not in LISTS:
                raise TableError("%s: list must be good or bad, not %r" % (row.where(), row["list"]))
            lists[row["list"]].append(row)
        return lists

    @staticmethod
    def _pairs(rows):
        lists = {l: [] for l in LISTS}
        for row in rows:
            for key in ("vendor", "device"):
                if not re.fullmatch(r"[0-9A-F]{4}", row[key]):
                    raise TableError("%s: %s %r is not four upper-case hex digits"
                                     % (row.where(), key, row[key]))
            if row["list"] in LISTS:
                lists[row["list"]].append(row)
            elif row["list"] != "none":
                raise TableError("%s: list must be good, bad or none" % row.where())
        return lists

    def document(self):
        """The comparison file as plain Python values, in table order."""
        def names(lists, key):
            return [r[key] for r in lists]

        def revisions(lst):
            return [[r["vendor"], r["device"], r["revision"]] for r in self.gpu_revisions if r["list"] == lst]

        memory = int(self.memory_min) if self.memory_min.is_integer() else self.memory_min
        return {
            "Version": self.version,
            "OS": {"Good list": names(self.os["good"], "name"),
                   "Bad list": names(self.os["bad"], "name")},
            "CPU": {"Good list": names(self.cpu["good"], "name"),
                    "Bad list": names(self.cpu["bad"], "name")},
            "GPU": {"Good list": [[r["vendor"], r["device"]] for r in self.gpu["good"]],
                    "Bad list": [[r["vendor"], r["device"]] for r in self.gpu["bad"]],
                    "Good revisions": revisions("good"), "Bad revisions": revisions("bad")},
            "Memory": {"Good min": memory},
            "Figures": document_figures(self),
        }
