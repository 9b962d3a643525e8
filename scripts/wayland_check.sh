#!/usr/bin/env bash
# Checks that resonix runs natively under a Wayland compositor: starts weston
# with its headless backend, on a socket and runtime folder of its own, and
# runs the Release program (the package check's build, build/package) on Qt's
# Wayland platform up to its first paint; it then ends by itself. Needs no
# display. Under CI (CI=true) warnings are errors.
#
#   scripts/wayland_check.sh [seconds]   the whole check's time limit, build included (900)
set -euo pipefail
self="$(cd "$(dirname "$0")" && pwd)/$(basename "$0")"
cd "$(dirname "$self")/.."

limit="${1:-900}"
if [ -z "${RESONIX_WAYLAND_CHECK_INNER:-}" ]; then
  status=0
  RESONIX_WAYLAND_CHECK_INNER=1 timeout --kill-after=10 "$limit" "$self" "$@" || status=$?
  if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    echo "wayland check: the Wayland pass (scripts/wayland_check.sh) hung and was stopped after $limit s" >&2
  fi
  exit "$status"
fi

start=$SECONDS
fail() {
  echo "wayland check: $*" >&2
  exit 1
}

scripts/setup.sh wayland
# The same configuration as scripts/package.sh, so that after the package
# check this builds nothing.
build=build/package
werror=OFF
if [ "${CI:-}" = "true" ]; then werror=ON; fi
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DRESONIX_BUILD_TESTS=OFF -DRESONIX_WERROR="$werror" >/dev/null
cmake --build "$build" -j"$(nproc)" --target resonix

runtime="$(mktemp -d /tmp/resonix-wayland.XXXXXX)"
chmod 700 "$runtime"
socket=resonix-check
weston_pid=
finish() {
  if [ -n "$weston_pid" ]; then
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
  fi
  rm -rf "$runtime"
}
trap finish EXIT
trap 'exit 143' TERM INT

# The headless backend needs no display, input devices or GPU; with no idle
# time the shell never locks the screen while the program starts.
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket="$socket" --no-config \
  --idle-time=0 --log="$runtime/weston.log" &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  kill -0 "$weston_pid" 2>/dev/null || fail "weston ended at start: $(cat "$runtime/weston.log")"
  sleep 0.1
done
[ -S "$runtime/$socket" ] || fail "weston made no socket in 10 s: $(cat "$runtime/weston.log")"

log="$build/wayland-first-paint.log"
painted="$(env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
  RESONIX_REPORT_FIRST_PAINT=1 timeout 30 "$build/resonix" 2>"$log")" ||
  fail "the program did not start and end under weston (status $?): $(cat "$log"); weston: $(tail -5 "$runtime/weston.log")"
[[ "$painted" == "first-paint "* ]] || fail "the program did not paint under weston: $painted $(cat "$log")"

echo "wayland check passed in $((SECONDS - start)) s"
