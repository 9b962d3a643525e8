#!/usr/bin/env bash
# Checks resonix as a desktop program: makes the .deb (scripts/package.sh),
# installs the build into a staging folder and validates its menu entry and
# its software-centre description, checks what the package depends on and
# that apt can install it here, and starts the packaged program offscreen up
# to its first paint. Needs no display. Under CI (CI=true) warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."

start=$SECONDS
build=build/package
stage="$build/stage"
id=org.example.resonix

fail() {
  echo "package check: $*" >&2
  exit 1
}

scripts/package.sh
deb="$(ls "$build"/resonix_*.deb)"

# The screenshot that the metainfo names is the one kept in docs/, at its size.
shot=docs/screenshots/main-and-translation.png
size="$(file "$shot" | grep -oE '[0-9]+ x [0-9]+')"
grep -q "width=\"${size% x *}\" height=\"${size#* x }\">https://resonix.example.org/$shot<" "packaging/$id.metainfo.xml" ||
  fail "the metainfo does not name $shot at its size, $size"

rm -rf "$stage"
cmake --install "$build" --prefix "$stage/usr" >/dev/null
for size in 16 32 48 64 128 256; do
  icon="$stage/usr/share/icons/hicolor/${size}x$size/apps/$id.png"
  file "$icon" | grep -q "PNG image data, $size x $size," || fail "$icon is not a $size x $size PNG"
done
[ -x "$stage/usr/bin/resonix" ] || fail "no program in bin/"
[ -f "$stage/usr/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"

# The validator says nothing at all of a good entry: any error, warning or
# hint fails.
entry="$stage/usr/share/applications/$id.desktop"
desktop_report="$(desktop-file-validate "$entry" 2>&1)" || fail "desktop-file-validate failed: $desktop_report"
[ -z "$desktop_report" ] || fail "desktop-file-validate: $desktop_report"
appstreamcli validate --no-net --strict "$stage/usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
  fail "appstreamcli: $(appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml")"

control="$(dpkg-deb -I "$deb" control)"
echo "$control"
field() { echo "$control" | sed -n "s/^$1: //p"; }
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
  field Depends | tr ',' '\n' | grep -q "^ *$library (>= [^)]*)$" || fail "Depends names no versioned $library: $(field Depends)"
done
[ "$(field Section)" = science ] || fail "section is not science"
[ "$(field Maintainer)" = "resonix developers <resonix@example.org>" ] || fail "maintainer is $(field Maintainer)"
[ "$(field Recommends)" = qt6-wayland ] || fail "the package does not recommend qt6-wayland: $(field Recommends)"
# No maintainer scripts: the triggers of the menu and icon-cache packages do
# what is needed.
rm -rf "$build/control"
dpkg-deb -e "$deb" "$build/control"
[ "$(ls "$build/control" | tr '\n' ' ')" = "control md5sums " ] || fail "the package has more than its control: $(ls "$build/control")"
apt-get install --simulate --no-install-recommends "./$deb" >"$build/apt-simulate.log" 2>&1 &&
  grep -q '^Inst resonix ' "$build/apt-simulate.log" ||
  fail "apt cannot install $deb: $(tail -5 "$build/apt-simulate.log")"

unpacked="$build/unpacked"
rm -rf "$unpacked"
dpkg-deb -x "$deb" "$unpacked"

# The licence where Debian expects it, in its machine-readable form, with the
# terms of LICENSE.
copyright="$unpacked/usr/share/doc/resonix/copyright"
[ -f "$copyright" ] || fail "the package has no /usr/share/doc/resonix/copyright"
head -1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
  fail "$copyright is not in the machine-readable format"
terms="$(sed -n '/^License: Expat$/,$p' "$copyright" | sed '1d; s/^ //; s/^\.$//')"
[ "$terms" = "$(sed -n '/^Permission/,$p' LICENSE)" ] || fail "$copyright does not carry the terms of LICENSE"

# The packaged program to its first paint; it then ends by itself.
painted="$(QT_QPA_PLATFORM=offscreen RESONIX_REPORT_FIRST_PAINT=1 timeout 30 "$unpacked/usr/bin/resonix" 2>"$build/first-paint.log")" ||
  fail "the packaged program did not start and end (status $?): $(cat "$build/first-paint.log")"
[[ "$painted" == "first-paint "* ]] || fail "the packaged program did not paint: $painted"

echo "package check passed in $((SECONDS - start)) s: $deb"
