#!/usr/bin/env bash
# Installs what is missing, builds the program, stages it with the shipped
# comparison file beside it and starts it from there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/install-deps.sh"
build=${ORVO_BUILD_DIR:-$root/build}
stage="$build/stage"
cmake -S "$root" -B "$build" ${ORVO_CMAKE_ARGS:-}
cmake --build "$build" -j"$(nproc)" --target OrvoCheck
cmake --install "$build" --prefix "$stage" --component runtime >/dev/null
cd "$stage"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "OrvoCheck: no display found (DISPLAY is not set)." >&2
  echo "OrvoCheck is a windowed program; start it from a desktop session." >&2
  exit 2
fi
exec ./OrvoCheck "$@"
