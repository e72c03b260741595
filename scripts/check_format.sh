#!/usr/bin/env bash
# Fails when a C++ file of the tree differs from what .clang-format makes of it, and
# names the files. Run `clang-format -i <file>` to mend one.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
[ ${#files[@]} -gt 0 ] || { echo "check_format: no C++ files found"; exit 1; }
bad=()
for f in "${files[@]}"; do
  clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
  printf 'check_format: not formatted: %s\n' "${bad[@]}"
  exit 1
fi
echo "check_format: ${#files[@]} files formatted"
