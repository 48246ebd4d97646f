"""Generates every design of a CSV file on a Dask cluster, one result row per design.

    python3 -m sloopform.sweep designs.csv --out results.csv [--method classic|robust]
        [--scheduler ADDRESS] [--workers N] [--chunk N] [--fn X | --knots X | --ms X]
        [--timeout SECONDS] [--no-exact]

designs.csv has a column per project-file key (Loa, Lwl, ...) and optionally an
`id` column; without it a design is known by its row number (0 for the first).
Each row of results.csv holds the id, the nineteen parameters, `finished`,
`message` (the fatal line or the refusal, empty for a finished run), the
hydrostatics, the exact hydrostatics prefixed `exact_` (unless --no-exact:
they add about a third to the generation's time), the resistance
prefixed `resistance_` when a speed is given, and `seconds`. Rows are written in
the order they finish, each chunk flushed as it arrives, so a sweep stopped
half-way keeps what it has; run again, it skips the ids already in the file.

Without --scheduler the designs run on a LocalCluster of --workers processes
(one thread each); with it, on the cluster that scheduler serves, whose
workers must be able to import sloopform.
"""
import argparse
import csv
import gc
import logging
import os
import sys
import time

import sloopform

ID_COLUMN = "id"
SPEED_UNITS = ("fn", "knots", "ms")


def result_columns(with_resistance, exact=True, with_stability=False):
    columns = [ID_COLUMN, *sloopform.PARAMETER_KEYS, "finished", "message"]
    columns += sloopform.HYDROSTATICS_KEYS
    if exact:
        columns += ["exact_" + key for key in sloopform.EXACT_HYDROSTATICS_KEYS]
    if with_stability:
        columns += ["stab_" + key for key in sloopform.STABILITY_KEYS]
    if with_resistance:
        columns += ["resistance_" + key for key in sloopform.RESISTANCE_KEYS]
    return columns + ["seconds"]


def read_designs(path):
    """(id, {key: text}) per row, the values as text so that they are read as a
    project file reads them."""
    with open(path, newline="", encoding="utf-8-sig") as file:  # a spreadsheet may start with a BOM
        reader = csv.DictReader(file)
        missing = [key for key in sloopform.PARAMETER_KEYS if key not in (reader.fieldnames or [])]
        if missing:
            raise ValueError(f"{path}: no column for {', '.join(missing)}")
        designs = []
        seen = set()
        for index, row in enumerate(reader):
            design_id = row[ID_COLUMN] if ID_COLUMN in row else str(index)
            if design_id in seen:
                raise ValueError(f"{path}: the id {design_id} appears twice")
            seen.add(design_id)
            designs.append((design_id, {key: row[key] for key in sloopform.PARAMETER_KEYS}))
        return designs


def one_line(text):
    return " ".join(str(text).split("\n"))


def run_design(design_id, texts, method, speed, timeout, exact=True, vcg=None):
    """The result row of one design. A design refused, or a run that does not
    finish, gives its message and no figures; a speed refused for this design
    leaves the resistance empty and says why after the run's message, as does
    a VCG refused for the stability summary."""
    start = time.perf_counter()
    row = {ID_COLUMN: design_id, **texts, "finished": False, "message": ""}
    messages = []
    try:
        design = sloopform.Design(texts)
        row.update(design.to_dict())
        try:
            hull = sloopform.generate(design, method=method, timeout=timeout)
            row["finished"] = True
            row.update(hull.hydrostatics)
            if exact:
                row.update({"exact_" + key: value for key, value in hull.hydrostatics_exact.items()})
            if vcg is not None:
                try:
                    summary = hull.stability(vcg=vcg)["summary"]
                    row.update({"stab_" + key: value for key, value in summary.items()})
                except ValueError as error:
                    messages.append(one_line(error))
        except RuntimeError as error:  # the run's failure, or a figure the core could not compute
            messages.append(one_line(error))
        if speed:  # from the parameters alone: a design that does not generate still has it
            unit, value = speed
            figures = design.resistance(**{unit: value})
            row.update({"resistance_" + key: figure for key, figure in figures.items()})
    except ValueError as error:
        messages.append(one_line(error))
    row["message"] = "; ".join(messages)
    row["seconds"] = time.perf_counter() - start
    return row


def run_chunk(chunk, method, speed, timeout, exact, vcg=None):
    """The rows of a chunk. The cyclic garbage collector waits until the chunk
    is done: the rows it makes would set off its passes over a worker's whole
    heap, the cluster's runtime included, which cost more than the designs'
    own Python work; what a chunk leaves behind is collected after it."""
    collecting = gc.isenabled()
    gc.disable()
    try:
        return [run_design(design_id, texts, method, speed, timeout, exact, vcg) for design_id, texts in chunk]
    finally:
        if collecting:
            gc.enable()


class ResultFile:
    """The results CSV, appended to row by row; reopening it keeps its rows and
    drops a last line cut short by a stopped sweep."""

    def __init__(self, path, columns):
        self.columns = columns
        self.done = set()
        fresh = not os.path.exists(path) or os.path.getsize(path) == 0
        if not fresh:
            self._keep_complete_rows(path)
        self.file = open(path, "a", newline="", encoding="utf-8")
        self.writer = csv.DictWriter(self.file, fieldnames=columns)
        if fresh:
            self.writer.writeheader()
            self.file.flush()

    def _keep_complete_rows(self, path):
        with open(path, "rb") as file:
            data = file.read()
        complete = data[: data.rfind(b"\n") + 1]
        if len(complete) != len(data):
            with open(path, "r+b") as file:
                file.truncate(len(complete))
        with open(path, newline="", encoding="utf-8") as file:
            reader = csv.DictReader(file)
            if reader.fieldnames != self.columns:
                raise ValueError(f"{path} holds other columns than this sweep writes; "
                                 "choose another --out or the same speed and --no-exact options")
            self.done = {row[ID_COLUMN] for row in reader}

    def write(self, rows):
        self.writer.writerows(rows)
        self.file.flush()
        self.done.update(row[ID_COLUMN] for row in rows)

    def close(self):
        self.file.close()


