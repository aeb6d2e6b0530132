#!/usr/bin/env bash
# Measures Quendaro 32 in a Release build (build-bench/) and prints the
# figures side by side:
#   - each generator's cost per call, from Google Benchmark (median of five
#     repetitions);
#   - quendaro-cli running 100000 generations with --json into /dev/null,
#     as generations per second (the best of three runs);
#   - quendaro-cli --stats over ten million of each (bench/batch.sh);
#   - the program's start-up, windows, clicks and memory (bench/startup.sh);
#   - a history of 10000 generations: its file, "Cronologia" opened and
#     searched, a generation with it open, its memory (bench/history.sh).
#
#   bench/run.sh
#
# These are measurements, not tests: nothing fails on a slow machine. The
# load average is printed with the figures, since a busy machine slows both.
set -euo pipefail

cd "$(dirname "$0")/.."
build_dir=build-bench
readonly count=100000

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DQUENDARO_BENCH=ON -DQUENDARO_BUILD_GUI=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)" \
  --target quendaro_benchmarks quendaro-cli >/dev/null

cli=$build_dir/src/cli/quendaro-cli
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

echo "Load before the runs: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"

"$build_dir/bench/quendaro_benchmarks" --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true \
  --benchmark_out="$results/calls.csv" --benchmark_out_format=csv

# The median cost of one call of a benchmark, in nanoseconds.
call_ns() {
  awk -F, -v name="\"$1_median\"" '$1 == name {
      scale = ($5 == "\"us\"") ? 1000 : ($5 == "\"ms\"") ? 1e6 : 1
      printf "%.0f", $4 * scale }' "$results/calls.csv"
}

# Generations per second of the command line, the best of three runs.
cli_rate() {
  local best=0 run started elapsed rate
  for run in 1 2 3; do
    started=${EPOCHREALTIME//[.,]/}
    "$cli" "$@" --count "$count" --json >/dev/null
    elapsed=$((${EPOCHREALTIME//[.,]/} - started))
    rate=$((count * 1000000 / elapsed))
    ((rate > best)) && best=$rate
  done
  echo "$best"
}

echo
printf "%-34s %16s %22s\n" "generator" "cost per call" "quendaro-cli --json"
row() {
  local label=$1 benchmark=$2
  shift 2
  printf "%-34s %13s ns %14s gen/s\n" "$label" "$(call_ns "$benchmark")" \
    "$(cli_rate "$@")"
}
row "character (human warrior)" BM_Character character --race Umano \
  --class "Guerriero(puro)" --alignment Legale/buono --sex Maschio --age 20
row "treasure (types A-I at 5)" BM_TreasureAllTypesAtFive treasure \
  --A 5 --B 5 --C 5 --D 5 --E 5 --F 5 --G 5 --H 5 --I 5
row "weapon" BM_Weapon weapon
row "hit points (Militare, level 10)" BM_HitPoints hitpoints \
  --group Militare --level 10
row "name (male)" BM_Name name --sex m
echo "Load after the runs:  $(cut -d' ' -f1-3 /proc/loadavg)"

# --stats over ten million results of each generator, beside its goal.
echo
bench/batch.sh

# Start-up and peak memory against a bare Qt Widgets window: that comparison
# belongs here, printed after the tables above.
echo
bench/startup.sh

# The history at its fullest, on the same Release build as the start-up.
echo
bench/history.sh
