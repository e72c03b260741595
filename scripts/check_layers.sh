#!/usr/bin/env bash
# Keeps the include arrows pointing one way: a folder's sources include only folders of
# the layers it stands on (tests, tools and backends stand where their folder does).
#   scripts/check_layers.sh        exits non-zero and names every include that runs back
set -uo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ROOT" || exit 1

# What each folder may include besides itself, lowest layer first. The games know neither
# the program's state nor its windows. The Quake 2 companion reads the very file steps the
# player prepares (games/other/quake2/quake2_files.h) and nothing else of the games; the
# association updater the demo types the player claims. The bench lays out its demos and
# archives with the very builders the tests use, so what it measures is what they check.
allowed() {
  case "$1" in
    platform) echo "platform" ;;
    ui) echo "platform ui" ;;
    core) echo "platform core" ;;
    games) echo "platform core games" ;;
    launcher/base) echo "platform ui core games launcher/base" ;;
    launcher) echo "platform ui core games launcher" ;;
    assocmend) echo "platform core/contracts.h core/demo_types.h assocmend" ;;
    q2companion) echo "platform core games/other/quake2/quake2_files.h q2companion" ;;
    bench) echo "platform ui core games launcher tests/host/demo_layouts.h bench" ;;
  esac
}

bad=0
for layer in platform ui core games launcher/base launcher assocmend q2companion bench; do
  permitted=$(allowed "$layer")
  while IFS=: read -r file line include; do
    target=${include#*\"}
    target=${target%\"*}
    top=${target%%/*}
    # Generated headers (version.h) and files beside the includer carry no folder.
    [ "$top" = "$target" ] && continue
    ok=0
    for p in $permitted; do
      case "$target" in "$p"|"$p"/*) ok=1 ;; esac
    done
    if [ "$ok" = 0 ]; then
      echo "check_layers: $file:$line includes $target, which $layer/ must not use"
      bad=1
    fi
  done < <(grep -rn --include='*.h' --include='*.cpp' '^#include "' "$layer" |
           grep -v '/tests/\|/testtools/' |
           { if [ "$layer" = launcher ]; then grep -v '^launcher/base/'; else cat; fi; })
done

# A game's folder stands alone: it uses what the games share (the files directly in
# games/), never another game's folder, so a game is added or removed as one folder and
# its row in the table.
game_of() {
  case "$1" in
    games/quake3/elite_force/*) echo games/quake3/elite_force ;;
    games/quake3/*) echo games/quake3 ;;
    games/other/*/*)
      local rest=${1#games/other/}
      echo "games/other/${rest%%/*}"
      ;;
  esac
}
while IFS=: read -r file line include; do
  target=${include#*\"}
  target=${target%\"*}
  from=$(game_of "$file") to=$(game_of "$target")
  # The table of games lists every game's row; nothing else shared reaches into a game.
  [ "$file" = games/game_table.cpp ] && continue
  if [ -n "$to" ] && [ "$from" != "$to" ]; then
    echo "check_layers: $file:$line includes $target, another game's folder"
    bad=1
  fi
done < <(grep -rn --include='*.h' --include='*.cpp' '^#include "games/' games)
# A game is a value over an installation: nothing in games/ takes the program's state.
while IFS= read -r hit; do
  echo "check_layers: $hit takes the program's state, which no game may"
  bad=1
done < <(grep -rn --include='*.h' --include='*.cpp' 'Program&' games)

[ "$bad" = 0 ] && echo "check_layers: every include runs down"
exit "$bad"
