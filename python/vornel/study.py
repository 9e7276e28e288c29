"""Parameter studies: many variants of one project analysed on all cores or a Dask cluster.

A study sets, case by case, values of a project addressed as the program shows them and
collects chosen results into one pandas DataFrame: a row per case with its inputs, its
outputs and, for a case that failed, the error text (a failed case never ends the study).

Parameters are addressed by
  - the name of a project value: "WaterDepthBackfill", "SurfaceLoad", "Increments" (the wall
    is then lengthened or shortened as a whole: stiffness and spring ranges that run to the
    toe follow it, the deepest soil layer is continued below it);
  - a table cell, ``(table, row, column)``: ``("Soil Layers", 2, "Depth at Bottom")``; a
    column of a row's sub-table (a soil layer's parameters) sets both of its rows, the top
    and the bottom of the layer, ``("Soil Layers", 1, "Friction Angle")``, or one row,
    ``("Soil Layers", 1, "Friction Angle", 2)``;
  - a list of such addresses, which all take the value (the water table on both sides);
  - a function ``f(project, value)`` for anything else.
"""

from __future__ import annotations

import itertools
import math
import os
import sys
from concurrent.futures import ProcessPoolExecutor, ThreadPoolExecutor, as_completed
from pathlib import Path
from typing import Any, Callable, Dict, Iterable, List, Optional, Sequence, Tuple, Union

import numpy as np

from ._project import InputError, Project, SUB_TABLE
from ._results import AnalysisError
from ._wall import set_increments
from .distributions import Distribution, sample

Target = Any  # a name, a (table, row, column[, sub_row]) tuple, a list of them or a callable
Output = Union[str, Tuple[str, float]]

DEFAULT_OUTPUTS: Tuple[Output, ...] = ("deflection", "moment", "shear")
_QUANTITIES = ("deflection", "slope", "moment", "shear", "net_reaction", "ei")


def label(target: Target) -> str:
    """The column name of a parameter in the results."""
    if isinstance(target, str):
        return target
    if isinstance(target, tuple):
        table, row, column, *sub = target
        return f"{table}[{row}].{column}" + (f"[{sub[0]}]" if sub else "")
    if isinstance(target, list):
        return " & ".join(label(t) for t in target)
    return getattr(target, "__name__", repr(target))


def output_columns(outputs: Sequence[Output]) -> List[str]:
    """The result columns of the outputs, in order."""
    cols = []
    for o in outputs:
        if isinstance(o, str):
            cols += [f"max_{o}", f"max_{o}_depth"]
        else:
            cols.append(f"{o[0]}_at_{o[1]:g}")
    return cols + ["head_deflection", "converged", "iterations", "warnings"]


# ---- setting a case's values ----

Setter = Callable[[Any, List[Callable[[], None]]], None]


def _setter(project: Project, target: Target) -> Setter:
    """A function setting one parameter of ``project`` to a value and appending to the undo
    list what puts the old value back; the address is resolved once, not case by case."""
    if isinstance(target, list):
        parts = [_setter(project, t) for t in target]

        def set_all(value, undo):
            for p in parts:
                p(value, undo)
        return set_all
    if callable(target):
        return lambda value, undo: target(project, value)
    if isinstance(target, str):
        member = project._member(target)
        if member == "Increments":
            return lambda value, undo: set_increments(project, value, undo)

        def set_value(value, undo):
            before = project[member]
            project[member] = value
            undo.append(lambda: project.__setitem__(member, before))
        return set_value
    if isinstance(target, tuple) and len(target) in (3, 4):
        table, row, column, *sub = target
        t = project.table(table)
        try:
            cells = [(t, row, t.column_index(column))]
        except KeyError:
            s = t.sub(row)  # a column of the row's sub-table
            c = s.column_index(column)
            cells = [(s, r, c) for r in (sub if sub else range(1, len(s) + 1))]

        def set_cells(value, undo):
            for tab, r, c in cells:
                before = tab[r, c]
                tab[r, c] = value
                undo.append(lambda tab=tab, r=r, c=c, before=before:
                            tab.__setitem__((r, c), before))
        return set_cells
    raise TypeError(f"cannot address a parameter by {target!r}")


def _apply(project: Project, target: Target, value: Any, undo: List[Callable[[], None]]) -> None:
    """Set one parameter, appending to ``undo`` what puts the old value back."""
    _setter(project, target)(value, undo)


