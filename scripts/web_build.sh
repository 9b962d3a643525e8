#!/usr/bin/env bash
# Builds resonix for the browser: the program, the class library and the
# window system compiled with Emscripten over the browser display, in a
# folder of static files that any web server can serve as it is.
#
#   scripts/web_build.sh [build-dir]    default build/web; the folder is <build-dir>/site
#
# The folder holds index.html, resonix.js, resonix.wasm, the web app
# manifest and the icons. To try it: python3 -m http.server -d build/web/site
# and open http://localhost:8000/. Installs what is missing (scripts/setup.sh
# web). Under CI (CI=true) warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build/web}"
werror=OFF
if [ "${CI:-}" = "true" ]; then werror=ON; fi

scripts/setup.sh run web >/dev/null
# Debian's emscripten runs its JavaScript optimiser with node, which must
# find Debian's acorn even where `node` is not Debian's own.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"

emcmake cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=MinSizeRel -DRESONIX_WERROR="$werror" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" >/dev/null
cmake --build "$build" -j"$(nproc)" --target resonix

site="$build/site"
rm -rf "$site"
mkdir -p "$site/icons"
cp display/web/page/index.html display/web/page/manifest.webmanifest "$build/resonix.js" "$build/resonix.wasm" "$site/"
for size in 32 48 128 256; do
  cp "packaging/icons/${size}x${size}/org.example.resonix.png" "$site/icons/resonix-$size.png"
done
cp packaging/icons/org.example.resonix.svg "$site/icons/resonix.svg"
echo "$site"
