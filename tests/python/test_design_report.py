"""The design report from Python: the program's report builder, read back with pdftotext."""

import math
import re
import shutil
import subprocess

import pytest

import vornel
from conftest import SOURCE

THREE_STAGE = SOURCE / "examples" / "anchored_three_stage.vn5d"

pytestmark = pytest.mark.skipif(shutil.which("pdftotext") is None,
                                reason="pdftotext (poppler-utils) is not installed")


def pdf_text(path, first=None):
    args = ["pdftotext", "-layout"] + (["-f", "1", "-l", "1"] if first else []) + [str(path), "-"]
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout


def e10_3(v):
    """A value as the engine's report prints it in an E10.3 field (0.258E+05)."""
    if v == 0:
        return "0.000E+00"
    exponent = math.floor(math.log10(abs(v))) + 1
    mantissa = round(v / 10.0**exponent, 3)
    if abs(mantissa) >= 1:
        mantissa, exponent = mantissa / 10, exponent + 1
    return f"{mantissa:.3f}E{exponent:+03d}"


@pytest.mark.parametrize("paper,points", [("a4", (595, 842)), ("letter", (612, 792))])
def test_staged_report_holds_every_stage(paper, points, tmp_path):
    r = vornel.analyse(THREE_STAGE, texts=True)
    r.design_report(tmp_path / "report.pdf", paper=paper)
    text = pdf_text(tmp_path / "report.pdf")
    title = r.problems[0].title.strip()
    assert title in text
    for stage in (1, 2, 3):
        assert f"Input: Stage {stage}" in text
    info = subprocess.run(["pdfinfo", str(tmp_path / "report.pdf")], capture_output=True,
                          text=True).stdout
    width, height = map(float, re.search(r"Page size:\s+([\d.]+) x ([\d.]+)", info).groups())
    assert (round(width), round(height)) == points
    for p in r.problems:
        for quantity in ("deflection", "moment", "shear"):
            value, depth = p.maxima[quantity]
            assert e10_3(value) in text, (p.number, quantity)


def test_report_without_kept_texts_runs_the_deck_again(tmp_path):
    r = vornel.analyse(THREE_STAGE)  # no report text kept
    assert r.report == ""
    r.design_report(tmp_path / "r.pdf")
    assert "Page 1 of" in pdf_text(tmp_path / "r.pdf", first=True)


def test_error_stop_shows_its_message_on_the_first_page(tmp_path):
    with pytest.raises(vornel.AnalysisError) as e:
        vornel.analyse("T\n1 0 1 0 0 0 0 1 0 0\n5 12 100 1e-5 0 12\n\n0 5 1 abc\n")
    e.value.results.design_report(tmp_path / "stop.pdf")
    first = " ".join(pdf_text(tmp_path / "stop.pdf", first=True).split())
    assert 'ERROR STOP -- MALFORMED NUMBER "abc" IN STIFFNESS ROW 1, LINE 5' in first


def test_unknown_paper_is_refused(tmp_path):
    r = vornel.analyse(THREE_STAGE)
    with pytest.raises(ValueError):
        r.design_report(tmp_path / "r.pdf", paper="a3")
