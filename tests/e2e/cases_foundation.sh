# The harness's own cases: starting a game and waiting for it with the player's driver,
# and the single running copy of the player.

# Writes the probe's parameter file: journal code, marker, executable, command line.
rungame_params() {
  local file=$1
  shift
  printf '%s\r\n' "$@" >"$file"
}

# The game sits under a folder with blanks; a decoy C:\Program.exe stands ready to catch
# a start that lets Windows guess where an unquoted path ends.
case_rungame_runs_exact_command_line_and_undoes_after_exit() {
  kalv_need "$KALV_TOOLS/rungame_probe.exe"
  local games work decoy exe cmdline pid
  games=$(kalv_pf_sandbox "Quake III Arena")
  work=$(kalv_sandbox work)
  kalv_standin "$games/quake3.exe"
  decoy="$WINEPREFIX/drive_c/Program.exe"
  kalv_cleanup_add "$decoy"
  kalv_standin "$decoy"

  exe=$(kalv_win "$games/quake3.exe")
  cmdline="$exe +set sv_pure 0 +set fs_game \"\" +exec \"Kalvenmarque.cfg\""
  rungame_params "$work/params.txt" Probe "$(kalv_win "$work/marker.txt")" "$exe" "$cmdline"
  export KALV_STANDIN_LOG KALV_STANDIN_MODE=wait KALV_STANDIN_RELEASE KALV_STANDIN_WATCH
  export KALV_STANDIN_WATCH_AT_END=1
  KALV_STANDIN_LOG=$(kalv_win "$work/standin.log")
  KALV_STANDIN_RELEASE=$(kalv_win "$work/release")
  KALV_STANDIN_WATCH="$(kalv_win "$work/marker.txt");$(kalv_win "$work/marker.txt.done")"

  cd "$work"
  kalv_run "$KALV_TOOLS/rungame_probe.exe" "$(kalv_win "$work/params.txt")"
  pid=$KALV_PID
  kalv_wait_file "$work/standin.log" 30 || kalv_fail "the game was never started"
  kalv_assert_file "$work/marker.txt.prepared" "nothing prepared before the start:"
  kalv_running "$pid" || kalv_fail "the driver returned while the game still ran"

  # The game looks at the marker once more just before it ends: neither the undo nor the
  # driver's return came while it ran.
  touch "$work/release"
  kalv_wait_exit "$pid" 20 || kalv_fail "the driver did not notice the end of the game"
  kalv_assert_eq 2 "$(grep -c '^end-watch-state: exists=0' "$work/standin.log")" \
    "undo or return before the game ended:"
  kalv_assert_eq 0 "$KALV_EXIT" "probe exit code"
  kalv_assert_file "$work/marker.txt" "no undo after the game ended:"
  kalv_assert_no_file "$work/marker.txt.prepared"
  kalv_assert_contains "$work/marker.txt.done" "returned 0"

  local log="$work/standin.log"
  kalv_assert_eq "$cmdline" "$(kalv_standin_field "$log" commandline)" "game command line"
  kalv_assert_eq "$exe" "$(kalv_standin_field "$log" module)" "started executable"
  kalv_assert_eq "$(kalv_win "$games")" "$(kalv_standin_field "$log" workdir)" "game working folder"
  kalv_assert_eq 1 "$(grep -c '^\[standin\]$' "$log")" "number of programs started"
  kalv_assert_not_contains "$log" 'module: C:\Program.exe' "the decoy ran"
  kalv_assert_contains "$log" "[ended"
}

