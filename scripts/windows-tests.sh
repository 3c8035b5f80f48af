#!/usr/bin/env bash
# Cross-builds the Windows back-ends, the analytics client library and the
# probes library with their tests for x86_64 and i686 (mingw-w64), and runs
# the tests under Wine.
#   ORVO_WIN_BUILD_ROOT  where the two build trees go (default: the source root,
#                        as build-win64 and build-win32)
#   ORVO_WIN_ARCHS       which targets (default: "x86_64 i686")
#   --install-only       only install the packages the cross build needs
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

fail() { echo "windows-tests: $*" >&2; exit 1; }

# Cross compilers, Wine (with wine32 for i686) and apt-get source.
install_windows_deps() {
  local i386=
  [[ " $ARCHS " == *" i686 "* ]] || i386=--no-i386
  bash "$root/scripts/install-deps.sh" --windows $i386 \
    || fail "cannot install the packages of the Windows build (see above)"
}

ARCHS=${ORVO_WIN_ARCHS:-"x86_64 i686"}
install_windows_deps
[ "${1:-}" = "--install-only" ] && exit 0

build_root=${ORVO_WIN_BUILD_ROOT:-$root}
jobs=${ORVO_WIN_JOBS:-2}
work=$(mktemp -d /tmp/orvo-windows-tests.XXXXXX)
export WINEPREFIX=$work/wineprefix WINEDEBUG=-all WINEARCH=win64
# No desktop, no Mono or Gecko installers.
export DISPLAY= WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
server_pids=()

