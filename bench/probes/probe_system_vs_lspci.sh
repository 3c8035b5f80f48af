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
import resource, statistics, subprocess, sys, time
probe, sysfs, procfs, runs = sys.argv[1], sys.argv[2], sys.argv[3], int(sys.argv[4])
peer = ["sh", "-c", 'lspci -A linux-sysfs -O sysfs.path="$0/bus/pci" -nn -d ::0300 >/dev/null;'
        ' cat "$1/meminfo" >/dev/null', sysfs, procfs]

def timed(command, **kwargs):
    """Wall time and CPU time (user + system of the children) in ms."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    start = time.perf_counter()
    done = subprocess.run(command, check=True, **kwargs)
    wall = (time.perf_counter() - start) * 1000
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = ((after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)) * 1000
    return wall, cpu, done

ours, ours_cpu, theirs, theirs_cpu, inside, before = [], [], [], [], [], []
for _ in range(runs):  # interleaved, so both see the same machine state
    # The same pass without the headset ports (video outputs, USB controllers).
    done = subprocess.run([probe, "--without-headset-ports"], check=True,
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    before.append(int(done.stdout) / 1000)
    wall, cpu, done = timed([probe], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    ours.append(wall)
    ours_cpu.append(cpu)
    inside.append(int(done.stdout) / 1000)
    wall, cpu, _ = timed(peer)
    theirs.append(wall)
    theirs_cpu.append(cpu)
med = statistics.median
print(f"runs: {runs}")
print(f"probeSystem() inside the process, median: {med(inside):.2f} ms")
print(f"  without the headset ports, median: {med(before):.2f} ms;"
      f" added by them: {med(inside) - med(before):.2f} ms")
print(f"probe_system_once whole process, median: {med(ours):.2f} ms wall, {med(ours_cpu):.2f} ms CPU")
print(f"lspci -nn -d ::0300 + /proc/meminfo, median: {med(theirs):.2f} ms wall, {med(theirs_cpu):.2f} ms CPU")
print(f"ratio (ours / peer): {med(ours) / med(theirs):.2f} wall, {med(ours_cpu) / med(theirs_cpu):.2f} CPU")
PY
