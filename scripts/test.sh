#!/usr/bin/env bash
# Installs what is missing, builds resonix with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test. No display is needed.
# Under CI (CI=true) warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
werror=OFF
if [ "${CI:-}" = "true" ]; then werror=ON; fi
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DRESONIX_SANITIZE=ON -DRESONIX_WERROR="$werror" >/dev/null
cmake --build build/test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build/test --output-on-failure -j"$(nproc)"
