#!/usr/bin/env bash
# run_close_bench.sh [build dir] [rounds]
# Builds the benchmark and runs it on a private X server of the design size.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build}
rounds=${2:-3}
cmake --build "$build" --target close_bench -j2
exec "$root/tests/qml/with_xvfb.sh" 1440x900 "$build/bench/analytics/close_bench" "$rounds"
