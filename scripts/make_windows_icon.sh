#!/usr/bin/env bash
# Makes res/windows/resonix.ico, the Windows program's icon, from the
# installed icon's pictures in packaging/icons: 16, 32, 48 and 256 pixels as
# they are, and 24 pixels rendered from the scalable icon (rsvg-convert, from
# librsvg2-bin: scripts/setup.sh windows). Run it after changing the icons,
# and commit what it writes.
set -euo pipefail
cd "$(dirname "$0")/.."

icons=packaging/icons
name=org.example.resonix
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

rsvg-convert -w 24 -h 24 "$icons/$name.svg" -o "$work/24.png"
python3 scripts/make_windows_icon.py res/windows/resonix.ico \
  "$icons/16x16/$name.png" "$work/24.png" "$icons/32x32/$name.png" "$icons/48x48/$name.png" "$icons/256x256/$name.png"
echo "wrote res/windows/resonix.ico"
