#!/usr/bin/env python3
"""Share of real machines' graphics adapters (gpu_sample.tsv) that a comparison file ranks good or bad."""
import json
import os
import sys

with open(sys.argv[1], encoding="utf-8") as f:
    GPU = json.load(f)["GPU"]
RANKED = {(v.upper(), d.upper()) for v, d in GPU["Good list"] + GPU.get("Bad list", [])}
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "gpu_sample.tsv"), encoding="utf-8") as f:
    SAMPLE = [line.split("\t") for line in f if line.strip() and not line.startswith("#")]
machines = sum(int(r[2]) for r in SAMPLE)
share = 100.0 * sum(int(r[2]) for r in SAMPLE if (r[0], r[1]) in RANKED) / machines
print("graphics adapters ranked good or bad: %.2f %% of %d in the sample (98 %% required)" % (share, machines))
sys.exit(0 if share >= 98.0 else 1)
