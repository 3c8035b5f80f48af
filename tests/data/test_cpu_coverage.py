#!/usr/bin/env python3
"""Share of real processors the shipped file ranks good or bad, per sample: reports kept
out of the tables the file is made from (cpu_sample.tsv, up to 2022) and 2023-on machines
gathered apart from them (cpu_sample_recent.tsv). Fails when either is below 97 %."""

import json
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TARGET = 0.97


def main(comp_path, sample_path):
    with open(comp_path, encoding="utf-8") as f:
        cpu = json.load(f)["CPU"]
    listed = {n.casefold() for n in cpu["Good list"] + cpu.get("Bad list", [])}
    with open(sample_path, encoding="utf-8") as f:
        # the engine compares the space-collapsed name ignoring case
        names = [" ".join(l.split("\t")[0].split()) for l in f if l.strip() and not l.startswith("#")]
    missed = [n for n in names if n.casefold() not in listed]
    share = 1 - len(missed) / len(names)
    print("processor coverage, %s: %d of %d ranked (%.1f %%, target %.0f %%)" % (os.path.basename(
        sample_path), len(names) - len(missed), len(names), 100 * share, 100 * TARGET))
    for name in sorted(set(missed)):
        print("  unranked: " + name)
    return 0 if share >= TARGET else 1


if __name__ == "__main__":
    samples = ("cpu_sample.tsv", "cpu_sample_recent.tsv")
    sys.exit(max([main(sys.argv[1], os.path.join(HERE, s)) for s in samples]))
