#!/usr/bin/env bash
# with_xvfb.sh WIDTHxHEIGHT command [args...]
# Runs the command on a private X server with one screen of the given size.
# The server picks a free display number itself (-displayfd), so parallel
# tests never race for one.
set -euo pipefail
size=$1
shift
dir=$(mktemp -d)
cleanup() {
  if [ -n "${xpid:-}" ]; then kill "$xpid" 2>/dev/null || true; wait "$xpid" 2>/dev/null || true; fi
  rm -rf "$dir"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$dir/display" 2>"$dir/xvfb.log" &
xpid=$!
for _ in $(seq 1 200); do
  [ -s "$dir/display" ] && break
  kill -0 "$xpid" 2>/dev/null || { cat "$dir/xvfb.log" >&2; exit 1; }
  sleep 0.05
done
[ -s "$dir/display" ] || { echo "with_xvfb: X server did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$dir/display")"
unset WAYLAND_DISPLAY XAUTHORITY
set +e
"$@"
rc=$?
set -e
exit $rc
