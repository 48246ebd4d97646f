#!/usr/bin/env bash
# Exports every bundled design's STEP file into OUTDIR, opens each in FreeCAD
# (installed from Debian when missing) and prints the shape's validity, its
# volume and its bounding box, in metres as the files are.
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: scripts/check-cad-interop.sh OUTDIR" >&2
  exit 2
fi
outdir=$(realpath -m "$1")
mkdir -p "$outdir"
cd "$(dirname "$0")/.."

if ! command -v freecadcmd >/dev/null; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends freecad
fi

build=${SLOOPFORM_BUILD_DIR:-build}
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target sloopform-batch >/dev/null

for project in examples/*.sfp; do
  "$build/src/cli/sloopform-batch" run "$project" --quiet --step "$outdir/$(basename "$project" .sfp).step"
done

# FreeCAD reads STEP into millimetres.
checker="$outdir/check_step.py"
cat >"$checker" <<'PYTHON'
import glob, os, Part
for path in sorted(glob.glob(os.path.join(os.environ["STEP_DIR"], "*.step"))):
    shape = Part.read(path)
    box = shape.BoundBox
    print("%-16s %s, %d solid(s), closed %s, volume %.4f m3, box x %.3f..%.3f y %.3f..%.3f z %.3f..%.3f m"
          % (os.path.basename(path), "valid" if shape.isValid() else "NOT VALID", len(shape.Solids),
             all(s.isClosed() for s in shape.Solids), shape.Volume / 1e9,
             box.XMin / 1e3, box.XMax / 1e3, box.YMin / 1e3, box.YMax / 1e3, box.ZMin / 1e3, box.ZMax / 1e3))
PYTHON
STEP_DIR="$outdir" freecadcmd "$checker" 2>&1 | grep -E '\.step '