def _station_value(stations: np.ndarray, quantity: str, depth: float) -> float:
    """A station result at a depth, linear between stations; NaN off the wall."""
    z = stations[:, 0]
    if not z[0] - 1e-9 <= depth <= z[-1] + 1e-9:
        return math.nan
    return float(np.interp(depth, z, stations[:, 1 + _QUANTITIES.index(quantity)]))


def _outputs(problem, outputs: Sequence[Output]) -> Dict[str, Any]:
    row: Dict[str, Any] = {}
    for o in outputs:
        if isinstance(o, str):
            row[f"max_{o}"], row[f"max_{o}_depth"] = problem.maxima[o]
        else:
            row[f"{o[0]}_at_{o[1]:g}"] = _station_value(problem.station_array, o[0], o[1])
    row["head_deflection"] = float(problem.station_array[0, 1])
    row["converged"] = bool(problem.converged)
    row["iterations"] = int(problem.iterations)
    row["warnings"] = "; ".join(problem.warnings)
    return row


def run_cases(deck: bytes, targets: Sequence[Target], outputs: Sequence[Output], problem: int,
              cases: Sequence[Tuple[int, Sequence[Any]]]) -> List[Dict[str, Any]]:
    """Analyse a chunk of cases of one project (a task of a study): one row per case."""
    from . import analyse
    project = Project.from_text(deck)
    setters: List[Optional[Setter]] = []
    for t in targets:
        try:
            setters.append(_setter(project, t))
        except (InputError, ValueError, KeyError, IndexError, TypeError) as e:
            error = f"{type(e).__name__}: {e}"
            return [{"case": case, "error": error} for case, _ in cases]
    rows = []
    for case, values in cases:
        row: Dict[str, Any] = {"case": case}
        undo: List[Callable[[], None]] = []
        try:
            for set_value, v in zip(setters, values):
                set_value(v, undo)
            results = analyse(project.deck_bytes())
            row.update(_outputs(results.problems[problem], outputs))
            row["error"] = ""
        except (InputError, AnalysisError, ValueError, KeyError, IndexError, TypeError) as e:
            row["error"] = f"{type(e).__name__}: {e}"
        finally:
            for u in reversed(undo):
                u()
        rows.append(row)
    return rows


def _run_cases_in_pool(args):
    return run_cases(*args)


# ---- the results file ----

def _have_pyarrow() -> bool:
    try:
        import pyarrow  # noqa: F401
        return True
    except ImportError:
        return False


class ResultsFile:
    """Rows written as chunks complete, each write whole or not at all; numbers to the last bit.

    A ``.parquet`` path is a folder of Parquet parts, one per chunk, each written to a
    temporary name and renamed; any other path is one CSV file, appended a chunk at a time and
    synced; a last line cut short by an interruption is dropped when the file is opened again.
    A path without suffix takes ``.parquet`` where pyarrow is installed, else ``.csv``.
    """

    def __init__(self, path: Union[str, os.PathLike]):
        path = Path(path)
        if not path.suffix:
            path = path.with_suffix(".parquet" if _have_pyarrow() else ".csv")
        self.path = path
        self.parquet = path.suffix == ".parquet"
        if self.parquet and not _have_pyarrow():
            raise ImportError("a Parquet results file needs pyarrow; name a .csv file instead")

    def read(self):
        """The rows written so far (an empty frame when there are none)."""
        import pandas as pd
        if self.parquet:
            parts = sorted(self.path.glob("part-*.parquet")) if self.path.is_dir() else []
            return pd.concat([pd.read_parquet(p) for p in parts]) if parts else pd.DataFrame()
        if not self.path.exists() or self.path.stat().st_size == 0:
            return pd.DataFrame()
        data = self.path.read_bytes()
        if not data.endswith(b"\n"):  # a chunk cut short: its rows are analysed again
            with open(self.path, "r+b") as f:
                f.truncate(data.rfind(b"\n") + 1)
        frame = pd.read_csv(self.path, keep_default_na=False, na_values=[""],
                            float_precision="round_trip")
        for c in ("warnings", "error"):
            if c in frame:
                frame[c] = frame[c].fillna("").astype(str)
        return frame

    def append(self, frame) -> None:
        if self.parquet:
            self.path.mkdir(parents=True, exist_ok=True)
            n = len(list(self.path.glob("part-*.parquet")))
            target = self.path / f"part-{n:06d}.parquet"
            part = self.path / f".part-{n:06d}.tmp"
            frame.to_parquet(part, index=False)
            os.replace(part, target)
            return
        new = not self.path.exists() or self.path.stat().st_size == 0
        text = frame.to_csv(index=False, header=new, lineterminator="\n", float_format="%.17g")
        with open(self.path, "a", encoding="utf-8", newline="") as f:
            f.write(text)
            f.flush()
            os.fsync(f.fileno())


