#!/bin/sh
# Runs one Windows test program under Wine (the cross build's emulator).
# Wine can exit 0 although the program never started, so a run passes only
# when the program says so itself: a GoogleTest run needs its "[  PASSED  ]"
# line and no "[  FAILED  ]" line, a test listing needs a non-empty list.
# Carriage returns are dropped so that CMake can read the listing.
out=$(mktemp) || exit 1
err=$(mktemp) || exit 1
trap 'rm -f "$out" "$err"' EXIT
wine "$@" </dev/null >"$out" 2>"$err"
rc=$?
tr -d '\r' <"$out"
tr -d '\r' <"$err" >&2
case " $* " in
*" --gtest_list_tests"*)
  if [ "$rc" -eq 0 ] && grep -q . "$out"; then exit 0; fi
  echo "wine-test-runner: no test list from $1 (exit $rc)" >&2
  exit 1
  ;;
esac
if [ "$rc" -eq 0 ] && grep -q '^\[  PASSED  \]' "$out" && ! grep -q '^\[  FAILED  \]' "$out"; then
  exit 0
fi
echo "wine-test-runner: $1 did not report success (exit $rc)" >&2
[ "$rc" -ne 0 ] && exit "$rc"
exit 1
