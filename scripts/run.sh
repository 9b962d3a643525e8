#!/usr/bin/env bash
# Installs what is missing, builds resonix and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DRESONIX_BUILD_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
exec build/release/resonix "$@"
