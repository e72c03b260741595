# A private Wine world for one test run: a virtual X display and a fresh Wine prefix.
# Source this file, call kalv_wine_up <work dir>, and kalv_wine_down at the end (also on
# failure: put it in an EXIT trap). Exports DISPLAY, WINEPREFIX, WINEDEBUG,
# WINEDLLOVERRIDES and KALV_DISPLAY_NUMBER.

KALV_XVFB_PID=""
KALV_WINE_WORK=""

# Starts Xvfb on a display it picks itself (no race with other runs). A black root (-br)
# is repainted where a window closes, so a screenshot never shows a hidden window.
kalv_start_display() {
  local work=$1
  local fdfile="$work/xvfb.display"
  : >"$fdfile"
  Xvfb -displayfd 9 -br -screen 0 1280x1024x24 -nolisten tcp -noreset 9>"$fdfile" \
    >"$work/xvfb.log" 2>&1 &
  KALV_XVFB_PID=$!
  local i
  for i in $(seq 1 100); do
    if [ -s "$fdfile" ]; then break; fi
    sleep 0.1
  done
  if ! [ -s "$fdfile" ]; then
    echo "Xvfb did not start (see $work/xvfb.log)" >&2
    return 1
  fi
  KALV_DISPLAY_NUMBER=$(tr -d '[:space:]' <"$fdfile")
  export DISPLAY=":$KALV_DISPLAY_NUMBER" KALV_DISPLAY_NUMBER
}

# A fresh prefix; the persistent wineserver keeps every later wine call quick.
kalv_start_prefix() {
  local work=$1
  # Wine reads command lines and file names in the locale's character set: UTF-8, so the
  # cases' non-ASCII paths reach the programs as they are.
  export LANG=${LANG:-C.UTF-8}
  export WINEPREFIX="$work/prefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  mkdir -p "$WINEPREFIX"
  wineserver -p >"$work/wineserver.log" 2>&1
  if ! timeout 300 wine wineboot -i >"$work/wineboot.log" 2>&1; then
    echo "wineboot failed (see $work/wineboot.log)" >&2
    return 1
  fi
  # A crashing test program must not leave a debugger dialog behind.
  timeout 60 wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
    >>"$work/wineboot.log" 2>&1 || true
  # Drive E: is an empty CD-ROM drive (KALV_CDROM is its folder); a case puts a CD in by
  # filling the folder. Wine reads the drive types when its services start, so they are
  # started again.
  export KALV_CDROM="$work/cdrom"
  mkdir -p "$KALV_CDROM"
  ln -sfn -- "$KALV_CDROM" "$WINEPREFIX/dosdevices/e:"
  timeout 60 wine reg add 'HKLM\Software\Wine\Drives' /v e: /t REG_SZ /d cdrom /f \
    >>"$work/wineboot.log" 2>&1 || true
  timeout 60 wineserver -k >/dev/null 2>&1 || true
  # The old server must be gone first, or the new one ends at once and the next wine
  # call starts one that holds on to whatever output that call was piped into.
  timeout 60 wineserver -w >/dev/null 2>&1 || true
  wineserver -p >>"$work/wineserver.log" 2>&1
}

kalv_wine_up() {
  KALV_WINE_WORK=$1
  mkdir -p "$KALV_WINE_WORK"
  kalv_start_display "$KALV_WINE_WORK" || return 1
  kalv_start_prefix "$KALV_WINE_WORK" || return 1
}

# Stops what kalv_wine_up started, by its own ids.
kalv_wine_down() {
  if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    timeout 60 wineserver -k >/dev/null 2>&1 || true
  fi
  if [ -n "$KALV_XVFB_PID" ]; then
    kill "$KALV_XVFB_PID" 2>/dev/null || true
    wait "$KALV_XVFB_PID" 2>/dev/null || true
    KALV_XVFB_PID=""
  fi
}
