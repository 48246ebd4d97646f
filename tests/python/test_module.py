"""The module against the batch tool, its refusals and its runs' independence."""
import concurrent.futures
import json
import re
import subprocess

import numpy
import pytest

import sloopform
from conftest import BUNDLED, tool

CRUISER = next(path for path in BUNDLED if path.stem == "cruiser-10m")


def figures(hull):
    return hull.hydrostatics, hull.hydrostatics_exact, {k: list(v) for k, v in hull.stations.items()}


@pytest.mark.parametrize("method", ["classic", "robust"])
@pytest.mark.parametrize("project", BUNDLED, ids=lambda path: path.stem)
def test_figures_equal_the_batch_tools_json_bit_for_bit(project, method, batch_json):
    expected = batch_json(project, method)
    design = sloopform.Design.load(str(project))
    if not expected["finished"]:
        # A hull the method refuses: the same fatal line as the batch tool's console.
        fatal = next(line for line in expected["console"] if line.startswith("Fatal Error"))
        with pytest.raises(sloopform.GenerationError, match=re.escape(fatal)):
            sloopform.generate(design, method=method)
        return
    hull = sloopform.generate(design, method=method)
    assert hull.hydrostatics == expected["hydrostatics"]
    assert hull.hydrostatics_exact == expected["hydrostatics_exact"]
    assert hull.hull_check == expected["hull_check"]
    assert hull.console == expected["console"]
    assert hull.transom_rise == expected["transom_rise"]
    assert hull.design.to_dict() == expected["parameters"]
    for key, column in hull.stations.items():
        assert list(column) == [station[key] for station in expected["stations"]], key


def test_resistance_and_optimum_equal_the_batch_tools(tmp_path):
    batch = tool("SLOOPFORM_BATCH")
    hull = sloopform.generate(sloopform.Design.load(str(CRUISER)))
    for command, call in (("resistance", hull.resistance), ("optimise", hull.optimise)):
        out = tmp_path / f"{command}.json"
        subprocess.run([batch, command, str(CRUISER), "--knots", "6.5", "--json", str(out)],
                       check=True, capture_output=True)
        assert call(knots=6.5) == json.loads(out.read_text())


def test_bad_parameters_raise_the_parameter_tables_messages(tmp_path):
    cruiser = sloopform.Design.load(str(CRUISER))
    with pytest.raises(ValueError, match="^Prismatic Coefficient must be\ngreater than 0.42 and less than 0.65$"):
        sloopform.Design(cruiser.to_dict(), Cp=0.7)
    with pytest.raises(ValueError) as refused:
        cruiser.replace(Lwl=20, LCB=70)
    assert str(refused.value).split("\n") == [
        "Overhang and Waterline Length must be less than Length Overall",
        "Longitudinal Centre of Buoyancy must be", "be greater than 48% and less than 62%"]
    with pytest.raises(ValueError, match="^Bow Freeboard must be greater than 0$"):
        cruiser.FreeBow = 0
    assert cruiser.FreeBow == 1.25  # a refused value is not kept
    with pytest.raises(ValueError, match="missing parameters: ApAngle"):
        sloopform.Design({k: v for k, v in cruiser.to_dict().items() if k != "ApAngle"})
    with pytest.raises(ValueError, match="Unable to convert field 1,5"):
        sloopform.Design(cruiser.to_dict(), Tc="1,5")

    stored = tmp_path / "stored.sfp"
    stored.write_text(CRUISER.read_text().replace("Cm=0.720", "Cm=0.900"))
    with pytest.raises(ValueError, match="^Mid-Ship Section Coefficient must be\ngreater"):
        sloopform.Design.load(str(stored))
    with pytest.raises(FileNotFoundError):
        sloopform.Design.load(str(tmp_path / "missing.sfp"))


def test_a_design_saved_and_loaded_is_the_same(tmp_path):
    cruiser = sloopform.Design.load(str(CRUISER))
    changed = cruiser.replace(Cp="0.561")
    changed.save(str(tmp_path / "changed.sfp"))
    assert sloopform.Design.load(str(tmp_path / "changed.sfp")) == changed
    assert changed != cruiser and changed != changed.to_dict()


