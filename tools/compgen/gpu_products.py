"""The products a listed adapter can be, by the names users know, and each product's own G3D Mark.

Names: the products pci.ids lists in a name's brackets; where it lists none, or only a brand (a platform
such as "2nd Generation Core Processor Family Integrated Graphics Controller", a codename such as
"Phoenix1", "Radeon Vega Series"), those Mesa's Intel table, Intel's driver or libdrm's amdgpu.ids give for
the ID (data/gpu_names.tsv). Figures: the matching step below ties each name to one row of PassMark's list
(data/gpu_marks.tsv, written by compgen.py import-gpu-figures); a name it cannot tie keeps a null figure.

The matching step, first that applies:
 1. data/gpu_matches.tsv, the reviewed exceptions (each with its source), "-" for no figure;
 2. the name itself or its spellings in PassMark's list (case aside): "Intel " before Intel's products,
    "HD Graphics 4000" as "HD 4000", "Mobile" as "(Mobile)" or "Laptop GPU" (AMD's: also without it),
    "Max-Q" as "with Max-Q Design", a trailing "Graphics", "Series" or "Chipset (Family)" dropped;
    a laptop part is never matched to its desktop namesake;
 3. the first product line of data/gpu_rules.tsv that matches the pci.ids part, when its figure is the
    product's own (its note does not rank it at another product's figure).
"""

import os
import re

from tables import TableError, read_table

NAME_COLUMNS = ["vendor", "device", "revision", "products", "source"]
MARK_COLUMNS = ["product", "passmark", "g3d", "source"]
MATCH_COLUMNS = ["product", "passmark", "source"]
INTEL = "8086"
BRANDS = ("GeForce", "Quadro", "TITAN", "Tesla", "NVS", "RTX", "Radeon", "FirePro", "FireGL", "Instinct",
          "Arc", "Iris", "HD", "UHD", "Intel", "Mobility", "ATI")
# A product line's note that ranks the product at another's figure, which is then not the product's own.
_PROXY = re.compile(r"no PassMark figure|without a PassMark figure|figure only for|weaker of|ranked at")
_VARIANT = re.compile(r"^(Mobile|Max-Q|Laptop GPU|Mobile Refresh|Max-Q Refresh)$")


def clean(name):
    """A marketing name without marks and the company: "AMD Radeon(TM) 780M Graphics" gives "Radeon 780M"."""
    name = re.sub(r"\((R|TM|tm)\)|[®™]", "", name)
    name = re.sub(r"^(AMD|Intel|NVIDIA|ATI)\s+", "", " ".join(name.split()))
    return re.sub(r"(\S*\d\S*) Graphics$", r"\1", name)


def split_products(name):
    """[(part, product)] of the products a pci.ids name lists in its trailing brackets: part as
    gpu_rules.tsv's product lines read it, product as users know it ("Navi 33 [Radeon RX 7600/7600 XT]"
    gives "Radeon RX 7600" and "Radeon RX 7600 XT")."""
    m = re.search(r"\[([^\[\]]*)\]\s*$", name)
    if not m:
        return []
    out = []
    for part in (p.strip() for p in m.group(1).split("/")):
        if not part:
            continue
        product = part
        if out and _VARIANT.match(part):
            product = re.sub(r"\s+(Mobile|Laptop GPU|Max-Q)$", "", out[-1][1]) + " " + part
            part = product
        elif out and part.split()[0] not in BRANDS:
            product = " ".join(_prefix(out[-1][1], part.split()[0]) + [part])
        out.append((part, clean(product)))
    return out


def own_name(name):
    """A pci.ids name that is itself a product ("HD Graphics 510"), as [(name, product)]."""
    return [(name, clean(name))] if name.split()[0] in BRANDS and re.search(r"\d", name) else []


def specific(product):
    """Whether a marketing name names one product ("Radeon 780M"), not a brand ("Intel(R) Graphics")."""
    return bool(re.search(r"\d|Iris (Xe|Plus)", product))


def _prefix(first, word):
    """The words a bare part ("7600 XT", "M265", "PRO W7600") takes from the product before it:
    the series before the model ("Radeon RX", "Radeon R7"), or the brand alone for a part naming its own
    series."""
    words = first.split()
    if not words or words[0] not in BRANDS:
        return []
    if re.match(r"^(R\d+E?|RX|HD|PRO|Pro|Vega|FirePro)$", word) or not re.search(r"\d", word):
        return words[:1]
    last = max((i for i, w in enumerate(words) if re.search(r"\d", w)), default=len(words))
    if word[0].isdigit() and last < len(words) and not words[last][0].isdigit():
        return words[:1]  # "M445 / 530": a number after a lettered model starts another series
    return words[:last]


def spellings(vendor, product):
    """PassMark spellings of a product, most literal first (step 3 of the matching)."""
    names = [product]
    mobile = re.match(r"^(.*?) (Mobile|Laptop GPU|Laptop)$", product)
    maxq = re.match(r"^(.*?) Max-Q$", product)
    if mobile:
        names += [mobile.group(1) + " (Mobile)", mobile.group(1) + " Laptop GPU"]
    elif maxq:
        names += [maxq.group(1) + " with Max-Q Design"]
    if vendor == "1002" and mobile:
        names.append(mobile.group(1))  # AMD's "Mobile" names parts that exist only in laptops
    names += [re.sub(r" (Graphics|Series|Chipset Family|Chipset)$", "", n) for n in names
              if re.search(r" (Graphics|Series|Chipset Family|Chipset)$", n)]
    if vendor == INTEL:
        names += ["Intel " + n for n in names] + ["Intel " + re.sub(r"\bGraphics (?=\w*\d)", "", n) for n in names]
    return names


