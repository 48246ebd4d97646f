#!/usr/bin/env bash
# Builds everything and runs every test, then the core tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer. Non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
jobs=$(nproc)
# Compiled objects are kept between runs, also of another checkout of the
# same sources, so a second run builds only what changed.
launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}"
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSLOOPFORM_SANITIZE=ON "${launcher[@]}" \
  -DSLOOPFORM_BENCH=OFF -DSLOOPFORM_CLI=OFF -DSLOOPFORM_APP=OFF
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -L core

echo "All tests passed."
