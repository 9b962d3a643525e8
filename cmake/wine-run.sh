#!/bin/sh
# Runs a Windows program under Wine, quietly, in the Wine prefix of the build
# it belongs to (WINEPREFIX if set, else build/windows/wine-prefix beside the
# program's build). Wine asks for no add-ons and writes no menu files.
#
# Wine's first program in a prefix starts its services, which keep the
# program's output open until the wineserver ends; under ctest, which waits
# for that output to close, each test would then last until its timeout.
# So start them first, with their output elsewhere:
#   wineserver -p; wine wineboot >/dev/null 2>&1; ctest ...; wineserver -k
#
# With --display first, a program that makes real windows gets a display of
# its own (Xvfb) where there is none: Wine makes them only on a display.
set -e
if [ "${1:-}" = "--display" ]; then
  shift
  [ -n "${DISPLAY:-}" ] || exec xvfb-run -a "$0" "$@"
fi
if [ -z "${WINEPREFIX:-}" ]; then
  dir="$(cd "$(dirname "$1")" && pwd)"
  while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir="$(dirname "$dir")"; done
  # A test program beside no build (a cache) uses a prefix in its own folder.
  [ -f "$dir/CMakeCache.txt" ] || dir="$(cd "$(dirname "$1")" && pwd)"
  export WINEPREFIX="$dir/wine-prefix"
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
export WINEARCH=win64
exec wine "$@"
