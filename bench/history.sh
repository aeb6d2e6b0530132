#!/usr/bin/env bash
# The history at its fullest: 10000 generations of the six generators in
# turn, each made by its window as a click makes it, kept through the
# program's own store. Then the program runs on that history and on an
# empty one, each several times: the file's size, "Cronologia" opened, a
# search typed and a filter chosen, a generation with the history open, and
# the peak memory the full history adds to the program.
#
#   bench/history.sh [runs] [entries]     (default: 5 runs, 10000 entries)
#
# Goals: at most 15 MB of file, "Cronologia" opened and painted within
# 150 ms, a search or a filter within 50 ms, a generation with the history
# open within a frame (16.7 ms) and at most 40 MiB more peak memory than
# with an empty history. The build goes to build-bench-startup/ (or
# $QUENDARO_STARTUP_BUILD_DIR), shared with bench/startup.sh.
set -euo pipefail

cd "$(dirname "$0")/.."
runs=${1:-5}
entries=${2:-10000}
build_dir=${QUENDARO_STARTUP_BUILD_DIR:-build-bench-startup}

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build_dir" --target quendaro_history_benchmark >/dev/null

program=$build_dir/bench/quendaro_history_benchmark
export QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 QT_ENABLE_HIGHDPI_SCALING=0

# In memory when the system has a place for it, so that the disk's own
# speed is not what is measured; the settings stay out of the user's.
work=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data

echo "Load before the runs: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
"$program" --write "$work/full.jsonl" "$entries" | grep -v '^Load'
: >"$work/empty.jsonl"
size=$(stat -c %s "$work/full.jsonl")

# The last figure of each run's lines, filed by what they measure.
for ((run = 1; run <= runs; ++run)); do
  for history in empty full; do
    "$program" --open "$work/$history.jsonl" 2>/dev/null |
      tee -a "$work/$history.out" >/dev/null
  done
done

# The median of numbers, one a line.
median() {
  sort -n | awk '{ v[NR] = $1 }
    END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
# The median over the runs of the medians a line reports, of the wall clock
# or, with a third argument, of the processor.
median_of() {
  local figure='median +([0-9.]+) ms'
  [[ -n ${3:-} ]] && figure='processor +([0-9.]+) ms'
  grep -F "$2" "$work/$1.out" | sed -E "s/.*$figure.*/\1/" | median
}
# The median over the runs of the opening's wall clock, or with a second
# argument "cpu" its processor time over every thread, or "window" that of
# the window's thread alone.
opened() {
  local figure='\1'
  [[ ${2:-} == cpu ]] && figure='\2'
  [[ ${2:-} == window ]] && figure='\3'
  sed -nE "s/^\"Cronologia\" opened on [0-9]+ entries in ([0-9.]+) ms, processor ([0-9.]+) ms, of it the window's thread ([0-9.]+) ms/$figure/p" \
    "$work/$1.out" | median
}
rss() {
  sed -nE 's/^peak-rss-kib ([0-9]+)/\1/p' "$work/$1.out" | sort -n |
    awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}

# A figure against its goal; with a fifth argument, the processor time
# beside it, which a busy machine does not stretch.
line() {
  awk -v label="$1" -v value="$2" -v unit="$3" -v goal="$4" \
    -v cpu="${5:-}" 'BEGIN {
    printf "%-46s %9.2f %-4s %-6s (goal: at most %s %s)", label, value,
      unit, (value <= goal) ? "met" : "missed", goal, unit
    if (cpu != "")
      printf ", processor %.2f ms %s", cpu, (cpu <= goal) ? "met" : "missed"
    printf "\n" }'
}

echo
echo "History of $entries generations, $runs runs, offscreen, Release build"
line "file size" "$(awk -v s="$size" 'BEGIN { print s / 1e6 }')" MB 15
line "\"Cronologia\" opened and painted" "$(opened full)" ms 150
# The rows are unpacked on every core at once: the processor time of all
# threads together is more than the wait, and the window's own thread is
# what keeps it from answering a click meanwhile.
echo "  processor, every thread together          $(opened full cpu) ms;" \
  "the window's thread $(opened full window) ms"
line "a search, typed letter by letter (median)" \
  "$(median_of full 'A search')" ms 50 "$(median_of full 'A search' cpu)"
line "a generator chosen in the filter (median)" \
  "$(median_of full 'A generator chosen')" ms 50 \
  "$(median_of full 'A generator chosen' cpu)"
click=$(median_of full 'A generation: click')
join=$(median_of full 'Its entry joining')
line "a generation with the history open (median)" \
  "$(awk -v c="$click" -v j="$join" 'BEGIN { print c + j }')" ms 16.7 \
  "$(awk -v c="$(median_of full 'A generation: click' cpu)" \
    -v j="$(median_of full 'Its entry joining' cpu)" 'BEGIN { print c + j }')"
echo "  of which the click to its window painted     $click ms"
echo "  and its entry joining the list, painted      $join ms"
echo "  (with an empty history: $(median_of empty 'A generation: click') ms" \
  "and $(median_of empty 'Its entry joining') ms)"
line "peak memory over an empty history" \
  "$(awk -v f="$(rss full)" -v e="$(rss empty)" 'BEGIN {
     print (f - e) / 1024 }')" MiB 40
echo "  ($(rss full) KiB against $(rss empty) KiB)"
echo "Load after the runs:  $(cut -d' ' -f1-3 /proc/loadavg)"
