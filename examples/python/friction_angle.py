"""Open the layered cantilever, raise the friction angle of its sand fill, analyse it in
this process, print the maxima of both cases and save the moment graphs and the profile.

    PYTHONPATH=build/python /usr/bin/python3 examples/python/friction_angle.py [OUT_FOLDER]
"""

import sys
from pathlib import Path

import vornel

DECK = Path(__file__).resolve().parents[1] / "cantilever_layered.vn5d"


def print_maxima(label: str, results: vornel.Results) -> None:
    p = results.problems[0]
    print(f"{label}: {p.iterations} iterations, {'converged' if p.converged else 'NOT converged'}")
    for what, (value, depth) in p.maxima.items():
        unit = p.units[what]
        print(f"  max {what:10s} {value:12.4g} {unit:7s} at depth {depth:8.2f} {p.units['depth']}")


def main() -> int:
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(".")
    out.mkdir(parents=True, exist_ok=True)
    project = vornel.Project.open(DECK)
    before = vornel.analyse(project)
    print_maxima("as given", before)

    fill = project.table("Soil Layers").sub(1)  # layer 1, the sand fill
    print(f"friction angle of the fill: {fill[1, 'Friction Angle']} deg.")
    for row in (1, 2):  # top and bottom of the layer
        fill[row, "Friction Angle"] = 38
    after = vornel.analyse(project)
    print_maxima("fill at 38 deg.", after)

    before.plot("moment", out / "moment-as-given.png")
    after.plot("moment", out / "moment-38deg.png")
    project.profile_picture(out / "profile.png", results=after)
    project.save(out / "cantilever_layered_38deg.vn5d")
    print(f"pictures and the changed project in {out.resolve()}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
