"""A sweep of the sand fill's friction angle and the water table behind the layered
cantilever: the maximum moment over the grid, drawn as a surface of contours.

    PYTHONPATH=build/python /usr/bin/python3 examples/python/sweep_surface.py [moment.png]
    ... sweep_surface.py --scheduler tcp://HOST:8786     (on a Dask cluster)
"""

import argparse
from pathlib import Path

import matplotlib
import numpy as np

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

import vornel  # noqa: E402

DECK = Path(__file__).resolve().parents[1] / "cantilever_layered.vn5d"


def main() -> None:
    parser = argparse.ArgumentParser()
    parser.add_argument("picture", nargs="?", default="max_moment_surface.png")
    parser.add_argument("--scheduler", help="address of a Dask scheduler (else this machine)")
    args = parser.parse_args()
    project = vornel.Project.open(DECK)
    angles = np.arange(28.0, 40.5, 1.0)                   # deg.
    water = np.arange(48.0, 433.0, 24.0)                  # in below the top of the wall
    study = vornel.Study(project, {("Soil Layers", 1, "Friction Angle"): angles,
                                   "WaterDepthBackfill": water})
    client = None
    if args.scheduler:
        from distributed import Client
        client = Client(args.scheduler)
    results = study.run(client=client)
    moment = results["max_moment"].abs().to_numpy().reshape(len(angles), len(water))
    units = vornel.analyse(project).problems[0].units

    fig, ax = plt.subplots(figsize=(7, 5))
    levels = ax.contourf(water / 12, angles, moment / 12000, 16, cmap="viridis")
    ax.contour(water / 12, angles, moment / 12000, levels.levels, colors="k", linewidths=0.4)
    fig.colorbar(levels, label="max moment (kip-ft per ft of wall)")
    ax.set_xlabel("depth of the water table behind the wall (ft)")
    ax.set_ylabel("friction angle of the sand fill (deg.)")
    ax.set_title(f"{project.title}\n{len(results)} walls, max moment {units['moment']} / 12000")
    fig.tight_layout()
    fig.savefig(args.picture, dpi=100)
    worst = results.loc[results["max_moment"].abs().idxmax()]
    print(f"{len(results)} walls, {int((results['error'] != '').sum())} failed; largest moment "
          f"{worst['max_moment']:.4g} {units['moment']} at phi {worst.iloc[0]:g} deg., water "
          f"at {worst.iloc[1]:g} in; picture {args.picture}")


if __name__ == "__main__":
    main()
