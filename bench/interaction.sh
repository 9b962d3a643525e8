#!/usr/bin/env bash
# Times what a user waits for after start-up, in resonix and in a bare Qt
# yardstick with the same windows, alternately, under Xvfb: from choosing
# "Translation" in the main window's list to the Translation window's first
# paint, and from clicking "Calculate" to the repaint that shows the results.
# Prints the medians and their ratios.
#
#   bench/interaction.sh [rounds]   (5 rounds of 10 openings with 5 Calculates each)
#
# Builds the programs (Release) into build/bench, or into $RESONIX_BENCH_BUILD.
set -euo pipefail
cd "$(dirname "$0")/.."

rounds="${1:-5}"
build="${RESONIX_BENCH_BUILD:-build/bench}"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DRESONIX_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target resonix_interaction resonix_bare_interaction >/dev/null

samples=$(mktemp -d)
trap 'rm -rf "$samples"' EXIT
export QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
  for round in $(seq "$1"); do
    "$2/bench/resonix_interaction" 10 5 >>"$3/resonix" 2>/dev/null
    "$2/bench/resonix_bare_interaction" 10 5 >>"$3/bare" 2>/dev/null
  done' _ "$rounds" "$build" "$samples"

median() { grep "^$1 " "$2" | cut -d" " -f2 | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
for what in open calculate; do
  r=$(median "$what" "$samples/resonix")
  b=$(median "$what" "$samples/bare")
  n=$(grep -c "^$what " "$samples/resonix")
  printf '%-10s resonix %6.2f ms   bare Qt %6.2f ms   ratio %.2f   (%d each)\n' "$what" "$r" "$b" "$(awk "BEGIN { print $r / $b }")" "$n"
done
