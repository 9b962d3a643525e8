#!/usr/bin/env bash
# Makes the picture that software centres show of resonix, the main window
# with a calculated Translation in front of it, on Qt's offscreen platform,
# into docs/screenshots/main-and-translation.png, and gives the metainfo its
# size; and the same at 150%, which the README shows, into
# docs/screenshots/main-and-translation-150.png. Run it when the windows
# change; scripts/package_check.sh checks that the two agree.
#
#   scripts/store_picture.sh [build-dir]      default build/test
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build/test}"
scripts/setup.sh
cmake -S . -B "$build" >/dev/null
cmake --build "$build" --target store_picture -j"$(nproc)"
rm -f "$build/screenshots/store.png" "$build/screenshots/store-1.5x.png"
QT_QPA_PLATFORM=offscreen "$build/tests/display/store_picture" >/dev/null
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1.5 "$build/tests/display/store_picture" >/dev/null
cp "$build/screenshots/store-1.5x.png" docs/screenshots/main-and-translation-150.png
shot=docs/screenshots/main-and-translation.png
cp "$build/screenshots/store.png" "$shot"
size="$(file "$shot" | grep -oE '[0-9]+ x [0-9]+')"
sed -i -E "s|width=\"[0-9]+\" height=\"[0-9]+\">(https://resonix.example.org/$shot<)|width=\"${size% x *}\" height=\"${size#* x }\">\\1|" \
  packaging/org.example.resonix.metainfo.xml
echo "$shot: $size"
