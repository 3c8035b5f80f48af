#!/usr/bin/env bash
# run_under_wine.sh <OrvoCheck-*-win32.zip> <orvo-analytics-server> <screenshot folder>
# Unpacks the Windows program and uses it as a person would, under Wine on a
# private X server 900 pixels high (one design unit is one pixel): Start, the
# result page after the second tick, close with consent. Wine exits 0 even
# for a program that never started, so every check looks at what the program
# did: its window and colours, its exit code, its log file, the records that
# reached the local analytics server through WinHTTP, the console report.
# Nothing leaves the machine: no comparison download, analytics on loopback.
set -euo pipefail
zip=$(realpath "$1") server=$(realpath "$2") shots=$3
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "wine-run: $*" >&2; exit 1; }
work=$(mktemp -d /tmp/orvo-wine-run.XXXXXX)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wineserver -k 2>/dev/null || true
  [ -n "${ORVO_KEEP_WORK:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$shots" "$work/fb" "$work/bi" "$work/unpacked"
winpath() { local p="Z:$1"; echo "${p//\//\\}"; }

# The screen is also a file (-fbdir), so screenshots need no extra tool.
Xvfb -displayfd 3 -screen 0 1280x900x24 -fbdir "$work/fb" -nolisten tcp 3>"$work/display" \
  2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 1 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n1 "$work/display")"

export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
mkdir -p "$WINEPREFIX"
wineserver -p || fail "cannot start wineserver"
wine cmd /c exit </dev/null >/dev/null 2>&1 || fail "Wine cannot create its prefix"

# The local analytics server; its authority goes into the prefix's root
# store, as a company deploys its own, and the program verifies as always.
: >"$work/bi.log"
"$server" --port 0 --dir "$work/bi" --hosts localhost --rsa >"$work/bi.log" 2>&1 &
pids+=($!)
for _ in $(seq 1 100); do
  port=$(sed -n 's/^Analytics server on 127\.0\.0\.1:\([0-9]*\);.*/\1/p' "$work/bi.log")
  [ -n "$port" ] && break
  sleep 0.1
done
[ -n "$port" ] || fail "the analytics server did not start: $(cat "$work/bi.log")"
python3 "$here/wine_helpers.py" trust "$work/bi/ca.pem" >"$work/ca.reg"
wine reg import "$(winpath "$work/ca.reg")" </dev/null >/dev/null 2>&1 || fail "cannot trust the authority"

(cd "$work/unpacked" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
app=$(ls -d "$work"/unpacked/OrvoCheck-*-win32)
export ORVOCHECK_CONTENT_URL= ORVOCHECK_ANALYTICS_CONNECT_TO=localhost:$port
(cd "$app" && wine OrvoCheck.exe; echo $? >"$work/program.rc") </dev/null >"$work/program.out" 2>&1 &
pids+=($!)

wid=$(timeout 90 xdotool search --sync --onlyvisible --classname '^orvocheck\.exe$' | head -n1) || true
[ -n "$wid" ] || fail "the window did not appear: $(tail -5 "$work/program.out")"
# One window: a console program would have opened a second one.
windows=$(xdotool search --onlyvisible --classname '.' | wc -l)
[ "$windows" -eq 1 ] || fail "$windows windows on the screen, expected only the program's"
read -r x y w h < <(xdotool getwindowgeometry --shell "$wid" |
                    awk -F= '{v[$1]=$2} END {print v["X"], v["Y"], v["WIDTH"], v["HEIGHT"]}')
[ "${w}x$h" = 600x740 ] || fail "the window is ${w}x$h, expected 600x740"

log_file() { ls "$work"/unpacked/OrvoSetupTempLog/OrvoCheck-log-*.txt 2>/dev/null | head -n1; }
wait_for_line() {
  for _ in $(seq 1 300); do
    [ -n "$(log_file)" ] && grep -qF "$1" "$(log_file)" && return 0
    sleep 0.1
  done
  fail "no \"$1\" in the log"
}
shot() { python3 "$here/wine_helpers.py" shot "$work/fb/Xvfb_screen0" "$x" "$y" 600 740 "$@"; }
click() { xdotool mousemove --window "$wid" "$1" "$2" click 1; }

sleep 2  # the first frame
# Background, and the Start button beside its label.
shot "$shots/welcome.png" 30,300,#f0f0f0 260,690,#00b5e2
click 300 690
wait_for_line "Start button clicked"
wait_for_line "Load result page"
sleep 1
shot "$shots/result.png" 30,300,#f0f0f0
click 578 22  # close, with the consent box ticked

for _ in $(seq 1 600); do [ -s "$work/program.rc" ] && break; sleep 0.1; done
[ -s "$work/program.rc" ] || fail "the program did not end after the close button"
[ "$(cat "$work/program.rc")" -eq 0 ] ||
  fail "exit code $(cat "$work/program.rc"): $(tail -5 "$work/program.out")"

f=$(log_file)
[ "$(sed -n 1p "$f" | tr -d '\r' | sed 's/^\[[^]]*\] //')" = \
  "[main] Opened log file. Running OrvoCheck_0.0.7.1 (D)" ] || fail "log line 1: $(sed -n 1p "$f")"
[ "$(sed -n 2p "$f" | tr -d '\r' | sed 's/^\[[^]]*\] //')" = "Use software OpenGL? true (D)" ] ||
  fail "log line 2: $(sed -n 2p "$f")"
grep -q "The checking timer is triggered: 2 (D)(qrc:/main.qml:" "$f" || fail "no second tick"

# The records came through WinHTTP, enveloped with the version resource.
records=$(sqlite3 "$work/bi/records.db" "SELECT count(*) FROM records" 2>/dev/null || echo 0)
[ "$records" -gt 0 ] || fail "no records reached the analytics server: $(tail -5 "$work/bi.log")"
sqlite3 "$work/bi/records.db" "SELECT record FROM records" | grep -qF '"app_version":"0.0.7.1"' ||
  fail "the records do not carry the version resource"

# The console report: a JSON report, and the exit code it announces.
rc=0
(cd "$app" && wine orvocheck-report.exe --json) </dev/null >"$work/report.json" 2>"$work/report.err" || rc=$?
python3 -c 'import json, sys; sys.exit(json.load(open(sys.argv[1]))["exitCode"] != int(sys.argv[2]))' \
  "$work/report.json" "$rc" || fail "report (exit code $rc): $(head -c 300 "$work/report.json")"
echo "wine-run: window, pages, exit code, log, $records analytics records and the report all right"
