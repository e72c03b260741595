#!/usr/bin/env bash
# Plays a demo the way a user meets it: builds the programs, lays out a sandbox world in a
# Wine prefix under <build>/sandbox (make_sandbox.sh: the player, six stand-in game
# installations, sample demos, the settings and the file associations) and opens the demo
# through its association, as a double-click in Explorer does. The stand-in game shows a
# window saying how it was started; the script prints the game folder before, during and
# after the run (release, prepared files, read-only flags) and takes a screenshot.
#
#   scripts/play.sh                  the sample Quake 3 demo of release 1.27h
#   scripts/play.sh <demo>           a demo: a Windows path, a unix path inside the prefix,
#                                    or the name of a sample in C:\Demos (sample.efdemo,
#                                    sample.dem, sample-cstrike.dem, quake1.dem, unreal.dem,
#                                    sample.dm2, sample-opentdm.dm2, sample.dm_68,
#                                    sample-osp.dm_48: a demo recorded in a mod, ...)
#   scripts/play.sh --main-window    the player without a demo: its main window
#   scripts/play.sh --library        the demo library on the folder C:\Demo Library
#
# Without a DISPLAY it runs on a virtual one. <build> is build/ or $KALV_BUILD_DIR.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export KALV_BUILD_DIR=${KALV_BUILD_DIR:-$ROOT/build}
BUILD=$KALV_BUILD_DIR
SANDBOX="$BUILD/sandbox"

# A fresh clone has no build folder yet, and KALV_BUILD_DIR may name one to be made.
mkdir -p -- "$BUILD"
"$ROOT/scripts/install-deps.sh" >/dev/null
echo "play: building the Windows programs (the first time takes a few minutes; $BUILD/play-build.log)"
"$ROOT/scripts/build.sh" win32 >"$BUILD/play-build.log" 2>&1 || { tail -n 30 "$BUILD/play-build.log"; exit 1; }

export WINEPREFIX="$SANDBOX/prefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
mkdir -p "$WINEPREFIX"

