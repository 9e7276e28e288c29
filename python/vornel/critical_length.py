"""The critical length of a wall: the embedment beyond which a longer wall answers the same.

The wall is lengthened at its own increment length, so every length tried shares the stations
of the shorter walls and the differences between them come from the length alone, not from a
change of the mesh (a refined mesh would mix its own discretisation change into the
comparison). The stiffness and spring ranges that run to the toe follow it, and the deepest
soil layer is continued below it.
"""

from __future__ import annotations

import math
from dataclasses import dataclass
from typing import Any, List, Optional

from ._project import Project
from ._results import AnalysisError
from ._wall import set_increments


@dataclass
class CriticalLength:
    """``length`` (project units) and ``increments`` of the critical wall, or None when no
    wall up to the longest the table takes settled; ``tried`` the table of lengths tried
    (length, increments, head deflection, max moment, their relative changes from the
    previous length, converged, error); ``chosen`` the project's own length."""

    length: Optional[float]
    increments: Optional[int]
    chosen: float
    tried: Any


def _response(project: Project, n: int):
    from . import analyse
    undo: List = []
    try:
        set_increments(project, n, undo)
        p = analyse(project.deck_bytes()).problems[0]
        return float(p.station_array[0, 1]), float(p.maxima["moment"][0]), p.converged, ""
    except (AnalysisError, ValueError) as e:
        return math.nan, math.nan, False, str(e)
    finally:
        for u in reversed(undo):
            u()


def _change(a: float, b: float) -> float:
    if not (math.isfinite(a) and math.isfinite(b)):
        return math.inf
    scale = max(abs(a), abs(b))
    return abs(a - b) / scale if scale > 0 else 0.0


def critical_length(project: Project, tolerance: float = 0.01, step: Optional[int] = None,
                    start: Optional[int] = None, confirm: int = 2,
                    max_increments: int = 300) -> CriticalLength:
    """The shortest length from which ``confirm`` successive longer walls, each ``step``
    increments longer, change the head deflection and the maximum moment by less than
    ``tolerance`` (relative) each.

    ``start`` (increments) is by default the first station below the excavation; ``step``
    a tenth of the chosen wall's embedment (at least one increment). Walls that do not
    converge (too short to stand) are rows of the table and never critical."""
    import pandas as pd
    h = float(project["IncrementLength"])
    n0 = int(project["Increments"])
    top = int(math.floor(float(project["FreeHeight"]) / h + 1e-9))
    if step is None:
        step = max(1, (n0 - top) // 10)
    n = max(1, start if start is not None else top + step)
    rows, found = [], None
    while n <= max_increments:
        w, m, ok, error = _response(project, n)
        prev = rows[-1] if rows else None
        rows.append({"length": n * h, "increments": n, "head_deflection": w, "max_moment": m,
                     "deflection_change": _change(w, prev["head_deflection"]) if prev else math.inf,
                     "moment_change": _change(m, prev["max_moment"]) if prev else math.inf,
                     "converged": ok, "error": error})
        if len(rows) > confirm:
            tail = rows[-confirm:]
            if all(r["converged"] for r in rows[-confirm - 1:]) and all(
                    r["deflection_change"] < tolerance and r["moment_change"] < tolerance
                    for r in tail):
                found = rows[-confirm - 1]
                break
        n += step
    return CriticalLength(found["length"] if found else None,
                          found["increments"] if found else None, n0 * h,
                          pd.DataFrame(rows))