class ProductFigures:
    """Names behind IDs (gpu_names.tsv) and the figure of each named product (gpu_marks.tsv)."""

    def __init__(self, data_dir):
        def table(name, columns):
            path = os.path.join(data_dir, name)
            return read_table(path, columns) if os.path.exists(path) else []
        self.names = {}
        for row in table("gpu_names.tsv", NAME_COLUMNS):
            self.names[(row["vendor"], row["device"], row["revision"])] = row["products"].split(" / ")
        self.marks = {}
        for row in table("gpu_marks.tsv", MARK_COLUMNS):
            if row["product"] in self.marks:
                raise TableError("%s: %r has a row already" % (row.where(), row["product"]))
            if not re.fullmatch(r"-|[1-9][0-9]*", row["g3d"]) or (row["g3d"] == "-") != (row["passmark"] == "-"):
                raise TableError("%s: a figure is a whole number with its PassMark name, or - with -" % row.where())
            self.marks[row["product"]] = None if row["g3d"] == "-" else int(row["g3d"])
        self.matches = {r["product"]: r["passmark"] for r in table("gpu_matches.tsv", MATCH_COLUMNS)}

    def parts(self, vendor, device, name, revision="-"):
        """[(part, product)] an entry can be: its pci.ids products, else those gpu_names.tsv gives; a brand
        without a model ("Radeon Vega Series", "Intel Graphics") names none."""
        listed = [(part, p) for part, p in split_products(name) or own_name(name) if specific(p)]
        if listed:
            return listed
        named = self.names.get((vendor, device, revision)) or self.names.get((vendor, device, "-"), [])
        return [(p, p) for p in named]

    def products(self, vendor, device, name, revision="-"):
        return list(dict.fromkeys(p for _, p in self.parts(vendor, device, name, revision)))

    def figure(self, product):
        """The product's own G3D Mark, None when no PassMark row is its; KeyError when not imported."""
        return self.marks[product]

    def match(self, vendor, part, product, rules, marks, folded):
        """(PassMark name, mark) of one product, or None (the matching step above); folded: marks' names
        by their case-folded spelling."""
        if product in self.matches:
            passmark = self.matches[product]
            return None if passmark == "-" else (passmark, marks[passmark])
        rule = next(((f, note) for v, kind, pat, f, note in rules
                     if v == vendor and kind == "product" and pat.search(part)), None)
        for spelling in spellings(vendor, product):
            if spelling.casefold() in folded:
                passmark = folded[spelling.casefold()]
                return passmark, marks[passmark]
        if rule is not None and rule[0] in marks and not _PROXY.search(rule[1]):
            return rule[0], marks[rule[0]]
        return None


def mark_rows(entries, product_figures, rules, marks, source):
    """Rows of gpu_marks.tsv for every product of entries ([(vendor, part, product)]), in name order."""
    rows, folded = {}, {}
    for passmark in marks:
        folded.setdefault(passmark.casefold(), passmark)
    for vendor, part, product in entries:
        if product in rows:
            continue
        found = product_figures.match(vendor.lower(), part, product, rules, marks, folded)
        rows[product] = [product, found[0], str(found[1]), source] if found else [product, "-", "-", source]
    return [rows[p] for p in sorted(rows)]


def read_mesa_ids(text):
    """{device: marketing name} of a Mesa include/pci_ids table (CHIPSET(0x0166, ..., "Intel(R) ...")),
    upper-case hex."""
    return {m.group(1).upper(): m.group(2)
            for m in re.finditer(r'CHIPSET\(0x([0-9A-Fa-f]{4}),[^"\n]*(?:"[^"\n]*",\s*)?"([^"\n]*)"', text)}


def read_inf_names(text):
    """{device: name} of an Intel driver's [PNPIDS] lines ("PCI\\VEN_8086&DEV_0116 = Intel HD Graphics 3000")."""
    return {m.group(1).upper(): m.group(2).strip()
            for m in re.finditer(r"PCI\\VEN_8086&DEV_([0-9A-Fa-f]{4})\s*=\s*(.+)", text)}


def name_rows(pair_rows, mesa, mesa_source, inf, inf_source, amdgpu, amdgpu_source):
    """Rows of gpu_names.tsv: the products Mesa or, failing it, Intel's driver (Intel) or amdgpu.ids (AMD,
    every revision) name for each listed ID whose pci.ids name lists none that names one product."""
    rows = []
    for row in pair_rows:
        vendor, device = row["vendor"], row["device"]
        if any(specific(p) for _, p in split_products(row["name"]) + own_name(row["name"])):
            continue
        if vendor == INTEL and device in mesa and specific(clean(mesa[device])):
            names, source = [re.sub(r"\s*\([^()]*\)$", "", mesa[device])], mesa_source
        elif vendor == INTEL and device in inf:
            names, source = [inf[device]], inf_source
        elif vendor == "1002" and device in amdgpu:
            names, source = [n for ns in amdgpu[device].values() for n in ns], amdgpu_source
        else:
            continue
        # one name may list several ("AMD Radeon Vega 3 / 10 Graphics"): the table separates products by " / "
        products = list(dict.fromkeys(clean(n).replace(" / ", "/") for n in names if specific(clean(n))))
        if products:
            rows.append([vendor, device, "-", " / ".join(products), source])
    return sorted(rows, key=lambda r: (r[0], r[1]))


def listed_entries(pair_rows, revision_rows, named):
    """[(vendor, part, product)] of every product the lists' entries can be."""
    out = []
    for row in pair_rows:
        out += [(row["vendor"], part, p) for part, p in named.parts(row["vendor"], row["device"], row["name"])]
    for row in revision_rows:
        out += [(row["vendor"], part, p)
                for part, p in named.parts(row["vendor"], row["device"], row["name"], row["revision"])]
    return out
