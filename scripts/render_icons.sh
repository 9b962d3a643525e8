#!/usr/bin/env bash
# Renders the installed icon's PNG sizes into packaging/icons/, and the
# Windows program's icon, res/windows/resonix.ico, from the same pictures. The
# 16 and 32 pixel ones are the program's own pixel pictures from
# res/program_icon.cpp, pixel for pixel; the larger ones (and the .ico's 24
# pixels) are the hand-drawn scalable icon, so that they stay sharp instead of
# growing blocky. Needs rsvg-convert (librsvg2-bin). Run it after changing
# either picture, and commit what it writes.
set -euo pipefail
cd "$(dirname "$0")/.."

icons=packaging/icons
name=org.example.resonix
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The pixel rows of the picture SIZE x SIZE, one per line.
rows_of() {
  grep -oE '^ *"[.0-9A-F]+",?$' res/program_icon.cpp | tr -d ' ",' | awk -v size="$1" 'length($0) == size'
}

# A pixel picture as an SVG of one square per pixel, in the 16-colour palette.
pixel_svg() {
  local size="$1"
  rows_of "$size" | awk -v size="$size" '
    BEGIN {
      split("000000 800000 008000 808000 000080 800080 008080 c0c0c0 808080 ff0000 00ff00 ffff00 0000ff ff00ff 00ffff ffffff", palette, " ")
      printf "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" shape-rendering=\"crispEdges\">\n", size, size
    }
    {
      for (x = 1; x <= length($0); x++) {
        c = substr($0, x, 1)
        if (c == ".") continue
        printf "<rect x=\"%d\" y=\"%d\" width=\"1\" height=\"1\" fill=\"#%s\"/>\n", x - 1, NR - 1, palette[index("0123456789ABCDEF", c)]
      }
    }
    END {
      if (NR != size) { print "expected " size " rows, found " NR > "/dev/stderr"; exit 1 }
      print "</svg>"
    }'
}

for size in 16 32; do
  pixel_svg "$size" >"$work/$size.svg"
  mkdir -p "$icons/${size}x$size"
  rsvg-convert -w "$size" -h "$size" "$work/$size.svg" -o "$icons/${size}x$size/$name.png"
done
for size in 48 64 128 256; do
  mkdir -p "$icons/${size}x$size"
  rsvg-convert -w "$size" -h "$size" "$icons/$name.svg" -o "$icons/${size}x$size/$name.png"
done
ls -l "$icons"/*/"$name.png"

rsvg-convert -w 24 -h 24 "$icons/$name.svg" -o "$work/24.png"
python3 scripts/pack_windows_icon.py res/windows/resonix.ico \
  "$icons/16x16/$name.png" "$work/24.png" "$icons/32x32/$name.png" "$icons/48x48/$name.png" "$icons/256x256/$name.png"
ls -l res/windows/resonix.ico
