"""A Monte Carlo study of 10,000 layered cantilevers: uncertain friction angles, clay
strength, water table and surcharge, and the probability that the maximum moment exceeds the
allowable moment of the section.

    PYTHONPATH=build/python /usr/bin/python3 examples/python/monte_carlo.py
    ... monte_carlo.py --scheduler tcp://HOST:8786 --results study.csv   (on a Dask cluster,
                                                   resumable: run again to finish the rest)
"""

import argparse
from pathlib import Path

import vornel

DECK = Path(__file__).resolve().parents[1] / "cantilever_layered.vn5d"
ALLOWABLE = 900000.0  # lbs-in per ft of wall (75 kip-ft/ft): the section's allowable moment


def main() -> None:
    parser = argparse.ArgumentParser()
    parser.add_argument("--walls", type=int, default=10000)
    parser.add_argument("--scheduler", help="address of a Dask scheduler (else this machine)")
    parser.add_argument("--results", help="results file, written as the study runs")
    args = parser.parse_args()
    project = vornel.Project.open(DECK)
    study = vornel.Study(project, {
        ("Soil Layers", 1, "Friction Angle"): vornel.Truncated(vornel.Normal(32, 2.5), 25, 40),
        ("Soil Layers", 2, "Cohesive"): vornel.LogNormal(300, 90),       # lbs/ft^2
        ("Soil Layers", 3, "Friction Angle"): vornel.Truncated(vornel.Normal(34, 2.5), 25, 40),
        "WaterDepthBackfill": vornel.Uniform(144, 432),
        "SurfaceLoad": vornel.Uniform(0.0, 2.0)},                        # lbs/in^2
        samples=args.walls, seed=2015, method="latin")
    client = None
    if args.scheduler:
        from distributed import Client
        client = Client(args.scheduler)
    results = study.run(client=client, results_file=args.results)
    e = vornel.exceedance(results, "max_moment", ALLOWABLE)
    print(f"{len(results)} walls, {e.failed} failed")
    print(e, "(Clopper-Pearson)")
    print("The cases closest to the allowable moment:")
    print(e.closest.drop(columns=["warnings", "error"]).to_string(max_cols=8))


if __name__ == "__main__":
    main()
