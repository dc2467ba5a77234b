#!/usr/bin/env bash
# Cuts the power, as far as the disk can tell, shortly after zum-batch has
# written an output pair and the settings files have been saved, and checks
# that every file comes back as its old or its new complete version.
#
# For each of ext4, ext4 mounted noauto_da_alloc and XFS: a loop-mounted
# image gets the example object; a run and a save (tests/settings_saver.cc)
# make the old files, which are synced; a second run and save with other
# inputs replace them; ZUM_POWER_CUT_DELAY seconds later (default 12) the
# file system is shut down without flushing its log (the shutdown ioctl, as
# xfstests cut the power), unmounted and mounted again.
#
# Needs root (loop devices, mount); as another user it says so and exits 0.
# Not part of CI. Installs what is missing with apt-get first.
#
#   scripts/test-power-cut.sh         # uses build/default, building it if needed
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ "$(id -u)" -ne 0 ]; then
  echo "test-power-cut: skipped: needs root for loop devices and mounting"
  exit 0
fi
"$root/scripts/ensure-packages.sh" e2fsprogs xfsprogs util-linux

build="${ZUM_BUILD_DIR:-$root/build/default}"
batch="$build/app/zum-batch"
saver="$build/tests/settings_saver"
if [ ! -x "$batch" ] || [ ! -x "$saver" ]; then
  (cd "$root" && cmake --preset default >/dev/null &&
    cmake --build --preset default -j2 --target zum-batch settings_saver)
fi
delay="${ZUM_POWER_CUT_DELAY:-12}"

work="$(mktemp -d)"
mount_point="$work/mnt"
mkdir -p "$mount_point"
cleanup() {
  umount "$mount_point" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

files=(obj/gate_zum.asm obj/gate_zum_0.asm prog/zum.cfg prog/zum0.cfg
  prog/zuma.cfg prog/zumrecent.txt)

# The old files (settings gate.cfg) or the new ones (gate_new.cfg, whose
# input is gate2.asm) in the mounted image.
write_version() {
  local settings="$1"
  (cd "$mount_point/obj" && "$batch" --quiet "$settings" &&
    "$saver" "$mount_point/prog" "$settings")
}

snapshot() {
  local to="$1"
  mkdir -p "$to/obj" "$to/prog"
  for f in "${files[@]}"; do
    cp "$mount_point/$f" "$to/$f"
  done
}

# Prints one verdict a file and returns non-zero when a file is neither
# version.
check_files() {
  local failed=0
  for f in "${files[@]}"; do
    local path="$mount_point/$f"
    if cmp -s "$path" "$work/new/$f"; then
      echo "  $f: new"
    elif cmp -s "$path" "$work/old/$f"; then
      echo "  $f: old"
    elif [ -e "$path" ]; then
      echo "  $f: BROKEN ($(stat -c %s "$path") bytes, neither version)"
      failed=1
    else
      echo "  $f: MISSING"
      failed=1
    fi
  done
  if ls "$mount_point"/obj/*.zum-partial "$mount_point"/prog/*.zum-partial \
    >/dev/null 2>&1; then
    echo "  (temporary files were left behind; they are never read)"
  fi
  return $failed
}

run_case() {
  local name="$1" mkfs="$2" options="$3"
  local image="$work/$name.img"
  rm -rf "$work/old" "$work/new"
  truncate -s 512M "$image"
  $mkfs "$image" >/dev/null
  mount -o "loop${options:+,$options}" "$image" "$mount_point"
  mkdir -p "$mount_point/obj" "$mount_point/prog"
  cp "$root"/examples/* "$mount_point/obj/"
  sed '18s/^gate\.asm/gate2.asm/' "$root/examples/gate.cfg" \
    >"$mount_point/obj/gate_new.cfg"

  # Both versions as they come out, then the old one again, made durable.
  write_version gate.cfg
  write_version gate_new.cfg
  snapshot "$work/new"
  rm -f "$mount_point"/obj/gate_zum*.asm "$mount_point"/prog/*
  write_version gate.cfg
  snapshot "$work/old"
  sync

  write_version gate_new.cfg
  sleep "$delay"
  xfs_io -x -c shutdown "$mount_point"
  umount "$mount_point"
  mount -o "loop${options:+,$options}" "$image" "$mount_point"
  echo "$name: power cut ${delay} s after a run and a save"
  local status=0
  check_files || status=1
  umount "$mount_point"
  rm -f "$image"
  return $status
}

status=0
run_case ext4 "mkfs.ext4 -q -F" "" || status=1
run_case ext4-noauto_da_alloc "mkfs.ext4 -q -F" "noauto_da_alloc" || status=1
run_case xfs "mkfs.xfs -q -f" "" || status=1
if ((status != 0)); then
  echo "test-power-cut: a file came back as neither its old nor its new version" >&2
  exit 1
fi
echo "test-power-cut: every file came back whole (old or new)"
