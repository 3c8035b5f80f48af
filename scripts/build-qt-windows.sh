#!/usr/bin/env bash
# build-qt-windows.sh <prefix>
# Builds Qt 5.15.8 for 32-bit Windows (i686-w64-mingw32, the -posix
# compilers, shared, release) into <prefix>: qtbase, qtdeclarative and qtsvg
# from Debian's own source packages without Debian's patches, and Qt Quick
# Controls 1 from ../shared/third-party (the registry does not serve its
# source). About 40 to 50 minutes on two cores. <prefix>/.orvo-complete marks a
# finished build; scripts/windows-program.sh uses <prefix> only then.
#   ORVO_QT_WIN_WORK  sources and objects (default: <prefix>.work, removed
#                     after a successful build)
#   ORVO_WIN_JOBS     parallel jobs (default 2)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
[ $# -eq 1 ] || { echo "usage: $0 <prefix>" >&2; exit 2; }
mkdir -p "$1"
prefix=$(cd "$1" && pwd)
work=${ORVO_QT_WIN_WORK:-$prefix.work}
jobs=${ORVO_WIN_JOBS:-2}
controls=$root/../shared/third-party/qtquickcontrols-5.15.8.tar.xz
started=$(date +%s)

fail() { echo "build-qt-windows: $*" >&2; exit 1; }
step() { echo "== $* ($(( ($(date +%s) - started) / 60 )) min)"; }
[ -f "$controls" ] || fail "no $controls"
bash "$root/scripts/install-deps.sh" --windows --no-i386 || fail "cannot install the cross compilers"
mkdir -p "$work/bin"

# Qt's mkspec calls the plain compiler names; the -posix compilers have the
# threads the rest of the Windows build uses.
for tool in gcc g++ c++ cpp; do
  ln -sf "/usr/bin/i686-w64-mingw32-$tool-posix" "$work/bin/i686-w64-mingw32-$tool"
done
export PATH=$work/bin:$PATH

# source NAME PACKAGE: unpacks the upstream sources of a Debian source
# package into $work/NAME, once.
source_package() {
  [ -d "$work/$1" ] && return 0
  (cd "$work" && apt-get source --download-only "$2") >/dev/null || fail "apt-get source $2 failed"
  dpkg-source --skip-patches -x "$(ls "$work"/"$2"_*.dsc | head -n1)" "$work/$1" >/dev/null \
    || fail "cannot unpack $2"
}
step "sources"
source_package qtbase qtbase-opensource-src
source_package qtdeclarative qtdeclarative-opensource-src
source_package qtsvg qtsvg-opensource-src
[ -d "$work/qtquickcontrols-5.15.8" ] || tar -xJf "$controls" -C "$work"

# module DIR [qmake arguments]: builds and installs one module.
module() {
  local dir=$1; shift
  step "$(basename "$dir")"
  (cd "$dir" && "$prefix/bin/qmake" "$@" && make -j"$jobs" && make install) \
    >"$work/$(basename "$dir").log" 2>&1 \
    || { tail -30 "$work/$(basename "$dir").log"; fail "$(basename "$dir") failed"; }
}

# Debian's repacked qtbase has no Wintab headers, which the Windows platform
# plugin's tablet support includes: no tablet input.
step "qtbase"
(cd "$work/qtbase" && ./configure -xplatform win32-g++ -device-option CROSS_COMPILE=i686-w64-mingw32- \
   -prefix "$prefix" -opensource -confirm-license -release -shared -nomake examples -nomake tests \
   -no-dbus -no-icu -no-openssl -opengl desktop -no-feature-sql -no-pch -qt-zlib -qt-libpng \
   -qt-libjpeg -qt-freetype -qt-harfbuzz -qt-pcre -no-feature-tabletevent \
   && make -j"$jobs" && make install) >"$work/qtbase.log" 2>&1 \
  || { tail -30 "$work/qtbase.log"; fail "qtbase failed"; }
# The Direct3D 12 scene graph needs a Windows shader compiler.
module "$work/qtdeclarative" -- -no-feature-d3d12
module "$work/qtsvg"
module "$work/qtquickcontrols-5.15.8"

# Relocatable qmake, as in the prebuilt archive.
printf '[Paths]\nPrefix=..\n' >"$prefix/bin/qt.conf"
touch "$prefix/.orvo-complete"
rm -rf "$work"
echo "build-qt-windows: Qt 5.15.8 for i686-w64-mingw32 in $prefix after $(( ($(date +%s) - started) / 60 )) min"
