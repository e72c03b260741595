#!/usr/bin/env bash
# Measures what a user of Kalvenmarque waits for, under Wine in a fresh prefix with a
# sandbox world (make_sandbox.sh), each figure beside an anchor measured in the same run,
# because shared machines are noisy. Every figure is taken KALV_BENCH_ROUNDS times
# (default 5) after one round that is not counted; the table gives the median, the spread
# (lowest to highest), the anchor's median, the ratio of the medians and the goal.
#
#   start     starting Kalvenmarque.exe on a 5 MB .dm_48 demo (release switch from v1.32
#             and the demo copy included) until the stand-in quake3.exe starts, less the
#             fixed 450 ms pause before a game; anchor: the stand-in started by wine alone;
#             beside it, the stand-in started alone until it has shown a window; each
#             anchor is started three times a round
#   own work  the start less both anchors of its round (their medians): what the
#             player's own code adds to the least any program takes that shows a window
#             first and then starts the game; the store holds five executables of real
#             size (make_sandbox.sh)
#   main      starting Kalvenmarque.exe without a demo until its main window is up, less
#             the 2450 ms welcome pause; the UI driver polls for the window every 2 ms;
#             beside it, the same less the round's window anchor
#   restore   the stand-in game's end until the player has ended after restoring the
#             installation; anchor: a stand-in's end until its own process is gone
#   copy      CopyFileWithProgress of 64 MB with the splash window shown (bench/kalv_bench);
#             anchor: the platform's own copy of the same file
#   idle      the player's processor time while the game runs, from 3 s after its start
#             to 1 s before its end (beside it from 1 s on, the splash's hide included);
#             anchor: the stand-in game's own, a window waiting for messages
#   peak      the player's peak working set during a demo; anchor: the stand-in game's
#             (a minimal GUI program with a window)
#   needs     the check of what a Quake 3 demo needs (its mod and map) on an installation
#             of ten paks and a mod, every archive's directory read (bench/kalv_bench); no
#             anchor: it must add at most 10 ms to a start
#   library   listing a folder of 1,000 demos (layouts of all six games,
#             1-5 MB each) as the demo library does, nothing read before (bench/kalv_bench),
#             and again from the cache file the first listing wrote; no anchor; and the
#             player's peak working set with its library window showing those 1,000
#             demos, above its peak with the main window
#   size      each program file; no anchor
#
# Times come from one clock: the shell's $EPOCHREALTIME and the stand-in's log stamps
# (GetSystemTimePreciseAsFileTime, the same wall clock under Wine). Processor time is the
# player's scheduler run time (/proc/<pid>/task/*/schedstat), the peak working set its
# peak resident size as /usr/bin/time reports it.
#
# <build> is build/ or $KALV_BUILD_DIR; the run's files stay in <build>/bench. Exits
# non-zero when a round did not play and restore as it should, or a goal is missed.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export KALV_BUILD_DIR=${KALV_BUILD_DIR:-$ROOT/build}
BUILD=$KALV_BUILD_DIR
ROUNDS=${KALV_BENCH_ROUNDS:-5}
WORK="$BUILD/bench"
PAUSE_MS=450     # the fixed pause before every game start
WELCOME_MS=2450  # the splash's welcome before the main window
GAME_MS=10000    # how long the stand-in game runs in a player round
# Hiding the splash after the game's start ends, under a display without a window manager,
# in Wine waiting 2 s for one and then catching up (about 4 ms at once): the steady wait is
# measured from 3 s after the start, the whole wait beside it.
HIDDEN_MS=3000
# How long after the pause the player round leaves the machine to the game's start.
START_QUIET_MS=500

# The run log's stamps are local time; in UTC they are the shell's clock.
export TZ=UTC
# /usr/bin/time (package time) and pgrep (procps) besides what building and testing need.
"$ROOT/scripts/install-deps.sh" time procps >/dev/null
mkdir -p "$BUILD"
echo "bench: building"
"$ROOT/scripts/build.sh" >"$BUILD/bench-build.log" 2>&1 || { tail -n 30 "$BUILD/bench-build.log"; exit 1; }

