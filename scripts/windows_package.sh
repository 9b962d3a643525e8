#!/usr/bin/env bash
# Makes the Windows installer from a built resonix.exe, with wixl:
#
#   scripts/windows_package.sh [build-dir] [version]
#
# writes build-dir/resonix-<version>-x64.msi; the build folder is
# build/windows by default, the version the CMake project's.
# Build the exe first (scripts/windows_build.sh). The MSI installs per user,
# without administrator rights (packaging/windows/resonix.wxs).
set -euo pipefail
cd "$(dirname "$0")/.."

build="${1:-build/windows}"
exe="$build/resonix.exe"
[ -f "$exe" ] || { echo "windows package: no resonix.exe in $build; run scripts/windows_build.sh first" >&2; exit 1; }

# The version the CMake project states, as an installer's three-part version.
version="${2:-$(sed -n 's/^project(resonix VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)}"
[ -n "$version" ] || { echo "windows package: no version in CMakeLists.txt" >&2; exit 1; }
while [ "$(echo "$version" | tr -cd . | wc -c)" -lt 2 ]; do version="$version.0"; done

msi="$build/resonix-$version-x64.msi"
wixl -a x64 -D ExePath="$exe" -D IconPath=res/windows/resonix.ico -D Version="$version" -o "$msi" \
  packaging/windows/resonix.wxs
echo "$msi"
