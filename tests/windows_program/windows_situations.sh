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

# Longer languages and other screens: the welcome page in French, Italian and
# Portuguese (Brazil) 768, 900 and 1080 pixels high, where the rows of the
# requirements, the footnote under them and the consent text must stay apart
# (Windows draws the font with taller lines than Linux); a portrait screen,
# which shows the whole window; and Alt+F4 with the box ticked, which sends
# the record as the close button does.
# on_screen WxH: a new X server of that size (screen file $work/fb-WxH/Xvfb_screen0)
# and a fresh Wine on it.
on_screen() {
  wineserver -k 2>/dev/null || true
  mkdir -p "$work/fb-$1"
  Xvfb -displayfd 3 -screen 0 "$1x24" -fbdir "$work/fb-$1" -nolisten tcp 3>"$work/display-$1" \
    2>/dev/null &
  pids+=($!)
  DISPLAY=:$(wait_for "$work/display-$1" 1p) || fail "no X server of $1"
  export DISPLAY
}
# open_window [VAR=value...]: OrvoCheck.exe from the first unpacked folder, with
# its window's id and geometry in wid, X, Y, WIDTH and HEIGHT once it is drawn.
open_window() {
  rm -f "$work/rc-screens"
  (cd "$app" && env "$@" wine OrvoCheck.exe; echo $? >"$work/rc-screens") \
    </dev/null >"$work/screens.out" 2>&1 &
  wid=$(timeout 90 xdotool search --sync --onlyvisible --classname '^orvocheck\.exe$' | head -n1) ||
    fail "the window did not appear: $(tail -5 "$work/screens.out")"
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  sleep 2  # the first frame
}
# text_bands PNG X0 X1 Y0 Y1: how many bands of text (rows with dark pixels,
# apart from each other by at least one clean row) lie in that part of a shot.
text_bands() {
  python3 - "$@" <<'PY'
import struct, sys, zlib
png, x0, x1, y0, y1 = sys.argv[1], *map(int, sys.argv[2:])
data = open(png, "rb").read()
w, h = struct.unpack(">II", data[16:24])
raw, at = b"", 8
while at < len(data):
    n, kind = struct.unpack(">I4s", data[at:at + 8])
    raw += data[at + 8:at + 8 + n] if kind == b"IDAT" else b""
    at += 12 + n
rows = zlib.decompress(raw)  # every row unfiltered, as wine_helpers.py writes them
ink = [any(rows[y * (3 * w + 1) + 1 + 3 * x] < 160 for x in range(x0, x1)) for y in range(y0, y1)]
print(sum(1 for i, on in enumerate(ink) if on and (i == 0 or not ink[i - 1])))
PY
}
for screen in 1366x768 1280x900 1920x1080; do
  on_screen "$screen"
  height=${screen#*x}
  sc() { python3 -c "import math, sys; print(math.floor($1 * $height / 900 + 0.5))"; }
  for language in fr it pt_BR; do
    open_window ORVOCHECK_LANGUAGE=$language
    png=$shots/welcome-$language-$height.png
    python3 "$here/wine_helpers.py" shot "$work/fb-$screen/Xvfb_screen0" "$X" "$Y" "$WIDTH" "$HEIGHT" \
      "$png" "$(sc 30),$(sc 300),#f0f0f0" "$(sc 200),$(sc 690),#00b5e2"
    # Below the OS row's first line: its second line, then the footnote's two,
    # each apart; run together, the row is drawn over the footnote.
    bands=$(text_bands "$png" "$(sc 90)" "$(sc 510)" "$(sc 516)" "$(sc 588)")
    [ "$bands" -ge 3 ] || fail "$language, $height pixels high: the OS row runs into the footnote ($png)"
    wineserver -k 2>/dev/null || true
  done
done
on_screen 1080x1920
open_window
shot_portrait=$shots/portrait-1080x1920.png
python3 "$here/wine_helpers.py" shot "$work/fb-1080x1920/Xvfb_screen0" "$X" "$Y" "$WIDTH" "$HEIGHT" \
  "$shot_portrait" 44,444,#f0f0f0
[ "${WIDTH}x$HEIGHT" = 888x1095 ] && [ "$X" -ge 0 ] && [ "$Y" -ge 0 ] &&
  [ $((X + WIDTH)) -le 1080 ] && [ $((Y + HEIGHT)) -le 1920 ] ||
  fail "on a 1080x1920 screen the window is ${WIDTH}x$HEIGHT at $X,$Y"
on_screen 1280x900
bi_port=$(sed -n 's/^Analytics server on 127\.0\.0\.1:\([0-9]*\);.*/\1/p' "$work/bi.log")
infos() { sqlite3 "$work/bi/records.db" "SELECT count(*) FROM records WHERE record LIKE '%orvocheck_info%'"; }
before=$(infos)
open_window ORVOCHECK_ANALYTICS_CONNECT_TO=localhost:$bi_port
timeout 10 xdotool windowfocus --sync "$wid" || fail "cannot give the window the keyboard"
xdotool key alt+F4
rc=$(wait_for "$work/rc-screens" 1p) && [ "$rc" -eq 0 ] ||
  fail "Alt+F4: exit code ${rc:-none}: $(tail -3 "$work/screens.out")"
[ $(( $(infos) - before )) -eq 1 ] || fail "Alt+F4 with the box ticked sent $(( $(infos) - before )) records"
# The console report as Explorer starts it, the only process on its console
# (under Wine a terminal of its own is one): lines broken between words to the
# console's 60 columns (the verdict alone is longer), then a prompt, and the
# end at the first key after it.
rc=0
(cd "$app" && (trap '' PIPE; for _ in $(seq 60); do sleep 1; printf x 2>/dev/null || break; done) |
  timeout 90 script -qfc "stty cols 60; wine orvocheck-report.exe --language fr --comp \
    comp/compDefault.json" /dev/null) >"$work/console.txt" 2>&1 || rc=$?
[ "$rc" -ne 124 ] && grep -q "Appuyez sur une touche pour fermer cette fen" "$work/console.txt" ||
  fail "the console report did not wait for a key and end: $(tail -c 300 "$work/console.txt")"
python3 -c 'import re, sys
lines = re.sub(r"\x1b\[[0-9;?]*[a-zA-Z]|\r", "", open(sys.argv[1], encoding="utf-8").read()).split("\n")
sys.exit(max(map(len, lines)) > 59)' \
  "$work/console.txt" || fail "the console report is not broken to 60 columns: $(cat "$work/console.txt")"
echo "wine-run: French, Italian and Portuguese welcome pages at 768, 900 and 1080 pixels apart;" \
  "the whole window on a 1080x1920 screen; Alt+F4 with consent sends one record; the console" \
  "report breaks its lines to the console and waits for a key in a console of its own"
