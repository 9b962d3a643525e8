#!/usr/bin/env bash
# Installs what resonix needs, on Debian; does nothing when everything is
# there already.
#
#   scripts/setup.sh run          what building and running resonix needs: the
#                                 compiler, CMake and Qt, and nothing else
#   scripts/setup.sh              that, and what the tests, fuzzers and package
#                                 check need
#   scripts/setup.sh GROUP...     the tests' tools and those of each extra pass
#                                 named: windows (cross build, Wine, MSI), orca,
#                                 wayland, web (Emscripten, headless Chromium)
#   scripts/setup.sh run GROUP...  what running resonix needs, and each group
set -euo pipefail

packages=(cmake g++ make pkg-config qt6-base-dev)
tests=true
if [ "${1:-}" = "run" ]; then
  tests=false
  shift
fi
if $tests; then
  packages+=(libgtest-dev googletest xvfb xauth locales)
  packages+=(qt6-base-private-dev)  # a display test switches Qt's accessibility on
  packages+=(clang libclang-rt-14-dev)  # the fuzz targets (scripts/fuzz.sh)
  # The package check: the .deb tools, the desktop-entry and metainfo
  # validators, and Debian's own package checker.
  packages+=(dpkg-dev file desktop-file-utils appstream lintian)
fi

for group in "$@"; do
  case "$group" in
    windows) packages+=(g++-mingw-w64-x86-64-posix wine wine64 fonts-wine msitools wixl) ;;
    orca) packages+=(orca dbus-x11 at-spi2-core xdotool) ;;
    wayland) packages+=(weston qt6-wayland) ;;
    web) packages+=(emscripten node-acorn googletest chromium chromium-driver python3-selenium curl) ;;
    *) echo "setup: no such group: $group" >&2; exit 2 ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A locale with a decimal comma, to test that numbers stay in the "C" locale.
if $tests && ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Generating the de_DE.UTF-8 locale"
  if ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'de_DE.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  fi
  as_root locale-gen >/dev/null
fi
