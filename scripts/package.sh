#!/usr/bin/env bash
# Installs what is missing, builds resonix for release into build/package and
# makes its Debian package there: build/package/resonix_<version>_<arch>.deb.
# Under CI (CI=true) warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
build=build/package
werror=OFF
if [ "${CI:-}" = "true" ]; then werror=ON; fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DRESONIX_BUILD_TESTS=OFF -DRESONIX_WERROR="$werror" >/dev/null
cmake --build "$build" -j"$(nproc)"
rm -f "$build"/resonix_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/resonix_*.deb
