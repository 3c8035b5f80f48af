#!/usr/bin/env bash
# Installs what is missing, builds the program, stages it with the shipped
# comparison file beside it and starts it from there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
build=${ORVO_BUILD_DIR:-$root/build}
stage="$build/stage"
cmake -S "$root" -B "$build" ${ORVO_CMAKE_ARGS:-}
cmake --build "$build" -j"$(nproc)" --target OrvoCheck orvocheck-report
cmake --install "$build" --prefix "$stage" --component runtime >/dev/null
cd "$stage"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  # No display: the same check as a console report (exit code = verdict).
  echo "OrvoCheck: no display found; running the console report instead." >&2
  exec ./orvocheck-report "$@"
fi
exec ./OrvoCheck "$@"
