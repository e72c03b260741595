#!/usr/bin/env bash
# Builds the host flavour (portable code, in-memory platform, host tests) in
# <build>/host, the same under the sanitizers in <build>/host-sanitized, and the Windows
# flavour (the programs, contract tests, end-to-end tools, install tree) in <build>/win32.
# <build> is build/ or $KALV_BUILD_DIR.
#
#   scripts/build.sh                      every flavour
#   scripts/build.sh win32 [host ...]     only those named
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${KALV_BUILD_DIR:-$ROOT/build}
JOBS=${KALV_JOBS:-2}
mkdir -p "$BUILD"

# A compiler cache, where one is installed, serves every checkout of the tree alike.
LAUNCHER=()
if command -v ccache >/dev/null 2>&1; then
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$ROOT}
  LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

FLAVOURS=("$@")
[ ${#FLAVOURS[@]} -gt 0 ] || FLAVOURS=(host host-sanitized win32)
wanted() { [[ " ${FLAVOURS[*]} " == *" $1 "* ]]; }

if wanted host; then
cmake -S "$ROOT" -B "$BUILD/host" -DCMAKE_BUILD_TYPE=Release -DKALV_WARNINGS_AS_ERRORS=ON \
  "${LAUNCHER[@]}" >"$BUILD/host-configure.log" 2>&1 ||
  { cat "$BUILD/host-configure.log"; exit 1; }
cmake --build "$BUILD/host" -j"$JOBS"
fi

# The host tests once more, in a Debug build under AddressSanitizer and
# UndefinedBehaviorSanitizer: a stray read or an overflow fails them.
if wanted host-sanitized; then
cmake -S "$ROOT" -B "$BUILD/host-sanitized" -DCMAKE_BUILD_TYPE=Debug -DKALV_WARNINGS_AS_ERRORS=ON \
  -DKALV_SANITIZE=ON "${LAUNCHER[@]}" >"$BUILD/host-sanitized-configure.log" 2>&1 ||
  { cat "$BUILD/host-sanitized-configure.log"; exit 1; }
cmake --build "$BUILD/host-sanitized" -j"$JOBS"
fi

if wanted win32; then
cmake -S "$ROOT" -B "$BUILD/win32" -DCMAKE_BUILD_TYPE=Release -DKALV_WARNINGS_AS_ERRORS=ON \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" "${LAUNCHER[@]}" \
  >"$BUILD/win32-configure.log" 2>&1 ||
  { cat "$BUILD/win32-configure.log"; exit 1; }
cmake --build "$BUILD/win32" -j"$JOBS"
fi
echo "build: ${FLAVOURS[*]} built; host in $BUILD/host (sanitized: $BUILD/host-sanitized), Windows in $BUILD/win32 (install tree $BUILD/win32/install)"
