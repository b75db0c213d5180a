#!/usr/bin/python3
"""The peer of tank_bench's LevelFromVolumeExampleTank: python-fluids' TANK.h_from_V(V,
'brenth') (a bracketing root finder over V_from_h) for the example tank (D 2600 mm, an 8000 mm
shell with 40 mm flanges, standard ellipsoidal heads), the volumes (i/98) of the full tank for
i = 1 … 97 in turn, in CPU time per answer.

    /usr/bin/python3 bench/fluids_level.py"""
import time

from fluids.geometry import TANK


def main():
    tank = TANK(D=2.6, L=8.08, horizontal=True, sideA="ellipsoidal", sideB="ellipsoidal",
                sideA_a=0.65, sideB_a=0.65)
    full = tank.V_from_h(2.6)
    volumes = [full * i / 98 for i in range(1, 98)]
    rounds = 0
    start = time.process_time()
    while time.process_time() - start < 2.0:
        for v in volumes:
            tank.h_from_V(v, "brenth")
        rounds += 1
    per = (time.process_time() - start) / (rounds * len(volumes))
    print("fluids h_from_V brenth: %.2f us per answer" % (per * 1e6))


if __name__ == "__main__":
    main()
