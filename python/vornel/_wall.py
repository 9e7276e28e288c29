"""Changing the length of a wall as a whole: its increments, the station ranges that run to
the toe, and the soil below it."""

from __future__ import annotations

from typing import Any, Callable, List

# Station-range tables whose rows describe the wall or the soil along it: a row that runs to
# the toe runs to the new toe. Loads and restraints stay at the stations they were given.
_ALONG_THE_WALL = (("PileSect", "To Node"), ("SoilStrength", "To Node"),
                   ("MEICurves2", "To Node"))
# Soil tables: the deepest layer reaches two increments below the new toe, where the p-y
# profile is cut, so the soil is continued below a longer wall.
_SOIL = (("NewSoil", None), ("LongSoil", "LongTerm"))


def _length_factor(project: Any, table: Any) -> float:
    """Project lengths (in or m) per unit of a layer depth (ft or m)."""
    return 12.0 if table.unit("Depth at Bottom") == "ft" else 1.0


def set_increments(project: Any, increments: int, undo: List[Callable[[], None]]) -> None:
    """Make the wall ``increments`` increments long at its increment length, appending to
    ``undo`` what puts the project back."""
    increments = int(round(increments))
    old = int(project["Increments"])
    h = float(project["IncrementLength"])

    def put(table, row, column, value):
        before = table[row, column]
        table[row, column] = value
        undo.append(lambda: table.__setitem__((row, column), before))

    before_n = project["Increments"]
    project["Increments"] = increments
    undo.append(lambda: project.__setitem__("Increments", before_n))
    for name, column in _ALONG_THE_WALL:
        table = project.table(name)
        for r in range(1, len(table) + 1):
            to = table[r, column]
            if to == old or to > increments:
                if table[r, "From Node"] > increments:
                    raise ValueError(f"{table.caption}, row {r} starts below a wall of "
                                     f"{increments} increments")
                put(table, r, column, increments)
    for name, switch in _SOIL:
        if switch is not None and not project[switch]:
            continue
        table = project.table(name)
        if len(table) == 0:
            continue
        need = (increments + 2) * h / _length_factor(project, table)
        last = len(table)
        if table[last, "Depth at Bottom"] < need:
            put(table, last, "Depth at Bottom", need)
