#!/usr/bin/env bash
# Installs every Debian package needed to build, run and test OrvoCheck.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

BUILD_PKGS="cmake g++ make pkg-config qtbase5-dev qtdeclarative5-dev libqt5svg5-dev libsqlite3-dev libjsoncpp-dev zlib1g-dev libcurl4-openssl-dev libpci-dev pci.ids"
RUN_PKGS="qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-controls qml-module-qtgraphicaleffects qt5-image-formats-plugins libqt5svg5 fonts-roboto-unhinted xdg-utils"
TEST_PKGS="libgtest-dev libgmock-dev libbenchmark-dev qml-module-qttest xvfb xauth libcpp-httplib-dev libssl-dev openssl sqlite3 python3 clang libclang-rt-14-dev xdotool pciutils hyperfine"

PKGS="$BUILD_PKGS $RUN_PKGS $TEST_PKGS"

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
