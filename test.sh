#!/usr/bin/env bash
# Builds everything and runs every test, then the core tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer. Non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSLOOPFORM_SANITIZE=ON \
  -DSLOOPFORM_BENCH=OFF -DSLOOPFORM_CLI=OFF -DSLOOPFORM_APP=OFF
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -L core

echo "All tests passed."
