"""Studies: a case of a study is the analysis of that variant alone; sampling, failed cases,
resuming, exceedance and the critical length of a long elastic pile."""

import math

import numpy as np
import pandas as pd
import pytest

import vornel
from conftest import SOURCE

DECK = SOURCE / "examples" / "cantilever_layered.vn5d"
PHI = ("Soil Layers", 1, "Friction Angle")


@pytest.fixture
def wall():
    return vornel.Project.open(DECK)


def test_grid_case_equals_the_variant_analysed_alone(wall):
    study = vornel.Study(wall, {PHI: [30, 38], "WaterDepthBackfill": [96, 1200],
                                "Increments": [60, 80]}, ["moment", ("deflection", 144)])
    got = study.run(workers=2, chunk=3)
    assert len(got) == 8 and (got["error"] == "").all()
    for case, row in got.iterrows():
        p = vornel.Project.open(DECK)
        sand = p.table("Soil Layers").sub(1)
        sand[1, "Friction Angle"] = sand[2, "Friction Angle"] = row[vornel.study.label(PHI)]
        p["WaterDepthBackfill"] = row["WaterDepthBackfill"]
        p["Increments"] = row["Increments"]
        p.table("Wall Stiffness")[1, "To Node"] = row["Increments"]
        alone = vornel.analyse(p).problems[0]
        assert (row["max_moment"], row["max_moment_depth"]) == alone.maxima["moment"], case
        assert row["head_deflection"] == alone.station_array[0, 1]
        assert row["deflection_at_144"] == alone.station_array[24, 1]  # station 24 at 6 in
        assert (row["converged"], row["iterations"]) == (alone.converged, alone.iterations)


def test_seeded_samples_repeat_and_latin_hypercube_fills_every_stratum(wall):
    dists = {PHI: vornel.Truncated(vornel.Normal(34, 3), 25, 42),
             "SurfaceLoad": vornel.LogNormal(2.0, 0.5)}
    a = vornel.Study(wall, dists, samples=40, seed=7).run(workers=1)
    b = vornel.Study(wall, dists, samples=40, seed=7).run(workers=1)
    c = vornel.Study(wall, dists, samples=40, seed=8).inputs()
    pd.testing.assert_frame_equal(a, b)
    assert not np.array_equal(c.values, a[c.columns].values)
    phi = a[vornel.study.label(PHI)]
    assert phi.between(25, 42).all()
    n = 50
    u = vornel.Study(wall, {"SurfaceLoad": vornel.Uniform(0, 10)}, samples=n, seed=1,
                     method="latin").inputs()["SurfaceLoad"]
    assert sorted(np.floor(u / 10 * n).astype(int)) == list(range(n))


def test_a_refused_value_is_a_row_with_its_message(wall):
    got = vornel.Study(wall, {"BackfillSlope": [0, 60, 10]}).run(workers=1)
    assert list(got["error"] == "") == [True, False, True]
    assert got.loc[1, "error"] == ("InputError: Wall Configuration, Slope of the backfill, "
                                  "Beta: Entry must be less than or equal to 45")
    assert math.isnan(got.loc[1, "max_moment"])
    assert got.loc[2, "max_moment"] != got.loc[0, "max_moment"]
    nowhere = vornel.Study(wall, {("Soil Layers", 1, "Shear Modulus"): [1, 2]}).run(workers=1)
    assert len(nowhere) == 2 and nowhere["error"].str.startswith("KeyError: ").all()


def test_an_interrupted_study_resumes_without_recomputing(wall, tmp_path):
    loads = [0.0, 0.5, 1.0, 1.5, 2.0, 2.5]
    full = vornel.Study(wall, {"SurfaceLoad": loads}).run(workers=1)
    seen = []
    target = ["SurfaceLoad", lambda project, value: seen.append(value)]
    path = tmp_path / "study.csv"
    vornel.Study(wall, [(target, loads)]).run(workers=1, chunk=2, results_file=path)
    lines = path.read_bytes().split(b"\n")
    path.write_bytes(b"\n".join(lines[:4]) + b"\n" + lines[4][:20])  # 3 rows and a cut one
    seen.clear()
    again = vornel.Study(wall, [(target, loads)]).run(workers=1, chunk=2, results_file=path)
    assert seen == loads[3:]
    assert np.array_equal(again["max_moment"].values, full["max_moment"].values)
    assert len(pd.read_csv(path)) == len(loads)
    seen.clear()
    vornel.Study(wall, [(target, loads)]).run(workers=1, results_file=path)
    assert seen == []


@pytest.mark.parametrize("k, n, low, high", [
    (0, 10, 0.0, 1 - 0.025 ** (1 / 10)),       # closed form of the exact bound at k = 0
    (10, 10, 0.025 ** (1 / 10), 1.0),
    (5, 10, 0.187086, 0.812914),               # tabulated exact interval
])
def test_clopper_pearson(k, n, low, high):
    got = vornel.exceedance_interval(k, n, 0.95)
    assert got == pytest.approx((low, high), abs=2e-6)


def test_exceedance_counts_magnitudes_and_unconverged_cases():
    frame = pd.DataFrame({"max_moment": [-120.0, 90.0, 101.0, 50.0, 99.5, 0.0],
                          "converged": [True, True, True, False, True, True],
                          "error": ["", "", "", "", "", "InputError: x"]})
    e = vornel.exceedance(frame, "max_moment", 100.0)
    assert (e.exceeding, e.cases, e.failed) == (3, 5, 1)
    assert e.probability == pytest.approx(0.6) and e.low < 0.6 < e.high
    assert list(e.closest.index[:3]) == [4, 2, 1]
    assert vornel.exceedance(frame, "max_moment", 100.0, unconverged_exceed=False).exceeding == 2


def test_critical_length_of_a_long_elastic_pile():
    # A free-head pile on linear springs k under a head load P: beyond a few 1/beta the head
    # no longer feels the toe and deflects 2 P beta / k, beta = (k / 4 EI)^(1/4).
    EI, k, h, P = 1e10, 100.0, 12.0, 1000.0
    p = vornel.Project()
    p["Increments"], p["IncrementLength"], p["GeneratePY"] = 100, h, 0
    p["UseSprings"], p["UseConcentratedLoads"] = 1, 1
    s = p.table("Wall Stiffness")
    s[1, "To Node"], s[1, "Flexural"] = 100, EI
    springs = p.table("Lateral Spring and Rotation Spring")
    springs[1, "To Node"], springs[1, "Lateral Spring"] = 100, k * h
    loads = p.table("Concentrated Loads on Wall")
    loads[1, "To Node"], loads[1, "Lateral Load"] = 0, P
    beta = (k / (4 * EI)) ** 0.25
    c = vornel.critical_length(p, tolerance=1e-3)
    assert 3.0 < c.length * beta < 5.0
    at = c.tried.set_index("length").loc[c.length]
    assert at["head_deflection"] == pytest.approx(2 * P * beta / k, rel=0.01)
    short = c.tried[c.tried["length"] * beta < 1.5]
    assert (short["head_deflection"] > 1.2 * 2 * P * beta / k).all()  # a short pile rotates
    assert c.chosen == 1200.0


def test_critical_length_of_the_layered_cantilever_continues_the_soil(wall):
    c = vornel.critical_length(wall, tolerance=0.01)
    assert c.length is not None and c.length <= c.chosen
    assert not c.tried["converged"].iloc[0]  # a wall barely embedded does not stand
    assert wall["Increments"] == 72 and wall.table("Wall Stiffness")[1, "To Node"] == 72