rm -rf -- "$WORK"
mkdir -p -- "$WORK"
# shellcheck source=tests/e2e/wine_env.sh
source "$ROOT/tests/e2e/wine_env.sh"
trap kalv_wine_down EXIT
echo "bench: creating a fresh Wine prefix and the sandbox world in $WORK"
kalv_wine_up "$WORK"
"$ROOT/scripts/make_sandbox.sh" "$BUILD/win32" >"$WORK/world.log"

DRIVE_C="$WINEPREFIX/drive_c"
Q3A="$DRIVE_C/Games/Quake III Arena"
Q3A_EXE='C:\Games\Quake III Arena\quake3.exe'
PLAYER='C:\Kalvenmarque\Kalvenmarque.exe'
DEMO='C:\Demos\big.dm_48'
head -c $((5 << 20)) /dev/urandom >"$DRIVE_C/Demos/big.dm_48"
# Beside the player, so that it sees the player's release store as the player does.
cp -- "$BUILD/win32/bench/kalv_bench.exe" "$DRIVE_C/Kalvenmarque/kalv_bench.exe"
export KALV_STANDIN_LOG='C:\bench-standin.log'
DRIVER="$BUILD/win32/e2e-tools/ui_driver.exe"
LOG="$DRIVE_C/bench-standin.log"

now_us() { echo "${EPOCHREALTIME/./}"; }
# The value of the last "<key>: " line of a file.
field() { sed -n "s/^$2: //p" "$1" | tail -n 1; }
fail() { echo "bench: $*" >&2; exit 1; }
# Waits up to <seconds> for a "<key>: " line in the stand-in's log. The figures come from
# the stamps in the log, so the poll need not be quick; a slow one leaves the processor to
# the programs measured.
wait_field() {
  local i
  for ((i = 0; i < $2 * 20; i++)); do
    [ -n "$(field "$LOG" "$1" 2>/dev/null)" ] && return 0
    sleep 0.05
  done
  return 1
}
# Nanoseconds of processor time all threads of a process have used.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ t += $1 } END { print t + 0 }'; }
# Sleeps until <microseconds> of the wall clock.
sleep_until() {
  local left=$(( $1 - $(now_us) ))
  if ((left > 0)); then sleep "$(printf '%d.%06d' $((left / 1000000)) $((left % 1000000)))"; fi
}
release_of() { tail -c 64 "$1" | tr -d '\0' | sed -n 's/^KALV-RELEASE //p'; }

# One line of figures per round and kind, "<name> <value>", collected in $WORK/figures.
record() { echo "$1 $2" >>"$WORK/figures.$ROUND_KIND"; }
# The figure of this round's kind recorded last under a name.
last_of() { sed -n "s/^$1 //p" "$WORK/figures.$ROUND_KIND" | tail -n 1; }

# The stand-in game started by wine alone: its start after the command, and from its end
# until its process is gone. It goes through /usr/bin/time as the player does, so both
# pass the same programs on their way.
anchor_start() {
  rm -f -- "$LOG"
  local t0 t1
  t0=$(now_us)
  KALV_STANDIN_MODE=sleep:0 timeout 60 /usr/bin/time -f '%M' -o "$WORK/anchor.time" \
    wine "$Q3A_EXE" </dev/null >"$WORK/anchor.out" 2>&1 ||
    fail "the stand-in game did not run (see $WORK/anchor.out)"
  t1=$(now_us)
  record start-anchor "$(( ($(field "$LOG" started-us) - t0) / 1000 ))"
  record restore-anchor "$(( (t1 - $(field "$LOG" ended-us)) / 1000 ))"
}

