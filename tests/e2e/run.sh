#!/usr/bin/env bash
# End-to-end tests: the real programs of a Windows build, run under Wine on a virtual
# display in one fresh prefix, driven by the UI driver and watched through stand-in games.
#
#   tests/e2e/run.sh [<windows build dir>]      (default: build/win32, or $KALV_BUILD_DIR/win32)
#
# Environment: KALV_E2E_CASES  regular expression selecting case names (default: all)
#              KALV_CASE_TIMEOUT seconds per case (default 180)
#              KALV_KEEP=1     keep the prefix and temp folder for a look afterwards
#
# Cases live in tests/e2e/cases_*.sh: each file defines shell functions named case_<what>.
# Every case runs in its own shell (set -eE -o pipefail) with a time limit, in its own
# folder <build>/e2e-results/<case>/ (also its current directory), and passes when it
# returns 0. Helpers (tests/e2e/lib.sh) and variables a case can use:
#
#   $KALV_INSTALL   unix path of the install tree (<build>/install)
#   $KALV_TOOLS     folder with standin_game.exe, ui_driver.exe and the probe programs
#   $WINEPREFIX     the run's prefix; C:\ is $WINEPREFIX/drive_c
#   $KALV_CASE, $KALV_CASE_DIR   the case's name and result folder
#   $KALV_CDROM     unix folder of drive E:, an empty CD-ROM drive (a case fills it and
#                   removes what it put there)
#
#   kalv_sandbox <name>          fresh empty folder C:\kalv-e2e\<case>\<name>; prints unix path
#   kalv_pf_sandbox <name>       the same under C:\Program Files\kalv-e2e\<case>\<name>
#   kalv_install_copy <name>     fresh sandbox holding a copy of the install tree
#   kalv_cleanup_add <unixpath>  removed after the case (for files outside the sandboxes)
#   kalv_win <unixpath>          Windows path of a unix path;  kalv_unix <winpath>: back
#   kalv_standin <unixpath.exe>  puts the stand-in game there. It logs, to %KALV_STANDIN_LOG%
#                                (default <its dir>\standin.log), a block with "module:",
#                                "commandline:", "workdir:", "pid:" and for every file of
#                                KALV_STANDIN_WATCH (';'-separated) "watch:", "watch-state:
#                                exists=0|1 readonly=0|1 ..." and "content: <line>" lines;
#                                then KALV_STANDIN_MODE: exit (code KALV_STANDIN_EXIT),
#                                sleep:<ms>, wait (until file KALV_STANDIN_RELEASE exists),
#                                crash, ask:<text> (a Yes/No/Cancel box; logs "answer: <id>"),
#                                show:<ms> (a window saying how it was started), hold:<file>
#                                (holds the file open without sharing until released; logs
#                                "held: 1"). A stand-in with an appended "KALV-RELEASE <v>"
#                                line logs "release: <v>".
#                                With KALV_STANDIN_WATCH_AT_END=1 it looks at the watched
#                                files again just before it ends ("end-watch-state: ...").
#                                After sleep/wait/crash it appends "[ended <pid>]".
#   kalv_standin_field <log> <key>   value of the last "<key>: " line of a log
#   kalv_run <exe> <args...>     starts it under wine in the background; pid in $KALV_PID
#   kalv_wait_exit <pid> <secs>  0 when it ended (exit code in $KALV_EXIT), 1 still running
#   kalv_running <pid>           true while it runs
#   kalv_driver <command> ...    the UI driver (list, wait-window, wait-gone, dump,
#                                messagebox [--press ID], press --id N, set-text --id N
#                                --text T [--type], select --id N --index K, close,
#                                end-processes --under FOLDER; filters --title T,
#                                --title-regex R, --class C, --has-id N, --hidden,
#                                --timeout MS), layout (a window's clipped or overlapping
#                                controls). Prints its output; exit 0 ok, 1 timeout,
#                                3 control missing or disabled, 4 layout faults
#   kalv_reg_query <key> [/v V]  wine reg query, output printed
#   kalv_reg_state <key>         KALV_REG_STATE "present" or "absent" (any other failure
#                                fails the case); kalv_reg_present <key>, kalv_reg_absent
#                                <key>, kalv_wait_reg_absent <key> <secs>
#   kalv_wait_standin <log> <secs>   waits for a stand-in's complete first block
#   kalv_wait_file <path> <secs> waits for a file
#   kalv_assert_file, kalv_assert_no_file <path> [msg]
#   kalv_assert_contains, kalv_assert_not_contains <file> <text> [msg]
#   kalv_assert_eq <expected> <actual> [msg]
#   kalv_screenshot <name>       <build>/e2e-screens/<case>-<name>.png
#   kalv_display_scale <dpi>     programs started afterwards draw at that scale
#   kalv_need <file>             fails the case when a needed program is not built
#   kalv_log <text>, kalv_fail <text>
#
# The run ends with the line "N passed, N failed" and exits non-zero when a case failed.
set -uo pipefail

