"""Ranks display adapters by their 3D benchmark figure (see data/gpu_rules.tsv, data/gpu_figures.tsv)."""

import re

from tables import TableError, read_table

RULE_COLUMNS = ["vendor", "kind", "pattern", "figure", "note"]
FIGURE_COLUMNS = ["product", "g3d", "source"]
GPU_COLUMNS = ["vendor", "device", "list", "name", "source", "reason"]
VERDICTS = ("good", "bad", "none")
# The stated minimum names two cards; an adapter is good when its figure reaches this share of the
# weaker of them. One benchmark run differs from the next by several per cent (drivers, processor,
# cooling), so a card within a tenth of the slower reference is its equivalent.
REFERENCES = ("GeForce GTX 970", "Radeon R9 290")
BAR_SHARE = 0.9
NO_GRAPHICS = "none"  # the figure of a chip or product without a figure to rank it by (neither list)
NO_3D = "no-3d"  # the figure of a chip without 3D acceleration for Windows: it runs no 3D benchmark
# The figure of a virtual machine's display adapter: what 3D it offers is borrowed from the host or
# drawn in software, and no headset can be attached to it.
VIRTUAL = "virtual"
# The figure of a board without display output (compute, inference, mining and cloud boards): whatever
# it computes, no headset can be attached to it.
NO_OUTPUT = "no-output"
NO_OUTPUT_RULE = "no display output: no headset can be attached"
# Figures that rank bad whatever a product behind the family could do.
NO_HEADSET = (NO_3D, VIRTUAL, NO_OUTPUT)


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


class Figures:
    """The benchmark figure of every product a rule names, and the bar derived from them."""

    def __init__(self, path):
        self.g3d = {}
        self.rows = read_table(path, FIGURE_COLUMNS)
        for row in self.rows:
            if row["product"] in self.g3d:
                raise TableError("%s: %r has a figure already" % (row.where(), row["product"]))
            if not re.fullmatch(r"[1-9][0-9]*", row["g3d"]):
                raise TableError("%s: the figure %r is not a whole number" % (row.where(), row["g3d"]))
            self.g3d[row["product"]] = int(row["g3d"])
        for figure in NO_HEADSET:
            self.g3d[figure] = 0
        missing = [r for r in REFERENCES if r not in self.g3d]
        if missing:
            raise TableError("%s: no figure for the reference %s" % (path, ", ".join(missing)))
        self.bar = int(BAR_SHARE * min(self.g3d[r] for r in REFERENCES))

    def verdict(self, figure):
        return "good" if figure >= self.bar else "bad"


FIGURES_HEADER = [
    "PassMark G3D Mark of every product gpu_rules.tsv names, and of the two reference cards of the minimum",
    "(\"NVIDIA GeForce (R) GTX 970 or AMD RadeonTM R9 290 equivalent or faster\").",
    "Source, one throughout: the average G3D Mark of www.videocardbenchmark.net/gpu_list.php as of %s,",
    "read from its daily public copy in github.com/lainbo/cpu-mark (%s, commit %s).",
    "product is PassMark's name for the card, exactly as listed there. Refresh: compgen.py import-gpu-figures.",
    "The bar: 90 % of the weaker reference (R9 290); compgen.py check prints it. One G3D run differs from the",
    "next by several per cent (driver, processor, cooling), so a card within a tenth of the slower reference is",
    "its equivalent; a stricter bar would call cards that run the same games as an R9 290 too slow.",
]
PASSMARK_GPU_FILE = "src/assets/staticData/gpuData.json"


def refreshed_figures(path, rules_path, marks, date, commit):
    """The figure table from marks ({PassMark name: mark}) of that day: every product it lists and every
    product a rule names, strongest first."""
    products = [r["product"] for r in read_table(path, FIGURE_COLUMNS)]
    for rule in read_table(rules_path, RULE_COLUMNS):
        if rule["kind"] != "skip" and rule["figure"] not in products + [NO_GRAPHICS, *NO_HEADSET]:
            products.append(rule["figure"])
    missing = [p for p in products if p not in marks]
    if missing:
        raise TableError("not in the PassMark list of %s: %s" % (date, ", ".join(missing)))
    rows = [[p, str(marks[p]), "PassMark G3D Mark " + date] for p in products]
    rows.sort(key=lambda r: -int(r[1]))
    header = FIGURES_HEADER[:2] + [FIGURES_HEADER[2] % date, FIGURES_HEADER[3] % (
        PASSMARK_GPU_FILE, commit)] + FIGURES_HEADER[4:]
    return header, rows


def read_rules(path, figures):
    rules = []
    for row in read_table(path, RULE_COLUMNS):
        kind, figure = row["kind"], row["figure"]
        if kind not in ("skip", "family", "product"):
            raise TableError("%s: unknown kind %r" % (row.where(), kind))
        if kind == "skip":
            figure = None
        elif figure == NO_GRAPHICS:
            pass
        elif figure not in figures.g3d:
            raise TableError("%s: no figure for %r in gpu_figures.tsv" % (row.where(), figure))
        try:
            pattern = re.compile(row["pattern"])
        except re.error as e:
            raise TableError("%s: bad pattern: %s" % (row.where(), e))
        rules.append((row["vendor"].lower(), kind, pattern, figure, row["note"]))
    return rules


