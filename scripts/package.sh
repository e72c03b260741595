#!/usr/bin/env bash
# Builds the setup program Kalvenmarque-<version>-setup.exe into <build>/ (build/ or
# $KALV_BUILD_DIR): installs what is missing (NSIS among it), builds the Windows programs
# and their install tree in <build>/win32, and packs that tree with makensis.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${KALV_BUILD_DIR:-$ROOT/build}
JOBS=${KALV_JOBS:-2}
mkdir -p "$BUILD"

"$ROOT/scripts/install-deps.sh"
cmake -S "$ROOT" -B "$BUILD/win32" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64-x86_64.cmake" >"$BUILD/win32-configure.log" 2>&1 ||
  { cat "$BUILD/win32-configure.log"; exit 1; }
cmake --build "$BUILD/win32" --target package -j"$JOBS"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/win32/CMakeCache.txt")
setup="Kalvenmarque-$version-setup.exe"
cp -- "$BUILD/win32/$setup" "$BUILD/$setup"
echo "package: $BUILD/$setup"
