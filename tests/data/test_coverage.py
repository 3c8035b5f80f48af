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
1 % ranked the opposite way."""

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
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
