"""The results of an analysis: one Problem per problem of the deck."""

from __future__ import annotations

import os
from typing import Dict, List, Optional, Tuple, Union

import numpy as np

from . import _vornel

STATION_COLUMNS = ("depth", "deflection", "slope", "moment", "shear", "net_reaction", "ei")
PRESSURE_COLUMNS = ("depth", "total", "soil", "surcharge")


class AnalysisError(RuntimeError):
    """The engine ended the run at a check of the data.

    ``message`` is the report's line of the stop (for example "ERROR STOP -- STATIONS NOT
    IN ORDER"), ``reason`` the engine's one-line summary and ``results`` what the run
    produced before it stopped (the report text among it).
    """

    def __init__(self, message: str, reason: str = "", results: "Optional[Results]" = None):
        super().__init__(message)
        self.message = message
        self.reason = reason
        self.results = results


def _units(unit_system: int) -> Dict[str, str]:
    length, force = {1: ("IN", "LBS"), 2: ("M", "KN")}.get(unit_system, ("L", "F"))
    return {
        "depth": length,
        "deflection": length,
        "slope": "RAD",
        "moment": f"{force}-{length}",
        "shear": force,
        "net_reaction": force,
        "ei": f"{force}-{length}**2",
        "pressure": f"{force}/{length}",
    }


class Problem:
    """One problem of an analysis: a single case, a construction stage or a term.

    ``stations`` is a pandas DataFrame indexed by station (0 at the top of the wall) with
    the columns depth, deflection, slope, moment, shear, net_reaction and ei, its units in
    ``stations.attrs["units"]``; ``station_array`` the same numbers as a numpy array.
    ``pressure`` is the earth-pressure table (depth, total, soil, surcharge, force per length
    of wall). ``maxima`` maps deflection, moment and shear to (largest absolute value with
    its sign, depth).
    """

    def __init__(self, raw: dict, kind: str):
        self.number: int = raw["problem"]
        self.title: str = raw["title"].strip()
        self.kind: str = kind
        self.unit_system: int = raw["unit_system"]
        self.iterations: int = raw["iterations"]
        self.converged: bool = raw["converged"]
        self.warnings: List[str] = list(raw["warnings"])
        m = raw["maxima"]
        self.maxima: Dict[str, Tuple[float, float]] = {
            "deflection": (m[0], m[1]), "moment": (m[2], m[3]), "shear": (m[4], m[5])}
        self.station_array: np.ndarray = raw["stations"]
        self.pressure_array: np.ndarray = raw["pressure"]
        self._frames: Dict[str, object] = {}

    @property
    def units(self) -> Dict[str, str]:
        """The unit of every result column, as the report prints them."""
        return _units(self.unit_system)

    @property
    def stations(self):
        """The station table as a pandas DataFrame (made on first use)."""
        if "stations" not in self._frames:
            import pandas as pd
            f = pd.DataFrame(self.station_array, columns=list(STATION_COLUMNS))
            f.index.name = "station"
            f.attrs["units"] = {c: self.units[c] for c in STATION_COLUMNS}
            self._frames["stations"] = f
        return self._frames["stations"]

    @property
    def pressure(self):
        """The earth-pressure table as a pandas DataFrame (made on first use)."""
        if "pressure" not in self._frames:
            import pandas as pd
            f = pd.DataFrame(self.pressure_array, columns=list(PRESSURE_COLUMNS))
            u = self.units
            f.attrs["units"] = {"depth": u["depth"], "total": u["pressure"],
                                "soil": u["pressure"], "surcharge": u["pressure"]}
            self._frames["pressure"] = f
        return self._frames["pressure"]

    def __getstate__(self):
        state = dict(self.__dict__)
        state["_frames"] = {}
        return state

    def __repr__(self) -> str:
        m, d = self.maxima["moment"]
        return (f"<Problem {self.number} {self.kind} {self.title!r}: {self.iterations} "
                f"iterations, {'converged' if self.converged else 'not converged'}, "
                f"max moment {m:.6g} {self.units['moment']} at {d:.6g} {self.units['depth']}>")


