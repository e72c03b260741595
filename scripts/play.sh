#!/usr/bin/env bash
# Builds the programs, fills a sandbox prefix under <build>/sandbox (kept between runs)
# with a player installation, six game installations and settings (make_sandbox.sh), and
# starts C:\Kalvenmarque\Kalvenmarque.exe there under Wine, so a user sees the player.
# Without a display it runs on a virtual one. <build> is build/ or $KALV_BUILD_DIR.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export KALV_BUILD_DIR=${KALV_BUILD_DIR:-$ROOT/build}
BUILD=$KALV_BUILD_DIR

"$ROOT/scripts/install-deps.sh"
"$ROOT/scripts/build.sh"

PLAYER="$BUILD/win32/install/Kalvenmarque.exe"
[ -f "$PLAYER" ] || { echo "play: $PLAYER was not built"; exit 1; }

export WINEPREFIX="$BUILD/sandbox/prefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
mkdir -p "$WINEPREFIX"

XVFB_PID=""
cleanup() {
  timeout 60 wineserver -k >/dev/null 2>&1 || true
  if [ -n "$XVFB_PID" ]; then kill "$XVFB_PID" 2>/dev/null || true; fi
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$BUILD/sandbox/display" \
    >"$BUILD/sandbox/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 1 100); do [ -s "$BUILD/sandbox/display" ] && break; sleep 0.1; done
  export DISPLAY=":$(tr -d '[:space:]' <"$BUILD/sandbox/display")"
  echo "play: no display set; running on the virtual display $DISPLAY"
  echo "      (watch it with: import -window root -display $DISPLAY shot.png)"
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "play: creating the sandbox Wine prefix $WINEPREFIX"
  timeout 300 wine wineboot -i >"$BUILD/sandbox/wineboot.log" 2>&1
fi

echo "play: laying out the sandbox world (player, six games, settings)"
"$ROOT/scripts/make_sandbox.sh" "$BUILD/win32" >"$BUILD/sandbox/world.log"
PLAYER="$WINEPREFIX/drive_c/Kalvenmarque/Kalvenmarque.exe"
echo "play: starting $PLAYER"
cd "$(dirname -- "$PLAYER")"
rc=0
if [ -z "$XVFB_PID" ]; then
  wine "$PLAYER" "$@" >"$BUILD/sandbox/player.log" 2>&1 || rc=$?
else
  # Nobody can close the window on a virtual display: show it as a picture, then end it.
  wine "$PLAYER" "$@" >"$BUILD/sandbox/player.log" 2>&1 &
  player=$!
  sleep "${KALV_PLAY_SHOT_AFTER:-8}"
  import -window root -display "$DISPLAY" "$BUILD/sandbox/kalvenmarque.png" 2>/dev/null &&
    echo "play: screenshot $BUILD/sandbox/kalvenmarque.png"
  for _ in $(seq 1 "${KALV_PLAY_SECONDS:-20}"); do kill -0 "$player" 2>/dev/null || break; sleep 1; done
  if kill "$player" 2>/dev/null; then
    # Ended here on purpose, not a failure of the player.
    wait "$player" || true
    echo "play: the player was still showing its window; play ended it"
  else
    wait "$player" || rc=$?
  fi
fi
echo "play: Kalvenmarque ended (exit code $rc)"
exit "$rc"
