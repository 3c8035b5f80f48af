# Sourced by windows_situations.sh at its end (its prefix, helpers and
# variables): the user's own folder, %LOCALAPPDATA%\OrvoCheck, when the shared
# log folder cannot be made, with the analytics database beside the log; and
# the report written on a real console (WriteConsoleW), not as bytes.

# A file where the shared folder would go: no mkdir makes it, not even root's.
blocked="$work/blocked"
mkdir "$blocked" && (cd "$blocked" && cmake -E tar xf "$zip") && : >"$blocked/OrvoSetupTempLog" ||
  fail "cannot unpack under $blocked"
local_data=$(wine cmd /c 'echo %LOCALAPPDATA%' </dev/null 2>/dev/null | tr -d '\r')
fallback=$(winepath -u "$local_data\\OrvoCheck" 2>/dev/null) && [ -n "$local_data" ] ||
  fail "no %LOCALAPPDATA% in the prefix"
accepting_port=$(sed -n 's/^Analytics server on 127\.0\.0\.1:\([0-9]*\);.*/\1/p' "$work/bi.log")
records_before=$(sqlite3 "$work/bi/records.db" "SELECT count(*) FROM records")
(cd "$blocked"/OrvoCheck-*-win32 && ORVOCHECK_ANALYTICS_CONNECT_TO=localhost:$accepting_port \
   wine OrvoCheck.exe; echo $? >"$work/rc-fallback") </dev/null >"$work/fallback.out" 2>&1 &
pids+=($!)
wid=$(timeout 90 xdotool search --sync --onlyvisible --classname '^orvocheck\.exe$' | head -n1) ||
  true
[ -n "$wid" ] || fail "no window with the shared folder blocked: $(tail -5 "$work/fallback.out")"
log=$(ls "$fallback"/OrvoCheck-log-*.txt 2>/dev/null | tail -n1) ||
  fail "no log in $fallback: $(tail -5 "$work/fallback.out")"
grep -q '\[log\] The log folder .* cannot be used: .*; this log is in ".*OrvoCheck"' "$log" ||
  fail "the log does not say why it is in $fallback: $(head -n1 "$log")"
sleep 2  # the first frame
click 300 690
wait_for "$log" '/Load result page/p' >/dev/null || fail "no result page with the log in $fallback"
sleep 0.5
click 578 22  # close, with the consent box ticked
rc=$(wait_for "$work/rc-fallback" 1p) && [ "$rc" -eq 0 ] || fail "exit code ${rc:-none} (fallback)"
[ -f "$fallback/com.daxo.orvocheck.bilogclient" ] ||
  fail "no analytics database beside the log in $fallback: $(ls "$fallback")"
[ "$(sqlite3 "$work/bi/records.db" "SELECT count(*) FROM records")" -gt "$records_before" ] ||
  fail "the records of the run from $fallback did not reach the server"

# The report on a console: script(1) gives Wine a terminal, so the standard
# output is a console and the text goes through WriteConsoleW (traced) into
# the terminal's UTF-8, Japanese included.
(cd "$app" && LC_ALL=C.UTF-8 script -qefc \
   "WINEDEBUG=-all,trace+console wine orvocheck-report.exe --language ja 2>'$work/console.trace'" \
   "$work/console.tty") </dev/null >/dev/null 2>&1 || true
grep -q 'WriteConsoleW' "$work/console.trace" ||
  fail "the report did not write to the console: $(grep -a -m3 . "$work/console.trace")"
grep -aq '最小スペック' "$work/console.tty" ||
  fail "the console shows no Japanese verdict: $(tr -d '\r' <"$work/console.tty" | head -c 300)"
echo "wine-run: with the shared folder blocked the log and the analytics database are in" \
  "%LOCALAPPDATA%\\OrvoCheck; the report writes Japanese on a console"
