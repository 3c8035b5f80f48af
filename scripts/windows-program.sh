#!/usr/bin/env bash
# Cross-builds the Windows program (OrvoCheck.exe and orvocheck-report.exe,
# i686) into build-win32-app/, zips its deployment folder as
# build-win32-app/OrvoCheck-<version>-win32.zip and runs it under Wine on a
# private X server (tests/windows_program/run_under_wine.sh).
#   ORVO_QT_WIN_PREFIX   Qt 5.15 for i686-w64-mingw32 to use. Otherwise the
#                        prebuilt archive in ../shared/third-party is unpacked
#                        into the build folder, and without it
#                        scripts/build-qt-windows.sh builds Qt from source
#                        into ORVO_QT_WIN_CACHE (kept between runs).
#   ORVO_WIN_APP_DIR     build folder (default: build-win32-app in the source root)
#   --build-only         build and zip, do not run under Wine
#   ORVO_BUILD_QT_WINDOWS=1  build Qt from source (40 to 50 minutes, once) when
#                        there is no prebuilt one; ORVO_REQUIRE_WINDOWS_PROGRAM=1
#                        (CI) does too
# Exits with 3 when no Qt for Windows can be obtained, with 4 when it would
# have to be built from source and that was not asked for.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${ORVO_WIN_APP_DIR:-$root/build-win32-app}
jobs=${ORVO_WIN_JOBS:-2}
qt_archive=$root/../shared/third-party/qt-5.15.8-i686-w64-mingw32.tar.xz
qt_cache=${ORVO_QT_WIN_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/orvocheck}/qt-5.15.8-i686-w64-mingw32
started=$(date +%s)

fail() { echo "windows-program: $*" >&2; exit 1; }
step() { echo "== $* ($(( $(date +%s) - started )) s)"; }

# The same commit gives the same zip, byte for byte, wherever it is built:
# every time stamp written (resources, zip entries) is the commit's, and the
# paths of this machine are mapped away from what the compiler writes.
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null) ||
    fail "not a git checkout: set SOURCE_DATE_EPOCH (seconds since 1970) for the zip's times"
fi
export SOURCE_DATE_EPOCH

if [ -z "${ORVO_QT_WIN_PREFIX:-}" ] && [ ! -f "$qt_archive" ] && [ ! -f "$qt_cache/.orvo-complete" ] &&
   [ -z "${ORVO_BUILD_QT_WINDOWS:-}${ORVO_REQUIRE_WINDOWS_PROGRAM:-}" ]; then
  # The one line scripts/test.sh shows for the skip.
  echo "Windows program skipped: no prebuilt Qt for Windows in ../shared/third-party" \
       "(ORVO_BUILD_QT_WINDOWS=1 builds it from source, 40-50 min once)"
  exit 4
fi

bash "$root/scripts/install-deps.sh" || fail "cannot install the packages of the Linux build"
bash "$root/scripts/install-deps.sh" --windows \
  || fail "cannot install the packages of the Windows build (see above)"
mkdir -p "$out/logs"

# run LOG command...: quiet unless it fails.
run() {
  local log=$out/logs/$1; shift
  "$@" >"$log" 2>&1 || { tail -40 "$log"; fail "failed: $* (log: $log)"; }
}

# build_qt [--svg-and-controls] PREFIX: scripts/build-qt-windows.sh; its 3
# (Qt's sources cannot be had here) is passed on for scripts/test.sh.
build_qt() {
  local rc=0
  bash "$root/scripts/build-qt-windows.sh" "$@" || rc=$?
  [ "$rc" -ne 3 ] || { echo "windows-program: no Qt for Windows can be obtained" >&2; exit 3; }
  [ "$rc" -eq 0 ] || fail "cannot build Qt for Windows"
}

step "Qt for Windows"
if [ -n "${ORVO_QT_WIN_PREFIX:-}" ]; then
  qt=$ORVO_QT_WIN_PREFIX
elif [ -f "$qt_archive" ]; then
  qt=$out/qt-5.15.8-i686-w64-mingw32
  # Unpacked beside and renamed when whole: an interrupted unpack is never
  # taken for a Qt.
  if [ ! -f "$qt/lib/cmake/Qt5/Qt5Config.cmake" ]; then
    rm -rf "$qt" "$out/qt-unpacking"
    mkdir -p "$out/qt-unpacking"
    tar -xJf "$qt_archive" -C "$out/qt-unpacking" || fail "cannot unpack $qt_archive"
    mv "$out/qt-unpacking/qt-5.15.8-i686-w64-mingw32" "$qt" && rmdir "$out/qt-unpacking"
  fi
