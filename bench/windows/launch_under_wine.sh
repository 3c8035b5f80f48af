#!/usr/bin/env bash
# launch_under_wine.sh [--runs N] [--no-glx] <OrvoCheck-*-win32.zip>...
# Launch-to-window time of the Windows program under Wine on a private
# 1280x900 X server: from starting `wine OrvoCheck.exe` until its window is
# mapped (xdotool) and until its background is painted (the screen file's
# pixel at 30,300 of the window turns #f0f0f0). One Wine prefix and a kept
# Wine server serve every run, so the figures are the program's, not Wine's
# start. Several zips (two builds to compare) take turns, run by run, so a
# busy machine weighs on each alike. N runs each (5); --no-glx: an X server
# without GLX (no OpenGL at all). Prints each run and each zip's median.
set -euo pipefail
runs=5 glx=() zips=()
while [ $# -gt 0 ]; do
  case $1 in
    --runs) runs=$2; shift ;;
    --no-glx) glx=(-extension GLX) ;;
    *) zips+=("$(realpath "$1")") ;;
  esac
  shift
done
work=$(mktemp -d /tmp/orvo-wine-launch.XXXXXX)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wineserver -k 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/fb" "$work/prefix" "$work/unpacked"
Xvfb -displayfd 3 -screen 0 1280x900x24 -fbdir "$work/fb" -nolisten tcp "${glx[@]}" \
  3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/display") WINEPREFIX=$work/prefix WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export ORVOCHECK_CONTENT_URL= ORVOCHECK_ANALYTICS_CONNECT_TO=127.0.0.1:9
wineserver -p && wine cmd /c exit </dev/null >/dev/null 2>&1
apps=()
for i in "${!zips[@]}"; do
  mkdir -p "$work/unpacked/$i" && (cd "$work/unpacked/$i" && cmake -E tar xf "${zips[$i]}")
  apps+=("$(ls -d "$work/unpacked/$i"/OrvoCheck-*-win32)")
done

# Milliseconds from the start until the pixel at window x+30, y+300 is #f0f0f0.
painted() {
  python3 - "$work/fb/Xvfb_screen0" "$1" "$2" "$3" <<'PY'
import struct, sys, time
screen, x, y, t0 = sys.argv[1], int(sys.argv[2]) + 30, int(sys.argv[3]) + 300, float(sys.argv[4])
while time.time() - t0 < 60:
    with open(screen, "rb") as f:
        head = struct.unpack(">25I", f.read(100))
        f.seek(head[0] + 12 * head[19] + y * head[12] + 4 * x)
        value = struct.unpack("<I" if head[7] == 0 else ">I", f.read(4))[0]
    if value & 0xffffff == 0xf0f0f0:
        print(round((time.time() - t0) * 1000)); break
    time.sleep(0.005)
else:
    print("never")
PY
}

printf 'zip  run  mapped_ms  painted_ms\n'
for run in $(seq "$runs"); do
 for i in "${!apps[@]}"; do
  app=${apps[$i]}
  start=$(date +%s.%N)
  (cd "$app" && exec wine OrvoCheck.exe) </dev/null >/dev/null 2>&1 &
  program=$!
  wid=$(timeout 60 xdotool search --sync --onlyvisible --classname '^orvocheck\.exe$' | head -n1)
  mapped=$(python3 -c "import time; print(round((time.time() - $start) * 1000))")
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  printf '%3d  %3d  %9s  %10s\n' "$i" "$run" "$mapped" "$(painted "$X" "$Y" "$start")" |
    tee -a "$work/figures"
  kill "$program" 2>/dev/null; wait "$program" 2>/dev/null || true
  # The next window must not be taken for this one.
  while xdotool search --onlyvisible --classname '^orvocheck\.exe$' >/dev/null 2>&1; do sleep 0.1; done
 done
done
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for i in "${!zips[@]}"; do
  echo "zip $i median: mapped $(awk -v z="$i" '$1 == z { print $3 }' "$work/figures" | median) ms," \
    "painted $(awk -v z="$i" '$1 == z { print $4 }' "$work/figures" | median) ms (${zips[$i]})"
done
