#!/usr/bin/env bash
# run_e2e.sh <OrvoCheck> <compDefault.json> <case>
# Drives the built program on the current X display as a user would, with the
# mouse (xdotool), from a private staged directory. Expects a 900-pixel-high
# screen, where one design unit is one pixel. Cases:
#   check-and-close  Start, wait for the result page, close with consent
#   no-consent       untick the consent box and close on the welcome page
#   no-log-dir       as no-consent, the log directory cannot exist: the user's instead
#   other-folder     as check-and-close, the program beside its comp/ started from run/
set -euo pipefail
program=$1
shipped=$2
case_name=$3

fail() { echo "e2e($case_name): $*" >&2; exit 1; }

work=$(mktemp -d)
cleanup() {
  if [ -n "${pid:-}" ] && kill -0 "$pid" 2>/dev/null; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/run/comp" "$work/xdg"
chmod 700 "$work/xdg"
cp "$shipped" "$work/run/comp/compDefault.json"
logdir="$work/OrvoSetupTempLog"
[ "$case_name" = no-log-dir ] && : >"$logdir"
if [ "$case_name" = other-folder ]; then
  mkdir "$work/stage" && mv "$work/run/comp" "$work/stage/" && cp "$program" "$work/stage/"
  program="$work/stage/$(basename "$program")"
fi

# No traffic leaves the machine: no comparison download, and analytics
# requests go to a closed local port.
export ORVOCHECK_CONTENT_URL=
export ORVOCHECK_ANALYTICS_CONNECT_TO=127.0.0.1:9
export XDG_RUNTIME_DIR="$work/xdg" XDG_STATE_HOME="$work/state"

(cd "$work/run" && exec "$program") 2>"$work/stderr" &
pid=$!

wid=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -n1) || true
[ -n "$wid" ] || fail "the window did not appear"
geometry=$(xdotool getwindowgeometry "$wid" | awk '/Geometry/ {print $2}')
[ "$geometry" = 600x740 ] || fail "window is $geometry, expected 600x740"

click() { xdotool mousemove --window "$wid" "$1" "$2" click 1; }
log_file() { ls "$logdir"/OrvoCheck-log-*.txt 2>/dev/null | head -n1; }
wait_for_line() {
  for _ in $(seq 1 200); do
    f=$(log_file)
    [ -n "$f" ] && grep -qF "$1" "$f" && return 0
    sleep 0.1
  done
  return 1
}
wait_for_exit() {
  for _ in $(seq 1 "$1"); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && fail "the program did not end"
  set +e
  wait "$pid"
  rc=$?
  set -e
  pid=
  [ "$rc" -eq 0 ] || fail "exit code $rc"
}

# Let the first frame arrive before clicking.
sleep 1
case "$case_name" in
  check-and-close | other-folder)
    click 300 690  # Start
    wait_for_line "Start button clicked" || fail "Start was not clicked"
    wait_for_line "Load result page" || fail "the result page did not appear"
    sleep 0.5
    # Only the image readers the artwork needs are in the process (the SVG
    # plugin for the consent box), not every installed format plugin.
    extra=$(grep -o '/imageformats/[^ ]*' "/proc/$pid/maps" | sort -u | grep -v 'libqsvg\.so$' || true)
    [ -z "$extra" ] || fail "image plugins loaded: $extra"
    click 578 22   # close button
    wait_for_exit 600
    f=$(log_file)
    line1=$(sed -n 1p "$f" | sed 's/^\[[^]]*\] //')
    line2=$(sed -n 2p "$f" | sed 's/^\[[^]]*\] //')
    [ "$line1" = "[main] Opened log file. Running OrvoCheck_0.0.7.1 (D)" ] || fail "line 1: $line1"
    [ "$line2" = "Use software OpenGL? true (D)" ] || fail "line 2: $line2"
    grep -q "The checking timer is triggered: 2 (D)(qrc:/main.qml:" "$f" || fail "no second tick"
    grep -q "Close button clicked (D)(qrc:/Header.qml:" "$f" || fail "close not logged"
    grep -qF "[BIService]sendBI() start" "$f" || fail "no analytics hand-over with consent"
    [ "$case_name" = check-and-close ] || grep -qF "Json path:  \"$work/stage/comp/compDefault.json" "$f" ||
      fail "the shipped file beside the program was not used"
    ;;
  no-consent | no-log-dir)
    click 68 617   # consent box
    sleep 0.3
    click 578 22   # close button
    wait_for_exit 100
    grep -qF "Close button clicked" "$work/stderr" || fail "close not logged"
    grep -qF "[BIService]sendBI() start" "$work/stderr" && fail "analytics ran without consent"
    grep -qF "] [main] Opened log file. Running OrvoCheck_0.0.7.1 (D)" "$work/stderr" ||
      fail "first line missing on standard error"
    if [ "$case_name" = no-log-dir ]; then
      [ -f "$logdir" ] && [ ! -s "$logdir" ] || fail "the log path was touched"
      [ -z "$(ls -A "$work" | grep -v -e '^run$' -e '^xdg$' -e '^OrvoSetupTempLog$' -e '^stderr$' -e '^state$')" ] ||
        fail "unexpected files: $(ls -A "$work")"
      logdir=$work/state/OrvoCheck
      [ -n "$(log_file)" ] || fail "no log file in the user's folder"
    else
      [ -n "$(log_file)" ] || fail "no log file"
    fi
    ;;
  *) fail "unknown case" ;;
esac
echo "e2e($case_name): ok"
