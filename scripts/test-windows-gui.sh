#!/usr/bin/env bash
# Tests the Windows build of the window under wine, when a Qt 6 for MinGW is
# at hand (ZUM_WINDOWS_QT, the prebuilt archive ../shared/qt/, or one built
# earlier into the cache by scripts/build-windows.sh); otherwise says in one
# line that it skipped them. Exits non-zero when anything fails.
#
#   1. builds the package (scripts/build-windows.sh) and wizard_tests.exe,
#      and runs the window tests under wine64 with the offscreen platform;
#   2. a smoke run of the package: unpacks the zip into a temporary folder,
#      starts zum.exe under wine on Xvfb with a window manager, walks the
#      window with the keyboard through the example job (gate_secondary.cfg
#      loaded from slot 0) and compares its output files byte for byte with
#      those of zum-batch on Linux.
#
#   scripts/test-windows-gui.sh                 # screenshots into the build folder
#   scripts/test-windows-gui.sh --screenshots   # and into docs/screenshots/
#
# ZUM_BUILD=DIR names a Linux build holding app/zum-batch (default: the
# default preset's, built when missing).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZUM_WINDOWS_GUI_BUILD_DIR:-$root/build/windows-gui}"

if [ "${1:-}" = --under-x ]; then
  shift
  # Runs inside xvfb-run: PACKAGE WORK SHOTS. Walks the window and leaves
  # its output files in WORK and the screenshots in SHOTS.
  package=$1 work=$2 shots=$3
  openbox >/dev/null 2>&1 &
  sleep 1
  step() { # A key, then time for wine to draw.
    xdotool key --clearmodifiers "$1"
    sleep "${2:-1.5}"
  }
  shoot() { # The ZUM window with its frame.
    import -frame -window "$window" "$shots/$1.png"
  }
  (cd "$work" && exec "$WINE64" "$package/zum.exe") >"$shots/zum.log" 2>&1 &
  zum=$!
  window=$(timeout 90 xdotool search --sync --onlyvisible --name '^ZUM$' | head -n 1) || {
    echo "windows smoke: no window titled \"ZUM\" within 90 seconds" >&2
    cat "$shots/zum.log" >&2
    exit 1
  }
  # Openbox may not be answering yet; then the window gets the focus itself.
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
  sleep 2
  shoot windows-welcome
  # Load settings > slot 0, and Yes to restoring them.
  step alt+l
  step Return
  if ! timeout 15 xdotool search --sync --onlyvisible --name '^ZUM warning$' >/dev/null; then
    echo "windows smoke: loading slot 0 asked no question" >&2
    exit 1
  fi
  step alt+y 2
  # Welcome > conditions > trigger > secondary condition > source files >
  # (the run) finish.
  step alt+n 2
  shoot windows-conditions
  step alt+n
  step alt+n
  step alt+n
  step alt+n 1
  for _ in $(seq 60); do
    [ -s "$work/gate_secondary_zum.asm" ] && [ -s "$work/gate_secondary_zum_0.asm" ] && break
    sleep 1
  done
  sleep 2
  shoot windows-finish
  # Close; no to saving the settings.
  step alt+F4
  if ! timeout 15 xdotool search --sync --onlyvisible --name '^ZUM warning$' >/dev/null; then
    echo "windows smoke: closing the window asked no question" >&2
    exit 1
  fi
  step alt+n
  for _ in $(seq 30); do
    kill -0 "$zum" 2>/dev/null || break
    sleep 1
  done
  if kill -0 "$zum" 2>/dev/null; then
    echo "windows smoke: zum.exe did not end after Alt+F4 and No" >&2
    kill "$zum"
    exit 1
  fi
  exit 0
fi

