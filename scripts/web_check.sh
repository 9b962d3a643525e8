#!/usr/bin/env bash
# The browser pass: resonix built for the browser and checked in headless
# Chromium.
#
#   scripts/web_check.sh [build-dir]      default build/web
#
# Installs what is missing, builds the static folder (scripts/web_build.sh)
# and the headless tests with Emscripten and runs those through node, works
# out the Linux build's texts for random inputs, serves the folder on
# localhost and drives it in headless Chromium (tests/web/web_check.py):
# the main window, both calculators with the worked examples and the random
# inputs, whose texts must be the Linux build's, the keyboard, the About box,
# the names and roles a screen reader is told, no request after loading, no
# script while idle, and the end of the program and its new start. Saves
# pictures of every window at 1x and 2x into docs/screenshots. Under CI
# (CI=true) warnings are errors.
set -euo pipefail
self="$(cd "$(dirname "$0")" && pwd)/$(basename "$0")"
cd "$(dirname "$0")/.."

build="${1:-build/web}"
# The pass's own time limit, which names the step it hung in.
. scripts/named_steps.sh "web check" "$build" "${RESONIX_WEB_CHECK_LIMIT:-1100}" "$self" "$@"
werror=OFF
if [ "${CI:-}" = "true" ]; then werror=ON; fi

step "build the static folder"
scripts/setup.sh web >/dev/null
site="$(scripts/web_build.sh "$build" | tail -1)"
[ -f "$site/index.html" ] && [ -f "$site/resonix.wasm" ] || fail "no folder built in $site"

step "build the headless tests with Emscripten and run them through node"
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
tests=(units_test numbers_test calculations_test control_rules_test text_fitting_test windowing_test framework_test dialogs_test random_sessions_test)
cmake --build "$build" -j"$(nproc)" --target "${tests[@]}" >/dev/null
ctest --test-dir "$build" --output-on-failure --timeout 240 || fail "the headless tests under node"

step "work out the Linux build's texts for random inputs"
linux="$build/linux-texts"
seed="${RESONIX_TEXTS_SEED:-$(( $(date +%s) % 100000 ))}"
cmake -S . -B "$linux" -DCMAKE_BUILD_TYPE=Release -DRESONIX_BUILD_TESTS=OFF -DRESONIX_WERROR="$werror" >/dev/null
cmake --build "$linux" --target resonix_texts_on_linux -j"$(nproc)" >/dev/null
"$linux/resonix_texts_on_linux" "$seed" "${RESONIX_WEB_RANDOM_CASES:-20}" >"$build/linux-texts.tsv"
echo "random inputs from seed $seed (RESONIX_TEXTS_SEED=$seed repeats them)"

step "serve the folder on localhost"
port="$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')"
/usr/bin/python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site" >"$build/server.log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
for _ in $(seq 50); do
  curl -sf "http://127.0.0.1:$port/" >/dev/null 2>&1 && break
  sleep 0.1
done

step "drive the page in headless Chromium"
mkdir -p docs/screenshots
timeout 300 /usr/bin/python3 tests/web/web_check.py "http://127.0.0.1:$port/" "$build/linux-texts.tsv" \
  tests/windows/calculator_windows.h docs/screenshots || fail "the page in Chromium (status $?)"

step "done"
echo "web check passed in $((SECONDS - start)) s: $(du -cb "$site"/resonix.* | tail -1 | cut -f1) bytes of program"
