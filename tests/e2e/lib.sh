# Helpers for the end-to-end cases; run.sh sources this file into every case's shell.
# The list of helpers with their use is at the top of run.sh.

# Unix path -> Windows path: the prefix's drive_c is C:, everything else Z:.
kalv_win() {
  local path
  path=$(realpath -m -- "$1")
  local root
  root=$(realpath -m -- "$WINEPREFIX/drive_c")
  if [ "$path" = "$root" ]; then
    printf 'C:\\\n'
  elif [ "${path#"$root"/}" != "$path" ]; then
    local rest=${path#"$root"/}
    printf 'C:\\%s\n' "${rest//\//\\}"
  else
    printf 'Z:%s\n' "${path//\//\\}"
  fi
}

# Windows path -> Unix path.
kalv_unix() {
  local path=$1 drive rest
  drive=${path:0:1}
  rest=${path:2}
  rest=${rest//\\//}
  case "$drive" in
    c|C) printf '%s%s\n' "$WINEPREFIX/drive_c" "$rest" ;;
    z|Z) printf '%s\n' "${rest:-/}" ;;
    *) timeout 30 winepath -u "$path" 2>/dev/null ;;
  esac
}

kalv_log() { printf '[%s] %s\n' "$(date +%T)" "$*"; }

# Ends the case as failed.
kalv_fail() {
  printf 'FAILED: %s\n' "$*" >&2
  exit 1
}

# A fresh, empty folder C:\kalv-e2e\<case>\<name>; prints its unix path.
kalv_sandbox() {
  local dir="$KALV_SANDBOX_ROOT/$1"
  rm -rf -- "$dir"
  mkdir -p -- "$dir"
  printf '%s\n' "$dir"
}

# The same under C:\Program Files\kalv-e2e\<case>\<name>, for paths with blanks.
kalv_pf_sandbox() {
  local dir="$KALV_PF_SANDBOX_ROOT/$1"
  rm -rf -- "$dir"
  mkdir -p -- "$dir"
  printf '%s\n' "$dir"
}

# Removes the path after the case, whatever its outcome.
kalv_cleanup_add() { printf '%s\n' "$1" >>"$KALV_CASE_DIR/.cleanup"; }

# Copies the install tree into a fresh sandbox folder; prints its unix path.
kalv_install_copy() {
  local dir
  dir=$(kalv_sandbox "$1")
  cp -r -- "$KALV_INSTALL"/. "$dir"/
  printf '%s\n' "$dir"
}

# Copies the stand-in game to the given unix path (folders are created).
kalv_standin() {
  mkdir -p -- "$(dirname -- "$1")"
  cp -- "$KALV_TOOLS/standin_game.exe" "$1"
}

# Starts a program under wine in the background; its pid is left in KALV_PID and its
# output in a file of the case's folder. The current directory becomes the program's.
kalv_run() {
  local exe=$1
  shift
  KALV_RUN_SEQ=$((${KALV_RUN_SEQ:-0} + 1))
  local out="$KALV_CASE_DIR/run$KALV_RUN_SEQ-$(basename -- "$exe").out"
  timeout -k 5 "$KALV_RUN_LIMIT" wine "$exe" "$@" >"$out" 2>&1 </dev/null &
  KALV_PID=$!
  printf '%s\n' "$KALV_PID" >>"$KALV_CASE_DIR/.pids"
}

# Waits up to <seconds> for a kalv_run program to end. Returns 0 when it ended (its exit
# code, cut to 8 bits, is left in KALV_EXIT), 1 when it still runs.
kalv_wait_exit() {
  local pid=$1 seconds=$2 tenths
  for ((tenths = 0; tenths < seconds * 10; tenths++)); do
    if ! kill -0 "$pid" 2>/dev/null; then break; fi
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then return 1; fi
  KALV_EXIT=0
  wait "$pid" || KALV_EXIT=$?
  return 0
}

# True while a kalv_run program runs.
kalv_running() { kill -0 "$1" 2>/dev/null; }

# Runs the UI driver; its output is printed (and kept in the case folder). Returns the
# driver's exit code: 0 done, 1 timed out, 2 bad usage, 3 control missing or disabled.
kalv_driver() {
  KALV_DRIVER_SEQ=$((${KALV_DRIVER_SEQ:-0} + 1))
  local out="$KALV_CASE_DIR/driver$KALV_DRIVER_SEQ-$1.out"
  local rc=0 pid
  # In the background and recorded, so that a case cut off by its time limit leaves no
  # driver behind for the next one.
  timeout -k 5 120 wine "$KALV_TOOLS/ui_driver.exe" "$@" >"$out" 2>"$out.err" </dev/null &
  pid=$!
  printf '%s\n' "$pid" >>"$KALV_CASE_DIR/.pids"
  wait "$pid" || rc=$?
  cat -- "$out"
  cat -- "$out.err" >&2
  return "$rc"
}

