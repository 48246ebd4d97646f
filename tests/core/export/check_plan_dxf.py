"""Reads a lines-plan DXF with ezdxf as a CAD user's script would: the file
must load and audit clean, be in metres, and hold the given number of
entities of each type on each layer (LAYER:TYPE=COUNT arguments)."""
import collections
import sys

import ezdxf

path, expected = sys.argv[1], sys.argv[2:]
doc = ezdxf.readfile(path)
failures = []
if doc.dxfversion != "AC1015":
    failures.append("version %s" % doc.dxfversion)
if doc.header.get("$INSUNITS") != 6:
    failures.append("$INSUNITS %s, not metres" % doc.header.get("$INSUNITS"))
auditor = doc.audit()
if auditor.has_errors:
    failures.append("audit errors: %s" % [e.message for e in auditor.errors])
counts = collections.Counter("%s:%s" % (e.dxf.layer, e.dxftype()) for e in doc.modelspace())
for item in expected:
    key, count = item.split("=")
    if counts[key] != int(count):
        failures.append("%s: %d entities, expected %s" % (key, counts[key], count))
for spline in doc.modelspace().query("SPLINE"):
    # Open uniform knots with integer values: ezdxf evaluates the curve from them.
    if len(spline.knots) != spline.control_point_count() + spline.dxf.degree + 1:
        failures.append("a spline on %s with %d knots" % (spline.dxf.layer, len(spline.knots)))
    list(spline.construction_tool().approximate(8))
for failure in failures:
    print("FAIL", failure)
sys.exit(1 if failures else 0)