# ---- the study ----

class Study:
    """A study of a project: every case's inputs and outputs in one DataFrame.

    ``parameters``:
      - a mapping of address to a list of values: the full grid of their combinations (or a
        list of (address, values) pairs, for addresses that cannot be keys: a list);
      - a pandas DataFrame, one row per case, its columns named by the addresses (a column
        whose label is a text names a project value; tuples address table cells);
      - a mapping of address to a ``Distribution``: ``samples`` cases drawn by ``method``
        "montecarlo" or "latin" from ``seed`` (the same seed gives the same cases).
    ``outputs``: "deflection", "moment", "shear" give the maximum (largest absolute value
    with its sign) and its depth; ``(quantity, depth)`` a station value at that depth
    ("deflection", "slope", "moment", "shear", "net_reaction", "ei"; linear between
    stations). Every case also gives the head deflection, convergence, iteration count and
    warnings. ``problem`` picks the problem of the deck (0 the first; -1 the last stage).
    """

    def __init__(self, project: Project, parameters: Any,
                 outputs: Sequence[Output] = DEFAULT_OUTPUTS, *, samples: Optional[int] = None,
                 seed: Optional[int] = None, method: str = "montecarlo", problem: int = 0):
        import pandas as pd
        self.deck: bytes = project.deck_bytes()
        self.outputs = list(outputs)
        for o in self.outputs:
            q = o if isinstance(o, str) else o[0]
            if (isinstance(o, str) and q not in DEFAULT_OUTPUTS) or q not in _QUANTITIES:
                raise ValueError(f"unknown output {o!r}")
        self.problem = problem
        if isinstance(parameters, (list, tuple)):  # (address, values) pairs
            parameters = _Pairs(parameters)
        if isinstance(parameters, pd.DataFrame):
            self.targets = list(parameters.columns)
            values = [list(parameters[c]) for c in parameters.columns]
            self.cases = [tuple(v) for v in zip(*values)]
        elif all(isinstance(v, Distribution) for v in parameters.values()):
            if not samples or samples < 1:
                raise ValueError("a study of distributions needs samples >= 1")
            self.targets = list(parameters)
            drawn = sample(dict(enumerate(parameters.values())), samples, seed, method)
            self.cases = [tuple(float(drawn[i][k]) for i in range(len(self.targets)))
                          for k in range(samples)]
        elif not any(isinstance(v, Distribution) for v in parameters.values()):
            self.targets = list(parameters)
            self.cases = list(itertools.product(*[list(v) for v in parameters.values()]))
        else:
            raise ValueError("give all parameters as values or all as distributions")
        self.labels = [label(t) for t in self.targets]

    def __len__(self) -> int:
        return len(self.cases)

    def case_deck(self, case: int) -> bytes:
        """The deck of one case, as the study analyses it (to run it elsewhere)."""
        project = Project.from_text(self.deck)
        undo: List[Callable[[], None]] = []
        for t, v in zip(self.targets, self.cases[case]):
            _apply(project, t, v, undo)
        return project.deck_bytes()

    def inputs(self):
        """The cases as a DataFrame indexed by case number."""
        import pandas as pd
        f = pd.DataFrame(self.cases, columns=self.labels)
        f.index.name = "case"
        return f

    def _chunks(self, todo: List[int], chunk: int) -> List[List[Tuple[int, tuple]]]:
        return [[(i, self.cases[i]) for i in todo[k:k + chunk]]
                for k in range(0, len(todo), chunk)]

    def run(self, client: Any = None, chunk: Optional[int] = None,
            results_file: Optional[Union[str, os.PathLike]] = None,
            progress: Optional[bool] = None, workers: Optional[int] = None,
            pool: str = "process"):
        """Analyse every case and return the results DataFrame, indexed by case.

        Without ``client`` the cases run on ``workers`` processes of this machine (all cores
        by default; ``pool="thread"`` uses threads). With a ``dask.distributed.Client`` the
        project is scattered to the workers once and every chunk of ``chunk`` cases is one
        task; a worker lost during the study has its tasks run again elsewhere.
        ``results_file`` keeps the rows as chunks complete; a study run again with the same
        file skips the cases found in it. ``progress`` shows a bar (by default on a terminal
        for studies of more than 2000 cases).
        """
        import pandas as pd
        store = ResultsFile(results_file) if results_file is not None else None
        done = store.read() if store is not None else pd.DataFrame()
        finished = set(done["case"].astype(int)) if len(done) else set()
        todo = [i for i in range(len(self.cases)) if i not in finished]
        slots = workers or (_dask_threads(client) if client is not None else os.cpu_count() or 1)
        if chunk is None:
            chunk = max(1, min(1000, math.ceil(len(todo) / (8 * slots))))
        chunks = self._chunks(todo, chunk)
        if progress is None:
            progress = len(todo) > 2000 and sys.stderr.isatty()
        bar = _bar(len(todo)) if progress else None
        rows: List[Dict[str, Any]] = []

        def take(new_rows, write=True):
            rows.extend(new_rows)
            if store is not None and write and new_rows:
                store.append(self._frame(new_rows))
            if bar is not None:
                bar.update(len(new_rows))

        try:
            if client is not None:
                self._run_dask(client, chunks, take)
            elif slots == 1 or len(chunks) <= 1:
                for c in chunks:
                    take(run_cases(self.deck, self.targets, self.outputs, self.problem, c))
            else:
                self._run_pool(pool, slots, chunks, take)
        finally:
            if bar is not None:
                bar.close()
        frame = self._frame(rows)
        if len(done):
            frame = pd.concat([done, frame], ignore_index=True)
        return frame.sort_values("case").set_index("case")

    def _args(self, c):
        return (self.deck, self.targets, self.outputs, self.problem, c)

    def _run_pool(self, pool: str, slots: int, chunks, take) -> None:
        kind = ThreadPoolExecutor if pool == "thread" else ProcessPoolExecutor
        with kind(max_workers=slots) as ex:
            futures = {ex.submit(_run_cases_in_pool, self._args(c)): c for c in chunks}
            for f in as_completed(futures):
                take(self._result_or_failure(f, futures[f]), write=f.exception() is None)

    def _run_dask(self, client, chunks, take) -> None:
        from distributed import as_completed as dask_completed
        deck = client.scatter(self.deck, broadcast=True)
        futures = {}
        for c in chunks:
            f = client.submit(run_cases, deck, self.targets, self.outputs, self.problem, c,
                              pure=False)
            futures[f] = c
        for f in dask_completed(list(futures)):
            take(self._result_or_failure(f, futures[f]), write=f.status == "finished")
            f.release()

    @staticmethod
    def _result_or_failure(future, cases) -> List[Dict[str, Any]]:
        """The rows of a chunk, or rows naming why the chunk could not run (not written to
        the results file, so a resumed study runs them again)."""
        try:
            return future.result()
        except Exception as e:  # a lost process after its retries, an unpicklable value
            return [{"case": i, "error": f"{type(e).__name__}: {e}"} for i, _ in cases]

    def _frame(self, rows: List[Dict[str, Any]]):
        import pandas as pd
        f = pd.DataFrame(rows, columns=["case"] + output_columns(self.outputs) + ["error"])
        inputs = pd.DataFrame([self.cases[r["case"]] for r in rows], columns=self.labels)
        f = pd.concat([f[["case"]], inputs, f.drop(columns="case")], axis=1)
        f["warnings"] = f["warnings"].fillna("").astype(str)
        f["error"] = f["error"].fillna("").astype(str)
        return f


class _Pairs:
    """(address, values) pairs read as a mapping whose keys need not be hashable."""

    def __init__(self, pairs):
        self._pairs = list(pairs)

    def __iter__(self):
        return (k for k, _ in self._pairs)

    def values(self):
        return [v for _, v in self._pairs]


def _dask_threads(client) -> int:
    try:
        return max(1, sum(client.nthreads().values()))
    except Exception:
        return 1


def _bar(total: int):
    try:
        from tqdm import tqdm
    except ImportError:
        return None
    return tqdm(total=total, unit="wall", smoothing=0.1)
