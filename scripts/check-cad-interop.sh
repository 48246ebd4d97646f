#!/usr/bin/env bash
# Exports every bundled design's STEP solid, STL mesh and lines-plan DXF into
# OUTDIR and reads them with other programs, printing what they measure:
#  - FreeCAD (installed from Debian when missing): the STEP solid's validity,
#    its Volume, Area and CenterOfMass as FreeCAD computes them (OpenCASCADE's
#    default integration), whole and cut at the design waterline, against a
#    fine triangulation of the same shapes and the exact hydrostatics of the
#    batch tool's JSON; the STL mesh (closed, every edge shared by two
#    triangles, its volume below the waterline); the DXF's splines and lines.
#  - ezdxf: the DXF's version, units, layers and audit.
#  - LibreCAD (installed when missing): prints the DXF to PDF.
# Every figure must agree within 0.1 %; the script exits 1 when one does not.
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: scripts/check-cad-interop.sh OUTDIR" >&2
  exit 2
fi
outdir=$(realpath -m "$1")
mkdir -p "$outdir"
cd "$(dirname "$0")/.."

missing=()
command -v freecadcmd >/dev/null || missing+=(freecad-python3)
command -v librecad >/dev/null || missing+=(librecad)
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=${SLOOPFORM_BUILD_DIR:-build}
[ -f "$build/build.ninja" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target sloopform-batch >/dev/null

for project in examples/*.sfp; do
  name=$(basename "$project" .sfp)
  "$build/src/cli/sloopform-batch" run "$project" --quiet --json "$outdir/$name.json" \
    --step "$outdir/$name.step" --stl "$outdir/$name.stl" --dxf-plan "$outdir/$name-plan.dxf"
done

status=0
checker="$outdir/check_interop.py"
cat >"$checker" <<'PYTHON'
import glob, json, os, struct, sys
import FreeCAD, Import, Mesh, MeshPart, Part

SHARE = 0.001          # 0.1 %
MM3, MM2, MM = 1e9, 1e6, 1e3   # FreeCAD reads the metre files in millimetres
failures = []

# Each line marked, since FreeCAD writes its own progress into the same output.
def say(text):
    print("@@" + text)

def deviation(value, reference):
    return 100.0 * (value - reference) / reference

def check(label, value, reference):
    d = deviation(value, reference)
    if abs(d) > 100 * SHARE:
        failures.append("%s %+.3f %%" % (label, d))
    return "%+.3f %%" % d

def fine_mesh(shape):
    return MeshPart.meshFromShape(Shape=shape, LinearDeflection=0.05, AngularDeflection=0.05, Relative=False)

# The part below the level. The keel meets the design waterline at both ends
# of the waterline, where the plane only touches the surface; a fuzzy
# Boolean (a micrometre) keeps OpenCASCADE from losing the whole part there.
def below(shape, level_mm):
    box = shape.BoundBox
    cutter = Part.makeBox(box.XLength + 2000, box.YLength + 2000, level_mm - box.ZMin + 1000,
                          FreeCAD.Vector(box.XMin - 1000, box.YMin - 1000, box.ZMin - 1000))
    return shape.common(cutter, 1e-3)

def stl_facets(path):
    data = open(path, "rb").read()
    count = struct.unpack_from("<I", data, 80)[0]
    if len(data) != 84 + 50 * count:
        failures.append("%s: %d bytes for %d triangles" % (path, len(data), count))
    return [struct.unpack_from("<9f", data, 84 + 50 * i + 12) for i in range(count)]

def stl_volume_below(facets, level):
    # Each triangle cut at the level; what is below projected onto it.
    volume = 0.0
    for f in facets:
        p = [f[0:3], f[3:6], f[6:9]]
        poly = []
        for i in range(3):
            a, b = p[i], p[(i + 1) % 3]
            da, db = a[2] - level, b[2] - level
            if da <= 0:
                poly.append(a)
            if (da < 0) != (db < 0) and da != db:
                s = da / (da - db)
                poly.append((a[0] + s * (b[0] - a[0]), a[1] + s * (b[1] - a[1]), level))
        for i in range(1, len(poly) - 1):
            a, b, c = poly[0], poly[i], poly[i + 1]
            area = ((b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0])) / 2
            volume += area * ((a[2] + b[2] + c[2]) / 3 - level)
    return volume

def stl_edges(facets):
    edges = {}
    for f in facets:
        p = [f[0:3], f[3:6], f[6:9]]
        for i in range(3):
            key = (p[i], p[(i + 1) % 3])
            edges[key] = edges.get(key, 0) + 1
    return sum(1 for e, n in edges.items() if n != 1 or edges.get((e[1], e[0])) != 1), len(edges) // 2

folder = os.environ["CHECK_DIR"]
for step in sorted(glob.glob(os.path.join(folder, "*.step"))):
    name = os.path.basename(step)[:-5]
    run = json.load(open(os.path.join(folder, name + ".json")))
    exact, p = run["hydrostatics_exact"], run["parameters"]
    tc = p["Tc"]
    shape = Part.read(step)
    say("%s: STEP %s, %d solid(s), %d faces, closed %s" % (
        name, "valid" if shape.isValid() else "NOT VALID", len(shape.Solids), len(shape.Faces),
        all(s.isClosed() for s in shape.Solids)))
    if not shape.isValid() or len(shape.Solids) != 1:
        failures.append(name + ": not one valid solid")

    mesh = fine_mesh(shape)
    whole, fc_whole = mesh.Volume / MM3, shape.Volume / MM3
    say("  whole solid    FreeCAD Volume %9.5f m3  triangulation (%d triangles) %9.5f m3  FreeCAD %s;  Area %.4f m2, triangulation %.4f m2  %s" % (
        fc_whole, mesh.CountFacets, whole, check(name + " whole volume", fc_whole, whole),
        shape.Area / MM2, mesh.Area / MM2, check(name + " whole area", shape.Area, mesh.Area)))

    part = below(shape, tc * MM)
    fc_below = part.Volume / MM3
    tri_below = fine_mesh(part).Volume / MM3
    say("  below the DWL  FreeCAD Volume %9.5f m3  triangulation %9.5f m3  exact %9.5f m3  FreeCAD %s  triangulation %s" % (
        fc_below, tri_below, exact["volume"], check(name + " volume below", fc_below, exact["volume"]),
        check(name + " triangulated volume below", tri_below, exact["volume"])))
    centre = FreeCAD.Vector()
    for solid in part.Solids:
        centre += solid.CenterOfMass * (solid.Volume / part.Volume)
    lcb = 100 * (centre.x / MM - p["Fovh"]) / p["Lwl"]
    vcb = centre.z / MM
    waterplane = sum(f.Area for f in part.Faces if abs(f.BoundBox.ZMin - tc * MM) < 1e-3 and abs(f.BoundBox.ZMax - tc * MM) < 1e-3) / MM2
    wetted = part.Area / MM2 - waterplane
    say("  below the DWL  FreeCAD LCB %.3f %% (exact %.3f), VCB %.4f m (exact %.4f) %s, wetted Area %.4f m2 (exact %.4f) %s, waterplane %.4f m2 (exact %.4f) %s" % (
        lcb, exact["lcb"], vcb, exact["vcb"], check(name + " VCB", vcb, exact["vcb"]),
        wetted, exact["wetted_surface"], check(name + " wetted surface", wetted, exact["wetted_surface"]),
        waterplane, exact["waterplane_area"], check(name + " waterplane", waterplane, exact["waterplane_area"])))
    if abs(lcb - exact["lcb"]) > 100 * SHARE:
        failures.append("%s LCB %.3f against %.3f" % (name, lcb, exact["lcb"]))

    stl = os.path.join(folder, name + ".stl")
    facets = stl_facets(stl)
    unpaired, edges = stl_edges(facets)
    mesh = Mesh.Mesh(stl)
    stl_below = stl_volume_below(facets, tc)
    say("  STL            %d triangles, %d edges, %d not shared by two triangles; FreeCAD: solid %s, non-manifolds %s, volume %.5f m3 (triangulation %s); below the DWL %.5f m3 %s" % (
        len(facets), edges, unpaired, mesh.isSolid(), mesh.hasNonManifolds(), mesh.Volume,
        check(name + " STL volume", mesh.Volume, whole), stl_below, check(name + " STL volume below", stl_below, exact["volume"])))
    if unpaired or not mesh.isSolid() or mesh.hasNonManifolds():
        failures.append(name + ": STL not watertight")

    plan = os.path.join(folder, name + "-plan.dxf")
    doc = FreeCAD.newDocument(name.replace("-", "_"))
    Import.readDXF(plan, doc.Name)
    kinds = {}
    for o in doc.Objects:
        if hasattr(o, "Shape"):
            for e in o.Shape.Edges:
                kinds[type(e.Curve).__name__] = kinds.get(type(e.Curve).__name__, 0) + 1
    box = FreeCAD.BoundBox()
    for o in doc.Objects:
        if hasattr(o, "Shape") and not o.Shape.isNull():
            box.add(o.Shape.BoundBox)
    say("  plan DXF       FreeCAD: %d objects, edges %s, %.0f x %.0f drawing units" % (
        len(doc.Objects), sorted(kinds.items()), box.XLength, box.YLength))
    if not kinds.get("BSplineCurve"):
        failures.append(name + ": FreeCAD found no splines in the plan DXF")
    FreeCAD.closeDocument(doc.Name)

for failure in failures:
    say("FAIL " + failure)
sys.exit(1 if failures else 0)
PYTHON
CHECK_DIR="$outdir" freecadcmd "$checker" >"$outdir/freecad.log" 2>&1 || true
grep -a -o '@@.*' "$outdir/freecad.log" | sed 's/^@@//' >"$outdir/freecad.txt" || true
cat "$outdir/freecad.txt"
grep -q '^FAIL' "$outdir/freecad.txt" && status=1
grep -qE '^[a-z0-9-]+: STEP' "$outdir/freecad.txt" || { echo "FAIL FreeCAD did not run the checks"; status=1; }

for dxf in "$outdir"/*-plan.dxf; do
  /usr/bin/python3 - "$dxf" <<'PYTHON' || status=1
import collections, sys
import ezdxf
doc = ezdxf.readfile(sys.argv[1])
auditor = doc.audit()
layers = [layer.dxf.name for layer in doc.layers if layer.dxf.name not in ("0", "Defpoints")]
kinds = collections.Counter(e.dxftype() for e in doc.modelspace())
print("%s: ezdxf %s, $INSUNITS %s, %d audit errors, layers %s, %s" % (
    sys.argv[1].rsplit("/", 1)[-1], doc.dxfversion, doc.header.get("$INSUNITS"), len(auditor.errors),
    " ".join(layers), dict(sorted(kinds.items()))))
sys.exit(0 if doc.header.get("$INSUNITS") == 6 and not auditor.has_errors else 1)
PYTHON
  pdf="${dxf%.dxf}.pdf"
  rm -f "$pdf"
  (cd "$outdir" && QT_QPA_PLATFORM=offscreen librecad dxf2pdf -a "$(basename "$dxf")" >/dev/null 2>&1) || true
  if [ -s "$pdf" ]; then
    echo "$(basename "$dxf"): LibreCAD printed it to $(basename "$pdf") ($(stat -c %s "$pdf") bytes)"
  else
    echo "FAIL $(basename "$dxf"): LibreCAD wrote no PDF"
    status=1
  fi
done
exit $status