XVFB_PID=""
cleanup() {
  timeout 60 wineserver -k >/dev/null 2>&1 || true
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  Xvfb -displayfd 9 -br -screen 0 1280x1024x24 -nolisten tcp 9>"$SANDBOX/display" \
    >"$SANDBOX/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 1 100); do [ -s "$SANDBOX/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(tr -d '[:space:]' <"$SANDBOX/display")"
  echo "play: no display set; running on the virtual display $DISPLAY"
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "play: creating the sandbox Wine prefix $WINEPREFIX"
  timeout 300 wine wineboot -i >"$SANDBOX/wineboot.log" 2>&1
fi
wineserver -p >/dev/null 2>&1 || true

echo "play: laying out the sandbox world (player, six games, demos, settings, associations)"
"$ROOT/scripts/make_sandbox.sh" "$BUILD/win32" >"$SANDBOX/world.log"
DRIVE_C="$WINEPREFIX/drive_c"
PLAYER="$DRIVE_C/Kalvenmarque/Kalvenmarque.exe"
SHOT="$SANDBOX/kalvenmarque.png"
screenshot() {
  import -window root -display "$DISPLAY" "$SHOT" 2>/dev/null && echo "play: screenshot $SHOT"
}

if [ "${1:-}" = --main-window ]; then
  echo "play: starting $PLAYER without a demo"
  (cd "$(dirname -- "$PLAYER")" && exec wine "$PLAYER" >"$SANDBOX/player.log" 2>&1) &
  player=$!
  if [ -z "$XVFB_PID" ]; then wait "$player" || true; exit 0; fi
  # Nobody can close the window on a virtual display: show it as a picture, then end it.
  sleep "${KALV_PLAY_SHOT_AFTER:-8}"
  screenshot
  kill "$player" 2>/dev/null || true
  exit 0
fi

if [ "${1:-}" = --library ]; then
  echo "play: opening the demo library on C:\\Demo Library"
  (cd "$(dirname -- "$PLAYER")" && exec wine "$PLAYER" 'C:\Demo Library' >"$SANDBOX/player.log" 2>&1) &
  player=$!
  if [ -z "$XVFB_PID" ]; then wait "$player" || true; exit 0; fi
  # On a virtual display: the list once it is read, as text and as a picture.
  listed="$SANDBOX/library.txt"
  for _ in $(seq 1 150); do
    timeout 30 wine "$BUILD/win32/e2e-tools/ui_driver.exe" dump --has-id 6013 --timeout 20000 \
      >"$listed" 2>/dev/null || true
    grep -q '^control id=6010 .* play here$' "$listed" && break
    sleep 0.2
  done
  grep -q '^control id=6010 .* play here$' "$listed" || { echo "play: the library did not show its list"; exit 1; }
  sed -n 's/^column id=6009 index=[0-9]* text=/    column: /p; s/^row id=6009 index=[0-9]* selected=[01] cells=/    /p; s/^control id=6010 .* text=/    status: /p' "$listed"
  screenshot
  kill "$player" 2>/dev/null || true
  exit 0
fi

# The demo as a Windows path.
demo=${1:-sample.dm_48}
case "$demo" in
  [A-Za-z]:\\*) ;;
  /*) demo=$(winepath -w "$demo" 2>/dev/null) ;;
  *) demo="C:\\Demos\\$demo" ;;
esac
unix_demo=$(winepath -u "$demo" 2>/dev/null)
[ -f "$unix_demo" ] || { echo "play: no such demo: $demo"; exit 1; }

# The game folder the demo goes to, and the prepared files worth watching there.
GAMES="$DRIVE_C/Games"
case "${demo,,}" in
  *.efdemo) folder="$GAMES/Elite Force"
            watch='baseef\kalvenmarque.cfg;baseEF\Demos\Kalvenmarque.efdemo;baseef\hmconfig.cfg' ;;
  *.dm2) folder="$GAMES/Quake2"
         watch='baseq2\kalvenmarque.cfg;baseq2\demos\Kalvenmarque.dm2;baseq2\config.cfg' ;;
  *.dem)
    if head -c 6 "$unix_demo" | grep -qi '^hldemo'; then
      # The game folder the demo names (after the map's 260 bytes); "valve" by default.
      game=$(dd if="$unix_demo" bs=1 skip=276 count=260 2>/dev/null | tr -d '\0')
      game=${game:-valve}
      folder="$GAMES/Half-Life"; watch="$game\\kalvenmarque.cfg;$game\\Kalvenmarque.dem;$game\\config.cfg"
    elif head -c 255 "$unix_demo" | grep -qa '\.bsp'; then
      folder="$GAMES/Quake"; watch='id1\kalvenmarque.cfg;id1\Kalvenmarque.dem;id1\config.cfg'
    else
      folder="$GAMES/UnrealTournament"; watch='System\kalvenmarque.u;System\Kalvenmarque.dem'
    fi ;;
  *) folder="$GAMES/Quake III Arena"
     watch="baseq3\\Kalvenmarque.cfg;baseq3\\q3config.cfg;baseq3\\demos\\Kalvenmarque.${demo##*.}" ;;
esac

# One line per file: its path below the folder, R for read-only, and for Quake 3 the
# release its executable names.
account() {
  local f rel flag release
  if [ -f "$folder/quake3.exe" ]; then
    release=$(tail -c 64 "$folder/quake3.exe" | tr -d '\0' | sed -n 's/^KALV-RELEASE //p')
    echo "    release: ${release:-unknown}"
  fi
  while IFS= read -r -d '' f; do
    rel=${f#"$folder"/}
    case "$rel" in *.exe|standin.log) continue ;; esac
    # Wine keeps the read-only flag as the file's missing write permission.
    flag=" "
    (( 8#$(stat -c %a "$f") & 8#200 )) || flag="R"
    printf '    %s %s\n' "$flag" "$rel"
  done < <(find "$folder" -type f -print0 | sort -z)
}

log="$SANDBOX/standin.log"
rm -f -- "$log"
export KALV_STANDIN_LOG KALV_STANDIN_MODE="show:${KALV_PLAY_GAME_MS:-5000}" KALV_STANDIN_WATCH
KALV_STANDIN_LOG=$(winepath -w "$log")
KALV_STANDIN_WATCH=$(for w in ${watch//;/ }; do printf '%s\\%s;' "$(winepath -w "$folder")" "$w"; done)

echo "play: the game folder $(winepath -w "$folder") before the demo:"
account | tee "$SANDBOX/folder-before.txt"
echo "play: opening $demo through its association (as a double-click in Explorer)"
timeout 120 wine start /unix "$unix_demo" >"$SANDBOX/player.log" 2>&1 &
for _ in $(seq 1 600); do [ -s "$log" ] && break; sleep 0.1; done
if [ ! -s "$log" ]; then
  echo "play: the game was not started; messages the player showed:"
  timeout 30 wine "$BUILD/win32/e2e-tools/ui_driver.exe" messagebox --timeout 2000 2>/dev/null || true
  exit 1
fi
sleep 1
echo "play: while the game runs:"
account
sed -n 's/^commandline: /    started as: /p; s/^release: /    game release: /p; s/^watch-state: /      /p; s/^watch: /    watched: /p' "$log"
screenshot
# The run is over when the player (and for Quake 2 its companion) has ended.
for _ in $(seq 1 600); do
  pgrep -f 'Kalvenmarque\.exe|kalvq2_sub\.exe' >/dev/null || break
  sleep 0.1
done
if pgrep -f 'Kalvenmarque\.exe|kalvq2_sub\.exe' >/dev/null; then
  echo "play: the player did not end within a minute of the game"
  exit 1
fi
echo "play: after the game:"
account | tee "$SANDBOX/folder-after.txt"
# What the player read of the demo (its mod and map, and whether they were found).
run_log=$(find "$DRIVE_C/users" -path '*/Kalvenmarque/Kalvenmarque.log' 2>/dev/null | head -n 1)
if [ -n "$run_log" ]; then
  tr -d '\r' <"$run_log" | awk '/ player: demo / && !/ player: demo copied / { needs = "" }
    / player: the demo needs / { needs = $0; sub(/^.* player: /, "    ", needs) }
    END { if (needs != "") print needs }'
fi
# The run must leave the folder as it found it: same files, same flags, same release.
if ! diff -u "$SANDBOX/folder-before.txt" "$SANDBOX/folder-after.txt" >"$SANDBOX/folder.diff"; then
  echo "play: the game folder was NOT put back as it was:"
  cat "$SANDBOX/folder.diff"
  exit 1
fi
echo "play: done; the game folder is as it was before the demo"
