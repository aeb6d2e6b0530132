#!/usr/bin/env bash
# Times the program's start-up, the opening of each window and a click on
# each generate button against a bare Qt Widgets program, and compares their
# peak memory. Both run on Qt's offscreen platform from a Release build, many
# times each, interleaved; the tables show medians and 95th percentiles.
#
#   bench/startup.sh [runs] [--on-demand]     (default: 30 runs)
#
# --on-demand measures the program building each window only when it is
# opened, as it did before it built them ahead.
# The build goes to build-bench-startup/ (or $QUENDARO_STARTUP_BUILD_DIR).
# Goals: the logo on screen within 1.2 times the bare window's start-up
# (median and 95th percentile), each window on screen within 8 ms of its
# menu item or picture (median) and 16.7 ms (95th percentile), a click on a
# generate button to its last text under 1 ms (median), and at most 10 MiB
# more peak memory than the bare window.
set -euo pipefail

cd "$(dirname "$0")/.."
runs=${1:-30}
mode=()
[[ ${2:-} == --on-demand ]] && mode=(--on-demand)
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
      click) echo "$value" >>"$samples/$name.click" ;;
      spares-ready) echo "$name" >>"$samples/$who.spares" ;;
      peak-rss-kib) echo "$name" >>"$samples/$who.rss" ;;
    esac
  done <<<"$output"
}

# The median and the 95th percentile (nearest rank) of a sample file.
median() { percentile "$1" 50; }
percentile() {
  sort -n "$samples/$1" | awk -v p="$2" '{ v[NR] = $1 }
    END { if (NR == 0) exit 1
          if (p == 50) {
            print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
          } else {
            rank = int(p / 100 * NR + 0.999999); if (rank < 1) rank = 1
            print v[rank]
          } }'
}

echo "Load before the runs: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
for ((run = 1; run <= runs; ++run)); do
  measure bare "$bare"
  for generator in Form1 Form3 Form5; do
    measure "$generator" "$program" "${mode[@]}" "$generator"
  done
done
cat "$samples"/Form{1,3,5}.start-up >"$samples/program.start-up"

load_after=$(cut -d' ' -f1-3 /proc/loadavg)

# One line of the start-up table: a program figure against a bare one.
ratio_line() {
  awk -v label="$1" -v p="$2" -v b="$3" 'BEGIN {
    ratio = p / b
    printf "%-36s %9.1f ms %9.1f ms %7.2f  %s\n", label, p / 1000, b / 1000,
      ratio, ratio <= 1.2 ? "met" : "missed"
  }'
}

echo
echo "Start-up, $runs runs each ($((3 * runs)) of the program), offscreen," \
  "Release build${mode:+, windows built on demand}"
printf "%-36s %12s %12s %7s  %s\n" "" "program" "bare Qt" "ratio" "goal 1.2"
ratio_line "logo on screen, median" "$(median program.start-up)" \
  "$(median bare.start-up)"
ratio_line "logo on screen, 95th percentile" \
  "$(percentile program.start-up 95)" "$(percentile bare.start-up 95)"
if [[ -s $samples/Form1.spares ]]; then
  cat "$samples"/Form{1,3,5}.spares >"$samples/program.spares"
  awk -v m="$(median program.spares)" 'BEGIN {
    printf "%-36s %9.1f ms (median)\n", "every window built ahead, after logo", m / 1000 }'
fi

# One line of the window table: median and 95th percentile against the
# goals, with the bare program's empty window opened the same way.
window_line() {
  local label=$1 file=$2 bare=$3
  awk -v label="$label" -v m="$(median "$file")" \
    -v p="$(percentile "$file" 95)" -v b="$(median "$bare")" 'BEGIN {
    printf "%-32s %7.1f ms %7.1f ms %9.1f ms  %s\n", label, m / 1000,
      p / 1000, b / 1000, (m <= 8000 && p <= 16700) ? "met" : "missed"
  }'
}
echo
echo "Each window on screen from its menu item or picture"
printf "%-32s %10s %10s %12s  %s\n" "" "median" "95th pct" "bare window" \
  "goal 8 / 16.7 ms"
window_line "main menu (Form8) from the logo" Form8 BarePlain
for generator in Form1 Form3 Form5; do
  window_line "$generator from the main menu" "$generator" BareMaximized
done
window_line "Form4 from Form1's menu" Form4 BarePlain
window_line "Form2 from Form1's menu" Form2 BarePlain
echo "(the bare figure: an empty maximized window for the large ones, an"
echo " empty plain window for the small ones, opened by a bare menu item)"

echo
echo "A click on the generate button to the last text written"
printf "%-32s %10s %10s  %s\n" "" "median" "95th pct" "goal 1 ms (median)"
for form in Form1 Form3 Form5 Form4 Form2; do
  awk -v label="$form Command1" -v m="$(median "$form.click")" \
    -v p="$(percentile "$form.click" 95)" 'BEGIN {
    printf "%-32s %7.3f ms %7.3f ms  %s\n", label, m / 1000, p / 1000,
      m <= 1000 ? "met" : "missed"
  }'
done

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
echo "Load after the runs:  $load_after"
