#!/usr/bin/env bash
# Tests the Windows build of the window under wine, when a Qt 6 for MinGW is
# at hand (ZUM_WINDOWS_QT, the prebuilt archive ../shared/qt/, or one built
# earlier into the cache by scripts/build-windows.sh); otherwise says in one
# line that it skipped them. Exits non-zero when anything fails.
#
#   1. builds the package (scripts/build-windows.sh) and wizard_tests.exe,
#      and runs the window tests under wine64 with the offscreen platform;
#   2. a smoke run of the package, under an English locale (ANSI code page
#      1252), in folders of everyday European names and one that code page
#      cannot hold: the zip unpacked into "Jörg Müller/Szenerie Ω/", the
#      inputs in "Jörg Müller/Beispiel Ü/". zum.exe, started from its own
#      folder under wine on Xvfb with a window manager, is walked with the
#      keyboard: slot 0 (gate_secondary.cfg in Windows-1252 with full names)
#      loads and runs, slot 1 is saved, examples\gate.cfg (the settings file
#      last used, with bare names) opens and runs, "Compile MDL" runs a
#      stand-in compiler (an 8-bit program built here, which opens the file
#      it is given and the file its include line names), closing saves the
#      last save; a second start loads the last save and runs it. The
#      companion outputs must equal zum-batch's on Linux byte for byte, the
#      include lines name the companions in code page 1252 (the Ω folder by
#      its short 8.3 name), the settings files are written in UTF-8;
#   3. zum-batch.exe on a UTF-8 settings file and on a Windows-1252 one with
#      full Z:\ names, its console output UTF-8 throughout.
#
# ZUM_SMOKE_ONLY=1 leaves out the window tests under wine (step 1's second
# half). The compile button is clicked at ZUM_COMPILE_X, ZUM_COMPILE_Y within the
# window (default 80, 152: below the three lines of the example's summary).
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
  # Runs inside xvfb-run: PACKAGE SHOTS. Walks the window twice (see the
  # top of this file) and leaves the screenshots in SHOTS; the outputs and
  # settings files are checked by the caller.
  package=$1 shots=$2
  openbox >/dev/null 2>&1 &
  sleep 1
  step() { # A key, then time for wine to draw.
    xdotool key --clearmodifiers "$1"
    sleep "${2:-1.5}"
  }
  shoot() { # The ZUM window with its frame.
    import -frame -window "$window" "$shots/$1.png"
  }
  fail() {
    echo "windows smoke: $*" >&2
    cat "$shots/zum.log" >&2
    exit 1
  }
  ask() { # Waits for the question titled ZUM warning and answers KEY.
    timeout 15 xdotool search --sync --onlyvisible --name '^ZUM warning$' >/dev/null ||
      fail "$1 asked no question"
    step "$2" 2
  }
  wait_for() { # Waits up to 60 seconds for every FILE to be non-empty.
    for _ in $(seq 60); do
      local all=1
      for file in "$@"; do [ -s "$file" ] || all=0; done
      ((all)) && return 0
      sleep 1
    done
    fail "no $* within 60 seconds"
  }
  start_zum() { # Started the usual Windows way: from its own folder.
    (cd "$package" && exec "$WINE64" "$package/zum.exe") >>"$shots/zum.log" 2>&1 &
    zum=$!
    window=$(timeout 90 xdotool search --sync --onlyvisible --name '^ZUM$' | head -n 1) ||
      fail "no window titled \"ZUM\" within 90 seconds"
    # Openbox may not be answering yet; then the window gets the focus itself.
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    sleep 2
  }
  walk_to_run() { # Welcome > conditions > trigger > secondary > files > run.
    step alt+n 2
    [ -n "${1:-}" ] && shoot "$1"
    step alt+n
    step alt+n
    step alt+n
    step alt+n 1
  }
  close_zum() { # Alt+F4, and KEY to saving the settings.
    step alt+F4
    ask "closing the window" "$1"
    for _ in $(seq 30); do
      kill -0 "$zum" 2>/dev/null || return 0
      sleep 1
    done
    kill "$zum"
    fail "zum.exe did not end after Alt+F4"
  }
  examples=$package/examples
  beispiel=$(dirname "$(dirname "$package")")/"Beispiel Ü"

  # First start: slot 0 (a Windows-1252 file naming the inputs in
  # "Beispiel Ü" in full) runs.
  start_zum
  shoot windows-welcome
  step alt+l
  step Return
  ask "loading slot 0" alt+y
  walk_to_run windows-conditions
  wait_for "$beispiel/gate_secondary_zum.asm" "$beispiel/gate_secondary_zum_0.asm"
  sleep 2
  shoot windows-finish-slot
  # Save settings > slot 1 (free: no overwrite question), named.
  step alt+s
  step Down
  step Return 2
  xdotool type --delay 50 "Zweiter Stand"
  step Return 2
  wait_for "$package/zum1.cfg"
  # Restart ZUM, then the settings file last used: examples\gate.cfg, whose
  # names are bare; it runs from the examples folder under "Szenerie Ω".
  step alt+r
  step alt+l
  step 1 2
  walk_to_run
  wait_for "$examples/gate_zum.asm" "$examples/gate_zum_0.asm"
  sleep 2
  shoot windows-finish
  # Compile MDL: the stand-in compiler in the program's folder.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove --window "$window" "$COMPILE_X" "$COMPILE_Y" click 1
  wait_for "$STANDIN_REPORT"
  sleep 2
  shoot windows-compiled
  close_zum alt+y
  wait_for "$package/zuma.cfg"

  # Second start: the slot names and the last save are there.
  rm -f "$examples/gate_zum.asm" "$examples/gate_zum_0.asm"
  start_zum
  eval "$(xdotool getwindowgeometry --shell "$window")"
  step alt+l
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$shots/windows-menu-load.png" 2>/dev/null ||
    import -window root "$shots/windows-menu-load.png"
  step Escape
  step Escape
  # Load settings > "Last save on exit", below the ten slots.
  step alt+l
  for _ in $(seq 10); do xdotool key Down; sleep 0.3; done
  step Return
  ask "loading the last save" alt+y
  walk_to_run
  wait_for "$examples/gate_zum.asm" "$examples/gate_zum_0.asm"
  sleep 2
  shoot windows-finish-last-save
  close_zum alt+n
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
if [ -n "${ZUM_SMOKE_ONLY:-}" ]; then
  echo "test-windows-gui: skipped them (ZUM_SMOKE_ONLY)"