# The same stand-in showing a window: what Wine costs any program before its first
# window, which the windowless anchor never pays and the player, with its splash, must.
anchor_window() {
  rm -f -- "$LOG"
  local t0 shown
  t0=$(now_us)
  KALV_STANDIN_MODE=show:0 timeout 60 /usr/bin/time -f '%M' -o "$WORK/window.time" \
    wine "$Q3A_EXE" </dev/null >"$WORK/anchor.out" 2>&1 ||
    fail "the stand-in game did not show its window (see $WORK/anchor.out)"
  shown=$(field "$LOG" shown-us)
  [ -n "$shown" ] || fail "the stand-in game did not log when its window was shown"
  record window-anchor "$(( (shown - t0) / 1000 ))"
}

# Each anchor is one process start, as noisy as the player's: a round sets its figures
# against the median of ANCHOR_STARTS of each, so that one slow start does not swing it.
ANCHOR_STARTS=3
anchor_round() {
  local i
  for ((i = 0; i < ANCHOR_STARTS; i++)); do
    anchor_start
    anchor_window
  done
}
# The median of the last ANCHOR_STARTS figures of this round's kind under a name.
anchor_of() {
  sed -n "s/^$1 //p" "$WORK/figures.$ROUND_KIND" | tail -n "$ANCHOR_STARTS" | sort -n |
    sed -n "$(( (ANCHOR_STARTS + 1) / 2 ))p"
}

