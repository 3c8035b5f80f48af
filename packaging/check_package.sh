#!/usr/bin/env bash
# check_package.sh [BUILD_DIR] (as root): the Debian package as a person uses
# it. Builds, validates and installs it, runs orvocheck-report --json from
# /tmp as an ordinary user and the window under Xvfb from the menu entry's
# Exec line, checks that their files land in that user's home and nothing
# under /usr, then purges it and checks that nothing of it is left.
# Accepted lintian warning: no-manual-page for orvocheck, the window, which
# has no command line (orvocheck-report has the page).
set -euo pipefail
build=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
user=orvocheck-ci
work=$(mktemp -d /tmp/orvo-package.XXXXXX)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
fail() { echo "check_package: $*" >&2; exit 1; }
export DEBIAN_FRONTEND=noninteractive

cmake --build "$build" --target package
deb=$(ls "$build"/orvocheck_*.deb)
(cd "$build" && sha256sum -c SHA256SUMS) || fail "SHA256SUMS does not name $deb"
lintian --fail-on error "$deb" || fail "lintian found errors"
apt-get install -y "$deb" >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install"; }
desktop=$(dpkg -L orvocheck | grep '^/usr/share/applications/.*\.desktop$')
desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
appstreamcli validate --no-net "$(dpkg -L orvocheck | grep '^/usr/share/metainfo/')" ||
  fail "appstreamcli validate"
man -P cat orvocheck-report | grep -q ORVOCHECK_CONTENT_URL || fail "man orvocheck-report"
dpkg -L orvocheck | while read -r path; do [ -d "$path" ] || echo "$path"; done >"$work/files"

id "$user" >/dev/null 2>&1 || useradd --create-home "$user"
home=$(getent passwd "$user" | cut -d: -f6)
rm -rf "$home/.cache" "$home/.local/state"
touch "$work/marker" && sleep 1
as_user() {
  (cd /tmp && runuser -u "$user" -- env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 \
     ORVOCHECK_CONTENT_URL= ORVOCHECK_ANALYTICS_CONNECT_TO=127.0.0.1:9 "$@")
}
rc=0
as_user orvocheck-report --json >"$work/report.json" || rc=$?
python3 -c 'import json, sys; assert json.load(open(sys.argv[1]))["exitCode"] == int(sys.argv[2])' \
  "$work/report.json" "$rc" || fail "orvocheck-report --json: $(head -c 300 "$work/report.json")"
[ -d "$home/.cache/OrvoCheck" ] || fail "no download folder in $home/.cache/OrvoCheck"

# Shown and still running a few seconds on: a window that cannot be made or
# drawn ends the program at once.
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | sed 's/ %[fFuUick]//g')
cat >"$work/window.sh" <<SH
$exec_line & pid=\$!
timeout 20 xdotool search --sync --onlyvisible --pid "\$pid" >/dev/null || exit 1
sleep 3
kill "\$pid"
SH
as_user xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" sh "$work/window.sh" ||
  fail "the window did not start from '$exec_line'"
ls "$home"/.local/state/OrvoCheck/OrvoCheck-log-*.txt >/dev/null || fail "no log in $home"
written=$(find /usr /OrvoSetupTempLog -xdev -newer "$work/marker" 2>/dev/null | head -5 || true)
[ -z "$written" ] || fail "written outside the user's home: $written"

apt-get purge -y orvocheck >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get purge"; }
while read -r file; do [ ! -e "$file" ] || fail "left after purge: $file"; done <"$work/files"
left=$(find /usr -xdev \( -iname '*orvocheck*' -o -iname 'com.daxo.*' \) | head -5)
[ -z "$left" ] || fail "left under /usr after purge: $left"
echo "check_package: $(basename "$deb") installed, used as $user, validated and purged"
