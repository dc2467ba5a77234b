#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks the installed program:
# both programs in <prefix>/lib/zum, the links in <prefix>/bin, the icons,
# a zum.desktop whose Exec names the installed window, a window that takes
# its own folder (where the settings and bglc_9.exe belong) also when started
# through the link, and a zum-batch that runs the example.
#
#   scripts/test-install.sh [BUILD_DIR]     (default: build/default)
#
# CTest runs it as the test install_layout.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build/default}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix with blank"

fail() { echo "test-install: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

programs="$prefix/lib/zum"
for file in "$programs/zum" "$programs/zum-batch" "$programs/zum-preview"; do
  [ -x "$file" ] && [ ! -L "$file" ] || fail "$file is not an installed program"
done
for name in zum zum-batch zum-preview; do
  [ "$(readlink -f "$prefix/bin/$name")" = "$(readlink -f "$programs/$name")" ] ||
    fail "$prefix/bin/$name does not lead to $programs/$name"
done
[ -s "$prefix/share/icons/hicolor/scalable/apps/zum.svg" ] || fail "no scalable icon"
[ -s "$prefix/share/icons/hicolor/256x256/apps/zum.png" ] || fail "no 256x256 icon"

desktop="$prefix/share/applications/zum.desktop"
[ -f "$desktop" ] || fail "no $desktop"
grep -qx "Exec=\"$programs/zum\"" "$desktop" ||
  fail "Exec of $desktop does not name $programs/zum: $(grep ^Exec "$desktop")"
grep -qx "Icon=$prefix/share/icons/hicolor/256x256/apps/zum.png" "$desktop" ||
  fail "Icon of $desktop does not name the installed icon"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || fail "$desktop is not a valid desktop file"
fi

# The settings and the compiler belong in the programs' folder, however the
# window is started. The test-only zum-screenshots, put beside the installed
# zum and linked from bin as zum is, prints the folder that the window takes
# as its own, found as zum finds it.
cp "$build/app/zum-screenshots" "$programs/zum-screenshots"
ln -s "$programs/zum-screenshots" "$prefix/bin/zum-screenshots"
for start in "$programs/zum-screenshots" "$prefix/bin/zum-screenshots"; do
  folder=$(QT_QPA_PLATFORM=offscreen "$start" --print-program-folder)
  [ "$folder" = "$programs" ] || fail "$start takes $folder as its folder, not $programs"
done

# The installed zum-batch runs the example.
cp -r examples "$work/examples"
(cd "$work/examples" && "$prefix/bin/zum-batch" --quiet gate.cfg) ||
  fail "the installed zum-batch failed on the example"
[ -s "$work/examples/gate_zum_0.asm" ] || fail "zum-batch wrote no gate_zum_0.asm"
# The installed zum-preview runs that output.
(cd "$work/examples" && "$prefix/bin/zum-preview" gate_zum.asm) | grep -q "forward run starts" ||
  fail "the installed zum-preview does not preview gate_zum.asm"
echo "test-install: the installed layout is complete"
