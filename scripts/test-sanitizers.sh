#!/usr/bin/env bash
# Builds the Qt-free parts of ZUM, their tests and the fuzz targets with
# clang under AddressSanitizer and UndefinedBehaviorSanitizer, runs every
# test, the engine's tests under ThreadSanitizer, then each fuzz target for
# ZUM_FUZZ_SECONDS (60) on its seed corpus.
# Any sanitizer report or fuzzer finding fails the script; a finding's input
# is kept in the build dir's fuzz-findings folder.
#
#   scripts/test-sanitizers.sh               # build dir: build/sanitize
#   ZUM_FUZZ_SECONDS=0 scripts/test-sanitizers.sh   # tests only
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZUM_SANITIZE_BUILD_DIR:-$root/build/sanitize}"
seconds="${ZUM_FUZZ_SECONDS:-60}"
jobs="${ZUM_JOBS:-$(nproc)}"

"$root/scripts/ensure-packages.sh" clang cmake make libgtest-dev

cmake -S "$root" -B "$build" \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="-O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DZUM_BUILD_WIZARD=OFF -DZUM_BUILD_FUZZERS=ON
cmake --build "$build" -j "$jobs"

export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# This test runs with the descriptor limit at 0, where UBSan's vptr check
# reports false errors; it runs alone with those suppressed (see the file).
fd_test='^DOSOutputsTest.PosixPipeFailureShowsTheSystemErrorCode$'
ctest --test-dir "$build" -j "$jobs" --output-on-failure --no-tests=error \
  -E "$fd_test"
UBSAN_OPTIONS="$UBSAN_OPTIONS:suppressions=$root/fuzz/ubsan.supp" \
  ctest --test-dir "$build" --output-on-failure --no-tests=error -R "$fd_test"

# The engine runs its animations on several threads: its tests once more
# under ThreadSanitizer (clang), in a build dir of their own.
tsan_build="${ZUM_TSAN_BUILD_DIR:-$root/build/sanitize-thread}"
cmake -S "$root" -B "$tsan_build" \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="-O1 -fsanitize=thread -fno-omit-frame-pointer" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" \
  -DZUM_BUILD_WIZARD=OFF
cmake --build "$tsan_build" -j "$jobs" --target engine_tests
TSAN_OPTIONS="halt_on_error=1" "$tsan_build/engine/engine_tests"

if ((seconds > 0)); then
  findings="$build/fuzz-findings"
  mkdir -p "$findings"
  for target in settings_fuzzer settings_window_fuzzer run_fuzzer \
    numbers_fuzzer preview_fuzzer; do
    # New inputs go to a scratch copy; the seeds in the repo stay small.
    corpus="$build/fuzz-corpus/$target"
    mkdir -p "$corpus"
    echo "test-sanitizers: fuzzing $target for $seconds s"
    "$build/fuzz/$target" -max_total_time="$seconds" -timeout=25 \
      -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$findings/$target-" \
      "$corpus" "$root/fuzz/corpus/$target"
  done
fi
echo "test-sanitizers: no finding"
