#!/usr/bin/env bash
# check_package.sh [BUILD_DIR]: the Debian package used as a person would.
# Builds it, installs it with apt-get, runs the installed orvocheck-report
# --json as an ordinary user from /tmp (the comparison file served on
# 127.0.0.1) and the window under Xvfb from the menu entry's Exec line,
# checks where their files went, validates the menu entry, the metadata and
# the manual page, runs lintian, then purges the package and checks that
# nothing of it is left under /usr. Needs root (CI runs it as root).
#
# lintian warnings accepted (errors fail):
#   no-manual-page [usr/bin/orvocheck]: the window has no command line; the
#     menu entry and the metadata describe it, orvocheck-report has the page.
#   running with root privileges: CI runs as root.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
user=orvocheck-ci
work=$(mktemp -d /tmp/orvo-package.XXXXXX)
chmod 755 "$work"
server_pid=

fail() { echo "check_package: $*" >&2; exit 1; }
cleanup() {
  [ -z "$server_pid" ] || kill "$server_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
[ "$(id -u)" -eq 0 ] || fail "run as root (it installs and purges the package)"
export DEBIAN_FRONTEND=noninteractive
dpkg-query -W -f='${Status}' orvocheck 2>/dev/null | grep -q "install ok installed" &&
  apt-get purge -y orvocheck >/dev/null

cmake --build "$build" --target package
deb=$(ls "$build"/orvocheck_*.deb)
(cd "$build" && sha256sum -c SHA256SUMS) || fail "SHA256SUMS does not name $deb"
lintian_rc=0
lintian --fail-on error "$deb" >"$work/lintian.txt" 2>&1 || lintian_rc=$?
grep -v "running with root privileges" "$work/lintian.txt" || true
[ "$lintian_rc" -eq 0 ] || fail "lintian found errors"

apt-get install -y "$deb" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "apt-get install"; }
desktop=$(dpkg -L orvocheck | grep '^/usr/share/applications/.*\.desktop$')
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
appstreamcli validate --no-net "$(dpkg -L orvocheck | grep '^/usr/share/metainfo/')" ||
  fail "appstreamcli validate"
man -P cat orvocheck-report 2>/dev/null | grep -q "ORVOCHECK_CONTENT_URL" ||
  fail "man orvocheck-report does not show the page"
dpkg -L orvocheck | while read -r path; do [ -d "$path" ] || echo "$path"; done >"$work/files"

id "$user" >/dev/null 2>&1 || useradd --create-home --shell /bin/bash "$user"
home=$(getent passwd "$user" | cut -d: -f6)
rm -rf "$home/.cache/OrvoCheck" "$home/.local/state/OrvoCheck"
as_user() {
  runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 \
    ORVOCHECK_ANALYTICS_CONNECT_TO=127.0.0.1:9 "$@"
}
# The comparison file from a server of our own on loopback.
mkdir -p "$work/www/OrvoCheckComp"
cp "$root/comp/compDefault.json" "$work/www/OrvoCheckComp/comp.json"
port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server --bind 127.0.0.1 --directory "$work/www" "$port" >/dev/null 2>&1 &
server_pid=$!
for _ in $(seq 50); do
  python3 -c "import urllib.request as u; u.urlopen('http://127.0.0.1:$port/')" 2>/dev/null && break
  sleep 0.1
done
marker=$work/marker
touch "$marker"
sleep 1

rc=0
(cd /tmp && as_user ORVOCHECK_CONTENT_URL="http://127.0.0.1:$port/OrvoCheckComp/comp.json" \
   orvocheck-report --json) >"$work/report.json" || rc=$?
python3 - "$work/report.json" "$rc" <<'PY' || fail "orvocheck-report --json: $(head -c 300 "$work/report.json")"
import json, sys
report = json.load(open(sys.argv[1]))
assert report["exitCode"] == int(sys.argv[2]), (report["exitCode"], sys.argv[2])
assert report["comparisonVersion"], report
PY
[ -s "$home/.cache/OrvoCheck/comp.json" ] || fail "the download is not in $home/.cache/OrvoCheck"

# The window as the menu starts it: the Exec line, without field codes.
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ %[fFuUick]//g')
cat >"$work/window.sh" <<SH
cd /tmp
$exec_line &
pid=\$!
# Shown and still running a few seconds on: a window that cannot be made or
# drawn ends the program at once.
timeout 20 xdotool search --sync --onlyvisible --pid "\$pid" >/dev/null || exit 1
sleep 3
kill -0 "\$pid" || exit 2
kill "\$pid"
wait "\$pid" 2>/dev/null || true
SH
chmod 755 "$work/window.sh"
as_user ORVOCHECK_CONTENT_URL= xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
  sh "$work/window.sh" || fail "the window did not start from '$exec_line'"
ls "$home"/.local/state/OrvoCheck/OrvoCheck-log-*.txt >/dev/null 2>&1 ||
  fail "no log in $home/.local/state/OrvoCheck"
[ ! -e /OrvoSetupTempLog ] || fail "a log folder was made at /OrvoSetupTempLog"
written=$(find /usr -xdev -newer "$marker" 2>/dev/null | head -5)
[ -z "$written" ] || fail "written under /usr: $written"

apt-get purge -y orvocheck >"$work/purge.log" 2>&1 || { cat "$work/purge.log"; fail "apt-get purge"; }
while read -r file; do
  [ ! -e "$file" ] || fail "left after purge: $file"
done <"$work/files"
left=$(find /usr -xdev \( -iname '*orvocheck*' -o -iname 'com.daxo.*' \) 2>/dev/null | head -5)
[ -z "$left" ] || fail "left under /usr after purge: $left"
echo "check_package: $(basename "$deb") installed, used as $user (report, window), validated and purged"
