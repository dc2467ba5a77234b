#!/usr/bin/env bash
# Photographs the window in every page and condition editor mode under a
# virtual X server: docs/screenshots/NAME.png for each state that
# `zum-screenshots --list` names. Needs no display of its own. zum-screenshots
# is the window with the prepared states, built with the tests only.
#
#   scripts/screenshots.sh [OUTPUT_FOLDER]
#
# ZUM_BUILD=DIR uses the zum-screenshots already built in DIR instead of
# building the default preset.
#
# The window runs from a temporary copy of the program, whose folder holds a
# stand-in bglc_9.exe (a shell script that prints what a compiler might,
# fails on an output named door_zum.asm, and waits to be stopped for the
# stopped compilation) for the compiled finish pages, a zum.cfg naming some
# slots and a zumrecent.txt naming two settings files for the menus, the
# example objects for the files dropped on the source file page, and the
# examples in scenery/ for the finish pages after a run: the gates for the
# run that succeeds, hangar.asm, a gate whose companion file ends too early,
# for the run that fails, and lenient.asm, a gate whose keyframe tables hold
# a word, a number with a letter after it, a lone point and missing values,
# for the run that warns. docs/screenshot.png, the README's picture, is the conditions page
# (conditions-between-checked).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh cmake g++ make libgtest-dev qt6-base-dev xvfb xauth imagemagick
if [ -z "${ZUM_BUILD:-}" ]; then
  cmake --preset default >/dev/null
  cmake --build --preset default -j 2 --target zum-screenshots >/dev/null
  ZUM_BUILD=build/default
fi

out=${1:-docs/screenshots}
mkdir -p "$out"
program=$(mktemp -d)
trap 'rm -rf "$program"' EXIT
cp "$ZUM_BUILD/app/zum-screenshots" "$program/zum-screenshots"
cp examples/gate*.asm "$program/"
cat >"$program/bglc_9.exe" <<'COMPILER'
#!/bin/sh
echo "BGL compiler stand-in for the screenshots"
echo "Arguments: $*"
echo
echo "Reading $2"
case "$2" in
  *door_zum.asm)
    echo "${2%.asm}_0.asm(212): error A2006: undefined symbol: door_1_tick18_mod_1"
    echo "${2%.asm}_0.asm(486): error A2006: undefined symbol: door_1_tick18_mod_1"
    echo "2 error(s), 0 warning(s)"
    exit 2 ;;
esac
# The stopped compilation's picture: the stand-in waits until stopped.
if [ -n "${ZUM_STANDIN_HOLD:-}" ]; then
  sleep 60
fi
for part in gate_boom gate_post gate_booth; do
  echo "  model part $part: 4 copies, 2 keyframe tables each"
done
echo "Writing ${2%.asm}.bgl"
echo "0 error(s), 0 warning(s)"
COMPILER
chmod +x "$program/bglc_9.exe"
mkdir "$program/scenery"
cp examples/*.asm "$program/scenery/"
sed 's/gate_0\.asm/hangar_0.asm/' examples/gate.asm >"$program/scenery/hangar.asm"
sed '/BGL_END/,$d' examples/gate_0.asm >"$program/scenery/hangar_0.asm"
sed 's/gate_0\.asm/lenient_0.asm/' examples/gate.asm >"$program/scenery/lenient.asm"
sed -e 's/real4 50\.0, 0\.0, 1\.5, 0\.25/real4 50.0, abc, 1.5x/' \
  -e 's/real4 0\.0, 0\.0, 0\.000000, 0\.0, 1\.000000/real4 0.0, 0.0, ., 0.0/' \
  -e 's/real4 100\.0, 0\.0, 0\.707107, 0\.0, 0\.707107/real4 100.0, 0.0, 0.707107, 0.0, 0.7O7107/' \
  examples/gate_0.asm >"$program/scenery/lenient_0.asm"
printf '%s\r\n' "Gate, one animation" "Gate with three aircraft types" Free \
  "Hangar door" Free Free Free Free Free Free >"$program/zum.cfg"
printf '%s\r\n' /home/author/scenery/gate.cfg \
  /home/author/scenery/hangar/hangar_door.cfg >"$program/zumrecent.txt"

zum=$program/zum-screenshots
states=$("$zum" --list)

xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  zum=$1; out=$2; shift 2
  for state in "$@"; do
    "$zum" "$state" &
    pid=$!
    # A state named "-tall" shows the window taller, the preview window lies
    # over the main one; a stopped compilation waits for its Stop.
    size=860x560
    wait_s=1.5
    case $state in
      preview*) size=1100x740 ;;
      *-tall) size=860x790 ;;
      *-stopped) wait_s=3 ;;
    esac
    sleep "$wait_s"
    import -window root -crop "$size+0+0" +repage "$out/$state.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  done
' _ "$zum" "$out" $states
if [ "$out" = docs/screenshots ]; then
  cp "$out/conditions-between-checked.png" docs/screenshot.png
fi
echo "Screenshots in $out"