else
  qt=$qt_cache
  [ -f "$qt/.orvo-complete" ] || build_qt "$qt"
fi
# Qt Svg and Controls 1 without Qt Widgets, which the program then does not
# need: the prebuilt Qt has them with it.
[ -n "${ORVO_QT_WIN_PREFIX:-}" ] || [ -f "$qt/.orvo-svg-and-controls-2" ] ||
  build_qt --svg-and-controls "$qt"
[ -f "$qt/lib/cmake/Qt5/Qt5Config.cmake" ] || fail "no Qt for Windows in $qt"

# Qt's folder too: it may lie outside the source tree (ORVO_QT_WIN_PREFIX).
paths_mapped="-ffile-prefix-map=$root=. -ffile-prefix-map=$out=build -ffile-prefix-map=$qt=qt"

# Build-time tools run here: the artwork generator, and the local analytics
# server the run under Wine sends its records to.
step "host tools"
run host-configure.log cmake -S "$root" -B "$out/host" -DCMAKE_BUILD_TYPE=Release \
  -DORVO_BUILD_TESTS=OFF -DORVO_BUILD_BENCH=OFF
run host-build.log cmake --build "$out/host" -j"$jobs" --target artgen orvo-analytics-server

step "SQLite, JsonCpp and libsodium for the target"
toolchain=$root/cmake/toolchains/mingw-w64-i686.cmake
deps=$out/deps-prefix
if [ ! -f "$deps/lib/libsqlite3.a" ] || [ ! -f "$deps/lib/libjsoncpp.a" ] ||
   [ ! -f "$deps/lib/libsodium.a" ] || [ ! -f "$deps/share/licenses/JsonCpp/LICENSE" ]; then
  run deps-configure.log cmake -S "$root/cmake/windows-deps" -B "$out/deps" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$deps" \
    -DORVO_DEPS_GTEST=OFF -DCMAKE_C_FLAGS="$paths_mapped" -DCMAKE_CXX_FLAGS="$paths_mapped"
  run deps-build.log cmake --build "$out/deps" -j"$jobs" --target install
fi

step "OrvoCheck.exe and orvocheck-report.exe"
# Built for size: the check and the window spend their time in Qt and in
# waiting, not in our code, and the zip must stay under 15 MB.
run configure.log cmake -S "$root" -B "$out/orvo" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DORVO_QT_WIN_PREFIX="$qt" -DCMAKE_PREFIX_PATH="$qt" -DORVO_WIN_DEPS_PREFIX="$deps" \
  -DORVO_HOST_ARTGEN="$out/host/tools/artgen/artgen" -DORVO_BUILD_TESTS=OFF \
  -DORVO_BUILD_BENCH=OFF -DORVO_WERROR=ON -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DCMAKE_C_FLAGS="$paths_mapped" -DCMAKE_CXX_FLAGS="$paths_mapped"
run build.log cmake --build "$out/orvo" -j"$jobs" --target OrvoCheck orvocheck-report

step "deployment folder and zip"
name=$(sed -n 's/^ORVO_WIN_PACKAGE_NAME:INTERNAL=//p' "$out/orvo/CMakeCache.txt")
zip=$out/$name.zip
rm -rf "$out/package" "$out"/OrvoCheck-*-win32.zip "$out/SHA256SUMS"
run install.log cmake --install "$out/orvo" --component win32 --prefix "$out/package/$name"
run zip.log python3 "$root/cmake/windows/pack_zip.py" "$out/package/$name" "$zip" "$SOURCE_DATE_EPOCH"
rm -rf "$out/package"
# Beside the zip where it is offered; "sha256sum -c SHA256SUMS" checks it.
(cd "$out" && sha256sum "$name.zip" >SHA256SUMS)
echo "windows-program: $zip ($(du -h "$zip" | cut -f1), sha256 $(cut -d' ' -f1 "$out/SHA256SUMS"))"
[ "${1:-}" = "--build-only" ] && exit 0

step "the program under Wine"
bash "$root/tests/windows_program/run_under_wine.sh" "$zip" \
  "$out/host/tools/analytics_server/orvo-analytics-server" "$out/shots"
echo "windows-program: built, zipped and tested under Wine in $(( $(date +%s) - started )) s"
