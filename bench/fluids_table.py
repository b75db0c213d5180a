#!/usr/bin/python3
"""The peer of `quorvel-table --csv` for whole-process timings: the example tank (D 2600 mm, an
8000 mm shell with 40 mm flanges, standard ellipsoidal heads, a quarter of the diameter deep) as
python-fluids' TANK, its volume at 1,000,000 levels from 0 to 2599.9974 mm in steps of
0.0026 mm, each written as quorvel-table writes a row: "level,litres" with two decimals.

    /usr/bin/python3 bench/fluids_table.py > /dev/null"""
import sys

from fluids.geometry import TANK

ROWS = 1_000_000
STEP = 0.0026  # mm


def main():
    tank = TANK(D=2.6, L=8.08, horizontal=True, sideA="ellipsoidal", sideB="ellipsoidal",
                sideA_a=0.65, sideB_a=0.65)
    volume = tank.V_from_h
    out = sys.stdout
    lines = []
    for i in range(ROWS):
        level = i * STEP
        lines.append("%.15g,%.2f\n" % (level, volume(level / 1000) * 1000))
    out.write("".join(lines))


if __name__ == "__main__":
    main()
