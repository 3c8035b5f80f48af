#!/usr/bin/env bash
# Whole-process time of orvocheck-report against the shipped comparison file,
# side by side in one hyperfine run with `lspci -nn` (the same PCI walk plus
# name lookup, a familiar console tool). Target: at most 1.5 times the peer.
#   bench_report.sh <orvocheck-report> <source root> [runs]
set -euo pipefail
program=${1:?path of orvocheck-report}
root=${2:?source root (holds comp/compDefault.json)}
runs=${3:-50}
command -v hyperfine >/dev/null || { echo "bench_report: hyperfine is not installed (scripts/install-deps.sh)" >&2; exit 2; }
command -v lspci >/dev/null || { echo "bench_report: lspci is not installed (pciutils)" >&2; exit 2; }

cd "$root"
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
# The report's exit code is the verdict (2 on a machine it cannot judge), not
# a failure, hence -i. No shell in between, so both pay only their own start.
hyperfine -N -i --warmup 5 --runs "$runs" --export-json "$out/times.json" \
  "$program --comp comp/compDefault.json" "lspci -nn"

python3 - "$out/times.json" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
report, peer = (r["mean"] for r in results)
ratio = report / peer
print("orvocheck-report %.1f ms, lspci -nn %.1f ms: %.2fx the peer (target <= 1.5x): %s"
      % (report * 1e3, peer * 1e3, ratio, "met" if ratio <= 1.5 else "NOT met"))
PY
