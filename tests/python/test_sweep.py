"""The sweep on a local Dask cluster: the same rows from one worker and two,
and a restart after a stop that completes without duplicates."""
import csv
import os
import signal
import subprocess
import sys
import time

import pytest

from sloopform import sweep

UNTIMED = "seconds"
# One of the 200 designs never finishes: it meets the limit in every sweep,
# which the others, taking milliseconds, never come near.
LIMIT = 2


def rows_of(path):
    with open(path, newline="") as file:
        rows = list(csv.DictReader(file))
    for row in rows:
        del row[UNTIMED]
    return sorted(rows, key=lambda row: row["id"])


def run_sweep(designs, out, *options):
    return subprocess.Popen([sys.executable, "-m", "sloopform.sweep", str(designs), "--out", str(out),
                             *options], start_new_session=True, stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, text=True)


@pytest.fixture(scope="module")
def one_worker_rows(seeded_designs, tmp_path_factory):
    out = tmp_path_factory.mktemp("one") / "results.csv"
    sweep.sweep(str(seeded_designs), str(out), workers=1, speed=("knots", "6"), timeout=LIMIT)
    return rows_of(out)


def test_two_workers_write_the_rows_of_one(seeded_designs, one_worker_rows, tmp_path):
    out = tmp_path / "results.csv"
    sweep.sweep(str(seeded_designs), str(out), workers=2, chunk=7, speed=("knots", "6"), timeout=LIMIT)
    rows = rows_of(out)
    assert len(rows) == 200
    assert rows == one_worker_rows
    assert list(rows[0]) == sweep.result_columns(True)[:-1]
    finished = [row for row in rows if row["finished"] == "True"]
    assert finished and all(row["message"] == "" for row in finished)
    assert all(row["message"] for row in rows if row["finished"] == "False")


def test_a_stopped_sweep_restarted_completes_without_duplicates(seeded_designs, one_worker_rows, tmp_path):
    out = tmp_path / "results.csv"
    process = run_sweep(seeded_designs, out, "--workers", "2", "--chunk", "1", "--knots", "6",
                         "--timeout", str(LIMIT))
    while process.poll() is None and (not out.exists() or out.read_text().count("\n") < 3):
        time.sleep(0.005)
    os.killpg(process.pid, signal.SIGKILL)  # the sweep and its workers
    process.wait()
    # A stop can cut the last row short: the restart must drop it.
    with open(out, "a") as file:
        file.write("random-9999,1.0,2")
    kept = out.read_text().count("\n") - 1

    restarted = run_sweep(seeded_designs, out, "--workers", "2", "--knots", "6", "--timeout", str(LIMIT))
    stdout, stderr = restarted.communicate(timeout=120)
    assert restarted.returncode == 0, stderr
    if kept < 200:  # else the first sweep ended before the stop
        assert f"sweep: {200 - kept} designs" in stderr
    assert rows_of(out) == one_worker_rows


def test_restarting_a_complete_sweep_runs_nothing(seeded_designs, tmp_path):
    out = tmp_path / "results.csv"
    with open(seeded_designs) as file:
        first_five = "".join(file.readlines()[:6])
    designs = tmp_path / "designs.csv"
    designs.write_text(first_five)
    assert sweep.sweep(str(designs), str(out), workers=1) == 5
    assert sweep.sweep(str(designs), str(out), workers=1) == 0
    assert len(rows_of(out)) == 5


def test_bad_input_is_refused_with_a_message(tmp_path):
    designs = tmp_path / "designs.csv"
    designs.write_text("id,Loa\n1,10\n")
    process = run_sweep(designs, tmp_path / "out.csv")
    _, stderr = process.communicate(timeout=60)
    assert process.returncode == 2
    assert "no column for Lwl, BMax" in stderr


def test_a_row_says_why_its_design_has_no_figures():
    from conftest import BUNDLED

    with open(next(path for path in BUNDLED if path.stem == "cruiser-10m")) as file:
        cruiser = dict(line.strip().split("=") for line in file)
    refused = sweep.run_design("a", {**cruiser, "Cp": "0.700"}, "classic", ("knots", "6"), 10)
    assert not refused["finished"] and "volume" not in refused
    assert refused["message"] == "Prismatic Coefficient must be greater than 0.42 and less than 0.65"
    failed = sweep.run_design("b", {**cruiser, "Fovh": "0"}, "classic", ("knots", "6"), 10)
    assert not failed["finished"] and "volume" not in failed
    assert failed["message"] == "Fatal Error[1]: Iteration Failed"
    assert failed["resistance_total"] > 0
    slow = sweep.run_design("c", cruiser, "classic", ("fn", "2"), 10)
    assert slow["finished"] and slow["volume"] > 0 and "resistance_total" not in slow
    assert slow["message"].startswith("Froude Number is outside of the range")


def test_a_chunk_leaves_the_garbage_collector_as_it_found_it():
    import gc

    from conftest import BUNDLED

    with open(next(path for path in BUNDLED if path.stem == "daysailer-6m")) as file:
        daysailer = dict(line.strip().split("=") for line in file)
    chunk = [("ok", daysailer), ("refused", {**daysailer, "Cp": "0.700"})]
    assert gc.isenabled()
    rows = sweep.run_chunk(chunk, "classic", None, 10, False)
    assert [row["finished"] for row in rows] == [True, False]
    assert gc.isenabled()
    gc.disable()
    try:
        sweep.run_chunk(chunk, "classic", None, 10, False)
        assert not gc.isenabled()
    finally:
        gc.enable()



def test_a_row_gains_the_stability_summary_with_a_vcg():
    from conftest import BUNDLED

    with open(next(path for path in BUNDLED if path.stem == "cruiser-10m")) as file:
        cruiser = dict(line.strip().split("=") for line in file)
    columns = sweep.result_columns(False, False, True)
    assert [column for column in columns if column.startswith("stab_")] == [
        "stab_" + key for key in ("vcg", "displacement", "gm", "gz_max", "heel_gz_max", "avs", "deck_immersion",
                                  "area_30", "area_40", "area_avs", "area_ratio")]
    row = sweep.run_design("a", cruiser, "classic", None, 10, exact=False, vcg=0.35)
    assert row["finished"] and row["message"] == ""
    assert row["stab_vcg"] == 0.35 and row["stab_avs"] > row["stab_heel_gz_max"] > 0
    high = sweep.run_design("b", cruiser, "classic", None, 10, exact=False, vcg=3)
    assert high["finished"] and "stab_gm" not in high
    assert "lies above the sheer" in high["message"]
