#!/usr/bin/env python3
"""Share of real machines' components a comparison file ranks good or bad.

Processors: brand strings of reports kept out of the tables the file is made from
(cpu_sample.tsv, up to 2022) and of 2023-on machines gathered apart from them
(cpu_sample_recent.tsv), at least 99.5 % each; every Xeon report kept out
(cpu_sample_xeon.tsv), at least 95 %. Strings the rules leave unknown on purpose
(engineering samples, virtual machines that hide the model) are not counted.
Graphics: the adapters of a hardware-report population (gpu_sample.tsv), weighted
by machines; at least 99.5 %. Labelled adapters (device
IDs as Windows reports them, with the verdict their own G3D figure gives under the rule): at most
1 % ranked the opposite way. Fixture machines: each entry names its own product with a figure within
15 % of the published one, or says that a family decided. It also prints the share of sample rows whose
entry carries the product's own figures (every product the entry can be has one)."""

import json
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
RULES = os.path.join(HERE, "..", "..", "tools", "compgen", "data", "cpu_rules.tsv")
CPU_SAMPLES = (("cpu_sample.tsv", 0.995), ("cpu_sample_recent.tsv", 0.995), ("cpu_sample_xeon.tsv", 0.95))


def sample_rows(name, folder=HERE):
    with open(os.path.join(folder, name), encoding="utf-8") as f:
        return [l.rstrip("\n").split("\t") for l in f if l.strip() and not l.startswith("#")]


# Products that share a device ID with others across the bar; figures from gpu_figures.tsv, bar 7325.
LABELLED = [
    ("PCI\\VEN_1002&DEV_7340&SUBSYS_E4111DA2&REV_C5\\6&2E5A1B9E&0&00000009", "good"),  # RX 5500 XT, 9055
    ("PCI\\VEN_1002&DEV_7340&SUBSYS_50011458&REV_C7", "good"),  # RX 5500, 8847
    ("PCI\\VEN_1002&DEV_7340&SUBSYS_0B0C1028&REV_C1", "bad"),  # RX 5500M, 6043
    ("PCI\\VEN_1002&DEV_7340&SUBSYS_0B0C1028&REV_77", "bad"),  # no product named: the ID's weakest
    ("PCI\\VEN_1002&DEV_743F&SUBSYS_E4521DA2&REV_C1", "good"),  # RX 6500 XT, 9620
    ("PCI\\VEN_1002&DEV_743F&SUBSYS_E4531DA2&REV_C7", "good"),  # RX 6400, 7745
    ("PCI\\VEN_1002&DEV_743F&SUBSYS_0B2A1028&REV_C8", "bad"),  # RX 6500M, 7300
    ("PCI\\VEN_10DE&DEV_1EB8&SUBSYS_12A210DE&REV_A1", "bad"),  # Tesla T4: no display output
    ("PCI\\VEN_1AB8&DEV_4005&SUBSYS_04001AB8&REV_00", "bad"),  # Parallels: virtual
]


# (list, entry, product, published figure): G3D Mark or CPU Mark from PassMark's lists
# (videocardbenchmark.net, cpubenchmark.net; processors of 2023 on: its list of 2023-10-27);
# None where no figure is published and a family line is to decide.
FIXTURES = [
    ("GPU", ("10DE", "2204"), "GeForce RTX 3090", 26000),  # "about 26,000" (issue 32's second source)
    ("GPU", ("10DE", "2882"), "GeForce RTX 4060", 19500),
    ("GPU", ("1002", "7480"), "Radeon RX 7600", 16446),
    ("GPU", ("1002", "130B"), "Radeon R4", 350),  # "about 350"
    ("GPU", ("10DE", "0A65"), "GeForce 210", 140),  # "about 140"
    ("GPU", ("8086", "0166"), "HD Graphics 4000", 340),
    ("CPU", "Intel(R) Core(TM) i9-14900K", "Intel Core i9-14900K", 62910),
    ("CPU", "Intel(R) Core(TM) Ultra 7 265K", "Intel Core Ultra 7 265K", None),
    ("CPU", "Intel(R) Core(TM) Ultra 7 155H", "Intel Core Ultra 7 155H", 21359),
    ("CPU", "AMD Ryzen 7 7800X3D 8-Core Processor", "AMD Ryzen 7 7800X3D", 35140),
]


def entries(comp, what):
    """{list entry (casefolded name or (vendor, device)): its "Figures" entry}."""
    out = {}
    for lst in ("Good list", "Bad list"):
        for listed, entry in zip(comp[what][lst], comp["Figures"][what][lst]):
            out[listed.casefold() if what == "CPU" else tuple(listed)] = entry
    return out


