"""Projects and their tables, read, checked and written by the editor's own model."""

from __future__ import annotations

import os
import re
from typing import Any, Dict, List, Optional, Sequence, Tuple, Union

from . import _vornel

PICK_LIST, INTEGER, REAL, SUB_TABLE, TEXT = range(5)

_FORMATS = {"2015": 1, "2013": 2, "3.0": 3, "2.0": 4}

# The Options menu's commands (without their accelerators) and the switches they set.
_OPTION_COMMANDS = {
    "Apply User Specified p-y Curves (External)": "UseExternalPY",
    "Apply Nonlinear Moment vs EI Curves": "UseEICurves",
    "Apply External p-y Modification Factors": "UsePYModifiers",
    "Apply Concentrated Loads": "UseConcentratedLoads",
    "Apply Tieback (Ground Anchor)": "UseTiebacks",
    "Apply Restraints on Deflection or Slope": "UseRestraints",
    "Apply Lateral Springs and Rotation Restraints": "UseSprings",
    "Apply Additional Surcharge Loads": "UseSurcharge",
    "Generate p-y Curves": "GeneratePY",
    "Conduct Short-Term and Long-Term Analyses": "LongTerm",
}


class InputError(ValueError):
    """A value that the program's field or cell would refuse.

    ``table`` is the table's caption (or the dialog's, for a project value), ``row`` the row
    from 1 (None for a project value), ``column`` the column header (or the field's caption)
    and ``rule`` the program's own message, such as "Entry must be between 0 and 2147483600.".
    """

    def __init__(self, table: str, row: Optional[int], column: str, rule: str):
        where = f"{table}, row {row}, {column}" if row is not None else f"{table}, {column}"
        super().__init__(f"{where}: {rule}")
        self.table, self.row, self.column, self.rule = table, row, column, rule


def _key(text: str) -> str:
    return re.sub(r"\s+", " ", text).strip().rstrip(",").strip().lower()