E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ROOT=$(cd "$E2E_DIR/../.." && pwd)
BUILD=${1:-${KALV_BUILD_DIR:-$ROOT/build}/win32}
BUILD=$(cd "$BUILD" 2>/dev/null && pwd) || { echo "no build directory: ${1:-}" >&2; exit 2; }
CASE_TIMEOUT=${KALV_CASE_TIMEOUT:-180}
SELECT=${KALV_E2E_CASES:-.}

export KALV_INSTALL="$BUILD/install"
export KALV_TOOLS="$BUILD/e2e-tools"
export KALV_SCREENS="$BUILD/e2e-screens"
export KALV_RUN_LIMIT=${KALV_RUN_LIMIT:-150}
RESULTS="$BUILD/e2e-results"

if [ ! -x "$KALV_TOOLS/standin_game.exe" ] || [ ! -x "$KALV_TOOLS/ui_driver.exe" ]; then
  echo "the test tools are not built in $KALV_TOOLS" >&2
  echo "0 passed, 1 failed"
  exit 1
fi

# shellcheck source=tests/e2e/wine_env.sh
source "$E2E_DIR/wine_env.sh"
WORK=$(mktemp -d "${TMPDIR:-/tmp}/kalv-e2e.XXXXXX")
finish() {
  kalv_wine_down
  if [ "${KALV_KEEP:-0}" = 1 ]; then echo "kept $WORK" >&2; else rm -rf -- "$WORK"; fi
}
trap finish EXIT
trap 'exit 130' INT TERM

rm -rf -- "$RESULTS" "$KALV_SCREENS"
mkdir -p -- "$RESULTS" "$KALV_SCREENS"