# The player's run log of the round: its start-up line gives the start-up's phases, the
# stamps of its lines the run's (milliseconds of the day; the prefix runs in UTC, as the
# shell's clock counts). What is left of the start are the two process starts under Wine:
# the player's from the command until its first line of code, and the game's from the end
# of the pause until the stand-in's first line.
RUN_LOG=""
breakdown() {
  local t0_ms=$1 started_ms=$2 line stamp_of
  [ -n "$RUN_LOG" ] && [ -f "$RUN_LOG" ] || { echo "bench: no run log" >&2; return; }
  line=$(grep -a ' player: start-up: ' "$RUN_LOG" | tail -n 1 | tr -d '\r')
  local phases=${line#* player: start-up: } sum=0 name ms
  # Milliseconds of the day of the last line starting with <text>.
  stamp_of() {
    grep -a " player: $1" "$RUN_LOG" | tail -n 1 |
      awk '{ split($2, t, ":"); printf "%d\n", (t[1] * 3600 + t[2] * 60) * 1000 + t[3] * 1000 }'
  }
  local demo switched copied day=86400000
  # The start-up line is written just after its last phase ended, before the demo's own
  # (whose words "demo c..." would also match the copy's line).
  demo=$(stamp_of "start-up: ") switched=$(stamp_of "switched to") copied=$(stamp_of "demo copied")
  while IFS= read -r part; do sum=$((sum + ${part##* })); done < <(
    tr ',' '\n' <<<"${phases// ms/}" | sed 's/^ //')
  record phase-player_process_start $(( (demo - sum - t0_ms % day + day) % day ))
  while IFS= read -r part; do
    name=${part% * ms}
    ms=${part% ms}
    ms=${ms##* }
    record "phase-${name// /_}" "$ms"
  done < <(tr ',' '\n' <<<"$phases" | sed 's/^ //')
  record phase-journal_and_switch $((switched - demo))
  record phase-prepare_and_copy $((copied - switched))
  record phase-game_process_start $(( (started_ms % day - copied - PAUSE_MS + day) % day ))
}

# The player on the demo, started as its association starts it, with the stand-in game
# running GAME_MS behind it; afterwards the installation must be back as it was.
player_round() {
  rm -f -- "$LOG"
  [ -z "$RUN_LOG" ] || rm -f -- "$RUN_LOG"
  local t0 t1 started ended runner timer player c0 w0 c1 w1 c2 w2
  t0=$(now_us)
  KALV_STANDIN_MODE="show:$GAME_MS" timeout 120 /usr/bin/time -f '%M' -o "$WORK/player.time" \
    wine "$PLAYER" "$DEMO" </dev/null >"$WORK/player.out" 2>&1 &
  runner=$!
  # No poll while the player and the game start, as none runs beside the anchors: each
  # poll starts processes that take the processor from them. The game cannot start before
  # the fixed pause, and the start is read from the stamps afterwards.
  sleep_until $((t0 + (PAUSE_MS + START_QUIET_MS) * 1000))
  wait_field started-us 60 || fail "the game was not started (see $WORK/player.out)"
  started=$(field "$LOG" started-us)
  timer=$(pgrep -P "$runner")
  player=$(pgrep -P "$timer")
  [ -n "$player" ] || fail "the player ended while the game runs"
  sleep_until $((started + 1000000))
  c0=$(cpu_ns "$player") w0=$(now_us)
  sleep_until $((started + HIDDEN_MS * 1000))
  c1=$(cpu_ns "$player") w1=$(now_us)
  sleep_until $((started + GAME_MS * 1000 - 1000000))
  c2=$(cpu_ns "$player") w2=$(now_us)
  wait "$runner" || fail "the player failed (see $WORK/player.out)"
  t1=$(now_us)
  ended=$(field "$LOG" ended-us)
  [ -n "$ended" ] || fail "the game did not end by itself"
  [ "$(field "$LOG" release)" = v1.27h ] || fail "the game did not run release v1.27h"
  [ "$(release_of "$Q3A/quake3.exe")" = v1.32 ] || fail "the installation was not switched back"
  [ ! -e "$Q3A/baseq3/Kalvenmarque.cfg" ] && [ ! -e "$Q3A/baseq3/demos/Kalvenmarque.dm_48" ] ||
    fail "the prepared files were left in the installation"
  record start "$(( (started - t0) / 1000 - PAUSE_MS ))"
  record own "$(( (started - t0) / 1000 - PAUSE_MS - $(anchor_of start-anchor) - $(anchor_of window-anchor) ))"
  [ -n "$RUN_LOG" ] || RUN_LOG=$(find "$DRIVE_C/users" -name Kalvenmarque.log -print -quit)
  breakdown $((t0 / 1000)) $((started / 1000))
  record restore "$(( (t1 - ended) / 1000 ))"
  # Parts per million of one core.
  record idle "$(( (c2 - c1) * 1000 / (w2 - w1) ))"
  record idle-with-hide "$(( (c2 - c0) * 1000 / (w2 - w0) ))"
  record idle-anchor "$(( $(field "$LOG" cpu-us) * 1000000 / (ended - started) ))"
  record peak "$(( $(tail -n 1 "$WORK/player.time") * 1024 ))"
  record peak-anchor "$(field "$LOG" peak-working-set)"
}

# The player started without a demo, as its Start menu entry starts it, until its main
# window is up; the driver polls from before the start (it says when it looks), so its own
# start is not timed. The window is then closed as a user closes it.
main_window_round() {
  local found="$WORK/main-window.out" poller runner t0 i
  rm -f -- "$found"
  timeout 60 wine "$DRIVER" wait-window --has-id 2013 --poll 2 --stamp --timeout 30000 \
    </dev/null >"$found" 2>&1 &
  poller=$!
  for ((i = 0; i < 600; i++)); do
    [ -n "$(field "$found" looking-us)" ] && break
    sleep 0.05
  done
  [ -n "$(field "$found" looking-us)" ] || fail "the UI driver did not start (see $found)"
  t0=$(now_us)
  timeout 60 /usr/bin/time -f '%M' -o "$WORK/main.time" wine "$PLAYER" </dev/null \
    >"$WORK/main.out" 2>&1 &
  runner=$!
  wait "$poller" || fail "the main window did not show (see $found)"
  local main=$(( ($(field "$found" found-us) - t0) / 1000 - WELCOME_MS ))
  record main-window "$main"
  record main-window-own "$(( main - $(anchor_of window-anchor) ))"
  timeout 60 wine "$DRIVER" close --has-id 2013 </dev/null >/dev/null 2>&1 ||
    fail "the main window could not be closed"
  wait "$runner" || fail "the player failed after its main window (see $WORK/main.out)"
  record main-peak "$(( $(tail -n 1 "$WORK/main.time") * 1024 ))"
}

# The player opened on the folder of 1,000 demos the copy round's kalv_bench left, its cache
# removed so that every demo is read, until the library's status line sums the list up;
# then closed as a user closes it. Its peak working set is set against the main window's.
library_window_round() {
  local runner i
  find "$DRIVE_C/users" -name 'Demo Library.cache' -delete
  timeout 120 /usr/bin/time -f '%M' -o "$WORK/library.time" wine "$PLAYER" 'C:\library-demos' \
    </dev/null >"$WORK/library.out" 2>&1 &
  runner=$!
  for ((i = 0; i < 300; i++)); do
    timeout 60 wine "$DRIVER" dump --has-id 6013 --timeout 30000 </dev/null >"$WORK/library.dump" 2>&1 ||
      fail "the demo library did not open (see $WORK/library.out)"
    # The status line can be read while the window is still busy (writing its cache);
    # its rows only once it answers again.
    grep -q '^control id=6010 .* text=1000 files, .* play here' "$WORK/library.dump" &&
      ! grep -q '^busy:' "$WORK/library.dump" && break
    sleep 0.2
  done
  [ "$(grep -c '^row id=6009 ' "$WORK/library.dump")" = 1000 ] ||
    fail "the demo library did not list the 1,000 demos (see $WORK/library.dump)"
  timeout 60 wine "$DRIVER" close --has-id 6013 </dev/null >/dev/null 2>&1 ||
    fail "the demo library could not be closed"
  wait "$runner" || fail "the player failed after its demo library (see $WORK/library.out)"
  record library-window-above-main "$(( $(tail -n 1 "$WORK/library.time") * 1024 - $(last_of main-peak) ))"
}

copy_round() {
  local result="$DRIVE_C/bench-copy.txt"
  rm -f -- "$result"
  timeout 180 wine 'C:\Kalvenmarque\kalv_bench.exe' 'C:\bench-copy.txt' 'C:\' </dev/null \
    >"$WORK/copy.out" 2>&1 || fail "kalv_bench failed: $(cat "$result" 2>/dev/null)"
  [ "$(field "$result" copies-equal)" = 1 ] || fail "the copies differ from the source"
  [ "$(field "$result" needs-found)" = missing ] || fail "the needs check did not read every archive"
  [ "$(field "$result" library-rows)" = 1000 ] && [ "$(field "$result" library-read)" = 500 ] &&
    [ "$(field "$result" library-lengths)" = 700 ] && [ "$(field "$result" library-games)" = 6 ] &&
    [ "$(field "$result" library-cached-rows)" = 1000 ] ||
    fail "the demo library did not list every demo of the six games, read every Quake 3 demo's first message and every Quake 3 and Half-Life demo's length"
  local key
  for key in copy-progress-mbps copy-platform-mbps copy-barless-mbps bar-paints \
             bar-longest-gap-ms copy-progress-ms needs-ms library-ms library-cached-ms; do
    record "$key" "$(field "$result" "$key")"
  done
}

for ((round = 0; round <= ROUNDS; round++)); do
  # Round 0 warms the file cache and Wine's own files up and is not counted.
  ROUND_KIND=$([ "$round" = 0 ] && echo warmup || echo counted)
  echo "bench: round $round of $ROUNDS"
  anchor_round
  player_round
  main_window_round
  copy_round
  library_window_round
done

size() { stat -c %s -- "$BUILD/win32/install/$1"; }
awk -v rounds="$ROUNDS" \
    -v size_player="$(size Kalvenmarque.exe)" -v size_assoc="$(size Assocmend.exe)" \
    -v size_companion="$(size Versions/kalvq2_sub.bin)" -f "$ROOT/scripts/bench_report.awk" \
    "$WORK/figures.counted"