elif ! (unset DISPLAY WAYLAND_DISPLAY && ctest --test-dir "$build" -R '^wizard_tests$' \
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
# (start_private_wine has set an English UTF-8 locale: ANSI code page 1252.)
# A folder of everyday European names, and one that code page 1252 cannot
# hold: the zip goes into "Jörg Müller/Szenerie Ω", the inputs into
# "Jörg Müller/Beispiel Ü" beside it.
home="$tmp/Jörg Müller"
mkdir -p "$home/Szenerie Ω" "$home/Beispiel Ü"
unzip -q "$zip_file" -d "$home/Szenerie Ω"
package=$(echo "$home/Szenerie Ω"/zum-*-windows-x64)
beispiel="$home/Beispiel Ü"
cp "$root"/examples/*.asm "$beispiel/"
winpath() { # The wine name of a Linux path: Z: and backslashes.
  local path=$1
  printf 'Z:%s' "${path//\//\\}"
}
# settings SOURCE ENCODING LINE=TEXT...: SOURCE's lines with those lines
# replaced, in ENCODING (utf-8 or cp1252), on standard output.
settings() {
  python3 - "$@" <<'EOF'
import sys
source, encoding, edits = sys.argv[1], sys.argv[2], sys.argv[3:]
lines = open(source, 'rb').read().decode('ascii').split('\r\n')
for edit in edits:
    number, text = edit.split('=', 1)
    lines[int(number) - 1] = text
sys.stdout.buffer.write('\r\n'.join(lines).encode(encoding))
EOF
}
b=$(winpath "$beispiel")
# Slot 0: the example with three animations, its names in full in
# "Beispiel Ü", written in Windows-1252 as an older tool wrote slots.
settings "$root/examples/gate_secondary.cfg" cp1252 \
  "16=$b\\gate_secondary_zum.asm" "18=$b\\gate.asm" "21=$b\\gate2.asm" \
  "24=$b\\gate3.asm" >"$package/zum0.cfg"
printf '%s\r\n' "Tor für Jörg" Free Free Free Free Free Free Free Free Free |
  iconv -f UTF-8 -t CP1252 >"$package/zum.cfg"
# The settings file last used: the example in the zip's own folder.
printf '%s\r\n' "$(winpath "$package/examples/gate.cfg")" >"$package/zumrecent.txt"
# The stand-in compiler: an 8-bit program, as bglc_9.exe is.
x86_64-w64-mingw32-gcc -O1 -o "$package/bglc_9.exe" "$root/compiler/testdata/standin_compiler.c"
report=$tmp/standin-report.txt
export ZUM_STANDIN_REPORT STANDIN_REPORT=$report
ZUM_STANDIN_REPORT=$(winpath "$report")
mkdir "$tmp/reference" "$tmp/shots"
cp "$root"/examples/* "$tmp/reference/"
(cd "$tmp/reference" && "$linux_build/app/zum-batch" --quiet gate_secondary.cfg &&
  "$linux_build/app/zum-batch" --quiet gate.cfg)

export COMPILE_X=${ZUM_COMPILE_X:-80} COMPILE_Y=${ZUM_COMPILE_Y:-152}
mkdir -p "$build/screenshots"
if ! xvfb-run -a -s "-screen 0 1280x800x24" "$0" --under-x "$package" "$tmp/shots"; then
  cp "$tmp"/shots/* "$build/screenshots/" 2>/dev/null || true
  echo "test-windows-gui: the walk through the window failed (screenshots so far in $build/screenshots)" >&2
  exit 1
fi
failed=0
problem() {
  echo "test-windows-gui: $*" >&2
  failed=1
}
# same REFERENCE WRITTEN: byte for byte.
same() {
  if [ ! -f "$2" ]; then
    problem "no $2"
  elif ! cmp -s "$1" "$2"; then
    problem "$2 differs from zum-batch's on Linux"
  fi
}
# include_line FILE: the include line of a main output, in UTF-8.
include_line() {
  grep -a '^include ' "$1" | tr -d '\r' | iconv -f CP1252 -t UTF-8
}
# The companions byte for byte as on Linux; the main files' include lines
# name them in code page 1252: in full for "Beispiel Ü", by the short name
# of "Szenerie Ω".
same "$tmp/reference/gate_secondary_zum_0.asm" "$beispiel/gate_secondary_zum_0.asm"
same "$tmp/reference/gate_zum_0.asm" "$package/examples/gate_zum_0.asm"
line=$(include_line "$beispiel/gate_secondary_zum.asm")
[ "$line" = "include $b\\gate_secondary_zum_0.asm" ] ||
  problem "gate_secondary_zum.asm's include line: $line"
line=$(include_line "$package/examples/gate_zum.asm")
case $line in
  "include Z:\\"*"\\SZEN"*"~"*"\\gate_zum_0.asm") ;;
  *) problem "gate_zum.asm's include line does not name the short folder: $line" ;;
esac
if ! diff <(grep -av '^include ' "$tmp/reference/gate_zum.asm") \
  <(grep -av '^include ' "$package/examples/gate_zum.asm") >/dev/null; then
  problem "gate_zum.asm differs from zum-batch's on Linux beyond its include line"
fi
# The stand-in compiler got ANSI names it could open, include line too.
if ! grep -q '^opened .*gate_zum.asm: [0-9]* bytes' "$report" ||
  ! grep -q '^include .*gate_zum_0.asm: [0-9]* bytes' "$report"; then
  problem "the stand-in compiler could not open what it was given: $(cat "$report" 2>/dev/null)"
fi
# The settings the window wrote: UTF-8, the slot names and the last save.
names=$(tr -d '\r' <"$package/zum.cfg" | head -n 2 | paste -sd '|')
[ "$names" = "Tor für Jörg|Zweiter Stand" ] || problem "zum.cfg holds $names"
last=$(sed -n 16p "$package/zuma.cfg" | tr -d '\r')
[ "$last" = "$(winpath "$package/examples/gate_zum.asm")" ] ||
  problem "zuma.cfg names the output $last"
[ -f "$package/zum1.cfg" ] || problem "the window saved no zum1.cfg"

echo "test-windows-gui: zum-batch.exe with full names, in UTF-8 and in Windows-1252"
batch_out="$home/Szenerie Ω/batch"
mkdir "$batch_out"
o=$(winpath "$batch_out")
settings "$root/examples/gate.cfg" utf-8 "16=$o\\gate_zum.asm" "18=$b\\gate.asm" \
  >"$tmp/utf8.cfg"
settings "$root/examples/gate_secondary.cfg" cp1252 \
  "16=$b\\gate_secondary_batch.asm" "18=$b\\gate.asm" "21=$b\\gate2.asm" \
  "24=$b\\gate3.asm" >"$tmp/ansi.cfg"
for job in utf8 ansi; do
  if ! (unset DISPLAY && "$WINE64" "$package/zum-batch.exe" "$(winpath "$tmp/$job.cfg")") \
    >"$tmp/$job.out" 2>"$tmp/$job.err"; then
    problem "zum-batch.exe $job.cfg failed: $(cat "$tmp/$job.err")"
  fi
done
same "$tmp/reference/gate_zum_0.asm" "$batch_out/gate_zum_0.asm"
cp "$tmp/reference/gate_secondary_zum_0.asm" "$tmp/reference/gate_secondary_batch_0.asm"
same "$tmp/reference/gate_secondary_batch_0.asm" "$beispiel/gate_secondary_batch_0.asm"
# Its console output is UTF-8 throughout: the Ω folder in "Wrote" and in
# "Main file".
if ! iconv -f UTF-8 -t UTF-8 "$tmp/utf8.out" >/dev/null 2>&1 ||
  [ "$(grep -c 'Szenerie Ω' "$tmp/utf8.out")" -lt 2 ]; then
  problem "zum-batch.exe's output is not UTF-8 with the Ω folder: $(cat "$tmp/utf8.out")"
fi
cp "$tmp/utf8.out" "$tmp/shots/zum-batch-output.txt"

cp "$tmp"/shots/*.png "$tmp/shots/zum-batch-output.txt" "$report" "$build/screenshots/"
if [ "${1:-}" = --screenshots ]; then
  mkdir -p "$root/docs/screenshots"
  cp "$tmp"/shots/windows-welcome.png "$tmp"/shots/windows-conditions.png \
    "$tmp"/shots/windows-finish.png "$root/docs/screenshots/"
fi
if ((failed)); then
  exit 1
fi
echo "test-windows-gui: zum.exe under wine, unpacked into \"Jörg Müller/Szenerie Ω\", ran slot 0 and examples\\gate.cfg, saved a slot and the last save, and wrote the companion outputs byte for byte as zum-batch on Linux; the stand-in compiler opened what it was given; zum-batch.exe ran UTF-8 and Windows-1252 settings (screenshots in $build/screenshots)"
