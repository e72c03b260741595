#!/usr/bin/env bash
# Fuzzes the parsers that read outside data with libFuzzer and the address and
# undefined-behaviour sanitizers, each target for a set number of executions or a set
# time, as many targets at once as there are processors.
#   tests/fuzz/run.sh [--runs N | --seconds S] [target ...]
# (default 10000000 runs per target, every target; a run resumes from what earlier ones
# learned).
# The kept corpus in tests/fuzz/corpus seeds each run; what a run learns goes to
# <build>/fuzz/corpus/<target>, findings (crash-*, timeout-*) to <build>/fuzz/findings/<target>
# and the fuzzer's output to <build>/fuzz/<target>.log. Prints each target's executions,
# speed and findings; exits non-zero when any target found one. To read a finding's
# allocation stacks, run the target on it again with ASAN_OPTIONS unset.
set -uo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
BUILD=${KALV_BUILD_DIR:-$ROOT/build}/fuzz
LIMIT=(-runs=10000000)
case "${1:-}" in
  --runs) LIMIT=(-runs="$2"); shift 2 ;;
  --seconds) LIMIT=(-max_total_time="$2"); shift 2 ;;
esac
# The slowest first, so that the fast ones fill in beside them.
TARGETS=("$@")
[ ${#TARGETS[@]} -gt 0 ] ||
  TARGETS=(journal release_file switches command_line zip_directory pack_directory gamestate
           dem_header protocol half_life_demo quake1_demo quake2_demo demo_cache)

# Longest input per target: a little more than the program ever reads or writes there.
declare -A MAX_LEN=([dem_header]=300 [protocol]=300 [release_file]=512 [command_line]=600
                    [switches]=128 [journal]=1024 [half_life_demo]=1024 [quake1_demo]=2048
                    [quake2_demo]=512 [gamestate]=2048 [zip_directory]=4096
                    [pack_directory]=2048 [demo_cache]=2048)

"$ROOT/scripts/install-deps.sh" clang libclang-rt-14-dev || exit 1
mkdir -p "$BUILD"
CC=clang CXX=clang++ cmake -S "$ROOT" -B "$BUILD" -DKALV_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  >"$BUILD/configure.log" 2>&1 || { cat "$BUILD/configure.log"; exit 1; }
cmake --build "$BUILD" -j"$(nproc)" --target "${TARGETS[@]/%/_fuzz}" >"$BUILD/build.log" 2>&1 ||
  { tail -n 40 "$BUILD/build.log"; exit 1; }

fuzz_one() {
  local target=$1 work="$BUILD/corpus/$1" findings="$BUILD/findings/$1"
  mkdir -p "$work" "$findings"
  # Allocation stacks are not recorded: they cost more than the rest of a run.
  ASAN_OPTIONS=malloc_context_size=0 "$BUILD/tests/fuzz/${target}_fuzz" \
    "$work" "$ROOT/tests/fuzz/corpus/$target" "${LIMIT[@]}" -max_len="${MAX_LEN[$target]:-4096}" \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" \
    >"$BUILD/$target.log" 2>&1
}

running=0
for target in "${TARGETS[@]}"; do
  if [ "$running" -ge "$(nproc)" ]; then wait -n; running=$((running - 1)); fi
  fuzz_one "$target" &
  running=$((running + 1))
done
wait

status=0
printf '%-14s %12s %10s %8s\n' target executions exec/s findings
for target in "${TARGETS[@]}"; do
  log="$BUILD/$target.log"
  executions=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
  rate=$(awk '/stat::average_exec_per_sec/ {print $2}' "$log")
  found=$(find "$BUILD/findings/$target" -type f | wc -l)
  printf '%-14s %12s %10s %8s\n' "$target" "${executions:-?}" "${rate:-?}" "$found"
  if [ "$found" -gt 0 ]; then
    status=1
    grep -E 'ERROR|fuzz check failed|SUMMARY' "$log" | head -n 5
  fi
done
exit "$status"
