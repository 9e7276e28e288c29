"""VORNEL for Python: retaining-wall projects as objects, the engine in the same process.

A project is read and written by the program's own file code (``Project.open``,
``Project.save``); its title, wall properties, options and tables are addressed by the names
the program shows, and every value goes through the checks of the program's fields and
table cells (``InputError`` names the table, row, column and rule). ``analyse`` runs the
engine in this process, without files unless asked, and returns the results as numpy and
pandas objects; the engine releases the interpreter's lock while it works, so threads
analyse side by side. Pictures are drawn by the program's own painters.

    import vornel
    p = vornel.Project.open("examples/cantilever_layered.vn5d")
    sand = p.table("Soil Layers").sub(1)          # the parameters of layer 1
    sand[1, "Friction Angle"] = 36                # top of the layer, deg.
    r = vornel.analyse(p)
    print(r.problems[0].maxima)
    r.plot("moment", "moment.png")

Studies (``Study``) analyse many variants of a project on all cores or a Dask cluster, from a
grid, a table of cases or distributions; ``exceedance`` gives the probability that an output
passes a limit, ``critical_length`` the length beyond which a longer wall answers the same.

Units are those of the project's unit system: scalars as the project holds them (in and lbs,
or m and kN), table cells as the table shows them (``Table.units``), results as the engine
writes them (``Problem.units``).
"""

from __future__ import annotations

import os
from pathlib import Path
from typing import Dict, Iterable, List, Optional, Sequence, Tuple, Union

from . import _vornel
from ._results import AnalysisError, Problem, Results
from ._project import InputError, Project, Table

__all__ = [
    "AnalysisError",
    "InputError",
    "Problem",
    "Project",
    "Results",
    "Table",
    "analyse",
    "graph_names",
    "version",
]

version: str = _vornel.version
"""The program's version text, as the report header shows it."""

DeckSource = Union[Project, str, os.PathLike]


def graph_names() -> List[str]:
    """The graphs ``Results.plot`` draws: deflection, moment, shear, reaction, dms, ..."""
    return list(_vornel.graph_names())


def _deck_of(source: DeckSource) -> Tuple[bytes, str]:
    """The deck text and the name the report shows for a project, a path or a text."""
    if isinstance(source, Project):
        return source.deck_bytes(), source.file_name
    if isinstance(source, (bytes, bytearray)):
        return bytes(source), "Deck.vn5d"
    if isinstance(source, str) and ("\n" in source or "\r" in source):
        return source.encode("latin-1", "replace"), "Deck.vn5d"
    path = Path(source)
    if path.suffix.lower() in (".vn4d", ".vnd"):  # older formats: through the editor's reader
        return Project.open(path).deck_bytes(), str(path.with_suffix(".vn5d").absolute())
    return path.read_bytes(), str(path.absolute())  # OSError when it cannot be read


def _write_outputs(folder: Union[str, os.PathLike], name: str, results: Results) -> None:
    """The report, plot data file and monitor file in ``folder``, each complete or not at all."""
    folder = Path(folder)
    folder.mkdir(parents=True, exist_ok=True)
    stem = Path(name).stem
    for extension, text in ((".vn5o", results._report), (".vn5p", results._plot),
                            (".vn5r", results._monitor)):
        target = folder / (stem + extension)
        part = target.with_name(target.name + ".part")
        with open(part, "wb") as f:
            f.write(text)
            f.flush()
            os.fsync(f.fileno())
        os.replace(part, target)


def analyse(source: DeckSource, keep_files: Optional[Union[str, os.PathLike]] = None,
            texts: bool = False) -> Results:
    """Analyse a project, a data file (by path) or the text of a deck.

    ``source``: a ``Project`` (analysed as the program would save it), the path of a data
    file (``.vn4d`` and ``.vnd`` files are read by the editor's reader first), or the deck
    itself as a text (any text holding a line end). Nothing is written unless ``keep_files``
    names a folder: the report (``.vn5o``), plot data file (``.vn5p``) and monitor file
    (``.vn5r``) then go there, named after the deck. ``texts`` keeps the report and monitor
    texts in the results (``Results.report``, ``Results.monitor``); the plot data file's
    text is always kept.

    A data file that cannot be read raises OSError. The engine runs without the
    interpreter's lock. An error stop of the engine (a check of
    the data that ends the run) raises ``AnalysisError`` with the report's message; a
    problem that does not converge is a result (``Problem.converged``, ``Problem.warnings``).
    """
    deck, name = _deck_of(source)
    want = texts or keep_files is not None
    raw = _vornel.analyse(deck, name, want, want)
    results = Results._from_engine(raw, deck, name)
    if keep_files is not None:
        _write_outputs(keep_files, name, results)
    if raw["error_stop"]:
        raise AnalysisError(raw["stop_message"] or raw["stop_reason"], raw["stop_reason"],
                            results)
    return results


from .critical_length import CriticalLength, critical_length  # noqa: E402
from .distributions import LogNormal, Normal, Truncated, Uniform  # noqa: E402
from .exceedance import Exceedance, exceedance
from .exceedance import clopper_pearson as exceedance_interval  # noqa: E402
from .study import Study  # noqa: E402

__all__ += ["CriticalLength", "Exceedance", "LogNormal", "Normal", "Study", "Truncated",
            "Uniform", "critical_length", "exceedance", "exceedance_interval"]
