#!/usr/bin/env bash
# The Windows pass: resonix.exe built on Linux and checked under Wine.
#
#   scripts/windows_check.sh [build-dir]      default build/windows
#
# Installs what is missing, cross-builds resonix.exe and the Windows tests
# (scripts/windows_build.sh), checks that the exe needs only Windows'
# own DLLs and stays under 1 MiB, runs the tests through Wine (one of them
# runs the real windows in-process, on the pass's display), drives the real
# program from outside under Wine and Xvfb (tests/windows/), random inputs
# among the rest, whose texts must be the Linux build's, saves a picture
# of every window at 96 and 144 dots per inch and checks that each shows
# its texts whole (labels uncut, results in a fixed-pitch font, as the
# program reports its fonts), makes the MSI, installs it
# silently, starts the installed program to its first paint, upgrades it with
# a later version and uninstalls it. Wine runs in a prefix of its own inside
# the build folder, on a display of its own. Under CI (CI=true) warnings are
# errors.
set -euo pipefail
self="$(cd "$(dirname "$0")" && pwd)/$(basename "$0")"
cd "$(dirname "$0")/.."

build="${1:-build/windows}"
# The pass's own time limit, which names the step it hung in.
. scripts/named_steps.sh "windows check" "$build" "${RESONIX_WINDOWS_CHECK_LIMIT:-600}" "$self" "$@"
# A test suite that fails does not stop the pass: the steps after it still
# tell what they find, and the pass fails at its end.
failed_suites=()
suite_failed() {
  echo "windows check: FAILED: $*" >&2
  failed_suites+=("$*")
}
werror=OFF
if [ "${CI:-}" = "true" ]; then werror=ON; fi

step "build resonix.exe and the Windows tests"
RESONIX_WERROR="$werror" scripts/windows_build.sh "$build"
exe="$build/resonix.exe"

step "check what resonix.exe imports, and its size"
# DLLs that come with every Windows 10 and 11 (x64); anything else (the
# compiler's runtime DLLs above all) would have to ship beside the exe.
system_dlls=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleacc.dll
  oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll version.dll ntdll.dll "
imports="$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z' | sort)"
[ -n "$imports" ] || fail "no imports read from $exe"
for dll in $imports; do
  [[ "$system_dlls" == *" $dll "* ]] || fail "resonix.exe imports $dll, which Windows does not ship"
done
exe_size="$(stat -c %s "$exe")"
[ "$exe_size" -lt 1048576 ] || fail "resonix.exe is $exe_size bytes, not under 1 MiB"
x86_64-w64-mingw32-objdump -f "$exe" | grep -q 'file format pei-x86-64' || fail "resonix.exe is not a 64-bit Windows program"

step "build the GUI tests"
cmake -S tests/windows -B "$build/gui-tests" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DRESONIX_WERROR="$werror" >/dev/null
cmake --build "$build/gui-tests" -j"$(nproc)"

step "work out the Linux build's texts for random inputs"
# The Windows program must show, for any input, what the Linux program shows:
# random Calculates, with the texts the Linux build gives them.
linux="$build/linux-texts"
seed="${RESONIX_TEXTS_SEED:-$(( $(date +%s) % 100000 ))}"
cmake -S . -B "$linux" -DCMAKE_BUILD_TYPE=Release -DRESONIX_BUILD_TESTS=OFF -DRESONIX_WERROR="$werror" >/dev/null
cmake --build "$linux" --target resonix_texts_on_linux -j"$(nproc)" >/dev/null
"$linux/resonix_texts_on_linux" "$seed" 12 >"$build/linux-texts.tsv"
echo "random inputs from seed $seed (RESONIX_TEXTS_SEED=$seed repeats them)"

step "start Wine"
. scripts/windows_wine.sh
trap wine_end EXIT
wine_begin "$build/wine"
winpath() { winepath -w "$1" 2>/dev/null; }

step "run the Windows tests through Wine"
ctest --test-dir "$build" --output-on-failure --timeout 120 || suite_failed "the Windows tests under Wine"

step "run the GUI tests"
wine_dpi 96
# Web addresses open in a stand-in browser that records them.
opened="$build/opened-addresses.txt"
rm -f "$opened"
recorder="$(winpath "$build/gui-tests/opened_address_recorder.exe")"
for scheme in http https; do
  wine reg add "HKLM\\Software\\Classes\\$scheme\\shell\\open\\command" /ve \
    /d "\"$recorder\" \"$(winpath "$opened")\" \"%1\"" /f >/dev/null 2>&1
