#!/usr/bin/env bash
# Times resonix's start-up against a bare Qt dialog with the same controls,
# under Xvfb: from launch to the main window's first paint, and the peak
# memory of each process. Prints the medians and their ratios.
#
#   bench/startup.sh [runs]      (15 runs of each by default)
#
# Builds the programs (Release) into build/bench, or into $RESONIX_BENCH_BUILD.
set -euo pipefail
cd "$(dirname "$0")/.."

runs="${1:-15}"
build="${RESONIX_BENCH_BUILD:-build/bench}"

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DRESONIX_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)" --target resonix resonix_bare_dialog resonix_launch_timer >/dev/null

export QT_QPA_PLATFORM=xcb
exec xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/bench/resonix_launch_timer" "$runs" "$build/resonix" "$build/bench/resonix_bare_dialog"
