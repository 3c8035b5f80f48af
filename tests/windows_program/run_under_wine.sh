#!/usr/bin/env bash
# run_under_wine.sh <OrvoCheck-*-win32.zip> <orvo-analytics-server> <screenshot folder>
# Uses the Windows program as a person would, under Wine on an X server 900
# pixels high (a design unit is a pixel): Start, result page, close with
# consent. Wine exits 0 even for a program that never started, so each check
# looks at what the program did. No comparison download; analytics on loopback.
set -euo pipefail
zip=$(realpath "$1") server=$(realpath "$2") shots=$3
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "wine-run: $*" >&2; exit 1; }
work=$(mktemp -d /tmp/orvo-wine-run.XXXXXX)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; wineserver -k 2>/dev/null
      [ -n "${ORVO_KEEP_WORK:-}" ] || rm -rf "$work"' EXIT
mkdir -p "$shots" "$work/fb" "$work/unpacked" "$work/prefix"
# wait_for FILE SED-EXPRESSION: prints what the expression finds in the file within 30 s.
wait_for() { for _ in $(seq 300); do sed -n "$2" "$1" 2>/dev/null | grep . && return 0; sleep 0.1; done; false; }

# The screen is also a file (-fbdir): screenshots need no other tool.
Xvfb -displayfd 3 -screen 0 1280x900x24 -fbdir "$work/fb" -nolisten tcp 3>"$work/display" \
  2>"$work/xvfb.log" &
pids+=($!)
display=$(wait_for "$work/display" 1p) || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$display
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
wineserver -p && wine cmd /c exit </dev/null >/dev/null 2>&1 || fail "Wine cannot make its prefix"

# The analytics server's authority goes into the prefix's root store, as a
# company deploys its own; the program verifies certificates as always.
"$server" --port 0 --dir "$work/bi" --hosts localhost --rsa >"$work/bi.log" 2>&1 &
pids+=($!)
port=$(wait_for "$work/bi.log" 's/^Analytics server on 127\.0\.0\.1:\([0-9]*\);.*/\1/p') ||
  fail "the analytics server did not start"
python3 "$here/wine_helpers.py" trust "$work/bi/ca.pem" >"$work/ca.reg"
wine reg import "Z:${work//\//\\}\\ca.reg" </dev/null >/dev/null 2>&1 || fail "cannot trust the authority"
(cd "$work/unpacked" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
app=$(ls -d "$work"/unpacked/OrvoCheck-*-win32)
[[ "$(i686-w64-mingw32-objdump -p "$app/OrvoCheck.exe")" == *pei-i386*"(Windows GUI)"* ]] ||
  fail "OrvoCheck.exe is not a 32-bit GUI program"
export ORVOCHECK_CONTENT_URL= ORVOCHECK_ANALYTICS_CONNECT_TO=localhost:$port
# What reaches a debugger shows among the warnings of Wine's seh channel;
# every DLL loaded, in the loaddll channel.
(cd "$app" && WINEDEBUG=-all,warn+seh,+loaddll wine OrvoCheck.exe; echo $? >"$work/rc") \
  </dev/null >"$work/program.out" 2>&1 &
wid=$(timeout 90 xdotool search --sync --onlyvisible --classname '^orvocheck\.exe$' | head -n1) ||
  fail "the window did not appear: $(tail -5 "$work/program.out")"
[ "$(xdotool search --onlyvisible --classname . | wc -l)" -eq 1 ] || fail "a second (console?) window"
eval "$(xdotool getwindowgeometry --shell "$wid")"
[ "${WIDTH}x$HEIGHT" = 600x740 ] || fail "the window is ${WIDTH}x$HEIGHT, expected 600x740"
# The window's icon is the program's: the mark's dot in the middle of the 32-pixel image.
[ "$(xprop -id "$wid" -notype 32c _NET_WM_ICON | tr -d ' ' | cut -d= -f2 | cut -d, -f1,2,531)" = \
  32,32,4278236642 ] || fail "the window's icon is not the program's"
f=$(ls "$work"/unpacked/OrvoSetupTempLog/OrvoCheck-log-*.txt) || fail "no log file"
shot() { python3 "$here/wine_helpers.py" shot "$work/fb/Xvfb_screen0" "$X" "$Y" 600 740 "$@"; }
click() { xdotool mousemove --window "$wid" "$1" "$2" click 1; }
sleep 2  # the first frame
shot "$shots/welcome.png" 30,300,#f0f0f0 260,690,#00b5e2  # background, Start beside its label
click 300 690
wait_for "$f" '/Load result page/p' >/dev/null || fail "no result page"
grep -qF "The checking timer is triggered: 2 (D)(qrc:/main.qml:" "$f" || fail "not at the second tick"
sleep 1
shot "$shots/result.png" 30,300,#f0f0f0
click 578 22  # close, with the consent box ticked
rc=$(wait_for "$work/rc" 1p) && [ "$rc" -eq 0 ] || fail "exit code ${rc:-none}: $(tail -3 "$work/program.out")"
[ "$(head -n2 "$f" | tr -d '\r' | sed 's/^\[[^]]*\] //')" = "[main] Opened log file. Running OrvoCheck_0.0.7.1 (D)
Use software OpenGL? true (D)" ] || fail "log starts with: $(head -n2 "$f")"
grep -q "OutputDebugStringA.*Opened log file. Running OrvoCheck_0.0.7.1 (D)" "$work/program.out" ||
  fail "the log lines do not reach a debugger"
# The records came through WinHTTP, enveloped with the version resource.
records=$(sqlite3 "$work/bi/records.db" "SELECT record FROM records" 2>/dev/null || true)
grep -qF '"app_version":"0.0.7.1"' <<<"$records" ||
  fail "no records with the version resource reached the server: $(tail -5 "$work/bi.log")"
rc=0
(cd "$app" && WINEDEBUG=-all,+loaddll wine orvocheck-report.exe --json) </dev/null \
  >"$work/report.json" 2>"$work/report.err" || rc=$?
python3 -c 'import json, sys; sys.exit(json.load(open(sys.argv[1]))["exitCode"] != int(sys.argv[2]))' \
  "$work/report.json" "$rc" || fail "report (exit code $rc): $(head -c 300 "$work/report.json")"
# The power line is answered from GetSystemPowerStatus, which Wine has.
python3 -c 'import json, sys; p = json.load(open(sys.argv[1]))["headset"]["power"]; sys.exit(p["status"] not in ("ok", "warning", "unknown") or not p["reason"])' \
  "$work/report.json" || fail "report without a headset power line: $(head -c 300 "$work/report.json")"
version=$(basename "$app" | sed 's/^OrvoCheck-\(.*\)-win32$/\1/')
# Debian's own Python, which has python3-pefile.
/usr/bin/python3 "$here/check_zip.py" "$zip" "$app" "$version" "$work/program.out" "$work/report.err" ||
  fail "the zip is not as it ships (above)"
bash "$here/german_window.sh" "$app" "$work" "$shots"
echo "wine-run: window, pages, exit code, log, $(wc -l <<<"$records") records and the report all right"
. "$here/windows_situations.sh"
