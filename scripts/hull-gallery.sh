#!/usr/bin/env bash
# Draws seeded random designs of the benchmark set as contact sheets: a lines
# plan per design, 24 to a PNG, each titled with its number and what the hull
# check found (and marked in red), with --combs the curvature combs of the
# profile, the design waterline and the sections.
#   scripts/hull-gallery.sh OUTDIR [--method classic|robust] [--count N] [--seed S] [--combs]
set -euo pipefail
if [ $# -lt 1 ]; then
  echo "usage: scripts/hull-gallery.sh OUTDIR [--method classic|robust] [--count N] [--seed S] [--combs]" >&2
  exit 2
fi
outdir=$(realpath -m "$1")
shift
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release -j "$(nproc)" --target hull-gallery

build-release/bench/hull-gallery "$outdir" "$@"
for sheet in "$outdir"/sheet-*.svg; do
  rsvg-convert -b '#202020' -o "${sheet%.svg}.png" "$sheet"
  rm "$sheet"
done
echo "Sheets written to $outdir"
