"""How long must the layered cantilever be? The critical length, beyond which a longer wall
changes the head deflection and the maximum moment by less than 1 %, against the length
chosen in the project.

    PYTHONPATH=build/python /usr/bin/python3 examples/python/critical_length.py [deck]
"""

import sys
from pathlib import Path

import vornel

DECK = Path(__file__).resolve().parents[1] / "cantilever_layered.vn5d"


def main() -> None:
    project = vornel.Project.open(sys.argv[1] if len(sys.argv) > 1 else DECK)
    c = vornel.critical_length(project, tolerance=0.01)
    unit = project.unit("IncrementLength")
    print(c.tried.to_string(index=False))
    if c.length is None:
        print("No length up to the longest wall the project takes settled.")
        return
    free = project["FreeHeight"]
    print(f"critical length {c.length:g} {unit} (embedment {c.length - free:g} {unit}); "
          f"chosen {c.chosen:g} {unit} (embedment {c.chosen - free:g} {unit}): the chosen "
          f"wall is {'longer' if c.chosen >= c.length else 'SHORTER'} than critical by "
          f"{abs(c.chosen - c.length):g} {unit}")


if __name__ == "__main__":
    main()
