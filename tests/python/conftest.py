"""Shared fixtures: the source tree, the example decks and the headless runner."""

import json
import os
import subprocess
from pathlib import Path

import pytest

SOURCE = Path(os.environ.get("VORNEL_SOURCE_DIR", Path(__file__).resolve().parents[2]))
EXAMPLES = sorted((SOURCE / "examples").glob("*.vn5d"))


@pytest.fixture(scope="session")
def vornel_run():
    """Runs vornel-run on a deck into a folder and returns its --results json document."""
    exe = os.environ.get("VORNEL_RUN", str(SOURCE / "build" / "bin" / "vornel-run"))

    def run(deck: Path, out: Path) -> dict:
        subprocess.run([exe, "--out", str(out), "--results", "json", str(deck)],
                       check=False, capture_output=True)
        return json.loads((out / deck.with_suffix(".json").name).read_text())

    return run
