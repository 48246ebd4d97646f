#!/usr/bin/env bash
# Builds in Release and starts the desktop program with a bundled or given
# design. Without a display it runs the main job instead: generates the design
# and writes its report, DXF, GF1 and SVG drawings into out/.
set -euo pipefail
cd "$(dirname "$0")"

project=${1:-examples/cruiser-10m.sfp}
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  cmake --build build-release -j "$(nproc)" --target sloopform
  exec build-release/src/app/sloopform "$project"
fi

echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): running the batch job instead."
cmake --build build-release -j "$(nproc)" --target sloopform-batch

mkdir -p out
name=$(basename "$project" .sfp)
status=0
build-release/src/cli/sloopform-batch run "$project" \
  --report "out/$name.rpt" --dxf "out/$name.dxf" --gf1 "out/$name.gf1" \
  --svg "out/$name-lines.svg" --svg-3d "out/$name-3d.svg" --json "out/$name.json" || status=$?

echo
if [ "$status" -eq 0 ]; then
  echo "Written to out/:"
  for f in "out/$name.rpt" "out/$name.dxf" "out/$name.gf1" "out/$name-lines.svg" "out/$name-3d.svg" "out/$name.json"; do
    echo "  $f"
  done
else
  echo "The run did not finish (exit status $status); see the messages above."
fi
exit "$status"