def test_a_failing_design_raises_its_fatal_line():
    no_overhang = sloopform.Design.load(str(CRUISER)).replace(Fovh=0)
    with pytest.raises(sloopform.GenerationError) as failed:
        sloopform.generate(no_overhang)
    assert str(failed.value) == "Fatal Error[1]: Iteration Failed"
    assert failed.value.console[-2:] == ["...Process Terminated", ""]
    assert failed.value.errors == ["Error: Floating point division by zero\nFrom : Iteration procedure"]


def test_a_timed_out_run_is_cancelled():
    with pytest.raises(sloopform.Cancelled, match="did not finish within 0"):
        sloopform.generate(sloopform.Design.load(str(CRUISER)), method="robust", timeout=0)


def test_runs_do_not_depend_on_the_runs_before_them_or_beside_them():
    designs = [sloopform.Design.load(str(path)) for path in BUNDLED]
    alone = [figures(sloopform.generate(d)) for d in designs]
    twice = figures(sloopform.generate(designs[0]))
    assert twice == alone[0]
    interleaved = [figures(sloopform.generate(d)) for d in designs[::-1] + designs]
    assert interleaved[len(designs):] == alone
    with concurrent.futures.ThreadPoolExecutor(max_workers=3) as pool:
        threaded = list(pool.map(lambda d: figures(sloopform.generate(d)), designs * 4))
    assert threaded == alone * 4


def test_exports_equal_the_batch_tools(tmp_path):
    batch = tool("SLOOPFORM_BATCH")
    dxf, gf1, svg = (tmp_path / f"hull.{suffix}" for suffix in ("dxf", "gf1", "svg"))
    subprocess.run([batch, "run", str(CRUISER), "--quiet", "--dxf", str(dxf), "--gf1", str(gf1),
                    "--svg", str(svg)], check=True, capture_output=True)
    expected = dxf.read_bytes(), gf1.read_bytes()
    hull = sloopform.generate(sloopform.Design.load(str(CRUISER)))
    hull.export_dxf(str(dxf))
    hull.export_gf1(str(gf1))  # the file records its own path: the same one
    assert (dxf.read_bytes(), gf1.read_bytes()) == expected
    # The batch tool writes its text files with CR LF.
    assert hull.svg().encode() == svg.read_bytes().replace(b"\r\n", b"\n")


def test_hull_outputs(tmp_path):
    hull = sloopform.generate(sloopform.Design.load(str(CRUISER)))
    assert isinstance(hull.stations["x"], numpy.ndarray) and hull.stations["x"].shape == (21,)
    assert "<svg" in hull._repr_svg_()
    with pytest.raises(OSError):
        hull.export_dxf(str(tmp_path / "no-folder" / "hull.dxf"))
    with pytest.raises(ValueError, match="Froude Number is outside"):
        hull.resistance(fn=2)


def test_stability_equals_the_batch_tools_and_refuses_a_vcg_above_the_sheer(tmp_path):
    batch = tool("SLOOPFORM_BATCH")
    hull = sloopform.generate(sloopform.Design.load(str(CRUISER)))
    out = tmp_path / "stability.json"
    subprocess.run([batch, "stability", str(CRUISER), "--vcg", "0.35", "--json", str(out)],
                   check=True, capture_output=True)
    expected = json.loads(out.read_text())
    stability = hull.stability(vcg=0.35)
    assert set(stability["summary"]) == set(sloopform.STABILITY_KEYS)
    for key, value in stability["summary"].items():
        assert value == expected[key], key
    assert isinstance(stability["curve"]["gz"], numpy.ndarray)
    for key, column in stability["curve"].items():
        assert list(column) == [point[key] for point in expected["curve"]], key
    few = hull.stability(vcg=0.35, angles=[0, 20])
    assert list(few["curve"]["heel"]) == [0, 20]
    assert numpy.isnan(few["summary"]["avs"])
    with pytest.raises(ValueError, match="lies above the sheer"):
        hull.stability(vcg=3)
