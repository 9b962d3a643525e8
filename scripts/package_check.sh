#!/usr/bin/env bash
# Checks resonix as a desktop program: makes the .deb (scripts/package.sh),
# installs the build into a staging folder and validates its menu entry and
# its software-centre description, checks what the package depends on and
# that apt can install it here, runs lintian on it, holds the manual page to
# the program's options and the package's files, asks the packaged program
# for its help and version and gives it a wrong option, and starts it
# offscreen up to its first paint. Needs no display. Under CI (CI=true)
# warnings are errors.
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

# Debian's own checker, which needs no network: any error or warning, or
# anything else it says, fails. (As root it warns that it is root; that is
# no finding.)
lintian_status=0
lintian --fail-on error,warning "$deb" >"$build/lintian.log" 2>&1 || lintian_status=$?
lintian_report="$(grep -vx 'running with root privileges is not recommended!' "$build/lintian.log" || true)"
[ "$lintian_status" -eq 0 ] && [ -z "$lintian_report" ] ||
  fail "lintian (status $lintian_status): $lintian_report"

# The changelog's latest entry and the metainfo's latest release are the
# package's version.
version="$(field Version)"
zcat "$unpacked/usr/share/doc/resonix/changelog.gz" >"$build/changelog"
[ "$(dpkg-parsechangelog -l "$build/changelog" -S Version)" = "$version" ] ||
  fail "the changelog's latest entry is not version $version"
grep -m1 '<release ' "packaging/$id.metainfo.xml" | grep -q "version=\"$version\"" ||
  fail "the metainfo's latest release is not version $version"

# The command line needs no display: help, version and a wrong option from
# the packaged program with none.
program="$unpacked/usr/bin/resonix"
headless() { timeout 30 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"; }
help="$(headless --help)" || fail "resonix --help ended with status $?"
[[ "$help" == "Usage: resonix "* ]] || fail "resonix --help printed no usage: $help"
shown_version="$(headless --version)" || fail "resonix --version ended with status $?"
[ "$shown_version" = "resonix $version" ] || fail "resonix --version printed '$shown_version', not 'resonix $version'"
status=0
headless --version >/dev/full 2>/dev/null || status=$?
[ "$status" -eq 1 ] || fail "resonix --version into a full disk ended with status $status, not 1"
status=0
headless --bogus >"$build/bogus.out" 2>"$build/bogus.err" || status=$?
[ "$status" -eq 2 ] || fail "resonix --bogus ended with status $status, not 2: $(cat "$build/bogus.err")"
[ ! -s "$build/bogus.out" ] || fail "resonix --bogus printed on standard output: $(cat "$build/bogus.out")"
[ "$(cat "$build/bogus.err")" = "resonix: unknown option '--bogus'
Try 'resonix --help' for more information." ] || fail "resonix --bogus said: $(cat "$build/bogus.err")"

# The manual page documents exactly the options that --help lists (the ones
# the program accepts), and its FILES name exactly what the package installs.
manual="$build/resonix.1"
zcat "$unpacked/usr/share/man/man1/resonix.1.gz" >"$manual"
option_names() { grep -oE '(^| )-{1,2}[a-z]+=?' | tr -d ' ' | sort; }
help_options="$(echo "$help" | sed -n 's/^  \(-.*\)/\1/p' | sed 's/  .*//' | option_names)"
manual_options="$(sed -n '/^\.T[PQ]$/{n;p}' "$manual" | grep '^\.BI\? \\-' |
  sed 's/\\f.//g; s/\\-/-/g; s/"//g; s/^\.BI\? //' | option_names)"
[ -n "$help_options" ] && [ "$help_options" = "$manual_options" ] ||
  fail "the manual's options differ from those of --help: $(diff <(echo "$help_options") <(echo "$manual_options") | grep '^[<>]' | tr '\n' ' ')"
mapfile -t manual_files < <(sed -n '/^\.SH FILES/,/^\.SH [^F]/s/^\.I //p' "$manual")
mapfile -t packaged_files < <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print substr($6, 2) }')
for file in "${packaged_files[@]}"; do
  named=false
  for pattern in "${manual_files[@]}"; do
    # shellcheck disable=SC2053  # the manual's names may hold a '*'
    [[ "$file" == $pattern ]] && named=true
  done
  $named || fail "the manual's FILES do not name $file"
done
for pattern in "${manual_files[@]}"; do
  named=false
  for file in "${packaged_files[@]}"; do
    # shellcheck disable=SC2053
    [[ "$file" == $pattern ]] && named=true
  done
  $named || fail "the manual's FILES name $pattern, which the package does not install"
done

# The packaged program to its first paint, with no display but the one Qt's
# -platform option names (written with Qt's two dashes); it then ends by
# itself.
painted="$(RESONIX_REPORT_FIRST_PAINT=1 headless --platform offscreen 2>"$build/first-paint.log")" ||
  fail "the packaged program did not start and end (status $?): $(cat "$build/first-paint.log")"
[[ "$painted" == "first-paint "* ]] || fail "the packaged program did not paint: $painted"

echo "package check passed in $((SECONDS - start)) s: $deb"