class Progress:
    """A bar on a terminal, nothing otherwise."""

    def __init__(self, total, stream=sys.stdout):
        self.total = total
        self.count = 0
        self.stream = stream if stream.isatty() else None

    def advance(self, count):
        self.count += count
        if self.stream:
            width = 40
            filled = width * self.count // max(self.total, 1)
            self.stream.write(f"\r[{'#' * filled}{'.' * (width - filled)}] {self.count}/{self.total}")
            self.stream.flush()

    def close(self):
        if self.stream:
            self.stream.write("\n")


def chunks_of(items, size):
    return [items[i:i + size] for i in range(0, len(items), size)]


# The local cluster's own diagnostics serve a dashboard the sweep never
# opens: off, or sampled less often, they leave the workers more of the cores.
LOCAL_CLUSTER_CONFIG = {
    "distributed.worker.profile.enabled": False,
    "distributed.admin.tick.interval": "1s",
    "distributed.admin.system-monitor.interval": "2s",
    "distributed.worker.memory.monitor-interval": "1s",
}


def connect(scheduler, workers):
    import dask
    from distributed import Client, LocalCluster

    if scheduler:
        return Client(scheduler)
    with dask.config.set(LOCAL_CLUSTER_CONFIG):
        cluster = LocalCluster(n_workers=workers, threads_per_worker=1, processes=True,
                               dashboard_address=None, silence_logs=logging.ERROR)
    return Client(cluster)


DEFAULT_TIMEOUT = 60  # seconds, as the batch tool's


def sweep(designs_path, out_path, method="classic", scheduler=None, workers=None, chunk=100,
          speed=None, timeout=DEFAULT_TIMEOUT, exact=True, report=sys.stderr, vcg=None):
    """Runs the designs of designs_path not yet in out_path; returns how many ran."""
    from distributed import as_completed

    designs = read_designs(designs_path)
    results = ResultFile(out_path, result_columns(speed is not None, exact, vcg is not None))
    try:
        todo = [design for design in designs if design[0] not in results.done]
        if not todo:
            return 0
        client = connect(scheduler, workers or os.cpu_count() or 1)
        try:
            start = time.perf_counter()
            futures = client.map(run_chunk, chunks_of(todo, chunk), method=method, speed=speed,
                                 timeout=timeout, exact=exact, vcg=vcg, pure=False)
            progress = Progress(len(todo))
            for future in as_completed(futures):
                rows = future.result()
                results.write(rows)
                progress.advance(len(rows))
                future.release()
            progress.close()
            seconds = time.perf_counter() - start
            print(f"sweep: {len(todo)} designs in {seconds:.3f} s, {len(todo) / seconds:.0f} designs/s",
                  file=report)
        finally:
            client.close()
            if not scheduler:
                client.cluster.close()
        return len(todo)
    finally:
        results.close()


def main(argv=None):
    parser = argparse.ArgumentParser(prog="python3 -m sloopform.sweep",
                                     description="Generates every design of a CSV file on a Dask cluster.")
    parser.add_argument("designs", help="CSV file: a column per project-file key, optionally `id`")
    parser.add_argument("--out", required=True, help="results CSV; rows already in it are skipped")
    parser.add_argument("--method", choices=("classic", "robust"), default="classic")
    parser.add_argument("--scheduler", help="address of a running Dask scheduler")
    parser.add_argument("--workers", type=int, help="worker processes of the local cluster (default: cores)")
    parser.add_argument("--chunk", type=int, default=100, help="designs per task (default 100)")
    parser.add_argument("--timeout", type=float, default=DEFAULT_TIMEOUT,
                        help=f"seconds a design's generation may take (default {DEFAULT_TIMEOUT})")
    parser.add_argument("--no-exact", dest="exact", action="store_false",
                        help="leave out the exact hydrostatics (about a quarter of a design's time)")
    parser.add_argument("--vcg", type=float,
                        help="add the stability summary (stab_ columns) with G this many metres above the base line")
    speeds = parser.add_mutually_exclusive_group()
    for unit in SPEED_UNITS:
        speeds.add_argument("--" + unit, help=f"add the resistance at this speed ({unit})")
    options = parser.parse_args(argv)
    if (options.workers is not None and options.workers < 1) or options.chunk < 1:
        parser.error("--workers and --chunk must be at least 1")
    speed = next(((unit, getattr(options, unit)) for unit in SPEED_UNITS if getattr(options, unit)), None)
    try:
        sweep(options.designs, options.out, options.method, options.scheduler, options.workers,
              options.chunk, speed, options.timeout, options.exact, vcg=options.vcg)
    except (OSError, ValueError) as error:
        print(f"sloopform.sweep: {error}", file=sys.stderr)
        return 2
    except KeyboardInterrupt:
        print(f"\nsloopform.sweep: stopped; the rows in {options.out} are kept, run again to go on",
              file=sys.stderr)
        return 130
    return 0


if __name__ == "__main__":
    sys.exit(main())
