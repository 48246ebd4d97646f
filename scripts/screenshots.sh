#!/usr/bin/env bash
# Builds the picture tour in Release and writes a PNG of every window and
# dialog of the desktop program into OUTDIR, on the offscreen platform: among
# them the report's design check block (design-check.png), the resistance
# curve window with its dashed range beyond the fit (resistance-curve*.png),
# the lines plan with diagonals and buttocks to the sheer
# (lines-plan-diagonals-buttocks.png), every page of a print at 1:50 on A4
# landscape (lines-plan-print-preview-1-50-a4-landscape.png) and the
# stability window of the cruiser with VCG 0.35 m (stability.png). The
# README's small pictures in docs/readme/ are made from them.
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: scripts/screenshots.sh OUTDIR" >&2
  exit 2
fi
outdir=$(realpath -m "$1")
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-release -j "$(nproc)" --target sloopform-screenshots

# The pictures show the default preferences, whatever the user has chosen.
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$config" \
  build-release/tests/app/sloopform-screenshots "$outdir" docs/readme
echo "Pictures written to $outdir and docs/readme"