class Table:
    """A table of a project, or the sub-table of one of its rows.

    Rows count from 1 as the table window numbers them; columns are addressed by their header
    as the window shows it (the lines joined by a blank; case, blanks and a trailing comma do
    not matter, and a unique beginning is enough: "Friction Angle") or by number from 1.
    Pick-list cells read as their item text and take the text or the item number; integer
    cells are checked against the column's bounds, reals must be finite, and a text entry is
    evaluated as the cell evaluates a typed expression ("2*12").
    """

    def __init__(self, handle: "_vornel.Table", project: "Project"):
        self._t = handle
        self._project = project

    @property
    def caption(self) -> str:
        """The table's caption, as its window shows it."""
        return self._t.caption

    @property
    def columns(self) -> List[str]:
        """The column headers."""
        return [self._t.column(c)["header"] for c in range(self._t.columns)]

    @property
    def units(self) -> Dict[str, str]:
        """The unit label of every column with a unit, in the project's unit system."""
        out = {}
        for c in range(self._t.columns):
            d = self._t.column(c)
            if d["unit"]:
                out[d["header"]] = d["unit"]
        return out

    def unit(self, column: Union[int, str]) -> str:
        """The unit label of a column ("ft", "lbs/ft^3"); empty for a column without unit."""
        return self._t.column(self.column_index(column) - 1)["unit"]

    @property
    def min_rows(self) -> int:
        return self._t.min_rows

    @property
    def max_rows(self) -> int:
        """The most rows; 0 means no limit."""
        return self._t.max_rows

    def __len__(self) -> int:
        return self._t.rows

    def column_index(self, column: Union[int, str]) -> int:
        """The column's number from 1, for a header or a number."""
        n = self._t.columns
        if isinstance(column, int):
            if 1 <= column <= n:
                return column
            raise KeyError(f"{self.caption} has columns 1 to {n}, not {column}")
        key = _key(column)
        keys = [_key(h) for h in self.columns]
        if key in keys:
            return keys.index(key) + 1
        starts = [i for i, k in enumerate(keys) if k.startswith(key)]
        if len(starts) == 1:
            return starts[0] + 1
        raise KeyError(f"{self.caption} has no column {column!r}; its columns are "
                       + ", ".join(repr(h) for h in self.columns))

    def _cell(self, key: Tuple[int, Union[int, str]]) -> Tuple[int, int]:
        row, column = key
        if not isinstance(row, int) or not 1 <= row <= len(self):
            raise IndexError(f"{self.caption} has rows 1 to {len(self)}, not {row}")
        return row - 1, self.column_index(column) - 1

    def __getitem__(self, key: Tuple[int, Union[int, str]]) -> Any:
        r, c = self._cell(key)
        d = self._t.column(c)
        if d["type"] == SUB_TABLE:
            return self.sub(r + 1, c + 1)
        v = self._t.get(c, r)
        if d["type"] == PICK_LIST:
            return d["items"][v - 1] if 1 <= v <= len(d["items"]) else v
        return v

    def __setitem__(self, key: Tuple[int, Union[int, str]], value: Any) -> None:
        r, c = self._cell(key)
        d = self._t.column(c)
        if d["type"] == SUB_TABLE:
            raise InputError(self.caption, r + 1, d["header"], "The cell holds a table.")
        if d["type"] == PICK_LIST and isinstance(value, str):
            items = [i.strip().lower() for i in d["items"]]
            if value.strip().lower() not in items:
                raise InputError(self.caption, r + 1, d["header"],
                                 "Entry must be one of " + ", ".join(d["items"]) + ".")
            value = items.index(value.strip().lower()) + 1
        if isinstance(value, str):
            why = self._t.set_text(c, r, value)
        elif isinstance(value, bool) or not isinstance(value, (int, float)):
            try:
                why = self._t.set_number(c, r, float(value))
            except (TypeError, ValueError):
                why = f"{value!r} is not a valid number."
        else:
            why = self._t.set_number(c, r, float(value))
        if why:
            raise InputError(self.caption, r + 1, d["header"], why)

    def resize(self, rows: int) -> None:
        """Give the table ``rows`` rows: rows go from the end, new rows take the defaults."""
        if rows < self.min_rows or (self.max_rows and rows > self.max_rows):
            top = self.max_rows or "any number of"
            raise InputError(self.caption, None, "rows",
                             f"The table takes {self.min_rows} to {top} rows.")
        self._t.set_rows(rows)

    def sub(self, row: int, column: Union[int, str, None] = None) -> "Table":
        """The sub-table of a row (a soil layer's parameters, a curve's points)."""
        if column is None:
            subs = [c for c in range(self._t.columns) if self._t.column(c)["type"] == SUB_TABLE]
            if len(subs) != 1:
                raise KeyError(f"{self.caption} has {len(subs)} sub-table columns; name one")
            column = subs[0] + 1
        r, c = self._cell((row, column))
        handle = self._t.sub(c, r)
        if handle is None:
            raise KeyError(f"{self.caption}, row {row} holds no table")
        return Table(handle, self._project)

    def rows(self) -> List[Dict[str, Any]]:
        """Every row as a mapping of header to value (sub-tables left out)."""
        headers = self.columns
        types = [self._t.column(c)["type"] for c in range(len(headers))]
        return [{h: self[r, i + 1] for i, h in enumerate(headers) if types[i] != SUB_TABLE}
                for r in range(1, len(self) + 1)]

    def to_frame(self):
        """The table as a pandas DataFrame indexed by row from 1, its units in ``attrs``."""
        import pandas as pd
        f = pd.DataFrame(self.rows(), index=range(1, len(self) + 1))
        f.index.name = "row"
        f.attrs["units"] = self.units
        return f

    def __repr__(self) -> str:
        return f"<Table {self.caption!r}: {len(self)} rows, columns {self.columns}>"


