#!/usr/bin/env python3
"""Tests of the comparison-file generator and of the reviewed tables it reads."""

import json
import os
import re
import shutil
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TOOL = os.path.join(ROOT, "tools", "compgen")
sys.path.insert(0, TOOL)

import compgen  # noqa: E402
from comp_writer import render  # noqa: E402
from cpu_figure_checks import doubts  # noqa: E402
from cpu_import import spell  # noqa: E402
from gpu_select import Figures, classify, read_pciids, read_rules, select  # noqa: E402
from kernel_ids import kernel_rows, read_pciidlist  # noqa: E402
from list_checks import check_document, check_sources  # noqa: E402
from sources import Sources  # noqa: E402
from tables import TableError, read_table  # noqa: E402

PCIIDS = """\
#\tVersion: 2099.01.02
#\tDate:    2099-01-02 03:04:05
10de  NVIDIA Corporation
\t13c2  GM204 [GeForce GTX 970]
\t\t1462 3160  GTX 970 Gaming 4G
\t13d8  GM204M [GeForce GTX 960 OEM / 970M]
\t13c1  GM204
\t0fbb  GM204 High Definition Audio Controller
\t1401  GM206 [GeForce GTX 960]
\t13f2  GM204GL [Tesla M60]
\t1c21  GP106M [GeForce GTX 1050 Ti Mobile]
\t1f91  GM204M [GeForce GTX 980M / Max-Q]
\t0020  NV4 [Riva TNT]
1002  Advanced Micro Devices, Inc. [AMD/ATI]
\t67df  Ellesmere [Radeon RX 470/480/570/570X/580/580X/590]
C 03  Display controller
\t00  VGA compatible controller
"""

RULES = """\
# vendor\tkind\tpattern\tverdict\tnote
10de\tskip\tAudio\t-\tnot a display function
10de\tfamily\t^GM204\tgood\tGM204
10de\tfamily\t^GP106\tgood\tGP106
10de\tfamily\t^GM206\tbad\tGM206
10de\tproduct\tGTX 96[05]\\b|GTX 1050\tbad\tbelow
10de\tproduct\tTesla\tnone\tno outputs
10de\tproduct\t980M Max-Q\tbad\tbelow
1002\tfamily\t^Ellesmere\tgood\tEllesmere
15ad\tfamily\tSVGA\tvirtual\tVMware
"""
FIGURES = "".join("%s\t%d\tG3D 2099-01-02\n" % f for f in (("GeForce GTX 970", 9636), ("Radeon R9 290", 8139),
                                                              ("good", 9000), ("bad", 6000)))  # rules name these


def write(path, text):
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


