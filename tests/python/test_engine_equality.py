"""The engine in Python gives the numbers of vornel-run, to the last bit, on every thread."""

import math
import threading

import numpy as np
import pytest

import vornel
from conftest import EXAMPLES

STATION_KEYS = ["depth", "deflection", "slope", "moment", "shear", "reaction", "ei"]
PRESSURE_KEYS = ["depth", "total", "soil", "surcharge"]


def same_bits(a, b):
    """Equal as doubles; JSON writes a number that is not finite as null."""
    if b is None:
        return not math.isfinite(a)
    return a == b and math.copysign(1, a) == math.copysign(1, b)


@pytest.mark.parametrize("deck", EXAMPLES, ids=lambda d: d.stem)
def test_every_number_equals_vornel_run(deck, vornel_run, tmp_path):
    expected = vornel_run(deck, tmp_path)["problems"]
    got = vornel.analyse(deck).problems
    assert len(got) == len(expected)
    for p, e in zip(got, expected):
        assert (p.number, p.title, p.kind, p.unit_system) == (
            e["problem"], e["title"], e["kind"], e["unit_system"])
        assert (p.iterations, p.converged, p.warnings) == (
            e["iterations"], e["converged"], e["warnings"])
        for what in ("deflection", "moment", "shear"):
            value, depth = p.maxima[what]
            assert same_bits(value, e["maxima"][what]["value"])
            assert same_bits(depth, e["maxima"][what]["depth"])
        assert p.station_array.shape == (len(e["stations"]), 7)
        for row, s in zip(p.station_array, e["stations"]):
            assert all(same_bits(v, s[k]) for v, k in zip(row, STATION_KEYS)), s["station"]
        assert p.pressure_array.shape == (len(e["earth_pressure"]), 4)
        for row, q in zip(p.pressure_array, e["earth_pressure"]):
            assert all(same_bits(v, q[k]) for v, k in zip(row, PRESSURE_KEYS))
        assert p.stations.attrs["units"]["moment"] == e["units"]["moment"]


def undated(report):
    """The report without its date and time line, which follows the clock."""
    return "\n".join(l for l in report.split("\n") if "Time:  " not in l)


def test_eight_threads_give_the_results_of_one():
    decks = [d.read_text(encoding="latin-1") for d in EXAMPLES[:8]]
    alone = [vornel.analyse(d, texts=True) for d in decks]
    together = [[] for _ in decks]

    def work(i):
        for _ in range(10):
            together[i].append(vornel.analyse(decks[i], texts=True))

    threads = [threading.Thread(target=work, args=(i,)) for i in range(len(decks))]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    for one, many in zip(alone, together):
        assert len(many) == 10
        for r in many:
            assert undated(r.report) == undated(one.report)
            assert (r.plot_text, r.monitor) == (one.plot_text, one.monitor)
            for p, q in zip(r.problems, one.problems):
                assert p.station_array.tobytes() == q.station_array.tobytes()
                assert p.pressure_array.tobytes() == q.pressure_array.tobytes()


def test_kept_files_are_the_files_of_vornel_run(vornel_run, tmp_path):
    deck = EXAMPLES[0]
    vornel_run(deck, tmp_path / "run")
    vornel.analyse(deck, keep_files=tmp_path / "py")
    for ext in (".vn5o", ".vn5p", ".vn5r"):
        ours = (tmp_path / "py" / deck.with_suffix(ext).name).read_text(encoding="latin-1")
        theirs = (tmp_path / "run" / deck.with_suffix(ext).name).read_text(encoding="latin-1")
        assert undated(ours) == undated(theirs), ext
    assert sorted(p.name for p in (tmp_path / "py").iterdir()) == sorted(
        deck.with_suffix(e).name for e in (".vn5o", ".vn5p", ".vn5r"))
