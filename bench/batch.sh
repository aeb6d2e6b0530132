#!/usr/bin/env bash
# Times quendaro-cli --stats over many results of each generator, with its
# peak memory, beside the goals: ten million characters in at most 5 s and
# ten million of any other generator in at most 3 s, in flat memory.
#
#   bench/batch.sh [count]     (default: 10000000)
#
# Uses the Release tree of bench/run.sh (build-bench/). A measurement, not a
# test: the load average is printed with the figures.
set -euo pipefail

cd "$(dirname "$0")/.."
count=${1:-10000000}
build_dir=build-bench

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DQUENDARO_BENCH=ON -DQUENDARO_BUILD_GUI=OFF -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)" --target quendaro-cli \
  >/dev/null
cli=$build_dir/src/cli/quendaro-cli
timing=$(mktemp)
trap 'rm -f "$timing"' EXIT

echo "Load before the runs: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
printf "%-44s %10s %12s %8s\n" "quendaro-cli --stats, N = $count" "median" \
  "peak memory" "goal"
# Each row is the median time of three runs, since a shared core's speed
# moves from one run to the next, and the largest peak memory of the three.
readonly runs=3
row() {
  local label=$1 goal=$2
  shift 2
  local times=() kib=0 seconds memory
  for ((run = 0; run < runs; run++)); do
    /usr/bin/time -f "%e %M" -o "$timing" "$cli" "$@" --count "$count" \
      --seed 1 --stats >/dev/null
    read -r seconds memory <"$timing"
    times+=("$seconds")
    ((memory > kib)) && kib=$memory
  done
  seconds=$(printf "%s\n" "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
  printf "%-44s %8s s %8s KiB %6s s\n" "$label" "$seconds" "$kib" "$goal"
}
# The goals are for ten million; a smaller count scales them.
scaled() { awk -v g="$1" -v n="$count" 'BEGIN { printf "%.2g", g * n / 1e7 }'; }
# With no choices the command line refuses a character; --as-typed takes the
# request as the window does, which answers with its messages and zeros.
row "character (no choices, as typed)" "$(scaled 5)" character --as-typed
row "character (human warrior)" "$(scaled 5)" character --race Umano \
  --class "Guerriero(puro)" --alignment Legale/buono --sex Maschio --age 20
row "treasure (types A-I at 5)" "$(scaled 3)" treasure \
  --A 5 --B 5 --C 5 --D 5 --E 5 --F 5 --G 5 --H 5 --I 5
row "treasure (type A once)" "$(scaled 3)" treasure --A 1
row "weapon" "$(scaled 3)" weapon
row "hit points (Militare, level 10)" "$(scaled 3)" hitpoints \
  --group Militare --level 10
row "name (male)" "$(scaled 3)" name --sex m
row "npc" "$(scaled 3)" npc
echo "Load after the runs:  $(cut -d' ' -f1-3 /proc/loadavg)"
