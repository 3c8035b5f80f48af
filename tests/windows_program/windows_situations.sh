# Sourced by run_under_wine.sh at its end (its prefix, helpers and variables):
# situations a Windows user meets. orvocheck-report.exe ranks every supported
# Windows release good and a 32-bit Windows bad and writes --help into a file;
# the window comes up on an X server without OpenGL from a folder whose name
# needs Unicode, and goes at once on a close with consent while the analytics
# server takes connections and never answers.
report_os() {  # the OS value and rank; the exit code is the verdict, not asked here
  (cd "$app" && wine orvocheck-report.exe --json) </dev/null >"$work/os.json" 2>/dev/null || true
  python3 -c 'import json, sys; o = json.load(open(sys.argv[1]))["os"]
print(o["value"] + "|" + o["rank"])' "$work/os.json"
}
key='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion'
# Wine version mode, CurrentBuild, ReleaseId, DisplayVersion (-: absent) and the name Qt gives.
while read -r mode build rid display name; do
  { printf 'REGEDIT4\n\n[%s]\n"CurrentBuild"="%s"\n"CurrentBuildNumber"="%s"\n' "$key" "$build" "$build"
    for v in ReleaseId="$rid" DisplayVersion="$display"; do
      [ "${v#*=}" = - ] && echo "\"${v%=*}\"=-" || echo "\"${v%=*}\"=\"${v#*=}\""; done; } >"$work/os.reg"
  wine winecfg -v "$mode" </dev/null >/dev/null 2>&1 &&
    wine regedit /s "Z:${work//\//\\}\\os.reg" </dev/null >/dev/null 2>&1 || fail "cannot emulate $build"
  got=$(report_os)
  [ "$got" = "${name//_/ }|RANK_GOOD" ] || fail "build $build: OS $got, expected ${name//_/ }, good"
done <<'TABLE'
win7  7601  -    -    Windows_7_Version_6.1_(Build_7601:_SP_1)
win81 9600  -    -    Windows_8.1_Version_6.3_(Build_9600)
win10 10240 -    -    Windows_10
win10 17763 1809 -    Windows_10_Version_1809
win10 19045 2009 22H2 Windows_10_Version_2009
win10 22000 2009 21H2 Windows_11_Version_2009
win10 22631 2009 23H2 Windows_11_Version_2009
win10 26100 2009 24H2 Windows_11_Version_2009
win10 26200 2009 25H2 Windows_11_Version_2009
TABLE
os32=$(WINEARCH=win32 WINEPREFIX=$work/prefix32 report_os)
[[ "$os32" == *"|RANK_BAD" ]] || fail "32-bit Windows: OS $os32, expected bad"
WINEPREFIX=$work/prefix32 wineserver -k || true
(cd "$app" && timeout 10 wine orvocheck-report.exe --help) </dev/null >"$work/help.txt" 2>&1 &&
  grep -q "Exit codes: 0 good" "$work/help.txt" || fail "--help into a file: $(head -c 200 "$work/help.txt")"

# Wine lets a window manager manage its windows and, hiding one, first waits
# up to 2 s for the manager to confirm the map; this X server has none.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 ||
  fail "cannot keep Wine's windows unmanaged"
odd="$work/Zoë 山田"
mkdir "$odd" && (cd "$odd" && cmake -E tar xf "$zip") || fail "cannot unpack under $odd"
kill "${pids[0]}" && wait "${pids[0]}" || true  # the first X server, whose screen file shot reads
Xvfb -displayfd 3 -screen 0 1280x900x24 -fbdir "$work/fb" -nolisten tcp -extension GLX \
  3>"$work/display-noglx" 2>/dev/null &
pids+=($!)
python3 -c 'import socket, time; s = socket.socket(); s.bind(("127.0.0.1", 0)); s.listen(8)
print(s.getsockname()[1], flush=True); time.sleep(300)' >"$work/silent.port" &
pids+=($!)
display=$(wait_for "$work/display-noglx" 1p) || fail "no X server without GLX"
port=$(wait_for "$work/silent.port" 1p) || fail "no silent server"
export DISPLAY=:$display ORVOCHECK_ANALYTICS_CONNECT_TO=localhost:$port
(cd "$odd"/OrvoCheck-*-win32 && wine OrvoCheck.exe) </dev/null >"$work/noglx.out" 2>&1 &
pids+=($!)
# Polled: a search fails outright when some window goes while it looks.
for _ in $(seq 300); do
  wid=$(xdotool search --onlyvisible --classname '^orvocheck\.exe$' 2>/dev/null | head -n1) || true
  [ -n "$wid" ] && break
  sleep 0.2
done
[ -n "$wid" ] || fail "no window without OpenGL: $(tail -5 "$work/noglx.out")"
eval "$(xdotool getwindowgeometry --shell "$wid")"
f=$(ls "$odd"/OrvoSetupTempLog/OrvoCheck-log-*.txt) || fail "no log under $odd"
sleep 2  # the first frame
shot "$shots/no-opengl.png" 30,300,#f0f0f0
click 300 690
wait_for "$f" '/Load result page/p' >/dev/null || fail "no result page without OpenGL"
grep -qF "Zoë 山田" "$f" || fail "the folder's name is not in the log in UTF-8: $(grep -a folder "$f")"
sleep 0.5
click 578 22
sleep 0.5
xdotool search --onlyvisible --classname '^orvocheck\.exe$' >/dev/null 2>&1 &&
  fail "the window is still there 0.5 s after the close click"
echo "wine-run: 9 Windows releases good, 32-bit bad, --help into a file; without OpenGL and" \
  "from a Unicode folder the window works and is gone 0.5 s after the close click"
. "$here/fallback_and_console.sh"
