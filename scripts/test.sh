#!/usr/bin/env bash
# Builds everything and runs the three test levels: host unit tests, the platform
# contract tests under Wine, and the end-to-end tests under Wine on a virtual display.
# Exits non-zero when any level fails. <build> is build/ or $KALV_BUILD_DIR.
set -uo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export KALV_BUILD_DIR=${KALV_BUILD_DIR:-$ROOT/build}
BUILD=$KALV_BUILD_DIR

"$ROOT/scripts/install-deps.sh" || exit 1
"$ROOT/scripts/build.sh" || { echo "test: the build failed"; exit 1; }

declare -A summary
status=0

# Runs one level's command with its output in <build>/<file>; the summary line gets the
# outcome and the output's last line matching <pattern>.
level() {
  local name=$1 file=$BUILD/$2 pattern=$3
  shift 3
  if "$@" >"$file" 2>&1; then
    summary[$name]="passed"
  else
    summary[$name]="FAILED"
    status=1
  fi
  summary[$name]+=" -- $(grep -E -- "$pattern" "$file" | tail -n 1)"
}
ctest_in() { (cd "$1" && ctest --output-on-failure -j2); }

echo "== host unit tests"
level host host-tests.txt 'tests passed|tests failed' ctest_in "$BUILD/host"
[ "${summary[host]%% *}" = passed ] || tail -n 40 "$BUILD/host-tests.txt"

echo "== host unit tests, sanitized"
level sanitized host-sanitized-tests.txt 'tests passed|tests failed' ctest_in "$BUILD/host-sanitized"
[ "${summary[sanitized]%% *}" = passed ] || tail -n 40 "$BUILD/host-sanitized-tests.txt"

echo "== format"
level format format.txt . "$ROOT/scripts/check_format.sh"
cat "$BUILD/format.txt"

echo "== layers"
level layers layers.txt . "$ROOT/scripts/check_layers.sh"
cat "$BUILD/layers.txt"

echo "== platform contract tests (Wine)"
level contract contract.txt '^\[  (PASSED|FAILED)  \] [0-9]+ test' "$ROOT/scripts/contract.sh" "$BUILD/win32"
cat "$BUILD/contract.txt"
summary[contract]+=" ($(grep -cE '^\[  PASSED  \] [0-9]+ test' "$BUILD/contract.txt") of 3 runs passed)"

echo "== end-to-end tests (Wine, virtual display)"
"$ROOT/tests/e2e/run.sh" "$BUILD/win32" | tee "$BUILD/e2e.txt"
if [ "${PIPESTATUS[0]}" -eq 0 ]; then summary[e2e]="passed"; else summary[e2e]="FAILED"; status=1; fi
summary[e2e]+=" -- $(tail -n 1 "$BUILD/e2e.txt")"

echo
echo "== summary"
for name in host sanitized format layers contract e2e; do printf '%-9s %s\n' "$name" "${summary[$name]}"; done
exit "$status"
