#!/usr/bin/env bash
# Times the program's start-up and the opening of each generator window
# against a bare Qt Widgets program, and compares their peak memory. Both run
# on Qt's offscreen platform from a Release build, many times each,
# interleaved; the table shows medians.
#
#   bench/startup.sh [runs]     (default: 30)
#
# The build goes to build-bench-startup/ (or $QUENDARO_STARTUP_BUILD_DIR).
# Goals: the logo on screen within 1.2 times the bare window's start-up, each
# generator window within 1.2 times an empty window opened the same way, and
# at most 10 MiB more peak memory than the bare window.
set -euo pipefail

cd "$(dirname "$0")/.."
runs=${1:-30}
build_dir=${QUENDARO_STARTUP_BUILD_DIR:-build-bench-startup}

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build_dir" --target quendaro_startup_benchmark \
  quendaro_bare_window >/dev/null

program=$build_dir/bench/quendaro_startup_benchmark
bare=$build_dir/bench/quendaro_bare_window
export QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 QT_ENABLE_HIGHDPI_SCALING=0

samples=$(mktemp -d)
trap 'rm -rf "$samples"' EXIT

# Runs one measured start and files its figures under $samples: "start-up"
# in microseconds from the moment before the process is started, each window
# opened in microseconds from its menu item, and the peak resident set.
measure() {
  local who=$1
  shift
  local started=$EPOCHREALTIME
  local output
  output=$("$@" 2>/dev/null)
  # $EPOCHREALTIME uses the locale's decimal separator.
  started=${started//[.,]/}
  while read -r what name value; do
    case $what in
      shown) echo $((value - started)) >>"$samples/$who.start-up" ;;
      open) echo "$value" >>"$samples/$name" ;;
      peak-rss-kib) echo "$name" >>"$samples/$who.rss" ;;
    esac
  done <<<"$output"
}

median() {
  sort -n "$samples/$1" | awk '{ v[NR] = $1 }
    END { if (NR == 0) exit 1
          print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "Load before the runs: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
for ((run = 1; run <= runs; ++run)); do
  measure bare "$bare"
  for generator in Form1 Form3 Form5; do
    measure "$generator" "$program" "$generator"
  done
done
echo "Load after the runs:  $(cut -d' ' -f1-3 /proc/loadavg)"
cat "$samples"/Form{1,3,5}.start-up >"$samples/program.start-up"

# One line of the table: a program figure against a bare one, in ms.
compare() {
  local label=$1 program_us=$2 bare_us=$3
  awk -v label="$label" -v p="$program_us" -v b="$bare_us" 'BEGIN {
    ratio = p / b
    printf "%-36s %9.1f ms %9.1f ms %7.2f  %s\n", label, p / 1000, b / 1000,
      ratio, ratio <= 1.2 ? "met" : "missed"
  }'
}

echo
echo "Median of $runs runs each, offscreen, Release build"
printf "%-36s %12s %12s %7s  %s\n" "" "program" "bare Qt" "ratio" "goal 1.2"
compare "process start to first window shown" "$(median program.start-up)" \
  "$(median bare.start-up)"
compare "main menu (Form8) from the logo" "$(median Form8)" \
  "$(median BarePlain)"
for generator in Form1 Form3 Form5; do
  compare "$generator from the main menu" "$(median "$generator")" \
    "$(median BareMaximized)"
done
compare "Form4 from Form1's menu" "$(median Form4)" "$(median BarePlain)"
compare "Form2 from Form1's menu" "$(median Form2)" "$(median BarePlain)"
echo "(large windows against an empty maximized window, small ones against"
echo " an empty plain window, both opened by a menu item of the bare program)"

echo
largest=0
for generator in Form1 Form3 Form5; do
  rss=$(median "$generator.rss")
  awk -v r="$rss" -v l="$largest" 'BEGIN { exit !(r > l) }' && largest=$rss
done
awk -v p="$largest" -v b="$(median bare.rss)" 'BEGIN {
  extra = (p - b) / 1024
  printf "%-36s %9.1f MiB %8.1f MiB %+6.1f MiB  %s (goal: at most +10 MiB)\n",
    "peak memory (max RSS)", p / 1024, b / 1024, extra,
    extra <= 10 ? "met" : "missed"
}'