class Project:
    """A VORNEL project, held by the editor's own model.

    ``Project()`` is a new project with the program's defaults; ``Project.open(path)`` reads a
    data file of any of the four formats; ``save(path)`` writes the current format through the
    program's writer, replacing the file only when the new one is complete. Values of the
    project (the wall properties, wall configuration and options) are read and set by their
    names, ``p["BackfillSlope"] = 20`` (see ``names()``), checked as the dialog fields check
    them; the tables by their captions, ``p.table("Soil Layers")``.

    A staged project holds its current stage; ``switch_stage`` changes it, as the program's
    stage buttons do (its stage files live beside its data file). Projects pickle as their
    deck text.
    """

    def __init__(self) -> None:
        self._p = _vornel.Project()

    # ---- files ----

    @classmethod
    def open(cls, path: Union[str, os.PathLike], format: Optional[str] = None) -> "Project":
        """Read a data file: the format by its extension (".vn4d" 2013, ".vnd" 3.0, else 2015)
        or given as "2015", "2013", "3.0" or "2.0". A reader error raises InputError with the
        reader's message; a file that cannot be read raises OSError."""
        p = cls()
        opened, error = p._p.open(os.path.abspath(os.fspath(path)),
                                  _FORMATS[format] if format else 0)
        p._p.take_messages()
        if not opened:
            raise OSError(error)
        if error:
            raise InputError(os.fspath(path), None, "file", error)
        return p

    @classmethod
    def from_text(cls, text: Union[str, bytes]) -> "Project":
        """A project read from the text of a data file in the current format."""
        p = cls()
        data = text.encode("latin-1", "replace") if isinstance(text, str) else bytes(text)
        opened, error = p._p.open_text(data)
        p._p.take_messages()
        if not opened or error:
            raise InputError("deck", None, "text", error)
        return p

    def save(self, path: Union[str, os.PathLike]) -> None:
        """Write the project to ``path`` (and, staged, its stage files beside it)."""
        ok = self._p.save_as(os.path.abspath(os.fspath(path)))  # relative to this process
        messages = self._p.take_messages()
        if not ok:
            raise OSError("; ".join(messages) or f"cannot write {os.fspath(path)}")

    @property
    def file_name(self) -> str:
        """The data file's full path ("NewWall.vn5d" in the current folder when never saved)."""
        return self._p.file_name

    def deck_text(self) -> str:
        """The deck as the program saves it and the engine reads it."""
        return self.deck_bytes().decode("latin-1")

    def deck_bytes(self) -> bytes:
        return self._p.deck()

    def __reduce__(self):
        return (Project.from_text, (self.deck_bytes(),))

    # ---- values ----

    @property
    def title(self) -> str:
        """The project title (at most 80 characters)."""
        return self._p.title

    @title.setter
    def title(self, value: str) -> None:
        self._p.title = value

    @property
    def unit_system(self) -> int:
        """1 English (in, lbs), 2 SI (m, kN), 3 other; setting it converts every value."""
        return self._p.unit_system

    @unit_system.setter
    def unit_system(self, value: int) -> None:
        if value not in (1, 2, 3):
            raise InputError("Options", None, "Units", "Entry must be 1, 2 or 3.")
        self._p.set_units(value)

    @staticmethod
    def names() -> List[str]:
        """The names of the project's values."""
        return list(_vornel.scalar_names())

    @staticmethod
    def _member(name: str) -> str:
        """The value's name for its own name, a dialog field's caption ("Slope of the
        backfill, Beta") or an Options command ("Apply Concentrated Loads")."""
        if name in _vornel.scalar_names() or name == "StageCount":
            return name
        key = _key(name.replace("&", ""))
        for member, _, caption, *_ in _vornel.field_rules():
            if _key(caption) == key:
                return member
        for command, member in _OPTION_COMMANDS.items():
            if _key(command) == key:
                return member
        raise KeyError(f"no project value named {name!r}; see Project.names()")

    def fields(self) -> List[Dict[str, Any]]:
        """The dialog fields: name, dialog, caption, value as stored, its unit, and the
        bounds on the number as the field shows it (English lengths in ft)."""
        return [{"name": m, "dialog": d, "caption": c, "value": self[m],
                 "unit": self.unit(m) if m != "StageCount" else "",
                 "min": lo, "max": hi, "integer": i}
                for m, d, c, _, _, lo, hi, i in _vornel.field_rules()]

    def __getitem__(self, name: str) -> Any:
        name = self._member(name)
        if name == "StageCount":
            return self.stage_count
        return self._p.get(name)

    def __setitem__(self, name: str, value: Any) -> None:
        name = self._member(name)
        if name == "StageCount":
            return self.set_stage_count(value)
        if name == "LongTerm" and value and self.stage_count > 1:
            raise InputError("Options", None, name, "A staged project has no long-term analysis.")
        if name == "EarthPressureOption" and value not in (1, 2, 3):
            raise InputError("Options", None, name, "Entry must be 1, 2 or 3.")
        if name == "GeneratePY" and value not in (0, 1, True, False):
            raise InputError("Options", None, name, "Entry must be 0 or 1.")
        try:
            number = float(value)
        except (TypeError, ValueError):
            raise InputError("Options", None, name, f"{value!r} is not a valid number.") from None
        refused = self._p.set(name, number)
        if refused:
            dialog, caption, rule = refused
            raise InputError(dialog, None, caption, rule)

    def unit(self, name: str) -> str:
        """The unit of a project value as the project holds it ("in", "lbs/in^2", ...)."""
        return self._p.unit_of(name)

    def values(self) -> Dict[str, Any]:
        """Every project value by name."""
        return {n: self[n] for n in self.names()}

    # ---- tables ----

    def table(self, name: str) -> Table:
        """A table by its caption ("Soil Layers", "Wall Stiffness", ...) or its program name
        ("NewSoil", "PileSect", ...)."""
        return Table(self._p.table(name), self)

    # ---- stages ----

    @property
    def stage_count(self) -> int:
        return self._p.stage_count

    @property
    def current_stage(self) -> int:
        return self._p.current_stage

    def set_stage_count(self, count: int) -> None:
        """Stage the project in ``count`` stages (1: not staged), as the staged-construction
        dialog's OK does; the stage files are written beside the data file."""
        if not 1 <= count <= 5 or count != int(count):
            raise InputError("Staged Construction Options", None, "stages",
                             "Entry must be between 1 and 5.")
        if count > 1 and self["LongTerm"]:
            raise InputError("Staged Construction Options", None, "stages",
                             "A project with a long-term analysis is not staged.")
        if not self._p.set_stage_count(int(count)):
            raise OSError("; ".join(self._p.take_messages()))

    def switch_stage(self, stage: int) -> None:
        """Make ``stage`` current: the current stage is written to its file, ``stage`` read."""
        if not 1 <= stage <= self.stage_count:
            raise InputError("Stage", None, "stage", f"Entry must be between 1 and {self.stage_count}.")
        if not self._p.switch_stage(int(stage)):
            raise OSError("; ".join(self._p.take_messages()))

    # ---- pictures ----

    def profile_picture(self, path: Union[str, os.PathLike], size: Tuple[int, int] = (580, 400),
                        results: "Optional[Any]" = None) -> None:
        """Draw the soil-wall profile, as the program's Side View and vornel-plot --view
        profile draw it; ``size`` in pixels (a PDF is the printed page). ``results`` of an
        analysis give the earth-pressure point count the drawing shows."""
        points = results.pressure_points() if results is not None else 0
        error = self._p.profile_picture(os.path.abspath(os.fspath(path)), int(size[0]),
                                        int(size[1]), points)
        if error:
            raise OSError(error)

    def __repr__(self) -> str:
        return f"<Project {self.title!r} ({os.path.basename(self.file_name)})>"
