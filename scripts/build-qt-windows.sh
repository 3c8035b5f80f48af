#!/usr/bin/env bash
# build-qt-windows.sh [--svg-and-controls] <prefix>
# Builds Qt 5.15.8 for 32-bit Windows (i686-w64-mingw32, the -posix
# compilers, shared, release) into <prefix>: qtbase, qtdeclarative and qtsvg
# from Debian's own source packages without Debian's patches, and Qt Quick
# Controls 1 from ../shared/third-party or else from Qt's release archive
# (the registry does not serve its source). About 40 to 50 minutes on two
# cores. <prefix>/.orvo-complete marks a finished build;
# scripts/windows-program.sh uses <prefix> only then. Exits with 3 when the
# sources cannot be had, so that callers can tell that from a failed build.
#
# Qt Svg and Controls 1 are built without Qt Widgets (no QSvgWidget, no
# desktop style, neither of which the program uses), so that the program
# ships without Qt5Widgets.dll. --svg-and-controls builds only these two into
# an existing Qt <prefix> (the prebuilt one); <prefix>/.orvo-svg-and-controls-2
# marks that done (2: built without paths and times of their own, see below;
# a Qt with an older mark gets the two again).
#   ORVO_QT_WIN_WORK  sources and objects (default: <prefix>.work, removed
#                     after a successful build)
#   ORVO_WIN_JOBS     parallel jobs (default 2)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
only_svg_and_controls=
[ "${1:-}" != "--svg-and-controls" ] || { only_svg_and_controls=1; shift; }
[ $# -eq 1 ] || { echo "usage: $0 [--svg-and-controls] <prefix>" >&2; exit 2; }
mkdir -p "$1"
prefix=$(cd "$1" && pwd)
work=${ORVO_QT_WIN_WORK:-$prefix.work}
jobs=${ORVO_WIN_JOBS:-2}
controls=$root/../shared/third-party/qtquickcontrols-5.15.8.tar.xz
controls_url=https://download.qt.io/archive/qt/5.15/5.15.8/submodules/qtquickcontrols-everywhere-opensource-src-5.15.8.tar.xz
# The same bytes as Debian 12's qtquickcontrols-opensource-src_5.15.8.orig.tar.xz.
controls_sha256=2cb762d8aa53dacced4ddcc038c4541179c8bee51902becdd1753237ef3ae47a
started=$(date +%s)

fail() { echo "build-qt-windows: $*" >&2; exit 1; }
no_sources() { echo "build-qt-windows: $*" >&2; exit 3; }
step() { echo "== $* ($(( ($(date +%s) - started) / 60 )) min)"; }
bash "$root/scripts/install-deps.sh" --windows --no-i386 || fail "cannot install the cross compilers"
mkdir -p "$work/bin"

# Controls 1 first: without it the rest is not worth building.
if [ ! -f "$controls" ]; then
  controls=$work/qtquickcontrols-5.15.8.tar.xz
  if [ ! -f "$controls" ]; then
    curl -fsSL --connect-timeout 30 --max-time 900 -o "$controls.part" "$controls_url" \
      || { rm -f "$controls.part"; no_sources "cannot download $controls_url"; }
    echo "$controls_sha256  $controls.part" | sha256sum -c --quiet \
      || { rm -f "$controls.part"; fail "$controls_url is not the archive it should be"; }
    mv "$controls.part" "$controls"
  fi
fi

# Qt's mkspec calls the plain compiler names; the -posix compilers have the
# threads the rest of the Windows build uses. Through ccache when there is one.
# Two builds of the same sources in different folders give the same DLLs:
# the folders are mapped away from what the compiler writes and the linker
# writes no time into the PE header and the export table.
launcher=$(command -v ccache || true)
reproducible="-ffile-prefix-map=$work=. -ffile-prefix-map=$prefix=qt -Wl,--no-insert-timestamp"
for tool in gcc g++ c++ cpp; do
  printf '#!/bin/sh\nexec %s /usr/bin/i686-w64-mingw32-%s-posix %s "$@"\n' "$launcher" "$tool" \
    "$reproducible" >"$work/bin/i686-w64-mingw32-$tool"
  chmod +x "$work/bin/i686-w64-mingw32-$tool"
done
export PATH=$work/bin:$PATH

# source NAME PACKAGE: unpacks the upstream sources of a Debian source
# package into $work/NAME, once.
source_package() {
  [ -d "$work/$1" ] && return 0
  (cd "$work" && apt-get source --download-only "$2") >/dev/null || no_sources "apt-get source $2 failed"
  dpkg-source --skip-patches -x "$(ls "$work"/"$2"_*.dsc | head -n1)" "$work/$1" >/dev/null \
    || fail "cannot unpack $2"
}
step "sources"
if [ -z "$only_svg_and_controls" ]; then
  source_package qtbase qtbase-opensource-src
  source_package qtdeclarative qtdeclarative-opensource-src
fi
source_package qtsvg qtsvg-opensource-src
# Qt's archive names the top folder qtquickcontrols-everywhere-src-5.15.8.
if [ ! -d "$work/qtquickcontrols-5.15.8" ]; then
  rm -rf "$work/controls-unpacking" && mkdir "$work/controls-unpacking"
  tar -xJf "$controls" -C "$work/controls-unpacking" || fail "cannot unpack $controls"
  mv "$work"/controls-unpacking/qtquickcontrols-* "$work/qtquickcontrols-5.15.8"
  rmdir "$work/controls-unpacking"
fi

# module DIR [qmake arguments]: builds and installs one module.
module() {
  local dir=$1; shift
  step "$(basename "$dir")"
  (cd "$dir" && "$prefix/bin/qmake" "$@" && make -j"$jobs" && make install) \
    >"$work/$(basename "$dir").log" 2>&1 \
    || { tail -30 "$work/$(basename "$dir").log"; fail "$(basename "$dir") failed"; }
}

# svg_and_controls: Qt Svg and Controls 1 (its controls only) without Qt Widgets.
svg_and_controls() {
  sed -i 's/^qtHaveModule(widgets): QT += widgets-private$/DEFINES += QT_NO_WIDGETS/' \
    "$work/qtsvg/src/svg/svg.pro"
  grep -q "QT_NO_WIDGETS" "$work/qtsvg/src/svg/svg.pro" || fail "qtsvg's svg.pro has changed"
  module "$work/qtsvg"
  module "$work/qtquickcontrols-5.15.8/src/controls" CONFIG+=no_desktop
}
if [ -n "$only_svg_and_controls" ]; then
  svg_and_controls
  touch "$prefix/.orvo-svg-and-controls-2"
  rm -rf "$work"
  echo "build-qt-windows: Qt Svg and Quick Controls 1 without Qt Widgets in $prefix"
  exit 0
fi

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
svg_and_controls

# Relocatable qmake, as in the prebuilt archive.
printf '[Paths]\nPrefix=..\n' >"$prefix/bin/qt.conf"
touch "$prefix/.orvo-svg-and-controls-2" "$prefix/.orvo-complete"
rm -rf "$work"
echo "build-qt-windows: Qt 5.15.8 for i686-w64-mingw32 in $prefix after $(( ($(date +%s) - started) / 60 )) min"
