#!/usr/bin/env bash
# Cross-builds the Windows program on Linux: resonix.exe, the window-free
# tests, with Debian's mingw-w64 (cmake/mingw-w64-x86_64.toolchain.cmake),
# and the installer (scripts/windows_package.sh).
#
#   scripts/windows_build.sh [BUILD-DIR]     default build/windows
#
# Then `ctest --test-dir BUILD-DIR` runs the tests through Wine, in a Wine
# prefix inside BUILD-DIR (cmake/wine-run.sh). RESONIX_WERROR=ON makes
# warnings errors.
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build/windows}"
scripts/setup.sh windows
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.toolchain.cmake \
  -DCMAKE_BUILD_TYPE=Release -DRESONIX_WERROR="${RESONIX_WERROR:-OFF}" >/dev/null
cmake --build "$build" -j"$(nproc)"
echo "built $build/resonix.exe ($(stat -c %s "$build/resonix.exe") bytes)"
echo "built $(scripts/windows_package.sh "$build" | tail -1)"
