"""Reads an offsets CSV file back and reads the same cells off a hull outline DXF file.

usage: check_offsets_dxf.py DXF CSV

Reads the CSV with Python's csv module and prints each station row as
"row" followed by its cells as floats ("-" for an empty cell). Reads the
station lines (layer "Stations") with ezdxf and, for each station row and each
WL or BT column, walks the starboard half-section from the keel to where it
first reaches the waterline (its half-breadth) or the buttock (its height).
Prints "dxf STATION COLUMN VALUE ANGLE REACH": VALUE "-" where the line never
gets there, ANGLE the degrees between the section and the line where they
meet, REACH the furthest the section line goes along the line's axis (the
highest point for a waterline, the widest for a buttock). Exits 1 when the CSV
has no station rows.
"""
import csv
import math
import sys
from collections import defaultdict

import ezdxf


def station_sides(path):
    """Starboard half-sections by station x: the points from the keel up."""
    segments = defaultdict(list)
    for line in ezdxf.readfile(path).modelspace().query('LINE[layer=="Stations"]'):
        start, end = line.dxf.start, line.dxf.end
        if start.y + end.y >= 0:
            segments[round(start.x, 3)].append(((start.y, start.z), (end.y, end.z)))
    return {x: [lines[0][0]] + [end for _, end in lines] for x, lines in segments.items()}


def first_crossing(points, axis, level):
    """(other coordinate, angle in degrees) where the points first reach level on axis."""
    if points[0][axis] > level:
        return None
    for p, q in zip(points, points[1:]):
        if p[axis] <= level <= q[axis] and q[axis] > p[axis]:
            f = (level - p[axis]) / (q[axis] - p[axis])
            other = 1 - axis
            value = p[other] + f * (q[other] - p[other])
            angle = math.degrees(math.atan2(q[axis] - p[axis], abs(q[other] - p[other])))
            return value, angle
    return None


def main(args):
    sides = station_sides(args[0])
    with open(args[1], newline="") as file:
        rows = list(csv.reader(file))
    heading, body = rows[0], rows[1:]
    for row in body:
        print("row " + " ".join(repr(float(cell)) if cell else "-" for cell in row))
    xs = sorted(sides)
    for row in body:
        points = sides[min(xs, key=lambda x: abs(x - float(row[1])))]
        for column, name in enumerate(heading[5:], start=5):
            kind, level = name.split(" ")
            axis = 1 if kind == "WL" else 0
            reach = max(point[axis] for point in points)
            found = first_crossing(points, axis, float(level))
            value, angle = (f"{found[0]!r}", f"{found[1]:.3f}") if found else ("-", "-")
            print(f"dxf {row[0]} {column} {value} {angle} {reach!r}")
    return 0 if body else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
