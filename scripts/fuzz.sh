#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, ASan and UBSan in build/fuzz
# and runs each for a bounded time, from its committed seed corpus.
#
#   scripts/fuzz.sh [seconds per target] [target...]   (60 s; every target)
#
# New inputs that widen coverage go to build/fuzz/corpus/<target>/. An input
# a target stops on is saved as build/fuzz/crashes/<target>-crash-*; the run
# then fails and prints how to replay it. Copy it into fuzz/corpus/<target>/
# when it is fixed: the test builds replay that folder.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-60}"
shift || true

scripts/setup.sh
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DRESONIX_FUZZ=ON -DRESONIX_SANITIZE=ON -DRESONIX_BUILD_TESTS=OFF >/dev/null
cmake --build build/fuzz -j"$(nproc)" --target resonix_fuzzers

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for program in build/fuzz/fuzz/*_fuzz; do targets+=("$(basename "$program" _fuzz)"); done
fi

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
mkdir -p build/fuzz/crashes
failed=0
for target in "${targets[@]}"; do
  mkdir -p "build/fuzz/corpus/$target"
  log="build/fuzz/$target.log"
  if "build/fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
       -artifact_prefix="build/fuzz/crashes/$target-" \
       "build/fuzz/corpus/$target" "fuzz/corpus/$target" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz $target: ${seconds} s, ${runs:-?} inputs, nothing found"
  else
    failed=1
    tail -n 40 "$log"
    echo "fuzz $target: FAILED (whole log: $log); replay with: build/fuzz/fuzz/${target}_fuzz build/fuzz/crashes/$target-*"
  fi
done
exit "$failed"
