#!/usr/bin/env bash
# Rebuilds installdata/Versions/KalvUT_script.bin from installdata/ut/kalvenmarque with
# the game's own script compiler.
#
#   scripts/build_ut_package.sh <game System folder holding the Linux ucc-bin compiler>
#
# The folder needs the compiler (ucc-bin-amd64, ucc-bin or ucc-bin-arm64) and its Core,
# Engine, Editor and Render libraries; Core.u, Engine.u, Editor.u and their .int files
# may sit beside it or in the usual sibling folders (../System, ../SystemLocalized/int).
# The build runs in a scratch folder: the game folder is only read.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
source_dir=$here/installdata/ut/kalvenmarque
output=$here/installdata/Versions/KalvUT_script.bin

if [ $# -ne 1 ] || [ ! -d "$1" ]; then
  echo "usage: $0 <game System folder with the script compiler>" >&2
  exit 2
fi
game=$(cd "$1" && pwd)

ucc=""
for name in ucc-bin-amd64 ucc-bin ucc-bin-arm64; do
  if [ -f "$game/$name" ]; then ucc=$name; break; fi
done
if [ -z "$ucc" ]; then
  echo "build_ut_package: no ucc-bin compiler in $game" >&2
  exit 1
fi

# First of the folders that holds the file, or nothing.
find_beside() {
  local f=$1 dir
  for dir in "$game" "$game/../System" "$game/../SystemLocalized/int"; do
    if [ -f "$dir/$f" ]; then echo "$dir/$f"; return; fi
  done
}

work=$(mktemp -d "${TMPDIR:-/tmp}/kalv-ut.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/System" "$work/kalvenmarque" "$work/check"

# The compiler changes to its own folder and loads its libraries from there, so it is
# copied rather than linked.
cp "$game/$ucc" "$game"/*.so "$work/System/"
chmod +x "$work/System/$ucc"
for f in Core.u Engine.u Editor.u Core.int Engine.int Editor.int; do
  found=$(find_beside "$f")
  if [ -z "$found" ]; then
    echo "build_ut_package: $f not found beside $game" >&2
    exit 1
  fi
  cp "$found" "$work/System/"
done
cp -r "$source_dir/Classes" "$work/kalvenmarque/"

cat > "$work/System/KalvMake.ini" <<'INI'
[Engine.Engine]
Language=int
EditorEngine=Editor.EditorEngine

[Core.System]
SavePath=../Save
CachePath=../Cache
CacheExt=.uxx
Paths=../System/*.u
LangPaths=../System/*.<lang>

[Editor.EditorEngine]
CacheSizeMegs=6
EditPackages=Core
EditPackages=Engine
EditPackages=Editor
EditPackages=kalvenmarque
INI
# The compiler refuses to start without a user ini; an empty one will do.
: > "$work/System/KalvUser.ini"

run_ucc() {
  (cd "$work/System" && timeout 300 "./$ucc" "$@" -nohomedir ini=KalvMake.ini userini=KalvUser.ini)
}

echo "build_ut_package: compiling with $game/$ucc"
run_ucc make >"$work/make.log" 2>&1 || true
grep -E 'Error|Warning|error\(s\)' "$work/make.log" || true
if ! grep -q 'Success - 0 error(s)' "$work/make.log" || [ ! -f "$work/System/kalvenmarque.u" ]; then
  echo "build_ut_package: the compiler did not succeed; its output:" >&2
  cat "$work/make.log" >&2
  exit 1
fi

# The built package must hold the game type the player names in the map address.
run_ucc batchexport ../System/kalvenmarque.u class uc ../check >"$work/export.log" 2>&1 || true
if ! grep -q '^class kalvenmarque extends GameInfo' "$work/check/kalvenmarque.uc" 2>/dev/null; then
  echo "build_ut_package: the package holds no class kalvenmarque; export output:" >&2
  cat "$work/export.log" >&2
  exit 1
fi

cp "$work/System/kalvenmarque.u" "$output"
echo "build_ut_package: wrote $output ($(stat -c %s "$output") bytes)"
