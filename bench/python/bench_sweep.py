"""Designs per second of the Dask sweep with one and two workers, and the Python
module's own cost per design against the core's generation time.

    PYTHONPATH=build/python /usr/bin/python3 bench/python/bench_sweep.py \\
        build/bench/write-bench-designs [--count 2000] [--timeout 1] [--bundled | --series]

The designs are the benchmark set's seeded random designs; with --bundled the
three bundled designs over and over (runs that all finish, in 1-3 ms); with
--series a seeded systematic series, each bundled design in turn with its Cp
and LCB moved at random within a Cp x LCB grid around its own. A design that
does not finish within --timeout seconds is cancelled (a few of the random set
never do); the sweep figures count every design, finished or not.
"""
import argparse
import csv
import io
import os
import pathlib
import random
import statistics
import subprocess
import sys
import tempfile
import time

import sloopform
from sloopform import sweep

EXAMPLES = pathlib.Path(__file__).resolve().parents[2] / "examples"


def seeded_designs(writer, count, folder):
    path = os.path.join(folder, f"designs-{count}.csv")
    subprocess.run([writer, "--csv", path, str(count)], check=True)
    return path


# The series' grid around each bundled design: Cp within +-0.04, LCB within
# +-2 % of Lwl, the 3 decimals of a project file.
SERIES_SEED = 27
SERIES_CP = 0.04
SERIES_LCB = 2.0


def write_designs(designs, name, folder):
    path = os.path.join(folder, name)
    with open(path, "w", newline="") as file:
        writer = csv.DictWriter(file, fieldnames=["id", *sloopform.PARAMETER_KEYS])
        writer.writeheader()
        for i, design in enumerate(designs):
            writer.writerow({"id": i, **design})
    return path


def bundled():
    return [sloopform.Design.load(str(path)).to_dict() for path in sorted(EXAMPLES.glob("*.sfp"))]


def bundled_designs(count, folder):
    designs = bundled()
    return write_designs((designs[i % len(designs)] for i in range(count)), f"bundled-{count}.csv", folder)


def series_designs(count, folder):
    designs, rng = bundled(), random.Random(SERIES_SEED)

    def varied(design):
        return {**design, "Cp": round(float(design["Cp"]) + rng.uniform(-SERIES_CP, SERIES_CP), 3),
                "LCB": round(float(design["LCB"]) + rng.uniform(-SERIES_LCB, SERIES_LCB), 3)}

    return write_designs((varied(designs[i % len(designs)]) for i in range(count)), f"series-{count}.csv", folder)


def module_overhead(designs_path, timeout):
    """Per finished design: the wall time of generate() from Python and the
    core's own time for the run inside it."""
    designs = [sloopform.Design({k: row[k] for k in sloopform.PARAMETER_KEYS})
               for row in csv.DictReader(open(designs_path, newline=""))]
    wall, core = [], []
    for design in designs:
        start = time.perf_counter()
        try:
            hull = sloopform.generate(design, timeout=timeout)
        except (sloopform.GenerationError, sloopform.Cancelled):
            continue
        wall.append(time.perf_counter() - start)
        core.append(hull.seconds)
    return wall, core


def sweep_rate(designs_path, workers, timeout, chunk, exact, folder):
    out = os.path.join(folder, f"results-{workers}.csv")
    if os.path.exists(out):
        os.remove(out)
    report = io.StringIO()
    start = time.perf_counter()
    count = sweep.sweep(designs_path, out, workers=workers, chunk=chunk, timeout=timeout, exact=exact,
                        report=report)
    total = time.perf_counter() - start
    # "sweep: N designs in S s, R designs/s": from the first task sent to the last row written.
    seconds = float(report.getvalue().split(" in ")[1].split(" s")[0])
    with open(out, newline="") as file:
        rows = list(csv.DictReader(file))
    finished = sum(row["finished"] == "True" for row in rows)
    cancelled = sum("did not finish within" in row["message"] for row in rows)
    return count, seconds, total, finished, cancelled


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("write_designs", help="the write-bench-designs program")
    parser.add_argument("--count", type=int, default=2000)
    parser.add_argument("--timeout", type=float, default=1.0)
    parser.add_argument("--chunk", type=int, default=100)
    chosen = parser.add_mutually_exclusive_group()
    chosen.add_argument("--bundled", action="store_true", help="the bundled designs instead of random ones")
    chosen.add_argument("--series", action="store_true", help="a Cp x LCB series around the bundled designs")
    parser.add_argument("--no-exact", dest="exact", action="store_false", help="the sweep's --no-exact")
    options = parser.parse_args()
    print(f"load average before: {os.getloadavg()}")
    with tempfile.TemporaryDirectory() as folder:
        if options.bundled:
            designs = bundled_designs(options.count, folder)
        elif options.series:
            designs = series_designs(options.count, folder)
        else:
            designs = seeded_designs(options.write_designs, options.count, folder)

        wall, core = module_overhead(designs, options.timeout)
        overhead = [w - c for w, c in zip(wall, core)]
        print(f"module: {len(core)} finished designs; core run median {statistics.median(core) * 1e3:.3f} ms, "
              f"generate() median {statistics.median(wall) * 1e3:.3f} ms; overhead median "
              f"{statistics.median(overhead) * 1e6:.1f} us = {100 * sum(overhead) / sum(core):.2f} % of the "
              "core's time in total")

        rates = {}
        for workers in (1, 2):
            count, seconds, total, finished, cancelled = sweep_rate(designs, workers, options.timeout,
                                                                   options.chunk, options.exact, folder)
            rates[workers] = count / seconds
            print(f"sweep, {workers} worker(s): {count} designs ({finished} finished, {cancelled} at the "
                  f"{options.timeout:g} s limit) in {seconds:.2f} s = {rates[workers]:.0f} designs/s; "
                  f"{total:.2f} s with the cluster's start and stop")
        print(f"two workers / one: {rates[2] / rates[1]:.2f}")
    print(f"load average after: {os.getloadavg()}")


if __name__ == "__main__":
    sys.exit(main())