def products_of(name):
    """The products a pci.ids name lists in its trailing brackets, one per '/' part.

    A part without a model number ("GeForce RTX 3070 Mobile / Max-Q") is a variant of
    the part before it and is named in full ("GeForce RTX 3070 Max-Q")."""
    m = re.search(r"\[([^\[\]]*)\]\s*$", name)
    if not m:
        return []
    products = []
    for part in (p.strip() for p in m.group(1).split("/")):
        if part and products and not re.search(r"\d", part):
            part = re.sub(r"\s+(Mobile|Laptop GPU|Max-Q)$", "", products[-1]) + " " + part
        if part:
            products.append(part)
    return products


def classify(vendor, name, rules, figures):
    """Returns (list, reason) for one device, or None when it is no adapter we judge."""
    judged = judge(vendor, name, rules, figures)
    return judged[:2] if judged else None


def judge(vendor, name, rules, figures):
    """Returns (list, reason, figure, family) for one device, or None when it is no adapter we judge.

    Every product the name lists is taken at its own figure (a product rule) or at its
    family's; the ID is ranked by the weakest of them, as one ID may be any of them.
    figure: the gpu_figures.tsv product the rank rests on (None when no benchmark stands
    behind it); family: the family line's note when that figure is the family's."""
    mine = [r for r in rules if r[0] == vendor]
    if any(kind == "skip" and pat.search(name) for _, kind, pat, _, _ in mine):
        return None
    family = next(((figure, note) for _, kind, pat, figure, note in mine
                   if kind == "family" and pat.search(name)), None)
    if family is None:
        return None
    if family[0] == NO_GRAPHICS:
        return "none", family[1], None, None
    ranked = []
    for product in products_of(name) or [name]:
        figure = family[0] if family[0] in NO_HEADSET else next(  # nothing faster behind it
            (f for _, kind, pat, f, _ in mine if kind == "product" and pat.search(product)), None)
        ranked.append((product, figure or family[0], figure is None))
    graphics = [r for r in ranked if r[1] != NO_GRAPHICS]
    if not graphics:
        return "none", family[1] + "; no figure", None, None
    product, figure, by_family = min(graphics, key=lambda r: figures.g3d[r[1]])
    shown = (None if figure in NO_HEADSET else figure), (family[1] if by_family else None)
    if figure == NO_OUTPUT:
        return ("bad", "%s; %s: %s" % (family[1], product, NO_OUTPUT_RULE)) + shown
    g3d = figures.g3d[figure]
    verdict = figures.verdict(g3d)
    reason = "%s; G3D %d (%s) %s %d" % (family[1], g3d, figure, ">=" if verdict == "good" else "<",
                                         figures.bar)
    if len({r[1] for r in graphics}) > 1:
        reason += "; weakest of its products: " + product
    return (verdict, reason) + shown


def idle_families(rows, rules_path, figures_path):
    """The family lines that take none of the adapters of the tables: a pattern that an earlier one
    shadows (or that no name matches) would otherwise look like a rule that ranks something."""
    rules = read_rules(rules_path, Figures(figures_path))
    taken = set()
    for row in rows:
        vendor, name = row["vendor"].lower(), row["name"]
        mine = [(i, r) for i, r in enumerate(rules) if r[0] == vendor]
        if any(r[1] == "skip" and r[2].search(name) for _, r in mine):
            continue
        taken.add(next((i for i, r in mine if r[1] == "family" and r[2].search(name)), None))
    return ["%s family %r (%s)" % (r[0], r[2].pattern, r[4])
            for i, r in enumerate(rules) if r[1] == "family" and i not in taken]


def rank_rows(rows, rules_path, figures_path):
    """The rows (of gpu_extra.tsv) with list and reason as the rules give them for each name."""
    figures = Figures(figures_path)
    rules = read_rules(rules_path, figures)
    ranked = []
    for row in rows:
        judged = classify(row["vendor"].lower(), row["name"], rules, figures)
        if judged is None:
            raise TableError("%s: %r is no adapter the rules judge" % (row.where(), row["name"]))
        ranked.append([row["vendor"], row["device"], judged[0], row["name"], row["source"], judged[1]])
    return ranked


def select(pciids_path, rules_path, figures_path):
    """Rows of the pci.ids adapter table: one per judged device, in pci.ids order."""
    version, devices = read_pciids(pciids_path)
    figures = Figures(figures_path)
    rules = read_rules(rules_path, figures)
    vendors = []
    for r in rules:
        if r[0] not in vendors:
            vendors.append(r[0])
    rows = []
    for vendor in vendors:
        for device, name in devices.get(vendor, []):
            judged = classify(vendor, name, rules, figures)
            if judged is None:
                continue
            verdict, reason = judged
            rows.append([vendor.upper(), device.upper(), verdict, name,
                         "pci.ids " + version, reason])
    return version, rows