echo "e2e: preparing Wine (display and fresh prefix)"
if ! kalv_wine_up "$WORK"; then
  cat "$WORK"/*.log >&2 2>/dev/null
  echo "0 passed, 1 failed"
  exit 1
fi

# Every case function from every case file.
mapfile -t CASES < <(
  for f in "$E2E_DIR"/cases_*.sh; do
    bash -c 'source "$1"; declare -F' _ "$f" | awk '$3 ~ /^case_/ { print $3 }'
  done | grep -E -- "$SELECT")
# A run that finds no case has shown nothing: that is a failure, not a pass.
if [ ${#CASES[@]} -eq 0 ]; then
  echo "e2e: no case matches \"$SELECT\""
  echo "0 passed, 1 failed"
  exit 1
fi

run_case() {
  local name=$1 dir="$RESULTS/$1"
  mkdir -p -- "$dir"
  (
    cd "$dir" || exit 1
    export KALV_CASE=$name KALV_CASE_DIR=$dir
    export KALV_SANDBOX_ROOT="$WINEPREFIX/drive_c/kalv-e2e/$name"
    export KALV_PF_SANDBOX_ROOT="$WINEPREFIX/drive_c/Program Files/kalv-e2e/$name"
    timeout -k 10 "$CASE_TIMEOUT" bash -c '
      set -eE -o pipefail
      trap '\''echo "FAILED: line $LINENO: $BASH_COMMAND (status $?)" >&2'\'' ERR
      source "$1/lib.sh"
      for f in "$1"/cases_*.sh; do source "$f"; done
      "$2"' _ "$E2E_DIR" "$name"
  ) >"$dir/log.txt" 2>&1
  local rc=$?
  [ $rc -eq 124 ] && echo "FAILED: time limit of ${CASE_TIMEOUT}s reached" >>"$dir/log.txt"
  [ $rc -ne 0 ] && post_mortem "$dir"
  cleanup_case "$name" "$dir"
  return $rc
}

# A failed case's state before its clean-up ends it: the windows still open (a message
# nobody answered reads here) and the run log's last lines, so that a failure on a machine
# that keeps nothing can be read from its output alone.
post_mortem() {
  local dir=$1 runlog
  {
    echo "at the failure, windows:"
    timeout 30 wine "$KALV_TOOLS/ui_driver.exe" list </dev/null 2>&1 | sed 's/^/  /'
    runlog=$(ls "$WINEPREFIX"/drive_c/users/*/AppData/Local/Kalvenmarque/Kalvenmarque.log \
      2>/dev/null | head -n 1)
    if [ -n "$runlog" ]; then
      echo "the run log's last lines:"
      tail -n 12 "$runlog" | sed 's/^/  /'
    fi
  } >>"$dir/log.txt" 2>&1
}

# The case's processes still alive: those it recorded, and any program of its sandboxes.
case_processes() {
  local name=$1 dir=$2 pid
  if [ -f "$dir/.pids" ]; then
    while read -r pid; do kill -0 "$pid" 2>/dev/null && echo "$pid"; done <"$dir/.pids"
  fi
  pgrep -f -- "kalv-e2e.$name" || true
}

# What a case leaves behind must not reach the next one: it ends only when no process of
# it is left (a player still ending would otherwise meet the next case's sandbox).
cleanup_case() {
  local name=$1 dir=$2 pid path i left
  if [ -f "$dir/.pids" ]; then
    while read -r pid; do kill "$pid" 2>/dev/null || true; done <"$dir/.pids"
  fi
  timeout 60 wine "$KALV_TOOLS/ui_driver.exe" end-processes \
    --under "C:\\kalv-e2e\\$name" --under "C:\\Program Files\\kalv-e2e\\$name" \
    >"$dir/ended-processes.txt" 2>&1 </dev/null || true
  for ((i = 0; i < 300; i++)); do
    left=$(case_processes "$name" "$dir")
    [ -z "$left" ] && break
    [ "$i" -eq 150 ] && kill -9 $left 2>/dev/null
    sleep 0.1
  done
  if [ -n "$left" ]; then
    echo "cleanup: processes still alive after 30 s: $left" >>"$dir/log.txt"
    ps -o pid,args -p "${left//$'\n'/,}" >>"$dir/log.txt" 2>&1 || true
  fi
  if [ -f "$dir/.cleanup" ]; then
    while read -r path; do rm -rf -- "$path"; done <"$dir/.cleanup"
  fi
  if [ -f "$dir/.scaled" ]; then
    timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f \
      >/dev/null 2>&1 </dev/null || echo "cleanup: the display scale stays changed" >>"$dir/log.txt"
  fi
}

passed=0
failed=0
for name in "${CASES[@]}"; do
  start=$SECONDS
  if run_case "$name"; then
    passed=$((passed + 1))
    echo "PASS $name ($((SECONDS - start))s)"
  else
    failed=$((failed + 1))
    echo "FAIL $name ($((SECONDS - start))s) -- $RESULTS/$name/log.txt:"
    tail -n 40 "$RESULTS/$name/log.txt" | sed 's/^/    /'
  fi
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