cleanup() {
  local pid
  for pid in "${server_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

started=$(date +%s)

# The local analytics server is a Linux program; the Windows tests reach it
# on 127.0.0.1 like any other HTTPS server.
build_host_server() {
  local host=$build_root/build-win64/host
  cmake -S "$root/cmake/windows-host-server" -B "$host" -DCMAKE_BUILD_TYPE=Release \
        >"$work/host-configure.log" 2>&1 \
    || { cat "$work/host-configure.log"; fail "cannot configure the host build"; }
  cmake --build "$host" --target orvo-analytics-server -j"$jobs" >"$work/host-build.log" 2>&1 \
    || { tail -30 "$work/host-build.log"; fail "cannot build the local analytics server"; }
  server_bin=$host/analytics_server/orvo-analytics-server
}

# start_server NAME [options]: runs one server on a free port; sets
# server_port.
start_server() {
  local name=$1; shift
  local dir=$work/$name
  mkdir -p "$dir"
  # The log exists before the server starts, so that reading it for the port
  # never races the background job's redirection.
  : >"$dir/server.log"
  "$server_bin" --port 0 --dir "$dir" --hosts localhost --rsa "$@" >"$dir/server.log" 2>&1 &
  server_pids+=($!)
  local i
  for i in $(seq 1 300); do
    server_port=$(sed -n 's/^Analytics server on 127\.0\.0\.1:\([0-9]*\);.*/\1/p' "$dir/server.log")
    [ -n "$server_port" ] && return 0
    sleep 0.1
  done
  cat "$dir/server.log"
  fail "the $name analytics server did not start"
}

# Build one target architecture: SQLite, JsonCpp, libsodium and GoogleTest
# first, then the analytics client, the probes and their tests.
build_arch() {
  local arch=$1 dir=$2
  local toolchain=$root/cmake/toolchains/mingw-w64-$arch.cmake
  echo "== $arch: third-party libraries"
  if [ ! -f "$dir/prefix/lib/libsqlite3.a" ] || [ ! -f "$dir/prefix/lib/libjsoncpp.a" ] \
     || [ ! -f "$dir/prefix/lib/libsodium.a" ] || [ ! -f "$dir/prefix/lib/libgtest.a" ]; then
    cmake -S "$root/cmake/windows-deps" -B "$dir/deps" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
          -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$dir/prefix" \
          >"$work/deps-$arch.log" 2>&1 \
      && cmake --build "$dir/deps" --target install -j"$jobs" >>"$work/deps-$arch.log" 2>&1 \
      || { tail -40 "$work/deps-$arch.log"; fail "$arch: cannot build SQLite/JsonCpp/libsodium/GoogleTest"; }
  fi
  echo "== $arch: analytics client, probes and tests"
  cmake -S "$root" -B "$dir/orvo" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DORVO_WIN_DEPS_PREFIX="$dir/prefix" -DORVO_WITH_QT=OFF -DORVO_BUILD_BENCH=OFF \
        -DORVO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$work/configure-$arch.log" 2>&1 \
    || { cat "$work/configure-$arch.log"; fail "$arch: cannot configure"; }
  cmake --build "$dir/orvo" -j"$jobs" >"$work/build-$arch.log" 2>&1 \
    || { grep -E "error|Error" "$work/build-$arch.log" | head -40; fail "$arch: build failed"; }
}

# What the servers saw, and the failed tests once more with Wine's traces of
# the TLS handshake and of certificate chain building, so that a failure on a
# machine nobody can log into still says why.
diagnose_failure() {
  local dir=$1 name
  for name in accepting refusing untrusted outdated; do
    echo "-- the $name server (last lines of its log)"
    grep -v '^  {' "$work/$name/server.log" | tail -15 || true
  done
  echo "-- the failed tests once more, with Wine's traces"
  (cd "$dir/orvo" && WINEDEBUG=warn+winhttp,warn+secur32,trace+chain,fixme+crypt \
     ctest --rerun-failed --output-on-failure --timeout 300 >"$work/rerun.log" 2>&1) || true
  # Wine builds a chain for each host authority it imports; only the chains
  # of the local servers' certificates are of interest.
  awk '/OrvoCheck|"localhost"/ { ours = 8 }
       ours > 0 && /issued|valid from|error status|verify/ { print; ours--; next }
       /:winhttp:|:secur32:|:schannel:|FAILED|Failed|failed|tests passed/ { print }' \
      "$work/rerun.log" | head -80 || true
}

run_arch_tests() {
  local arch=$1 dir=$2
  echo "== $arch: tests under Wine"
  if ! (cd "$dir/orvo" && ctest --output-on-failure --timeout 300 -j"$jobs"); then
    diagnose_failure "$dir"
    fail "$arch: tests failed"
  fi
}

build_host_server
declare -A dirs=([x86_64]=$build_root/build-win64 [i686]=$build_root/build-win32)
for arch in $ARCHS; do build_arch "$arch" "${dirs[$arch]}"; done

# Servers for the transport and upload tests: one answering normally with a
# configuration far longer than one read (but within what the client reads),
# one refusing everything, one whose authority nobody trusts, one answering a
# configuration longer than the client reads, one redirecting everything to
# the first, one that never answers, and one that speaks only TLS 1.0/1.1.
# WinHTTP checks the certificate against the name it connects to and does not
# match IP addresses, so the tests connect to "localhost", a name the servers'
# certificates carry.
pad_config() {
  python3 -c 'import json, sys
print(json.dumps({"compress": True, "pad": "x" * int(sys.argv[1])}), end="")' "$1"
}
pad_config 50000 >"$work/config.json"
start_server accepting --config "$(cat "$work/config.json")"
export ORVO_WIN_TEST_SERVER=localhost:$server_port
accepting_port=$server_port
start_server refusing --status 500 --times 1000000
export ORVO_WIN_TEST_REFUSING_SERVER=localhost:$server_port
start_server untrusted
export ORVO_WIN_TEST_UNTRUSTED_SERVER=localhost:$server_port
start_server oversized --config "$(pad_config 70000)"
export ORVO_WIN_TEST_OVERSIZED_SERVER=localhost:$server_port
start_server redirecting --status 302 --times 1000 \
  --location "https://localhost:$accepting_port/init/0/"
export ORVO_WIN_TEST_REDIRECTING_SERVER=localhost:$server_port
start_server silent --hang --times 1000
export ORVO_WIN_TEST_SILENT_SERVER=localhost:$server_port
start_server trickling --trickle --times 1000
export ORVO_WIN_TEST_TRICKLING_SERVER=localhost:$server_port
start_server outdated --outdated-tls
export ORVO_WIN_TEST_OUTDATED_SERVER=localhost:$server_port
winpath() { local p="Z:$1"; echo "${p//\//\\}"; }
# Each server makes its own authority; the tests trust all but the untrusted one's.
cat "$work"/{accepting,refusing,oversized,redirecting,silent,trickling,outdated}/ca.pem \
  >"$work/trusted-ca.pem"
export ORVO_WIN_TEST_CA_FILE=$(winpath "$work/trusted-ca.pem")
export ORVO_WIN_TEST_CONFIG_FILE=$(winpath "$work/config.json")
export ORVO_WIN_TEST_RECORDS_FILE=$(winpath "$work/accepting/records.db")
# The outdated server's log has a line for every handshake it ends with an alert.
export ORVO_WIN_TEST_OUTDATED_LOG=$(winpath "$work/outdated/server.log")

# A fresh prefix, and a running wineserver so that every test does not pay
# the start-up (or hang ctest on the pipes a first start leaves open).
echo "== Wine prefix $WINEPREFIX"
mkdir -p "$WINEPREFIX"
wineserver -p || fail "cannot start wineserver"
wine cmd /c exit </dev/null >/dev/null 2>&1 || fail "Wine cannot create its prefix"

for arch in $ARCHS; do run_arch_tests "$arch" "${dirs[$arch]}"; done
wineserver -k || true
echo "windows-tests: all passed for $ARCHS in $(( $(date +%s) - started )) s"
