#!/usr/bin/env bash
# The browser benchmark, in headless Chromium (bench/web/web_bench.py): from
# navigation to the main window's first paint against a static page with the
# same controls, opening a calculator and Calculate against the same controls
# driven by plain script, and the folder's compressed size. Prints the
# medians and their ratios.
#
#   bench/web_bench.sh [rounds]   (5 rounds: 15 first paints, 50 openings and 250 Calculates each)
#
# Builds the folder (scripts/web_build.sh) into build/web, or into $RESONIX_BENCH_BUILD.
set -euo pipefail
cd "$(dirname "$0")/.."

rounds="${1:-5}"
build="${RESONIX_BENCH_BUILD:-build/web}"
site="$(scripts/web_build.sh "$build" | tail -1)"
/usr/bin/python3 bench/web/web_bench.py "$site" "$rounds"
