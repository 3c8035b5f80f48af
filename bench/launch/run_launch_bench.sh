#!/usr/bin/env bash
# run_launch_bench.sh [build dir] [rounds]
# Launch-to-first-frame and peak memory of OrvoCheck against the floor
# window, on a private X server of the design size.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
rounds=${2:-10}
cmake --build "$build" --target OrvoCheck floor_window docs_window launch_bench -j2 >/dev/null
exec "$root/tests/qml/with_xvfb.sh" 1440x900 \
  "$build/bench/launch/launch_bench" "$build/app/OrvoCheck" \
  "$build/bench/launch/floor_window" "$root/comp/compDefault.json" "$rounds" \
  "$build/bench/launch/docs_window"
