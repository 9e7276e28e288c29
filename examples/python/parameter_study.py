"""A small parameter study: the maximum moment of the layered cantilever against the friction
angle of its sand fill, analysed on several threads at once (the engine releases the
interpreter's lock), collected into a pandas table.

    PYTHONPATH=build/python /usr/bin/python3 examples/python/parameter_study.py
"""

from concurrent.futures import ThreadPoolExecutor
from pathlib import Path

import pandas as pd

import vornel

DECK = Path(__file__).resolve().parents[1] / "cantilever_layered.vn5d"


def deck_with_fill_angle(phi: float) -> str:
    project = vornel.Project.open(DECK)
    fill = project.table("Soil Layers").sub(1)
    fill[1, "Friction Angle"] = fill[2, "Friction Angle"] = phi
    return project.deck_text()  # decks are plain text: they travel to threads or processes


def max_moment(deck: str) -> float:
    return vornel.analyse(deck).problems[0].maxima["moment"][0]


def main() -> None:
    angles = [26, 28, 30, 32, 34, 36, 38, 40]
    decks = [deck_with_fill_angle(phi) for phi in angles]
    with ThreadPoolExecutor(max_workers=4) as pool:
        moments = list(pool.map(max_moment, decks))
    table = pd.DataFrame({"friction angle (deg.)": angles, "max moment (LBS-IN)": moments})
    print(table.to_string(index=False))


if __name__ == "__main__":
    main()
