"""Pictures drawn by the program's painters, offscreen."""

import struct

import pytest

import vornel
from conftest import SOURCE

LAYERED = SOURCE / "examples" / "cantilever_layered.vn5d"


def png_size(path):
    head = path.read_bytes()[:24]
    assert head[:8] == b"\x89PNG\r\n\x1a\n"
    return struct.unpack(">II", head[16:24])


@pytest.mark.parametrize("graph,size,dpi,pixels", [
    ("moment", (6, 4), 72, (432, 288)),
    ("dms", (8, 5), 100, (800, 500)),
    ("py", (3, 2), 50, (150, 100)),
])
def test_graphs_have_the_size_asked_for(graph, size, dpi, pixels, tmp_path):
    r = vornel.analyse(LAYERED)
    r.plot(graph, tmp_path / "g.png", size=size, dpi=dpi)
    assert png_size(tmp_path / "g.png") == pixels


def test_svg_graph_shows_the_axis_caption(tmp_path):
    vornel.analyse(LAYERED).plot("moment", tmp_path / "m.svg")
    assert "Bending Moment (in-kips)" in (tmp_path / "m.svg").read_text()


def test_unknown_graph_is_refused(tmp_path):
    with pytest.raises(ValueError):
        vornel.analyse(LAYERED).plot("torque", tmp_path / "t.png")


def test_profile_picture(tmp_path):
    p = vornel.Project.open(LAYERED)
    p.profile_picture(tmp_path / "profile.png", size=(580, 400), results=vornel.analyse(p))
    assert png_size(tmp_path / "profile.png") == (580, 400)
