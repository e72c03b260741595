#!/usr/bin/env bash
# Installs what building and testing need on Debian, and the packages named as arguments;
# does nothing when all is present.
set -euo pipefail

PACKAGES=(cmake g++ mingw-w64 wine wine64 xvfb imagemagick x11-utils googletest nsis clang-format "$@")

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg -s "$p" >/dev/null 2>&1; then missing+=("$p"); fi
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
echo "install-deps: installing ${missing[*]}"
# The package lists are fetched only when apt has none yet or cannot find a package.
if ! $SUDO apt-get install -y --no-install-recommends "${missing[@]}"; then
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