# A game that crashes is undone after like any other; a game that cannot be started is
# reported to the driver, which undoes what it prepared and returns a failing code.
case_rungame_undoes_after_a_crash_and_after_a_failed_start() {
  kalv_need "$KALV_TOOLS/rungame_probe.exe"
  local games work exe
  games=$(kalv_sandbox "Half-Life")
  work=$(kalv_sandbox work)
  kalv_standin "$games/hl.exe"
  exe=$(kalv_win "$games/hl.exe")
  export KALV_STANDIN_LOG
  KALV_STANDIN_LOG=$(kalv_win "$work/standin.log")
  cd "$work"

  rungame_params "$work/params.txt" Probe "$(kalv_win "$work/marker.txt")" "$exe" \
    "$exe -game valve +playdemo kalvenmarque"
  KALV_STANDIN_MODE=crash kalv_run "$KALV_TOOLS/rungame_probe.exe" "$(kalv_win "$work/params.txt")"
  kalv_wait_exit "$KALV_PID" 30 || kalv_fail "probe with a crashing game did not return"
  kalv_assert_contains "$work/marker.txt.done" "returned 0" "crashed game"
  kalv_assert_file "$work/marker.txt" "no undo after the game crashed:"
  kalv_assert_eq 1 "$(grep -c '^\[standin\]$' "$work/standin.log")" "games started"

  rm -f "$work"/marker.txt*
  rungame_params "$work/params.txt" Probe "$(kalv_win "$work/marker.txt")" \
    "$(kalv_win "$games")\\missing.exe" "$(kalv_win "$games")\\missing.exe"
  kalv_run "$KALV_TOOLS/rungame_probe.exe" "$(kalv_win "$work/params.txt")"
  kalv_wait_exit "$KALV_PID" 30 || kalv_fail "probe with a missing game did not return"
  kalv_assert_eq 1 "$KALV_EXIT" "probe exit code after a failed start"
  kalv_assert_contains "$work/marker.txt.done" "returned 1"
  kalv_assert_file "$work/marker.txt" "what was prepared for a game that never started stayed:"
  kalv_assert_eq 1 "$(grep -c '^\[standin\]$' "$work/standin.log")" "games started"
}

# A second copy started while the first shows its window ends at once and silently.
case_second_instance_ends_at_once() {
  kalv_need "$KALV_INSTALL/Kalvenmarque.exe"
  local inst first second
  inst=$(kalv_install_copy install)
  cd "$inst"
  # The splash lasts about two and a half seconds: the driver is looking before the
  # program starts, so that the screenshot catches it.
  local looking
  kalv_driver dump --has-id 1011 --timeout 40000 >"$KALV_CASE_DIR/splash.txt" &
  looking=$!
  sleep 1
  kalv_run "$inst/Kalvenmarque.exe"
  first=$KALV_PID
  wait "$looking" || kalv_fail "the splash window never showed"
  kalv_screenshot splash
  kalv_assert_contains "$KALV_CASE_DIR/splash.txt" "id=1008 class=Static"
  kalv_assert_contains "$KALV_CASE_DIR/splash.txt" "text=Windows 95/98/ME/2000"

  kalv_run "$inst/Kalvenmarque.exe"
  second=$KALV_PID
  kalv_wait_exit "$second" 10 || kalv_fail "the second copy is still running"
  kalv_running "$first" || kalv_fail "the first copy ended too"

  kalv_driver wait-window --has-id 2013 --timeout 30000 >"$KALV_CASE_DIR/main.txt" ||
    kalv_fail "the first copy never showed its main window"
  kalv_screenshot main
  kalv_driver close --has-id 2013 >/dev/null
  kalv_wait_exit "$first" 20 || kalv_fail "closing the main window did not end the program"
}

# The driver finds a message box of another program, reads it and presses a button.
case_ui_driver_answers_message_box() {
  local dir
  dir=$(kalv_sandbox game)
  kalv_standin "$dir/asker.exe"
  KALV_STANDIN_MODE="ask:Play the demo again?" kalv_run "$dir/asker.exe"
  kalv_driver messagebox --timeout 30000 >box.txt || kalv_fail "no message box found"
  kalv_screenshot box
  kalv_assert_contains box.txt "caption: Stand-in question"
  kalv_assert_contains box.txt "text: Play the demo again?"
  kalv_assert_contains box.txt "button: id=6"
  kalv_assert_contains box.txt "button: id=7"
  local rc=0
  kalv_driver press --class '#32770' --id 5 >/dev/null 2>&1 || rc=$?
  kalv_assert_eq 3 "$rc" "the driver's answer for a button the box does not have (3: missing)"
  kalv_driver press --class '#32770' --id 7 >/dev/null
  kalv_wait_exit "$KALV_PID" 20 || kalv_fail "the box did not close"
  kalv_assert_contains "$dir/standin.log" "answer: 7"
  kalv_driver wait-gone --class '#32770' --timeout 5000
}
