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

echo "== host unit tests"
if (cd "$BUILD/host" && ctest --output-on-failure -j2) >"$BUILD/host-tests.txt" 2>&1; then
  summary[host]="passed"
else
  summary[host]="FAILED"
  status=1
  tail -n 40 "$BUILD/host-tests.txt"
fi
summary[host]+=" -- $(grep -E 'tests passed|tests failed' "$BUILD/host-tests.txt" | tail -n 1)"

echo "== host unit tests, sanitized"
if (cd "$BUILD/host-sanitized" && ctest --output-on-failure -j2) >"$BUILD/host-sanitized-tests.txt" 2>&1; then
  summary[sanitized]="passed"
else
  summary[sanitized]="FAILED"
  status=1
  tail -n 40 "$BUILD/host-sanitized-tests.txt"
fi
summary[sanitized]+=" -- $(grep -E 'tests passed|tests failed' "$BUILD/host-sanitized-tests.txt" | tail -n 1)"

echo "== format"
if "$ROOT/scripts/check_format.sh" >"$BUILD/format.txt" 2>&1; then
  summary[format]="passed"
else
  summary[format]="FAILED"
  status=1
fi
cat "$BUILD/format.txt"
summary[format]+=" -- $(tail -n 1 "$BUILD/format.txt")"

echo "== layers"
if "$ROOT/scripts/check_layers.sh" >"$BUILD/layers.txt" 2>&1; then
  summary[layers]="passed"
else
  summary[layers]="FAILED"
  status=1
fi
cat "$BUILD/layers.txt"
summary[layers]+=" -- $(tail -n 1 "$BUILD/layers.txt")"

echo "== platform contract tests (Wine)"
if "$ROOT/scripts/contract.sh" "$BUILD/win32" >"$BUILD/contract.txt" 2>&1; then
  summary[contract]="passed"
else
  summary[contract]="FAILED"
  status=1
fi
cat "$BUILD/contract.txt"
summary[contract]+=" -- $(grep -E '^\[  (PASSED|FAILED)  \] [0-9]+ test' "$BUILD/contract.txt" | tr '\n' ' ')"

echo "== end-to-end tests (Wine, virtual display)"
"$ROOT/tests/e2e/run.sh" "$BUILD/win32" | tee "$BUILD/e2e.txt"
if [ "${PIPESTATUS[0]}" -eq 0 ]; then summary[e2e]="passed"; else summary[e2e]="FAILED"; status=1; fi
summary[e2e]+=" -- $(tail -n 1 "$BUILD/e2e.txt")"

echo
echo "== summary"
for level in host sanitized format layers contract e2e; do printf '%-9s %s\n' "$level" "${summary[$level]}"; done
exit "$status"
