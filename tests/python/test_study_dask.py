"""A study on a real Dask cluster of two worker processes on the loopback interface gives the
results of this process, also when a worker dies in the middle of it."""

import os
import sys

import pandas as pd
import pytest

import vornel
from conftest import SOURCE

distributed = pytest.importorskip("distributed")
import cloudpickle  # noqa: E402

cloudpickle.register_pickle_by_value(sys.modules[__name__])  # the killer travels by value

DECK = SOURCE / "examples" / "cantilever_layered.vn5d"
PHI = ("Soil Layers", 1, "Friction Angle")
GRID = {PHI: [28, 31, 34, 37, 40], "SurfaceLoad": [0.0, 0.5, 1.0, 1.5], "Increments": [64, 80]}


@pytest.fixture(scope="module")
def client():
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                  host="127.0.0.1", dashboard_address=None,
                                  silence_logs=50) as cluster, \
            distributed.Client(cluster, timeout="60s") as c:
        yield c


@pytest.fixture(scope="module")
def local():
    return vornel.Study(vornel.Project.open(DECK), GRID).run(workers=1)


def test_cluster_gives_the_local_results(client, local, tmp_path):
    got = vornel.Study(vornel.Project.open(DECK), GRID).run(client=client, chunk=7,
                                                            results_file=tmp_path / "r.csv")
    pd.testing.assert_frame_equal(got, local)
    assert len(pd.read_csv(tmp_path / "r.csv")) == len(local)


def die_once(marker):
    """A target that ends its worker process the first time it is set, as a lost node would."""
    def kill(project, value):
        if value == 1.0 and not os.path.exists(marker):
            open(marker, "w").close()
            os._exit(1)
    return kill


def test_a_killed_worker_still_gives_every_row(client, local, tmp_path):
    marker = str(tmp_path / "killed")
    study = vornel.Study(vornel.Project.open(DECK),
                         [(PHI, GRID[PHI]), (["SurfaceLoad", die_once(marker)], GRID["SurfaceLoad"]),
                          ("Increments", GRID["Increments"])])
    got = study.run(client=client, chunk=3)
    assert os.path.exists(marker)
    assert (got["error"] == "").all()
    assert list(got["max_moment"]) == list(local["max_moment"])
    assert len(client.nthreads()) >= 1
