#!/usr/bin/env bash
# Builds the Release configuration that scripts/run.sh builds, with every
# test and with warnings as errors, and runs the tests on it: what users run
# is what is tested. No display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake -S . -B build/release-test -DCMAKE_BUILD_TYPE=Release -DRESONIX_WERROR=ON >/dev/null
cmake --build build/release-test -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build/release-test --output-on-failure -j"$(nproc)"
