"""Reads a hull outline DXF file with ezdxf and checks what a CAD program sees.

usage: check_hull_dxf.py FILE LOA HALF_BMAX ZMAX TOLERANCE LAYER=COUNT...

Every entity must be a LINE on one of the given layers, each layer must hold
exactly COUNT lines, and every end point must lie within 0 <= x <= LOA,
|y| <= HALF_BMAX, 0 <= z <= ZMAX, widened by TOLERANCE. Prints the counts and
the largest excursion beyond the box per axis; exits 1 when a check fails.
"""
import sys

import ezdxf


def excursions(point, loa, half_bmax, zmax):
    x, y, z = point
    return (max(-x, x - loa, 0.0), max(abs(y) - half_bmax, 0.0), max(-z, z - zmax, 0.0))


def main(args):
    path = args[0]
    loa, half_bmax, zmax, tolerance = (float(a) for a in args[1:5])
    expected = {name: int(count) for name, count in (a.split("=") for a in args[5:])}

    doc = ezdxf.readfile(path)
    failures = []
    counts = {}
    worst = {"x": (0.0, ""), "y": (0.0, ""), "z": (0.0, "")}
    for entity in doc.modelspace():
        layer = entity.dxf.layer
        if entity.dxftype() != "LINE":
            failures.append(f"{entity.dxftype()} entity on layer {layer}")
            continue
        counts[layer] = counts.get(layer, 0) + 1
        for point in (entity.dxf.start, entity.dxf.end):
            for axis, amount in zip("xyz", excursions(point, loa, half_bmax, zmax)):
                if amount > worst[axis][0]:
                    worst[axis] = (amount, f"{layer} {tuple(point)}")

    print("layers " + " ".join(f"{name}={counts[name]}" for name in sorted(counts)))
    if counts != expected:
        failures.append(f"expected layers {expected}")
    for axis, (amount, where) in worst.items():
        print(f"excursion {axis} {amount:.6f} {where}")
        if amount > tolerance:
            failures.append(f"{axis} beyond the hull's box by {amount:.6f} at {where}")
    for failure in failures:
        print("FAIL " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
