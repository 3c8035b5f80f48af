#!/usr/bin/env bash
# Whole-process time of one probe pass against what a shell user would run
# for the same facts, side by side in one run:
#   bench/probes/probe_system_vs_lspci.sh BUILD_DIR [RUNS]
# ORVOCHECK_SYSFS_ROOT / ORVOCHECK_PROCFS_ROOT point both sides at a captured
# tree (see tests/probes/capture_probe_tree.sh).
set -euo pipefail
build=${1:?usage: $0 BUILD_DIR [RUNS]}
runs=${2:-50}
probe="$build/bench/probes/probe_system_once"
sys=${ORVOCHECK_SYSFS_ROOT:-/sys}
proc=${ORVOCHECK_PROCFS_ROOT:-/proc}
command -v lspci >/dev/null || { echo "lspci missing (Debian package pciutils)"; exit 1; }

python3 - "$probe" "$sys" "$proc" "$runs" <<'PY'
import statistics, subprocess, sys, time
probe, sysfs, procfs, runs = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
peer = ["sh", "-c", 'lspci -A linux-sysfs -O sysfs.path="$0/bus/pci" -nn -d ::0300 >/dev/null;'
        ' cat "$1/meminfo" >/dev/null', sysfs, procfs]
ours, theirs, inside = [], [], []
for _ in range(runs):  # interleaved, so both see the same machine state
    t = time.perf_counter()
    out = subprocess.run([probe], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=True)
    ours.append((time.perf_counter() - t) * 1000)
    inside.append(int(out.stdout) / 1000)
    t = time.perf_counter()
    subprocess.run(peer, check=True)
    theirs.append((time.perf_counter() - t) * 1000)
m_ours, m_theirs = statistics.median(ours), statistics.median(theirs)
print(f"runs: {runs}")
print(f"probeSystem() inside the process, median: {statistics.median(inside):.2f} ms")
print(f"probe_system_once whole process, median: {m_ours:.2f} ms")
print(f"lspci -nn -d ::0300 + /proc/meminfo, median: {m_theirs:.2f} ms")
print(f"ratio (ours / peer): {m_ours / m_theirs:.2f}")
PY
