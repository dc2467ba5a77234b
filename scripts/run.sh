#!/usr/bin/env bash
# Builds ZUM and runs it on the bundled example object.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/ensure-packages.sh cmake g++ make libgtest-dev
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" >/dev/null
out=build/example-output
build/default/app/zum-example examples "$out"
