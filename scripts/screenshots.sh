#!/usr/bin/env bash
# Photographs the window in every page and condition editor mode under a
# virtual X server: docs/screenshots/NAME.png for each state that
# `zum --list-screenshot-states` names. Needs no display of its own.
#
#   scripts/screenshots.sh [OUTPUT_FOLDER]
#
# ZUM_BUILD=DIR uses the zum already built in DIR instead of building the
# default preset.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh cmake g++ make libgtest-dev qt6-base-dev xvfb xauth imagemagick
if [ -z "${ZUM_BUILD:-}" ]; then
  cmake --preset default >/dev/null
  cmake --build --preset default -j 2 --target zum >/dev/null
  ZUM_BUILD=build/default
fi

out=${1:-docs/screenshots}
mkdir -p "$out"
zum=$ZUM_BUILD/app/zum
states=$("$zum" --list-screenshot-states)

xvfb-run -a -s "-screen 0 1280x800x24" bash -c '
  zum=$1; out=$2; shift 2
  for state in "$@"; do
    "$zum" --screenshot-state "$state" &
    pid=$!
    sleep 1.5
    import -window root -crop 860x560+0+0 +repage "$out/$state.png"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  done
' _ "$zum" "$out" $states
echo "Screenshots in $out"