done
timeout 300 wine "$build/gui-tests/resonix_gui_test.exe" "$(winpath "$exe")" "$(winpath "$opened")" \
  "$(winpath "$build/linux-texts.tsv")" ||
  suite_failed "the GUI tests (status $?)"

step "save pictures of every window at 96 and 144 dpi, and check that they show every text whole"
pictures="$build/screenshots"
rm -rf "$pictures"
mkdir -p "$pictures"
for dpi in 96 144; do
  wine_dpi "$dpi"
  timeout 60 wine "$build/gui-tests/resonix_gui_test.exe" --pictures "$(winpath "$exe")" "$(winpath "$pictures")" "$dpi" ||
    suite_failed "the pictures at $dpi dpi (status $?)"
done
wine_dpi 96
for window in main about translation rotation rotation-tip; do
  for dpi in 96 144; do
    file "$pictures/windows-$window-$dpi.png" | grep -q 'PNG image data' || fail "no picture windows-$window-$dpi.png"
  done
done

step "make the MSI"
msi="$(scripts/windows_package.sh "$build" | tail -1)"
later="$(scripts/windows_package.sh "$build" 2.1.99 | tail -1)"

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The installed-apps entries named resonix, as "version" lines. Wine keeps
# them under HKLM even for a per-user install; Windows under HKCU.
installed_versions() {
  local root
  for root in "$uninstall_key" "${uninstall_key/HKLM/HKCU}"; do
    wine reg query "$root" /s 2>/dev/null | tr -d '\r' |
      awk '/^HKEY_/ { name = ""; version = "" } /DisplayName/ { name = $3 } /DisplayVersion/ { version = $3 }
           name == "resonix" && version != "" { print version; name = "" }'
  done
}
appdata="$(winepath -u "$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')")"
programs="$(winepath -u "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')")/Microsoft/Windows/Start Menu/Programs"
installed_exe="$appdata/Programs/resonix/resonix.exe"

step "install the MSI silently"
[ -z "$(installed_versions)" ] || wine msiexec /x "$(winpath "$msi")" /qn >/dev/null 2>&1 || true
timeout 120 wine msiexec /i "$(winpath "$msi")" /qn /l*v "$(winpath "$build/msi-install.log")" ||
  fail "msiexec /i (status $?): $(tail -5 "$build/msi-install.log" 2>/dev/null)"
[ -f "$installed_exe" ] || fail "no $installed_exe after the install"
cmp -s "$installed_exe" "$exe" || fail "the installed resonix.exe is not the one built"
[ -f "$programs/resonix.lnk" ] || fail "no Start-menu shortcut $programs/resonix.lnk"
[ "$(installed_versions)" = "2.1.0" ] || fail "installed apps show resonix as: $(installed_versions)"

step "start the installed program to its first paint"
rm -f "$build/first-paint.txt"
RESONIX_REPORT_FIRST_PAINT=1 RESONIX_FIRST_PAINT_FILE="$(winpath "$build/first-paint.txt")" \
  timeout 60 wine "$installed_exe" >/dev/null 2>&1 || fail "the installed program did not start and end (status $?)"
grep -q '^first-paint [0-9]' "$build/first-paint.txt" || fail "the installed program did not paint"

step "upgrade to a later version"
timeout 120 wine msiexec /i "$(winpath "$later")" /qn || fail "msiexec /i of the later version (status $?)"
[ "$(installed_versions)" = "2.1.99" ] || fail "after the upgrade, installed apps show resonix as: $(installed_versions | tr '\n' ' ')"
[ -f "$installed_exe" ] || fail "no $installed_exe after the upgrade"

step "uninstall it"
timeout 120 wine msiexec /x "$(winpath "$later")" /qn || fail "msiexec /x (status $?)"
[ ! -e "$installed_exe" ] || fail "$installed_exe is still there after the uninstall"
[ ! -e "$appdata/Programs/resonix" ] || fail "the folder $appdata/Programs/resonix is still there"
[ ! -e "$programs/resonix.lnk" ] || fail "the Start-menu shortcut is still there"
[ -z "$(installed_versions)" ] || fail "installed apps still show resonix: $(installed_versions)"
! wine reg query 'HKCU\Software\resonix' >/dev/null 2>&1 || fail "HKCU\\Software\\resonix is still there"

step "done"
if [ ${#failed_suites[@]} -gt 0 ]; then
  fail "after $((SECONDS - start)) s: $(printf '%s; ' "${failed_suites[@]}")"
fi
echo "windows check passed in $((SECONDS - start)) s: resonix.exe $exe_size bytes," \
  "$(stat -c %s "$msi") bytes as $(basename "$msi"); imports: $(echo $imports | tr '\n' ' ')"
