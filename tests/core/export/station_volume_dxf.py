"""Integrates the immersed volume of a hull outline DXF file from its station lines.

usage: station_volume_dxf.py FILE TC

Reads the file with ezdxf, groups the LINE entities of the layer "Stations" by
their x, takes for each station the area between its lines and the centre
plane below the design waterline z = TC on both sides (each segment clipped at
TC, areas by the trapezoid rule in z), and integrates the areas over the
equally spaced stations with Simpson's rule. Prints the station count and the
volume; exits 1 unless there are 21 stations.
"""
import sys
from collections import defaultdict

import ezdxf


def clipped(start, end, tc):
    """The part of the segment (y, z) - (y, z) at or below z = tc, or None."""
    (y1, z1), (y2, z2) = start, end
    if z1 > tc and z2 > tc:
        return None
    if z1 > tc or z2 > tc:
        f = (tc - z1) / (z2 - z1)
        cut = (y1 + f * (y2 - y1), tc)
        return (start, cut) if z1 <= tc else (cut, end)
    return start, end


def main(args):
    path, tc = args[0], float(args[1])
    sides = defaultdict(float)  # (x, side) -> signed integral of y dz
    for line in ezdxf.readfile(path).modelspace().query('LINE[layer=="Stations"]'):
        start, end = line.dxf.start, line.dxf.end
        x = round(start.x, 3)
        side = 1 if start.y + end.y >= 0 else -1
        part = clipped((abs(start.y), start.z), (abs(end.y), end.z), tc)
        if part:
            (y1, z1), (y2, z2) = part
            sides[(x, side)] += 0.5 * (y1 + y2) * (z2 - z1)

    stations = sorted({x for x, _ in sides})
    print(f"stations {len(stations)}")
    if len(stations) != 21:
        return 1
    areas = [abs(sides[(x, 1)]) + abs(sides[(x, -1)]) for x in stations]
    spacing = (stations[-1] - stations[0]) / 20
    weights = [1] + [4 if i % 2 else 2 for i in range(1, 20)] + [1]
    volume = spacing / 3 * sum(w * a for w, a in zip(weights, areas))
    print(f"volume {volume:.6f}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
