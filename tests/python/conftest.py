"""What the Python tests share: the bundled designs, the batch tool's JSON of a
design, and seeded random designs as a sweep's CSV."""
import json
import os
import pathlib
import subprocess

import pytest

SOURCE_DIR = pathlib.Path(__file__).resolve().parents[2]
BUNDLED = sorted((SOURCE_DIR / "examples").glob("*.sfp"))


def tool(variable):
    path = os.environ.get(variable)
    if not path or not os.path.exists(path):
        pytest.skip(f"{variable} names no program")
    return path


@pytest.fixture(scope="session")
def batch_json(tmp_path_factory):
    """The batch tool's JSON of a project file run with a method."""
    batch = tool("SLOOPFORM_BATCH")
    folder = tmp_path_factory.mktemp("json")

    def run(project, method="classic"):
        out = folder / f"{pathlib.Path(project).stem}-{method}.json"
        subprocess.run([batch, "run", str(project), "--quiet", "--method", method, "--json", str(out)],
                       check=False, capture_output=True)
        return json.loads(out.read_text())

    return run


@pytest.fixture(scope="session")
def seeded_designs(tmp_path_factory):
    """A CSV of 200 seeded random designs in the benchmark set's ranges."""
    writer = tool("SLOOPFORM_WRITE_DESIGNS")
    path = tmp_path_factory.mktemp("designs") / "designs-200.csv"
    subprocess.run([writer, "--csv", str(path), "200"], check=True)
    return path
