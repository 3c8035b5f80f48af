#!/usr/bin/env python3
"""Share of real machines' components a comparison file ranks good or bad.

Processors: brand strings of reports kept out of the tables the file is made from
(cpu_sample.tsv, up to 2022) and of 2023-on machines gathered apart from them
(cpu_sample_recent.tsv), at least 99.5 % each; every Xeon report kept out
(cpu_sample_xeon.tsv), at least 95 %. Strings the rules leave unknown on purpose
(engineering samples) are not counted. Graphics: the adapters of a hardware-report
population (gpu_sample.tsv), weighted by machines; at least 98 %."""

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


def report(what, ranked, total, target, missed=()):
    share = ranked / total
    print("%s: %d of %d ranked (%.2f %%, target %.1f %%)" % (what, ranked, total, 100 * share, 100 * target))
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
    ok &= report("graphics adapters of machines, gpu_sample.tsv", ranked, machines, 0.98)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
