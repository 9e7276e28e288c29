"""10,000 layered walls as one study: through a Dask LocalCluster of two worker processes,
against vornel-run -j 2 over the same decks in the same run, and on this machine without a
cluster (two processes, two threads). Run by `make bench`, or:

    PYTHONPATH=build/python VORNEL_RUN=build/bin/vornel-run /usr/bin/python3 bench/python_study.py

Throughputs are walls per second of wall-clock time, start-up of the cluster excluded (it is
started once per session); vornel-run's time includes writing its three files per deck,
which is its everyday work.
"""

import argparse
import os
import subprocess
import sys
import tempfile
import time
from pathlib import Path

import vornel

ROOT = Path(__file__).resolve().parents[1]
DECK = ROOT / "examples" / "cantilever_layered.vn5d"


def study(n: int) -> "vornel.Study":
    project = vornel.Project.open(DECK)
    return vornel.Study(project, {
        ("Soil Layers", 1, "Friction Angle"): vornel.Truncated(vornel.Normal(32, 2.5), 25, 40),
        ("Soil Layers", 3, "Friction Angle"): vornel.Truncated(vornel.Normal(34, 2.5), 25, 40),
        ("Soil Layers", 2, "Cohesive"): vornel.LogNormal(300, 90),
        "WaterDepthBackfill": vornel.Uniform(120, 400),
        "SurfaceLoad": vornel.Uniform(0, 2)}, samples=n, seed=2015, method="latin")


def timed(label: str, n: int, run) -> float:
    start = time.perf_counter()
    run()
    rate = n / (time.perf_counter() - start)
    print(f"{label}: {rate:.0f} walls/s")
    return rate


def main() -> int:
    parser = argparse.ArgumentParser()
    parser.add_argument("--walls", type=int, default=10000)
    args = parser.parse_args()
    exe = os.environ.get("VORNEL_RUN", str(ROOT / "build" / "bin" / "vornel-run"))
    s = study(args.walls)
    from distributed import Client, LocalCluster

    with tempfile.TemporaryDirectory() as tmp:
        decks = []
        for i in range(len(s)):
            path = Path(tmp) / f"wall{i:05d}.vn5d"
            path.write_bytes(s.case_deck(i))
            decks.append(str(path))
        (Path(tmp) / "out").mkdir()
        run = timed(f"vornel-run -j 2 over {len(s)} decks", len(s), lambda: subprocess.run(
            [exe, "-j", "2", "--out", str(Path(tmp) / "out")] + decks,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=False))

        with LocalCluster(n_workers=2, threads_per_worker=1, processes=True, host="127.0.0.1",
                          dashboard_address=None, silence_logs=50) as cluster, \
                Client(cluster) as client:
            client.run(lambda: __import__("vornel"))  # workers import the package once
            results = []
            dask = timed(f"Study.run on LocalCluster(n_workers=2), {len(s)} walls", len(s),
                         lambda: results.append(s.run(client=client)))
        failed = int((results[0]["error"] != "").sum())
        print(f"  {failed} failed cases; ratio to vornel-run -j 2: {dask / run:.2f} (target 0.8)")
    timed("Study.run without a cluster, 2 processes", len(s), lambda: s.run(workers=2))
    timed("Study.run without a cluster, 2 threads", len(s),
          lambda: s.run(workers=2, pool="thread"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
