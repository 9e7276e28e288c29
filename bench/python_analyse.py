"""The layered cantilever analysed from Python, in the process, with no files.

Median time per call over many calls on one thread, and the throughput of 8 threads that
analyse at once (the engine releases the interpreter's lock). Run by `make bench`, or:

    PYTHONPATH=build/python /usr/bin/python3 bench/python_analyse.py [--calls N]
"""

import argparse
import statistics
import sys
import threading
import time
import timeit
from pathlib import Path

import vornel

DECK = Path(__file__).resolve().parents[1] / "examples" / "cantilever_layered.vn5d"


def main() -> int:
    parser = argparse.ArgumentParser()
    parser.add_argument("--calls", type=int, default=2000, help="calls per measurement")
    args = parser.parse_args()
    deck = DECK.read_text(encoding="latin-1")
    vornel.analyse(deck)  # warm up

    repeats = 25
    per = max(1, args.calls // repeats)
    # Wall time, and the processor time of this thread, which a busy machine does not inflate.
    for label, timer in (("wall", time.perf_counter), ("cpu", time.thread_time)):
        times = timeit.repeat(lambda: vornel.analyse(deck), number=per, repeat=repeats,
                              timer=timer)
        median = statistics.median(t / per for t in times)
        print(f"analyse (1 thread, no files): median {median * 1e3:.3f} ms per call, {label} "
              f"time ({repeats} x {per} calls)")

    threads, calls = 8, max(8, args.calls // 8)

    def work():
        for _ in range(calls):
            vornel.analyse(deck)

    pool = [threading.Thread(target=work) for _ in range(threads)]
    start = time.perf_counter()
    for t in pool:
        t.start()
    for t in pool:
        t.join()
    elapsed = time.perf_counter() - start
    total = threads * calls
    print(f"analyse ({threads} threads, no files): {total / elapsed:.0f} calls/s, "
          f"{elapsed / total * 1e3:.3f} ms per call of wall time ({total} calls)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