# shellcheck source=scripts/windows-qt.sh
source "$root/scripts/windows-qt.sh"
status=0
qt=$(zum_find_windows_qt "$root") || status=$?
if ((status == 1)); then
  echo "test-windows-gui: skipped the Windows window tests and the wine smoke run: no Qt 6 for MinGW (set ZUM_WINDOWS_QT, put qt6-mingw64-*.tar.xz into ../shared/qt/, or let scripts/build-windows.sh build Qt from source)"
  exit 0
fi
((status == 0)) || exit 1

"$root/scripts/ensure-packages.sh" wine64 xvfb xauth xdotool openbox imagemagick unzip \
  fonts-liberation
ZUM_WINDOWS_QT=$qt ZUM_WINDOWS_TARGETS=wizard_tests "$root/scripts/build-windows.sh"

source "$root/scripts/private-wine.sh"
start_private_wine "$build/wineprefix"
# Qt asks for the dialog font, MS Shell Dlg, which wine maps to a Tahoma
# that Qt does not find here; the window would fall back to a serif font.
# A sans-serif font with Arial's metrics stands in, as on Windows.
(
  unset DISPLAY WAYLAND_DISPLAY
  "$WINE64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
    /v 'MS Shell Dlg' /d 'Liberation Sans' /f >/dev/null 2>&1 || true
  "$wineserver" -w
)

echo "test-windows-gui: the window tests under wine"
if ! (unset DISPLAY WAYLAND_DISPLAY && ctest --test-dir "$build" -R '^wizard_tests$' \
  --output-on-failure --no-tests=error); then
  echo "test-windows-gui: the window tests failed under wine (see above)" >&2
  exit 1
fi

echo "test-windows-gui: smoke run of the package under wine"
linux_build=${ZUM_BUILD:-$root/build/default}
if [ ! -x "$linux_build/app/zum-batch" ]; then
  (cd "$root" && cmake --preset default >/dev/null &&
    nice -n 10 cmake --build --preset default -j 2 --target zum-batch >/dev/null)
fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
zip_file=$root/dist/zum-$version-windows-x64.zip
tmp=$(mktemp -d)
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$tmp"' EXIT
unzip -q "$zip_file" -d "$tmp"
package=$(echo "$tmp"/zum-*-windows-x64)
# Slot 0 holds the example job; its file names are bare, read from the
# folder the window starts in.
cp "$root/examples/gate_secondary.cfg" "$package/zum0.cfg"
printf '%s\r\n' "Gate with three aircraft types" Free Free Free Free Free Free Free Free Free \
  >"$package/zum.cfg"
mkdir "$tmp/work" "$tmp/reference" "$tmp/shots"
cp "$root"/examples/* "$tmp/work/"
cp "$root"/examples/* "$tmp/reference/"
(cd "$tmp/reference" && "$linux_build/app/zum-batch" --quiet gate_secondary.cfg)

xvfb-run -a -s "-screen 0 1280x800x24" "$0" --under-x "$package" "$tmp/work" "$tmp/shots"
failed=0
for output in gate_secondary_zum.asm gate_secondary_zum_0.asm; do
  if [ ! -f "$tmp/work/$output" ]; then
    echo "test-windows-gui: zum.exe wrote no $output" >&2
    failed=1
  elif ! cmp "$tmp/reference/$output" "$tmp/work/$output"; then
    echo "test-windows-gui: zum.exe's $output differs from zum-batch's on Linux" >&2
    failed=1
  fi
done
mkdir -p "$build/screenshots"
cp "$tmp"/shots/*.png "$build/screenshots/"
if [ "${1:-}" = --screenshots ]; then
  mkdir -p "$root/docs/screenshots"
  cp "$tmp"/shots/windows-welcome.png "$tmp"/shots/windows-conditions.png "$root/docs/screenshots/"
fi
if ((failed)); then
  exit 1
fi
echo "test-windows-gui: zum.exe under wine wrote gate_secondary_zum.asm and gate_secondary_zum_0.asm byte for byte as zum-batch on Linux (screenshots in $build/screenshots)"
