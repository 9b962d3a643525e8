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
# With --display first, the program makes real windows, which Wine makes only
# on a display. Where there is none, it runs on Xvfb's, in a prefix of its own
# (wine-display-prefix beside the other) with a wineserver of its own: a
# prefix whose Wine started without a display keeps a desktop there that
# shows nothing.
set -e
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=,winemenubuilder.exe=d"
export WINEARCH=win64
display=false
if [ "${1:-}" = "--display" ]; then
  display=true
  shift
fi
dir="$(cd "$(dirname "$1")" && pwd)"
while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do dir="$(dirname "$dir")"; done
# A test program beside no build (a cache) uses a prefix in its own folder.
[ -f "$dir/CMakeCache.txt" ] || dir="$(cd "$(dirname "$1")" && pwd)"
if $display && [ -z "${DISPLAY:-}" ]; then
  export WINEPREFIX="$dir/wine-display-prefix"
  exec xvfb-run -a sh -c 'wineserver -p >/dev/null 2>&1; wine wineboot >/dev/null 2>&1; status=0
    wine "$@" || status=$?; wineserver -k; exit $status' sh "$@"
fi
export WINEPREFIX="${WINEPREFIX:-$dir/wine-prefix}"
exec wine "$@"
