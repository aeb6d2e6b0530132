#!/usr/bin/env bash
# Builds the libFuzzer harnesses in build-fuzz/ with clang++, AddressSanitizer
# and UndefinedBehaviorSanitizer, and runs each one in turn.
#
#   fuzz/run.sh [SECONDS]   run every harness for SECONDS (default 30)
#
# FUZZ_SEED picks libFuzzer's seed (default 1, so that a run repeats; 0 lets
# libFuzzer choose). New inputs go to build-fuzz/corpus/<harness>/ and crashes
# to build-fuzz/crashes/; the committed seeds in fuzz/corpus/ are only read.
# Any crash or broken invariant stops the script with a failure.
set -euo pipefail

cd "$(dirname "$0")/.."

seconds=${1:-30}
seed=${FUZZ_SEED:-1}
readonly harnesses=(character treasure weapon hitpoints name cli history)

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENDARO_FUZZ=ON \
  -DQUENDARO_BUILD_GUI=OFF -DBUILD_TESTING=OFF -DQUENDARO_WERROR=ON
cmake --build build-fuzz --parallel "$(nproc)" --target quendaro_fuzzers

mkdir -p build-fuzz/crashes build-fuzz/logs
for harness in "${harnesses[@]}"; do
  echo "== fuzzing $harness for ${seconds} s"
  mkdir -p "build-fuzz/corpus/$harness"
  log=build-fuzz/logs/$harness.log
  # The first input also builds the harness's tables of every allowed result
  # (all the names, every lair), which takes seconds under the sanitizers.
  if ! "build-fuzz/fuzz/${harness}_fuzzer" \
      -max_total_time="$seconds" -seed="$seed" -timeout=60 -max_len=4096 \
      -print_final_stats=1 \
      -artifact_prefix="build-fuzz/crashes/$harness-" \
      "build-fuzz/corpus/$harness" "fuzz/corpus/$harness" >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "error: the $harness harness failed; full log in $log" >&2
    exit 1
  fi
  grep -E '^(#[0-9]+[[:space:]]+DONE|stat::(number_of_executed_units|new_units_added|peak_rss_mb))' "$log"
done
echo "== fuzzing passed"
