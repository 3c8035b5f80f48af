#!/usr/bin/env bash
# german_window.sh <unpacked program folder> <work folder> <screenshot folder>
# The window as a German Windows shows it: Wine takes the user's locale from
# LC_ALL. Run by run_under_wine.sh on its X server and Wine prefix (DISPLAY
# and WINEPREFIX in the environment; the screen file is <work>/fb/Xvfb_screen0).
# Saves welcome-de.png and checks the log names German; closes without consent.
set -euo pipefail
app=$1 work=$2 shots=$3
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "wine-run (German): $*" >&2; exit 1; }
locale -a | grep -qi '^de_DE\.utf-\?8$' || fail "no de_DE.UTF-8 locale (scripts/install-deps.sh --windows)"
wineserver -k 2>/dev/null || true  # Wine reads the locale when it starts
logs=$(cd "$app/.." && pwd)/OrvoSetupTempLog
sleep 1  # a log file of its own: the names count seconds
(cd "$app" && LC_ALL=de_DE.UTF-8 wine OrvoCheck.exe; echo $? >"$work/rc-de") \
  </dev/null >"$work/program-de.out" 2>&1 &
wid=$(timeout 90 xdotool search --sync --onlyvisible --classname '^orvocheck\.exe$' | head -n1) ||
  fail "the window did not appear: $(tail -5 "$work/program-de.out")"
eval "$(xdotool getwindowgeometry --shell "$wid")"
sleep 2  # the first frame
python3 "$here/wine_helpers.py" shot "$work/fb/Xvfb_screen0" "$X" "$Y" 600 740 \
  "$shots/welcome-de.png" 30,300,#f0f0f0 200,690,#00b5e2
log=$(ls -t "$logs"/OrvoCheck-log-*.txt | head -n1)
grep -aq '\] \[Language\] de (system: de' "$log" ||
  fail "the window is not German: $(grep -a '\[Language\]' "$log" || echo no language line)"
xdotool mousemove --window "$wid" 68 617 click 1  # untick consent: no analytics
xdotool mousemove --window "$wid" 578 22 click 1  # close
for _ in $(seq 300); do [ -s "$work/rc-de" ] && break; sleep 0.1; done
[ "$(cat "$work/rc-de" 2>/dev/null)" = 0 ] || fail "exit code $(cat "$work/rc-de" 2>/dev/null || echo none)"
echo "wine-run: the window speaks German under a German locale ($shots/welcome-de.png)"
