# End-to-end cases of the Quake 2 launch companion kalvq2_sub.exe: a Quake 2 directory
# prepared as the main program leaves it for one demo, with the stand-in game as
# quake2.exe.

Q2C_TITLE='Kalvenmarque Quake 2 Sub v1.2.0'

# A Quake 2 directory (below Program Files when <where> is "pf", so its path has blanks)
# holding the companion, the stand-in game (it waits until Q2C_RELEASE exists) and the
# prepared files. Sets Q2C_DIR (run it in the case's own shell, not in $(...), so that
# the stand-in's settings reach the programs started later).
q2c_prepare() {
  local dir
  if [ "${2:-}" = pf ]; then dir=$(kalv_pf_sandbox "$1"); else dir=$(kalv_sandbox "$1"); fi
  cp -- "$KALV_INSTALL/Versions/kalvq2_sub.bin" "$dir/kalvq2_sub.exe"
  kalv_standin "$dir/quake2.exe"
  mkdir -p -- "$dir/baseq2/demos"
  printf 'PACK' >"$dir/baseq2/pak0.pak"
  printf 'demomap Kalvenmarque.dm2\n' >"$dir/baseq2/kalvenmarque.cfg"
  printf 'demo' >"$dir/baseq2/demos/Kalvenmarque.dm2"
  printf 'bind x y\n' >"$dir/baseq2/config.cfg"
  chmod a-w -- "$dir/baseq2/config.cfg"
  Q2C_LOG="$KALV_CASE_DIR/quake2-$1.log"
  Q2C_RELEASE="$KALV_CASE_DIR/release-$1"
  rm -f -- "$Q2C_LOG" "$Q2C_RELEASE"
  export KALV_STANDIN_LOG="$(kalv_win "$Q2C_LOG")"
  export KALV_STANDIN_MODE=wait KALV_STANDIN_RELEASE="$(kalv_win "$Q2C_RELEASE")"
  export KALV_STANDIN_WATCH='baseq2\kalvenmarque.cfg;baseq2\demos\Kalvenmarque.dm2;baseq2\config.cfg'
  export KALV_STANDIN_WATCH_AT_END=1
  Q2C_DIR=$dir
}

# Starts the companion with the Quake 2 directory as working directory, as the main
# program does; its pid is left in KALV_PID.
q2c_start() {
  local dir=$1
  shift
  cd -- "$dir"
  kalv_run "$dir/kalvq2_sub.exe" "$@"
  cd -- "$KALV_CASE_DIR"
}

# Wine shows a file without write permission as read-only; the permission bits are read
# directly because the tests may run as root, for whom every file is writable.
q2c_read_only() { [ $((0$(stat -c %a -- "$1") & 0222)) -eq 0 ]; }

q2c_assert_prepared() {
  local dir=$1
  kalv_assert_file "$dir/baseq2/kalvenmarque.cfg" "one-off configuration"
  kalv_assert_file "$dir/baseq2/demos/Kalvenmarque.dm2" "demo"
  q2c_read_only "$dir/baseq2/config.cfg" || kalv_fail "config.cfg became writable"
}

q2c_assert_cleaned() {
  local dir=$1
  kalv_assert_no_file "$dir/baseq2/kalvenmarque.cfg" "one-off configuration left:"
  kalv_assert_no_file "$dir/baseq2/demos/Kalvenmarque.dm2" "demo left:"
  if q2c_read_only "$dir/baseq2/config.cfg"; then kalv_fail "config.cfg is still read-only"; fi
  kalv_assert_file "$dir/kalvq2_sub.exe" "companion"
  [ -d "$dir/baseq2/demos" ] || kalv_fail "the demos directory went away"
}

