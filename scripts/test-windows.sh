#!/usr/bin/env bash
# Builds every Qt-free part of ZUM and its tests as Windows programs with
# MinGW-w64 and runs the tests under wine. Installs what is missing with
# apt-get first (Debian 12; as root, or with sudo). Exits non-zero when
# anything fails.
#
#   scripts/test-windows.sh            # build dir: build/windows
#   ZUM_WINDOWS_BUILD_DIR=/tmp/w scripts/test-windows.sh
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZUM_WINDOWS_BUILD_DIR:-$root/build/windows}"
jobs="${ZUM_JOBS:-2}"

# Waits while another apt-get or dpkg holds the package system.
wait_for_apt() {
  command -v pgrep >/dev/null || return 0
  while pgrep -x apt-get >/dev/null || pgrep -x dpkg >/dev/null; do
    echo "test-windows: waiting for a running apt-get/dpkg to finish..."
    sleep 5
  done
}

wait_for_apt
"$root/scripts/ensure-packages.sh" cmake ninja-build \
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine64 googletest

cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Debug
# Keep going past a failed target so that one run shows every failure; the
# tests of what did build still run.
# A test binary left from an earlier build must not stand in for one that
# fails to build now.
find "$build" -name '*_tests.exe' -delete
build_status=0
cmake --build "$build" -j "$jobs" -- -k 0 || build_status=$?

# The tests run without a display, in a private wine under the build dir.
unset DISPLAY WAYLAND_DISPLAY
source "$root/scripts/private-wine.sh"
start_private_wine "$build/wineprefix"

# Each test binary is one CTest test, run through wine (see the toolchain).
test_status=0
ctest --test-dir "$build" --output-on-failure --no-tests=error ||
  test_status=$?

if ((build_status != 0)); then
  echo "test-windows: the Windows build failed (see above)" >&2
  exit 1
fi
if ((test_status != 0)); then
  echo "test-windows: Windows tests failed (see above)" >&2
  exit 1
fi
echo "test-windows: all Windows tests passed"
