#!/usr/bin/env python3
"""Share of real processors the shipped file ranks good or bad, per sample.

cpu_sample.tsv holds reports kept out of the tables the file is made from (machines
up to 2022); cpu_sample_recent.tsv holds brand strings of 2023-and-later machines
gathered apart from the tables. Both figures estimate what unseen machines get.
Fails when either is below 97 %."""

import json
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
SAMPLES = ("cpu_sample.tsv", "cpu_sample_recent.tsv")
TARGET = 0.97


def coverage(listed, sample_path):
    with open(sample_path, encoding="utf-8") as f:
        # the engine compares the space-collapsed name ignoring case
        names = [" ".join(l.split("\t")[0].split()) for l in f if l.strip() and not l.startswith("#")]
    missed = [n for n in names if n.casefold() not in listed]
    share = 1 - len(missed) / len(names)
    print("processor coverage, %s: %d of %d ranked (%.1f %%, target %.0f %%)"
          % (os.path.basename(sample_path), len(names) - len(missed), len(names), 100 * share,
             100 * TARGET))
    for name in sorted(set(missed)):
        print("  unranked: " + name)
    return share >= TARGET


def main(comp_path):
    with open(comp_path, encoding="utf-8") as f:
        cpu = json.load(f)["CPU"]
    listed = {n.casefold() for n in cpu["Good list"] + cpu.get("Bad list", [])}
    results = [coverage(listed, os.path.join(HERE, s)) for s in SAMPLES]
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