case_q2companion_runs_quake2_waits_and_cleans_up() {
  local dir
  q2c_prepare q2
  dir=$Q2C_DIR
  q2c_start "$dir" /Quake2SubFunction
  local pid=$KALV_PID
  kalv_wait_standin "$Q2C_LOG" 60 || kalv_fail "quake2.exe was not started"
  kalv_assert_eq "$(kalv_win "$dir")\\quake2.exe +exec autoexec.cfg +exec config.cfg +exec kalvenmarque.cfg" \
    "$(kalv_standin_field "$Q2C_LOG" commandline)" "game command line"
  kalv_assert_eq "$(kalv_win "$dir")" "$(kalv_standin_field "$Q2C_LOG" workdir)" "working directory"
  kalv_assert_contains "$Q2C_LOG" "exists=1 readonly=1" "config.cfg read-only while playing"
  kalv_running "$pid" || kalv_fail "the companion ended while the game runs"
  # The companion waits for the game and leaves the files alone meanwhile: the game looks
  # at them once more just before it ends.
  : >"$Q2C_RELEASE"
  kalv_wait_exit "$pid" 30 || kalv_fail "the companion did not end after the game"
  kalv_assert_eq 3 "$(grep -c '^end-watch-state: exists=1' "$Q2C_LOG")" \
    "files of the run undone while the game ran:"
  kalv_assert_contains "$Q2C_LOG" "end-watch-state: exists=1 readonly=1" "config.cfg at the game's end"
  q2c_assert_cleaned "$dir"
}

# The path goes into the command line unquoted; the game must still be the one started,
# not a program that a search of the unquoted path would find first ("...\Quake.exe").
case_q2companion_quake2_directory_with_blanks() {
  local dir
  q2c_prepare "Quake 2" pf
  dir=$Q2C_DIR
  kalv_standin "$(dirname -- "$dir")/Quake.exe"
  q2c_start "$dir" /Quake2SubFunction
  local pid=$KALV_PID
  kalv_wait_standin "$Q2C_LOG" 60 || kalv_fail "nothing was started from a path with blanks"
  kalv_assert_eq "$(kalv_win "$dir")\\quake2.exe" "$(kalv_standin_field "$Q2C_LOG" module)" \
    "the program started"
  kalv_assert_eq "$(kalv_win "$dir")\\quake2.exe +exec autoexec.cfg +exec config.cfg +exec kalvenmarque.cfg" \
    "$(kalv_standin_field "$Q2C_LOG" commandline)" "game command line"
  : >"$Q2C_RELEASE"
  kalv_wait_exit "$pid" 30 || kalv_fail "the companion did not end after the game"
  q2c_assert_cleaned "$dir"
}

case_q2companion_without_the_switch_says_so_and_touches_nothing() {
  local dir out
  q2c_prepare q2
  dir=$Q2C_DIR
  for args in '' '/quake2subfunction'; do
    # shellcheck disable=SC2086
    q2c_start "$dir" $args
    local pid=$KALV_PID
    out=$(kalv_driver messagebox --title "$Q2C_TITLE" --timeout 30000 --press 1) ||
      kalv_fail "no message with arguments [$args]"
    kalv_assert_eq "This program is a sub function program of Kalvenmarque v1.2.0 for Quake 2. This program will now terminate." \
      "$(printf '%s\n' "$out" | sed -n 's/^text: //p')" "message"
    kalv_wait_exit "$pid" 30 || kalv_fail "the companion still runs after its message"
    # A game it had started would run on (the stand-in waits until released).
    kalv_assert_eq 0 "$(kalv_process_count 'quake2\.exe')" "games running after [$args]"
  done
  kalv_assert_no_file "$Q2C_LOG" "quake2.exe was started:"
  q2c_assert_prepared "$dir"
}

case_q2companion_second_instance_ends_at_once() {
  local dir first
  q2c_prepare q2
  dir=$Q2C_DIR
  q2c_start "$dir" /Quake2SubFunction
  first=$KALV_PID
  kalv_wait_file "$Q2C_LOG" 60 || kalv_fail "quake2.exe was not started"
  q2c_start "$dir" /Quake2SubFunction
  kalv_wait_exit "$KALV_PID" 20 || kalv_fail "the second companion did not end at once"
  kalv_running "$first" || kalv_fail "the first companion ended too"
  q2c_assert_prepared "$dir"
  # Games wait until released, so one the second companion started would be running now.
  kalv_assert_eq 1 "$(kalv_process_count 'quake2\.exe')" "games running"
  : >"$Q2C_RELEASE"
  kalv_wait_exit "$first" 30 || kalv_fail "the first companion did not end after the game"
  kalv_assert_no_file "$dir/baseq2/demos/Kalvenmarque.dm2" "demo left:"
}