def _kinds(raw_problems: List[dict]) -> List[str]:
    kinds = []
    for i, p in enumerate(raw_problems):
        if p["stage_count"] >= 2:
            kinds.append(f"stage {p['problem']}")
        elif p["long_term"]:
            kinds.append("long-term")
        elif i + 1 < len(raw_problems) and raw_problems[i + 1]["long_term"]:
            kinds.append("short-term")
        else:
            kinds.append("single")
    return kinds


class Results:
    """What one analysis gave: ``problems`` in the order of the deck, and the texts.

    ``plot_text`` is the plot data file the viewer reads; ``report`` and ``monitor`` hold the
    report and the iteration monitor when they were asked for (``analyse(..., texts=True)``).
    Results pickle with everything they hold.
    """

    def __init__(self, problems: List[Problem], deck: bytes, name: str, report: bytes = b"",
                 plot: bytes = b"", monitor: bytes = b""):
        self.problems = problems
        self.name = name
        # The texts as the engine wrote them (Latin-1), decoded when they are read.
        self._deck, self._report, self._plot, self._monitor = deck, report, plot, monitor

    @classmethod
    def _from_engine(cls, raw: dict, deck: bytes, name: str) -> "Results":
        kinds = _kinds(raw["problems"])
        return cls([Problem(p, k) for p, k in zip(raw["problems"], kinds)], deck, name,
                   raw["report"], raw["plot"], raw["monitor"])

    @property
    def deck(self) -> str:
        """The deck that was analysed."""
        return self._deck.decode("latin-1")

    @property
    def report(self) -> str:
        """The output report (empty unless asked for, or after an error stop)."""
        return self._report.decode("latin-1")

    @property
    def plot_text(self) -> str:
        """The plot data file, as the viewer reads it."""
        return self._plot.decode("latin-1")

    @property
    def monitor(self) -> str:
        """The iteration monitor file (empty unless asked for)."""
        return self._monitor.decode("latin-1")

    @property
    def converged(self) -> bool:
        """Whether every problem converged without a warning."""
        return all(p.converged and not p.warnings for p in self.problems)

    def plot(self, graph: str, path: Union[str, os.PathLike], size: Tuple[float, float] = (6, 4),
             dpi: int = 72) -> None:
        """Draw a result graph into a picture, as the program's graph window and vornel-plot.

        ``graph`` is one of ``vornel.graph_names()`` (deflection, moment, shear, reaction, dms,
        pressure, pressure-combined, py); the format follows the extension of ``path`` (png,
        svg, pdf, bmp); ``size`` is in inches, ``dpi`` pixels per inch.
        """
        if graph not in _vornel.graph_names():
            raise ValueError(f"unknown graph {graph!r}; the graphs are "
                             + ", ".join(_vornel.graph_names()))
        error = _vornel.plot_graph(self._deck, self._plot, graph, os.path.abspath(path),
                                   float(size[0]), float(size[1]), int(dpi))
        if error:
            raise OSError(error)

    def design_report(self, path: Union[str, os.PathLike], paper: str = "a4") -> None:
        """Write the design report of this analysis as a PDF, as the program's Export Report.

        The report holds the input as tables, the soil-wall profile, and per problem or stage
        the graphs, the maxima with their depths as the engine's report prints them, the
        iteration count, every warning and the support forces; an analysis that ended in an
        error stop shows its message on the first page. ``paper`` is ``"a4"`` or ``"letter"``.
        """
        if paper not in ("a4", "letter"):
            raise ValueError(f"paper must be 'a4' or 'letter', not {paper!r}")
        report = self._report
        if not report:  # the report text was not kept: the analysis is run again for it
            report = _vornel.analyse(self._deck, self.name, True, False)["report"]
        error = _vornel.design_report(self._deck, self._plot, report, self.name,
                                      os.path.abspath(path), paper)
        if error:
            raise OSError(error)

    def pressure_points(self) -> int:
        """The largest earth-pressure point count of the plot data file."""
        return _vornel.pressure_points(self._plot)

    def __repr__(self) -> str:
        return f"<Results of {self.name}: {len(self.problems)} problem(s)>"