def shown(comp, what, entry):
    """([(product, figure)], family or None) of a figures entry: the figure, the multi-thread one for processors."""
    products = comp["Figures"][what]["Products"]
    owns, family = ([entry], None) if isinstance(entry, int) else (entry[0], entry[1] if len(entry) == 3 else None)
    return [(products[p][0], products[p][-1]) for p in owns], family


def own_share(comp, what, keyed):
    """Share of (key, weight) rows whose entry has a figure for every product it can be."""
    found = entries(comp, what)
    rows = [(found[k], w) for k, w in keyed if found.get(k) is not None]
    own = sum(w for e, w in rows if all(f is not None for _, f in shown(comp, what, e)[0]) and shown(comp, what, e)[0])
    return own / max(1, sum(w for _, w in rows))


def fixture_faults(comp):
    faults = []
    for what, key, product, published in FIXTURES:
        entry = entries(comp, what).get(key.casefold() if what == "CPU" else key)
        products, family = shown(comp, what, entry) if entry is not None else ([], None)
        figure = dict(products).get(product, "absent")
        if figure is None and family is not None and published is None:
            continue  # no figure of its own: the family line decides, in words
        if figure == "absent" or figure is None or published is None or abs(figure - published) > 0.15 * published:
            faults.append("%s %s: shows %s (family %s), expected %s at %s" % (what, key, products, family, product,
                                                                              published))
    return faults


def rank_adapter(gpu, pnp):
    """The rank the engine gives: revision lists first (good, then bad), then the pair lists."""
    m = re.match(r"PCI\\VEN_(\w{4})&DEV_(\w{4})&.*?REV_([0-9A-Fa-f]{2})(?![0-9A-Fa-f])", pnp)
    vendor, device, revision = (g.upper() for g in m.groups())
    for key, entry in (("Good revisions", [vendor, device, revision]), ("Bad revisions", [vendor, device, revision]),
                       ("Good list", [vendor, device]), ("Bad list", [vendor, device])):
        if entry in [[e.upper() for e in listed] for listed in gpu.get(key, [])]:
            return key.split()[0].lower()
    return "unknown"


def report(what, ranked, total, target, missed=()):
    share = ranked / total
    print("%s: %d of %d ranked (%.2f %%, target %g %%)" % (what, ranked, total, 100 * share, 100 * target))
    for name in sorted(set(missed)):
        print("  unranked: " + name)
    return share >= target


def main(comp_path):
    with open(comp_path, encoding="utf-8") as f:
        comp = json.load(f)
    cpus = {n.casefold() for n in comp["CPU"]["Good list"] + comp["CPU"].get("Bad list", [])}
    gpus = {(v.upper(), d.upper()) for v, d in comp["GPU"]["Good list"] + comp["GPU"].get("Bad list", [])}
    unknown = [re.compile(r[1], re.I) for r in sample_rows(os.path.basename(RULES), os.path.dirname(RULES))
               if r[0] == "unknown"]
    ok = True
    for sample, target in CPU_SAMPLES:
        # the engine compares the space-collapsed name ignoring case
        names = [" ".join(r[0].split()) for r in sample_rows(sample)]
        names = [n for n in names if not any(p.search(n) for p in unknown)]
        missed = [n for n in names if n.casefold() not in cpus]
        ok &= report("processors, " + sample, len(names) - len(missed), len(names), target, missed)
    adapters = sample_rows("gpu_sample.tsv")
    machines = sum(int(r[2]) for r in adapters)
    ranked = sum(int(r[2]) for r in adapters if (r[0], r[1]) in gpus)
    ok &= report("graphics adapters of machines, gpu_sample.tsv", ranked, machines, 0.995)
    opposite = [p for p, verdict in LABELLED if rank_adapter(comp["GPU"], p) not in (verdict, "unknown")]
    print("labelled adapters: %d of %d ranked against the rule (at most 1 %%)" % (len(opposite), len(LABELLED)))
    for pnp in opposite:
        print("  opposite: " + pnp)
    ok &= len(opposite) <= 0.01 * len(LABELLED)
    faults = fixture_faults(comp)
    print("fixture machines: %d of %d show another product's figure or none" % (len(faults), len(FIXTURES)))
    for fault in faults:
        print("  " + fault)
    ok &= not faults
    gpu_rows = [((r[0], r[1]), int(r[2])) for r in adapters]
    print("own figures: graphics rows of gpu_sample.tsv %.1f %%, processor rows %s; %d + %d products, file %d bytes"
          % (100 * own_share(comp, "GPU", gpu_rows), ", ".join(
              "%s %.1f %%" % (sample, 100 * own_share(comp, "CPU", [(" ".join(r[0].split()).casefold(), 1)
                                                                       for r in sample_rows(sample)]))
              for sample, _ in CPU_SAMPLES), len(comp["Figures"]["GPU"]["Products"]),
             len(comp["Figures"]["CPU"]["Products"]), os.path.getsize(comp_path)))
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
