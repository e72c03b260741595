#!/usr/bin/env bash
# The platform contract tests of the Windows build, run under Wine in a fresh prefix.
#   scripts/contract.sh [<windows build dir>]   (default: build/win32 or $KALV_BUILD_DIR/win32)
# Run it as root: the disk-full cases fill a small tmpfs it mounts as drive K:.
set -uo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${1:-${KALV_BUILD_DIR:-$ROOT/build}/win32}
EXE=$(find "$BUILD" -name contract_tests_win32.exe -type f 2>/dev/null | head -n 1)
if [ -z "$EXE" ]; then
  echo "contract: contract_tests_win32.exe is not built in $BUILD"
  exit 1
fi
# The program runs from its own folder, so a build dir given relative must not stay so.
EXE=$(cd "$(dirname "$EXE")" && pwd)/$(basename "$EXE")

# shellcheck source=tests/e2e/wine_env.sh
source "$ROOT/tests/e2e/wine_env.sh"
WORK=$(mktemp -d "${TMPDIR:-/tmp}/kalv-contract.XXXXXX")
SMALL="$WORK/small-drive"
SMALL_MOUNTED=""
# The small drive is unmounted before its folder goes, and only if this run mounted it.
cleanup() {
  kalv_wine_down
  if [ -n "$SMALL_MOUNTED" ]; then umount "$SMALL" 2>/dev/null || umount -l "$SMALL"; fi
  rm -rf -- "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

kalv_wine_up "$WORK" || { echo "contract: Wine could not be prepared"; exit 1; }
# A disk that really fills up for the disk-full cases: a small tmpfs as drive K:.
# Mounting needs root; without it those cases fail and say why.
mkdir -p "$SMALL"
if mount -t tmpfs -o size=256k,mode=0777 kalv-small "$SMALL" 2>"$WORK/mount.log"; then
  SMALL_MOUNTED=1
  ln -sfn -- "$SMALL" "$WINEPREFIX/dosdevices/k:"
  export KALV_SMALL_DRIVE=K:
else
  echo "contract: no small drive for the disk-full cases: $(cat "$WORK/mount.log")"
fi
# The contract cases, then the Windows backend's own tests (its windows and processes),
# which only the real backend has.
rc=0
run_tests() {
  local exe=$1 out=$2 status=0
  (cd "$(dirname "$exe")" && timeout 300 wine "$exe" --gtest_filter="${KALV_GTEST_FILTER:-*}") \
    >"$out" 2>&1 </dev/null || status=$?
  tr -d '\r' <"$out" | grep -E '^\[  (PASSED|FAILED)  \]|^\[==========\] [0-9]+ tests? from' || true
  if [ "$status" -eq 124 ]; then echo "contract: time limit reached (see $out)"; fi
  [ "$status" -eq 0 ] || rc=$status
}
run_tests "$EXE" "$BUILD/contract-results.txt"
BACKEND=$(find "$BUILD" -name win32_backend_tests.exe -type f 2>/dev/null | head -n 1)
if [ -n "$BACKEND" ]; then
  BACKEND=$(cd "$(dirname "$BACKEND")" && pwd)/$(basename "$BACKEND")
  run_tests "$BACKEND" "$BUILD/backend-results.txt"
  # The windows again on a display at 200 %, where they must show the larger pictures.
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 192 /f \
    >"$WORK/dpi.log" 2>&1 || { echo "contract: could not set 192 DPI: $(cat "$WORK/dpi.log")"; rc=1; }
  KALV_GTEST_FILTER='ScaledPictures.*' run_tests "$BACKEND" "$BUILD/backend-192dpi-results.txt"
else
  # A build without it has not tested the backend: that must not read as a pass.
  echo "contract: win32_backend_tests.exe is not built in $BUILD"
  rc=1
fi
exit "$rc"
