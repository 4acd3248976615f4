#!/usr/bin/python3
# How long Orca takes from a Tab in ALARM SET to speaking the box it reached: the walk of the Orca
# scenario (tests/blackbox/scenarios.py), made RUNS times in worlds of its own, each with its own virtual
# display, buses, sound server and Orca. Prints each walk's figures and the median of them all.
#   bench/orca_tab_speech.py KALINDOR [runs]     (default 3; Debian's python3, with Orca installed)
import contextlib
import io
import pathlib
import statistics
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests/blackbox"))
from scenarios import orca_walk  # noqa: E402
from world import World  # noqa: E402


def main():
    binary = str(pathlib.Path(sys.argv[1]).resolve())
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 3
    figures = []
    for run in range(1, runs + 1):
        world = World(binary)
        walk = io.StringIO()  # what Orca said, printed only if the walk fails
        try:
            with contextlib.redirect_stdout(walk):
                delays = [d for d in orca_walk(world) if d is not None]
        except Exception:
            print(walk.getvalue())
            raise
        finally:
            world.close()
        figures += delays
        print(f"walk {run}: Tab to speech in ALARM SET, s: " + " ".join(f"{d:.3f}" for d in delays), flush=True)
    print(f"median of {len(figures)} over {runs} walks: {statistics.median(figures):.3f} s, "
          f"from {min(figures):.3f} to {max(figures):.3f} s")


if __name__ == "__main__":
    main()