class GpuSelection(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.mkdtemp()
        self.pciids = os.path.join(self.tmp, "pci.ids")
        self.rules = os.path.join(self.tmp, "rules.tsv")
        write(self.pciids, PCIIDS)
        write(self.rules, RULES)
        self.figures = os.path.join(self.tmp, "figures.tsv")
        write(self.figures, FIGURES)

    def tearDown(self):
        shutil.rmtree(self.tmp)

    def test_pciids_parsing_keeps_devices_and_stops_at_classes(self):
        version, devices = read_pciids(self.pciids)
        self.assertEqual(version, "2099.01.02")
        self.assertEqual(devices["10de"][0], ("13c2", "GM204 [GeForce GTX 970]"))
        self.assertEqual(len(devices["10de"]), 9)  # the subsystem line is not a device
        self.assertNotIn("00", [d for d, _ in devices["1002"]])

    def test_each_device_lands_on_the_list_its_family_and_products_give(self):
        figures = Figures(self.figures)
        self.assertEqual(figures.bar, 7325)  # 90 % of the slower reference
        rules = read_rules(self.rules, figures)
        cases = [
            ("10de", "GM204 [GeForce GTX 970]", "good"),
            ("10de", "GM204M [GeForce GTX 960 OEM / 970M]", "bad"),  # ranked by the weaker product
            ("10de", "GM204M [GeForce GTX 980M / Max-Q]", "bad"),  # the variant is the "980M Max-Q"
            ("10de", "GM204", "good"),  # at its family's figure
            ("10de", "GM206 [GeForce GTX 960]", "bad"),
            ("10de", "GM204GL [Tesla M60]", "none"),
            ("10de", "GP106M [GeForce GTX 1050 Ti Mobile]", "bad"),  # below the bar in a good family
            ("1002", "Ellesmere [Radeon RX 470/480/570/570X/580/580X/590]", "good"),
            ("15ad", "SVGA II Adapter", "bad"),  # a virtual machine's display
        ]
        for vendor, name, expected in cases:
            with self.subTest(name=name):
                self.assertEqual(classify(vendor, name, rules, figures)[0], expected)
        for vendor, name in (("10de", "GM204 High Definition Audio Controller"),
                             ("10de", "NV4 [Riva TNT]"), ("8086", "GM204 [GeForce GTX 970]")):
            with self.subTest(name=name):
                self.assertIsNone(classify(vendor, name, rules, figures))

    def test_selection_writes_upper_case_ids_with_provenance(self):
        version, rows = select(self.pciids, self.rules, self.figures)
        by_id = {(r[0], r[1]): r for r in rows}
        self.assertEqual(by_id[("10DE", "13C2")][2:5],
                         ["good", "GM204 [GeForce GTX 970]", "pci.ids 2099.01.02"])
        self.assertNotIn(("10DE", "0FBB"), by_id)
        self.assertEqual(len(rows), 8)

    def test_rule_mistakes_are_refused(self):
        for bad in ("10de\tfamily\t^GM\tGTX 980\tx\n", "10de\tbrand\t^GM\tgood\tx\n",
                    "10de\tfamily\t(\tgood\tx\n", "10de\tfamily\t^GM good x\n"):
            with self.subTest(rule=bad):
                write(self.rules, bad)
                with self.assertRaises(TableError):
                    read_rules(self.rules, Figures(self.figures))
        write(self.figures, "GeForce GTX 970\t9636\tx\n")
        self.assertRaises(TableError, Figures, self.figures)  # a reference without figure


GOLD = "".join("Intel Xeon Gold 61%d0 @ 2.50GHz\t2100\t25000\tx\n" % i for i in range(1, 4))
DOUBTFUL = "Intel Xeon Gold 6133 @ 2.50GHz\t1429\t1172\tx\n"  # multi-thread below single for 20 cores


def minimal_tables(folder):
    write(os.path.join(folder, "meta.tsv"), "Version\t2099.01.02\tx\nMemory good min\t4\tx\n"
          "CPU reference 1\tREF\tx\nCPU reference 2\tFX\tx\nCPU share\t0.9\tx\n")
    write(os.path.join(folder, "cpu_bench.tsv"), "REF\t2000\t5000\tx\nFX\t1500\t6000\tx\n"
          "SLOW\t1000\t1000\tx\nOLD\t-\t4000\tx\n")
    write(os.path.join(folder, "cpu_rules.tsv"), "good\ti5-14\tREF\tx\n")
    write(os.path.join(folder, "cpu_brands.tsv"), "")
    write(os.path.join(folder, "cpu_spelled.tsv"), "")
    write(os.path.join(folder, "cpu_changes.tsv"), "")
    write(os.path.join(folder, "cpu_figure_checks.tsv"), "")
    write(os.path.join(folder, "os.tsv"), "good\tWindows 10\tx\nbad\tWindows 5.1\tx\n")
    write(os.path.join(folder, "cpu_families.tsv"),
          "intel\tIntel(R) Core(TM) {model} CPU @ {arg}GHz\tx\nplain\tIntel(R) Core(TM) {model}\tx\n")
    write(os.path.join(folder, "cpu_models.tsv"),
          "intel\tREF\ti5-4590\t3.30\tx\nplain\t-\ti5-14400\t-\tx\nintel\tSLOW\ti3-4130\t3.40\tx\n")
    write(os.path.join(folder, "gpu_pciids.tsv"),
          "10DE\t13C2\tgood\tGM204 [GeForce GTX 970]\tpci.ids x\tx\n"
          "10DE\t1401\tbad\tGM206 [GeForce GTX 960]\tpci.ids x\tx\n"
          "10DE\t13C1\tnone\tGM204\tpci.ids x\tx\n")
    write(os.path.join(folder, "gpu_extra.tsv"), "")
    write(os.path.join(folder, "gpu_marks.tsv"), "GeForce GTX 970\tGeForce GTX 970\t9636\tx\nGeForce GTX 960\t-\t-\tx\n")
    write(os.path.join(folder, "families.tsv"), "GM204\tGeForce GTX 970/980\tx\nGM206\tGeForce GTX 950/960\tx\n"
          "x\tCore 14th gen\tx\n")
    write(os.path.join(folder, "gpu_rules.tsv"),
          "10de\tfamily\t^GM204\tgood\tGM204: x\n10de\tfamily\t^GM206\tbad\tGM206\n")
    for name, text in (("gpu_figures.tsv", FIGURES), ("gpu_rank_changes.tsv", ""), ("gpu_kernel.tsv", ""),
                       ("gpu_revisions.tsv", "")):
        write(os.path.join(folder, name), text)
    write(os.path.join(folder, "usb_controllers.tsv"), "1B21\t*\ttrouble\tASMedia\tx\n")


class Generation(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.mkdtemp()
        minimal_tables(self.tmp)

    def tearDown(self):
        shutil.rmtree(self.tmp)

    def append(self, name, text):
        with open(os.path.join(self.tmp, name), "a", encoding="utf-8") as f:
            f.write(text)

    def test_document_is_built_from_the_tables_and_renders_as_the_same_json(self):
        src = Sources(self.tmp)
        self.assertEqual(check_sources(src), ["CPU good list has 2 entries, fewer than 400"])
        doc = src.document()
        self.assertEqual(doc["CPU"]["Good list"], ["Intel(R) Core(TM) i5-4590 CPU @ 3.30GHz",
                                                   "Intel(R) Core(TM) i5-14400"])
        self.assertEqual(doc["GPU"], {"Good list": [["10DE", "13C2"]], "Bad list": [["10DE", "1401"]],
                                      "Good revisions": [], "Bad revisions": []})
        self.assertEqual(doc["Memory"], {"Good min": 4})
        text = render(doc)
        self.assertEqual(json.loads(text), doc)
        self.assertIn('\n            ["10DE", "13C2"]\n', text)  # one entry per line
        self.assertEqual(check_document(json.loads(text), src), [])

    def test_figures_name_each_entrys_products_and_what_ranked_it(self):
        self.append("cpu_bench.tsv", GOLD + DOUBTFUL)  # set aside for the rule below
        self.append("cpu_figure_checks.tsv", "Intel Xeon Gold 6133 @ 2.50GHz\t-\t-\tx\tx\n")
        self.append("cpu_rules.tsv", "good\tGold 6133\tREF\tXeon Gold: many cores\n")
        self.append("families.tsv", "Xeon Gold\tXeon Scalable\tx\n")
        self.append("cpu_brands.tsv",
                    "Intel(R) Xeon(R) Gold 6133 CPU @ 2.50GHz\tIntel Xeon Gold 6133 @ 2.50GHz\tx\n")
        self.append("gpu_pciids.tsv", "10DE\t13D8\tgood\tGM204M [GeForce GTX 980M / 970M]\tpci.ids x\tx\n"
                    "10DE\t13D7\tgood\tGM204M [GeForce GTX 965M]\tpci.ids x\tx\n"
                    "10DE\t13DA\tgood\tGM204M [GeForce GTX 990M]\tpci.ids x\tx\n"
                    "10DE\t13DB\tgood\tGM204 [GeForce GTX TITAN X]\tpci.ids x\tx\n")
        self.append("gpu_names_reviewed.tsv", "10DE\t13DA\t-\tGeForce GTX 980M / GeForce GTX 970M\tx\n")
        self.append("gpu_marks.tsv", "GeForce GTX 980M\tGeForce GTX 980M\t9700\tx\n"
                    "GeForce GTX 970M\tGeForce GTX 970M\t8000\tx\nGeForce GTX 965M\tGeForce GTX 965M\t6000\tx\n"
                    "GeForce GTX TITAN X\tGeForce GTX TITAN X\t12511\tx\n")
        write(os.path.join(self.tmp, "cpu_marks.tsv"), "Intel Core i5-14400\t25000\tx\n")
        figures = Sources(self.tmp).document()["Figures"]

        def shown(what, lst, i):
            """(own products, family or None, witness or None) of one entry, by name and figures."""
            entry = figures[what][lst][i]
            owns, family, witness = ([entry], None, None) if isinstance(entry, int) else (entry + [None, None])[:3]
            products = figures[what]["Products"]
            return ([products[p] for p in owns], family is not None and figures["Families"][family],
                    witness is not None and products[witness])
        cases = [("CPU", "Good list", 0, ([["Intel Xeon Gold 6133", None, None]], "Xeon Scalable",
                                          ["REF", 2000, 5000])),  # figures set aside: its rule's
                 ("CPU", "Good list", 1, ([["REF", 2000, 5000]], False, False)),  # its own figures
                 # its own multi-thread figure, and the family line that ranks it without a single-thread one
                 ("CPU", "Good list", 2, ([["Intel Core i5-14400", None, 25000]], "Core 14th gen", ["REF", 2000, 5000])),
                 ("CPU", "Bad list", 0, ([["SLOW", 1000, 1000]], False, False)),
                 ("GPU", "Good list", 0, ([["GeForce GTX 970", 9636]], False, False)),
                 ("GPU", "Good list", 1, ([["GeForce GTX 980M", 9700], ["GeForce GTX 970M", 8000]], False, False)),
                 # its own figure says bad where the family line says good: the family decided, no figure is its
                 ("GPU", "Good list", 2, ([["GeForce GTX 965M", 6000]], "GeForce GTX 970/980", ["good", 9000])),
                 # the reviewed names come before pci.ids' brackets
                 ("GPU", "Good list", 3, ([["GeForce GTX 980M", 9700], ["GeForce GTX 970M", 8000]], False, False)),
                 ("GPU", "Good list", 4, ([["GeForce GTX TITAN X", 12511]], False, False)),  # a model without a number
                 ("GPU", "Bad list", 0, ([["GeForce GTX 960", None]], "GeForce GTX 950/960", ["bad", 6000]))]
        for what, lst, i, expected in cases:
            with self.subTest(what=what, lst=lst, i=i):
                self.assertEqual(shown(what, lst, i), expected)
        self.assertEqual(figures["Bars"]["CPU"], [{"reference": "REF", "single": 1800, "multi": 4500},
                                                  {"reference": "FX", "single": 1350, "multi": 5400}])
        self.assertEqual((figures["Bars"]["GPU"]["value"], figures["Bars"]["Memory"]["value"]), (7325, 4))
        self.append("gpu_pciids.tsv", "10DE\t13D9\tgood\tGM204M [GeForce GTX 975M]\tpci.ids x\tx\n")
        with self.assertRaisesRegex(TableError, "975M.*import-gpu-figures"):
            Sources(self.tmp).document()
        write(os.path.join(self.tmp, "cpu_marks.tsv"), "Intel Core i5-14400\t4000\tx\n")
        with self.assertRaisesRegex(TableError, "i5-14400.*below every bar"):
            Sources(self.tmp).document()

    def test_processor_ranks_follow_the_figures(self):
        # bars: single 1800 and multi 4500 (REF), or single 1350 and multi 5400 (FX)
        cases = [((1800, 4500), "good"), ((1799, 5399), "bad"), ((1350, 5400), "good"),
                 ((1349, 9000), "bad"), ((9000, 4499), "bad"), ((None, 4499), "bad")]
        for (single, multi), expected in cases:
            with self.subTest(single=single, multi=multi):
                minimal_tables(self.tmp)
                self.append("cpu_bench.tsv", "X\t%s\t%d\tx\n" % (single or "-", multi))
                self.append("cpu_brands.tsv", "Some CPU\tX\tx\n")
                cpu = Sources(self.tmp).document()["CPU"]
                self.assertIn("Some CPU", cpu[expected.capitalize() + " list"])

    def test_table_faults_are_reported(self):
        cases = [
            ("os.tsv", "good\tWINDOWS 10\tx\n", "already listed"),
            ("os.tsv", "bad\tWindows  7\tx\n", "not space-collapsed"),
            ("cpu_models.tsv", "plain\tREF\ti9-14900K with a name far too long for CPUID\t-\tx\n",
             "longer than a brand string"),
            ("gpu_extra.tsv", "10DE\t13C2\tbad\tdup\tx\tx\n", "already listed"),
            ("gpu_extra.tsv", "10DE\t1C02\tbad\tGP106\tx\tx\n", "no adapter the rules judge"),
            ("gpu_rank_changes.tsv", "10DE\t13C1\tgood\tbad\tx\n", "is none now, not bad"),
            ("gpu_rules.tsv", "10de\tfamily\t^GZ9\tgood\tx\n", "takes no adapter"),
            ("gpu_revisions.tsv", "10DE\t13C2\tC1\tbad\tGM204 [GeForce GTX 970]\tx\tx\n", "the rules give"),
        ]
        for table, line, expected in cases:
            with self.subTest(line=line):
                minimal_tables(self.tmp)
                self.append(table, line)
                problems = check_sources(Sources(self.tmp))
                self.assertTrue(any(expected in p for p in problems), problems)

    def test_malformed_rows_are_refused(self):
        cases = [
            ("cpu_models.tsv", "intel\tREF\ti5-4690\t-\tx\n"),  # pattern needs a clock
            ("cpu_models.tsv", "plain\t-\ti5-14600\t3.50\tx\n"),  # pattern takes none
            ("cpu_models.tsv", "nosuch\tREF\tx\t-\tx\n"),
            ("cpu_models.tsv", "plain\tNONE\ti5-4690\t-\tx\n"),  # no figures
            ("cpu_models.tsv", "plain\t-\ti3-4130\t-\tx\n"),  # no figures, no rule
            ("cpu_brands.tsv", "AMD FX-4100\tOLD\tx\nAMD FX-8100\t-\tx\n"),
            ("cpu_rules.tsv", "bad\tFX\tREF\tx\n"),  # the witness is good
            ("cpu_rules.tsv", "unknown\ti3-4130\t-\tx\n"),  # outranks the model's own figures
            ("cpu_changes.tsv", "Intel(R) Core(TM) i3-4130 CPU @ 3.40GHz\tgood\tgood\tx\n"),
            ("cpu_bench.tsv", GOLD + DOUBTFUL),  # a doubtful figure nobody reviewed
            ("cpu_figure_checks.tsv", "REF\t-\t-\tx\tx\n"),  # a review of figures that pass
            ("os.tsv", "maybe\tWindows 8\tx\n"),
            ("gpu_extra.tsv", "10de\t13c0\tgood\tx\tx\tx\n"),  # ids are upper-case hex
            ("gpu_extra.tsv", "10DE\t13C0\tgood\tx\tx\n"),  # a column short
        ]
        for table, line in cases:
            with self.subTest(line=line):
                minimal_tables(self.tmp)
                self.append(table, line)
                with self.assertRaises(TableError):
                    Sources(self.tmp)

    def test_document_checks_catch_invalid_or_foreign_entries(self):
        src = Sources(self.tmp)
        good = src.document()
        cases = [
            (lambda d: d.update(Version=3), "Version"),
            (lambda d: d["OS"].update({"Bad list": []}), "OS/Bad list"),
            (lambda d: d["Memory"].update({"Good min": "4"}), "Good min"),
            (lambda d: d["Memory"].update({"Good min": 0}), "Good min"),
            (lambda d: d["GPU"]["Bad list"].append(["10DE", "13C2"]), "both lists"),
            (lambda d: d["GPU"]["Good list"].append(["10DE", "13C1"]), "no source table"),
            (lambda d: d["GPU"]["Good list"].append(["10DE"]), "pair"),
            (lambda d: d["CPU"]["Good list"].append("Typed by hand"), "no source table"),
            (lambda d: d["Figures"]["CPU"]["Good list"].pop(), "one entry per list entry"),
            (lambda d: d["Figures"]["GPU"]["Bad list"].__setitem__(0, "9"), "names no product"),
            (lambda d: d["Figures"]["CPU"]["Products"].append("x|1"), "is not"),
            (lambda d: d["Figures"]["Bars"]["GPU"].update(value="7325"), "lacks a number"),
        ]
        for change, expected in cases:
            with self.subTest(expected=expected):
                doc = json.loads(json.dumps(good))
                change(doc)
                problems = check_document(doc, src)
                self.assertTrue(any(expected in p for p in problems), problems)

    def test_diff_command_fails_on_a_hand_edit(self):
        out = os.path.join(self.tmp, "comp.json")
        self.append("cpu_models.tsv", "".join("plain\t-\ti5-14%d\t-\tx\n" % n for n in range(400)))
        self.assertEqual(compgen.main(["--data", self.tmp, "generate", "--out", out]), 0)
        self.assertEqual(compgen.main(["--data", self.tmp, "diff", out]), 0)
        with open(out, encoding="utf-8") as f:
            text = f.read()
        write(out, text.replace('"Good min": 4', '"Good min": 8'))
        self.assertEqual(compgen.main(["--data", self.tmp, "diff", out]), 1)


class CpuSpelling(unittest.TestCase):
    FIGURES = {"Intel Xeon E5-2670 @ 2.60GHz": 0, "Intel Xeon E5-2690 @ 2.90GHz": 0,
               "Intel Xeon E5-2603 @ 1.80GHz": 0}
    LINE = (re.compile(r"^Intel Xeon (E5-\d{4}) @ ([\d.]+)GHz$"), r"Intel(R) Xeon(R) CPU \1 0 @ \2GHz", "s.tsv:1")

    def test_unreported_models_are_spelled_as_their_reported_family(self):
        reported = {"Intel Xeon E5-2670 @ 2.60GHz": {"intel(r) xeon(r) cpu e5-2670 0 @ 2.60ghz"}}
        rows = spell(self.FIGURES, [self.LINE], reported, lambda name, key: "2603" in key)
        self.assertEqual(rows, [["Intel(R) Xeon(R) CPU E5-2690 0 @ 2.90GHz", "Intel Xeon E5-2690 @ 2.90GHz",
                                 "s.tsv:1 from the PassMark name"]])  # 2670 reported, 2603 taken

    def test_a_spelling_its_reports_contradict_is_refused(self):
        reported = {"Intel Xeon E5-2670 @ 2.60GHz": {"intel(r) xeon(r) cpu e5-2670 @ 2.60ghz"}}
        with self.assertRaises(ValueError):
            spell(self.FIGURES, [self.LINE], reported, lambda name, key: False)


class FigureChecks(unittest.TestCase):
    def test_figures_that_cannot_be_true_are_found(self):
        family = {"Intel Xeon Gold 61%d0 @ 2.50GHz" % i: (2100, 25000) for i in range(1, 5)}
        family.update({"Intel Core2 Duo E84%d0 @ 3.00GHz" % i: (1240, 1170) for i in range(1, 5)})
        cases = [("Intel Xeon Gold 6133 @ 2.50GHz", (1429, 1172), True),  # multi below single, 20 cores
                 ("Intel Xeon Gold 6133 @ 2.50GHz", (1400, 24000), True),  # single far below its siblings'
                 ("Intel Xeon Gold 6133 @ 2.50GHz", (2000, 5000), True),  # multi far below
                 ("Intel Xeon Gold 6133 @ 2.50GHz", (2050, 20000), False),
                 ("Intel Xeon Gold 6133 @ 3.50GHz", (1400, 24000), False),  # no sibling at that clock
                 ("Intel Core2 Duo E8400 @ 3.00GHz", (1241, 1170), False)]  # two cores: multi < single is real
        for key, pair, doubtful in cases:
            with self.subTest(key=key, pair=pair):
                self.assertEqual(key in doubts(dict(family, **{key: pair})), doubtful)


class KernelIds(unittest.TestCase):
    def test_unnamed_amd_ids_take_their_chip_from_the_driver_tables(self):
        amdgpu = ("\t0x9900,\n\t{0x1002, 0x6830, PCI_ANY_ID, PCI_ANY_ID, 0, 0, CHIP_VERDE|AMD_IS_MOBILITY},\n"
                  "\t{0x1002, 0x67df, PCI_ANY_ID, PCI_ANY_ID, 0, 0, CHIP_POLARIS10},\n")
        tables = [("amdgpu", read_pciidlist(amdgpu)), ("radeon", [("6830", "CAYMAN"), ("9402", "R600")])]
        figures = Figures(os.path.join(TOOL, "data", "gpu_figures.tsv"))
        rules = read_rules(os.path.join(TOOL, "data", "gpu_rules.tsv"), figures)
        rows = [r[1:5] for r in kernel_rows(tables, {"67DF"}, rules, figures)]  # pci.ids names 67DF
        self.assertEqual(rows, [["6830", "bad", "Cape Verde", "amdgpu CHIP_VERDE"],
                                ["9402", "bad", "R600", "radeon CHIP_R600"]])
        self.assertRaises(ValueError, kernel_rows, [("x", [("1234", "NEWCHIP")])], set(), rules, figures)


class ShippedTables(unittest.TestCase):
    """The reviewed tables hold what the bar says, for a few well-known parts."""

    @classmethod
    def setUpClass(cls):
        cls.src = Sources(os.path.join(TOOL, "data"))
        cls.doc = cls.src.document()

    def test_reference_processors(self):
        good = set(self.doc["CPU"]["Good list"])
        bad = set(self.doc["CPU"]["Bad list"])
        for name in ("Intel(R) Core(TM) i5-4590 CPU @ 3.30GHz", "AMD FX(tm)-8350 Eight-Core Processor",
                     "AMD Ryzen 5 3600 6-Core Processor", "12th Gen Intel(R) Core(TM) i5-12400F",
                     "11th Gen Intel(R) Core(TM) i7-11700K @ 3.60GHz"):
            self.assertIn(name, good)
        for name in ("AMD FX(tm)-6300 Six-Core Processor", "Intel(R) Core(TM)2 Quad CPU Q6600 @ 2.40GHz",
                     "Intel(R) Core(TM) i3-4130 CPU @ 3.40GHz"):
            self.assertIn(name, bad)
        self.assertGreaterEqual(len(good), 400)

    def test_reference_adapters(self):
        good = {tuple(p) for p in self.doc["GPU"]["Good list"]}
        bad = {tuple(p) for p in self.doc["GPU"]["Bad list"]}
        for pair in (("10DE", "13C2"), ("10DE", "1B81"), ("1002", "67B1"), ("1002", "67DF"),
                     ("10DE", "2684"), ("8086", "56A0")):
            self.assertIn(pair, good)  # GTX 970, GTX 1070, R9 290, RX 480, RTX 4090, Arc A770
        for pair in (("10DE", "1401"), ("10DE", "1C82"), ("1002", "67FF"), ("8086", "3E92"), ("8086", "56C0")):
            self.assertIn(pair, bad)  # GTX 960, GTX 1050 Ti, RX 560, UHD 630, a media card without outputs
        for pair in (("10DE", "10F0"), ("1002", "AAF0")):
            self.assertNotIn(pair, good | bad)  # audio functions

    def test_reference_systems(self):
        good = set(self.doc["OS"]["Good list"])
        self.assertIn("Windows 7 Version 6.1 (Build 7601: SP 1)", good)
        self.assertIn("Windows 10 Version 2009", good)
        self.assertIn("Windows 11 Version 2009", good)
        self.assertIn("Debian GNU/Linux 12 (bookworm)", good)
        self.assertIn("Windows 8 Version 6.2 (Build 9200)", self.doc["OS"]["Bad list"])


if __name__ == "__main__":
    unittest.main(verbosity=1)
