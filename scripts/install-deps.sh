#!/usr/bin/env bash
# Installs every Debian package needed to build, run and test OrvoCheck.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

BUILD_PKGS="cmake g++ make pkg-config help2man dpkg-dev file qtbase5-dev qtdeclarative5-dev libqt5svg5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n libsqlite3-dev libjsoncpp-dev zlib1g-dev libcurl4-openssl-dev libpci-dev pci.ids libdrm-common libsodium-dev fonttools"
RUN_PKGS="qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-controls qml-module-qtgraphicaleffects qt5-image-formats-plugins libqt5svg5 fonts-roboto-unhinted xdg-utils"
TEST_PKGS="libgtest-dev libgmock-dev libbenchmark-dev qml-module-qttest xvfb xauth libcpp-httplib-dev libssl-dev openssl sqlite3 python3 python3-cryptography clang libclang-rt-14-dev xdotool pciutils hyperfine fonts-noto-cjk lintian desktop-file-utils appstream man-db qemu-user"

PKGS="$BUILD_PKGS $RUN_PKGS $TEST_PKGS"

# Windows cross build and its tests under Wine (scripts/windows-tests.sh).
# Installed only by "install-deps.sh --windows", which that script runs, so
# that a failure here is reported as the Windows tests' own. 32-bit programs
# need the i386 half of Wine, and the window of the 32-bit program needs
# 32-bit OpenGL (without libgl1/libglx0 every Qt Quick window fails with
# "Failed to create OpenGL context"); apt-get source needs dpkg-dev and a
# deb-src entry, autoconf, automake and libtool generate libsodium's
# configure, curl fetches Qt's archive; the run under Wine reads the programs'
# resources with pefile and the window's icon with xprop, and shows the
# translated window in the German locale.
WINDOWS_PKGS="g++-mingw-w64-x86-64 g++-mingw-w64-i686 wine wine64 libz-mingw-w64-dev dpkg-dev autoconf automake libtool curl python3-pefile x11-utils locales"
WINDOWS_I386_PKGS="wine32 libgl1:i386 libglx0:i386 libglx-mesa0:i386 libgl1-mesa-dri:i386"
if [ "${1:-}" = "--windows" ]; then
  installed() {
    local p
    for p in "$@"; do
      dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || return 1
    done
  }
  need_root() {
    [ "$(id -u)" -eq 0 ] || { echo "install-deps: run as root to install $*" >&2; exit 1; }
  }
  export DEBIAN_FRONTEND=noninteractive
  if ! installed $WINDOWS_PKGS; then
    need_root $WINDOWS_PKGS
    apt-get update -qq
    apt-get install -y --no-install-recommends $WINDOWS_PKGS
  fi
  if [ "${2:-}" != "--no-i386" ] && ! installed $WINDOWS_I386_PKGS; then
    need_root $WINDOWS_I386_PKGS
    dpkg --add-architecture i386
    apt-get update -qq
    apt-get install -y --no-install-recommends $WINDOWS_I386_PKGS
  fi
  if ! locale -a | grep -qi '^de_DE\.utf-\?8$'; then
    need_root "the de_DE.UTF-8 locale"
    sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE\.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen >/dev/null
  fi
  if ! apt-get source --print-uris sqlite3 >/dev/null 2>&1; then
    need_root "a deb-src entry"
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
      sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
        >/etc/apt/sources.list.d/orvo-deb-src.sources
    else
      grep -h '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' \
        >/etc/apt/sources.list.d/orvo-deb-src.list
    fi
    apt-get update -qq
  fi
  exit 0
fi

missing=$(dpkg-query -W -f='${Package} ${Status}\n' $PKGS 2>/dev/null | awk '$4 != "installed" {print $1}' || true)
# dpkg-query prints nothing for packages it has never heard of; count those too.
for p in $PKGS; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
missing=$(echo $missing | tr ' ' '\n' | sort -u | tr '\n' ' ')

if [ -z "${missing// }" ]; then
  echo "install-deps: every package is already installed"
  exit 0
fi

cmd="apt-get install -y --no-install-recommends $missing"
if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: run as root to install the missing packages:"
  echo "  apt-get update && $cmd"
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
$cmd
