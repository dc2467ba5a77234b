#!/usr/bin/env bash
# Builds ZUM and runs every test: the Linux build, then the Windows build of
# the Qt-free parts under wine (ZUM_SKIP_WINDOWS=1 leaves that out). Installs
# what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh cmake g++ make libgtest-dev qt6-base-dev
cmake --preset default
cmake --build --preset default -j "$(nproc)"
ctest --preset default -j "$(nproc)"

# clang with ASan and UBSan, and 60 s of each fuzz target
# (ZUM_SKIP_SANITIZERS=1 leaves that out).
if [ "${ZUM_SKIP_SANITIZERS:-0}" != 1 ]; then
  scripts/test-sanitizers.sh
fi

if [ "${ZUM_SKIP_WINDOWS:-0}" != 1 ]; then
  scripts/test-windows.sh
  scripts/test-windows-gui.sh
fi
