#!/usr/bin/env bash
# windows_situations.sh <OrvoCheck-*-win32.zip> <work folder>
# Situations a Windows user meets, under Wine, after run_under_wine.sh (its
# X server, prefix and Wine server in the environment): every supported
# Windows release ranked good and a 32-bit Windows bad by
# orvocheck-report.exe, its --help into a file, and the window on an X server
# without OpenGL, unpacked under a non-ASCII folder, closed with consent while
# the analytics server never answers.
set -euo pipefail
zip=$(realpath "$1") work=$2
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "wine-situations: $*" >&2; exit 1; }
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
app=$(ls -d "$work"/unpacked/OrvoCheck-*-win32)
export ORVOCHECK_CONTENT_URL=  # the shipped comparison file, nothing downloaded
key='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion'

# report_os: prints the OS value and rank of orvocheck-report.exe --json
# (whose exit code is the verdict, which the other rows decide).
report_os() {
  (cd "$app" && wine orvocheck-report.exe --json) </dev/null >"$work/os.json" 2>/dev/null || true
  python3 -c 'import json, sys; o = json.load(open(sys.argv[1]))["os"]
print(o["value"] + "|" + o["rank"])' "$work/os.json"
}

# Release, Wine version mode, CurrentBuild, ReleaseId and DisplayVersion
# ("-": the value is absent on that release), and the name Qt gives.
while read -r release mode build rid display name; do
  values=("\"CurrentBuild\"=\"$build\"" "\"CurrentBuildNumber\"=\"$build\"")
  for v in "ReleaseId=$rid" "DisplayVersion=$display"; do
    if [ "${v#*=}" = - ]; then values+=("\"${v%=*}\"=-"); else values+=("\"${v%=*}\"=\"${v#*=}\""); fi
  done
  printf 'REGEDIT4\n\n[%s]\n%s\n' "$key" "$(printf '%s\n' "${values[@]}")" >"$work/release.reg"
  wine winecfg -v "$mode" </dev/null >/dev/null 2>&1 &&
    wine regedit /s "Z:${work//\//\\}\\release.reg" </dev/null >/dev/null 2>&1 ||
    fail "cannot make the prefix $release"
  got=$(report_os) || fail "$release: no report"
  [ "$got" = "${name//_/ }|RANK_GOOD" ] || fail "$release: OS is '$got', expected '${name//_/ }', good"
done <<'TABLE'
7-SP1     win7  7601  -    -    Windows_7_Version_6.1_(Build_7601:_SP_1)
8.1       win81 9600  -    -    Windows_8.1_Version_6.3_(Build_9600)
10-1507   win10 10240 -    -    Windows_10
10-1809   win10 17763 1809 -    Windows_10_Version_1809
10-22H2   win10 19045 2009 22H2 Windows_10_Version_2009
11-21H2   win10 22000 2009 21H2 Windows_11_Version_2009
11-23H2   win10 22631 2009 23H2 Windows_11_Version_2009
11-24H2   win10 26100 2009 24H2 Windows_11_Version_2009
11-25H2   win10 26200 2009 25H2 Windows_11_Version_2009
TABLE

# A 32-bit Windows: the same name, ranked bad.
got=$(WINEARCH=win32 WINEPREFIX=$work/prefix32 report_os) || fail "no report in a 32-bit prefix"
[[ "$got" == *"|RANK_BAD" ]] || fail "32-bit Windows: OS is '$got', expected bad"
WINEPREFIX=$work/prefix32 wineserver -k 2>/dev/null || true

# Usage text with the output in a file: no message box waits for a click.
rc=0
(cd "$app" && timeout 10 wine orvocheck-report.exe --help) </dev/null >"$work/help.txt" 2>&1 || rc=$?
[ "$rc" -eq 0 ] && grep -q "Exit codes: 0 good" "$work/help.txt" ||
  fail "--help into a file: exit code $rc, $(head -c 200 "$work/help.txt")"

# The window without OpenGL, from a folder whose name needs Unicode, closed
# with consent while the analytics server takes connections and never
# answers. Wine hands a window it lets a window manager manage to that
# manager and, when hiding it, first waits up to 2 s for the manager to
# confirm the earlier map; this X server has no window manager, so windows
# stay unmanaged, as they are on Windows.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 ||
  fail "cannot keep windows unmanaged"
odd="$work/Zoë 山田"
mkdir -p "$odd" && (cd "$odd" && cmake -E tar xf "$zip") || fail "cannot unpack under $odd"
Xvfb -displayfd 3 -screen 0 1280x900x24 -fbdir "$work/fb" -nolisten tcp -extension GLX \
  3>"$work/display-noglx" 2>"$work/xvfb-noglx.log" &
pids+=($!)
python3 -c 'import socket, sys, time
s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen(8)
print(s.getsockname()[1], flush=True); time.sleep(600)' >"$work/silent.port" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display-noglx" ] && [ -s "$work/silent.port" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$work/display-noglx")
(cd "$odd"/OrvoCheck-*-win32 &&
  ORVOCHECK_ANALYTICS_CONNECT_TO=localhost:$(cat "$work/silent.port") wine OrvoCheck.exe) \
  </dev/null >"$work/noglx.out" 2>&1 &
pids+=($!)
wid=$(timeout 60 xdotool search --sync --onlyvisible --classname '^orvocheck\.exe$' | head -n1) ||
  fail "no window without OpenGL: $(tail -5 "$work/noglx.out")"
eval "$(xdotool getwindowgeometry --shell "$wid")"
log=$(ls "$odd"/OrvoSetupTempLog/OrvoCheck-log-*.txt) || fail "no log under $odd"
sleep 2  # the first frame
python3 "$here/wine_helpers.py" shot "$work/fb/Xvfb_screen0" "$X" "$Y" 600 740 \
  "$work/noglx.png" 30,300,#f0f0f0 || fail "the window without OpenGL is not painted"
xdotool mousemove --window "$wid" 300 690 click 1
for _ in $(seq 100); do grep -q "Load result page" "$log" && break; sleep 0.1; done
grep -q "Load result page" "$log" || fail "no result page without OpenGL"
grep -qF "Zoë 山田" "$log" || fail "the folder's name is not in the log in UTF-8: $(grep -a Program "$log")"
sleep 0.5
xdotool mousemove --window "$wid" 578 22 click 1
clicked=$(date +%s%N)
while xdotool search --onlyvisible --classname '^orvocheck\.exe$' >/dev/null; do
  [ $(( ($(date +%s%N) - clicked) / 1000000 )) -lt 5000 ] || break
done
gone=$(( ($(date +%s%N) - clicked) / 1000000 ))
[ "$gone" -le 500 ] || fail "the window stayed $gone ms after the close click"
echo "wine-situations: 9 Windows releases good, 32-bit bad, --help into a file, the window" \
  "without OpenGL from a Unicode folder gone $gone ms after the close click"