# Exports a registry key to a .reg file. A key that changes while it is exported (a fresh
# prefix's own start-up still writes under CurrentVersion) makes reg fail, so it is tried
# three times; the last attempt's words go into the failure.
kalv_reg_export() {
  local key=$1 file=$2 attempt
  for attempt in 1 2 3; do
    timeout 120 wine reg export "$key" "$(kalv_win "$file")" /y >"$file.out" 2>&1 </dev/null &&
      return 0
  done
  kalv_fail "reg export of $key failed: $(tr -d '\r' <"$file.out" | tail -n 3)"
}

# Waits up to <seconds> for a file to exist.
# Whether a registry key is there: KALV_REG_STATE becomes "present" or "absent"; any other
# answer of reg (a time limit, a failure of Wine itself) fails the case rather than pass
# for a key that is gone. Call it in the case's own shell, not in $(...).
kalv_reg_state() {
  local out rc attempt
  for attempt in 1 2 3; do
    rc=0
    out=$(timeout 60 wine reg query "$1" 2>&1 </dev/null) || rc=$?
    if [ "$rc" -eq 0 ]; then KALV_REG_STATE=present; return 0; fi
    case "$out" in
      *"Unable to find the specified registry key"*) KALV_REG_STATE=absent; return 0 ;;
    esac
    # reg itself stumbled (seen now and then under load, with no word said): ask again.
    kalv_log "reg query $1, attempt $attempt: exit $rc, output: $out"
  done
  kalv_fail "reg query $1 failed with $rc: $out"
}
kalv_reg_absent() { kalv_reg_state "$1" && [ "$KALV_REG_STATE" = absent ]; }
kalv_reg_present() { kalv_reg_state "$1" && [ "$KALV_REG_STATE" = present ]; }
# Waits until a key is gone; 1 when it is still there after seconds.
kalv_wait_reg_absent() {
  local key=$1 seconds=$2 i
  for ((i = 0; i < seconds * 5; i++)); do
    kalv_reg_absent "$key" && return 0
    sleep 0.2
  done
  kalv_reg_absent "$key"
}

# Waits until a stand-in has written its whole first block to log.
kalv_wait_standin() {
  local log=$1 seconds=$2 tenths
  for ((tenths = 0; tenths < seconds * 10; tenths++)); do
    grep -q '^\[/standin\]' "$log" 2>/dev/null && return 0
    sleep 0.1
  done
  return 1
}

kalv_wait_file() {
  local path=$1 seconds=$2 tenths
  for ((tenths = 0; tenths < seconds * 10; tenths++)); do
    if [ -e "$path" ]; then return 0; fi
    sleep 0.1
  done
  [ -e "$path" ]
}

kalv_assert_file() { [ -f "$1" ] || kalv_fail "${2:-expected file} $1 is missing"; }
kalv_assert_no_file() { [ ! -e "$1" ] || kalv_fail "${2:-unexpected file} $1 exists"; }
kalv_assert_contains() {
  grep -qF -- "$2" "$1" 2>/dev/null || kalv_fail "${3:-$1 lacks the text}: $2"
}
# The file must exist: a file that is not there holds nothing, which proves nothing.
kalv_assert_not_contains() {
  [ -f "$1" ] || kalv_fail "$1 is missing, so it cannot show that it lacks: $2"
  ! grep -qF -- "$2" "$1" || kalv_fail "${3:-$1 holds the text}: $2"
}

# The number of the case's processes (programs of its sandboxes, Wine's included) whose
# command line matches the extended regular expression <pattern>.
kalv_process_count() { pgrep -fc -- "kalv-e2e.$KALV_CASE.*$1" || true; }
kalv_assert_eq() {
  [ "$1" = "$2" ] || kalv_fail "${3:-values differ}: expected [$1], got [$2]"
}

# wine reg query <key> [/v value]; output printed, kept in the case folder.
kalv_reg_query() {
  KALV_REG_SEQ=$((${KALV_REG_SEQ:-0} + 1))
  local out="$KALV_CASE_DIR/reg$KALV_REG_SEQ.out"
  local rc=0
  timeout 60 wine reg query "$@" >"$out" 2>&1 </dev/null || rc=$?
  tr -d '\r' <"$out"
  return "$rc"
}

# A screenshot of the whole virtual screen: <build>/e2e-screens/<case>-<name>.png.
kalv_screenshot() {
  mkdir -p -- "$KALV_SCREENS"
  timeout 30 import -window root -display ":$KALV_DISPLAY_NUMBER" \
    "$KALV_SCREENS/${KALV_CASE}-$1.png" >/dev/null 2>&1 ||
    kalv_log "screenshot $1 failed"
}

# Draws the programs started from now on at <dpi> dots per inch (96 is 100 %). The run
# puts the scale back to 96 after the case, however it ended.
kalv_display_scale() {
  touch "$KALV_CASE_DIR/.scaled"
  timeout 60 wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
    >/dev/null 2>&1 </dev/null || kalv_fail "could not set the display scale to $1 dpi"
}

# The value of the last "key: value" line in a stand-in log.
kalv_standin_field() {
  awk -v key="$2: " 'index($0, key) == 1 { last = substr($0, length(key) + 1) }
                      END { print last }' "$1"
}

# Fails the case when a program it needs is not part of the build.
kalv_need() {
  [ -f "$1" ] || kalv_fail "not built: $1"
}
