#!/usr/bin/env bash
# Builds ZUM and runs it on the bundled example object.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh cmake g++ make libgtest-dev
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" >/dev/null
# The build copies examples/ into the build tree; the run writes there.
cd build/default/examples
../app/zum-batch gate_secondary.cfg
echo "Output in $(pwd)"
