#!/usr/bin/python3
"""The peer of bench/exact_bench.cpp: python-fluids' TANK(...).V_from_h on the same shapes, in
CPU time, and the ratios of the true-geometry model to it in one run.

    /usr/bin/python3 bench/fluids_peer.py [--exact-bench build/release/bench/exact_bench]

Without --exact-bench it prints fluids' times alone. Per level: the level tank of
exact_bench (D = 2000 mm, 6080 mm shell with both 40 mm flanges, two heads of one kind) at
levels 0 .. 2000·4095/4096 mm in turn; the table: the example tank (D = 2600 mm, 8080 mm,
standard ellipsoidal heads), 1,000,000 levels from 0 to 2600 mm, volumes kept in a list.
fluids has no frustum head and no tilted tank: those rows have no peer."""
import argparse
import json
import subprocess
import sys
import time

from fluids.geometry import TANK

STEPS = 4096

# exact_bench's head kinds (the tank layer's order) as fluids draws them, in metres; None
# where fluids has no such head.
HEADS = [
    ("standard ellipsoidal", dict(sideA="ellipsoidal", sideA_a=0.5)),
    ("non-standard ellipsoidal", dict(sideA="ellipsoidal", sideA_a=0.4)),
    ("conical", dict(sideA="conical", sideA_a=0.5)),
    ("frustum", None),
    ("spherical cap", dict(sideA="spherical", sideA_a=0.44)),
    ("standard dished", dict(sideA="torispherical", sideA_f=1.0, sideA_k=0.1)),
    ("non-standard dished", dict(sideA="torispherical", sideA_f=1.0, sideA_k=0.11)),
    ("hemispherical", dict(sideA="spherical", sideA_a=1.0)),
    ("flat", dict()),
]


def both_sides(side):
    """The same head on both ends."""
    out = dict(side)
    for key, value in side.items():
        out[key.replace("sideA", "sideB")] = value
    return out


def per_level_seconds(tank, diameter, min_time=1.0):
    """CPU seconds of one V_from_h, over the levels 0 .. D·4095/4096 in turn."""
    levels = [diameter * i / STEPS for i in range(STEPS)]
    volume = tank.V_from_h
    rounds = 0
    start = time.process_time()
    while True:
        for h in levels:
            volume(h)
        rounds += 1
        elapsed = time.process_time() - start
        if elapsed >= min_time:
            return elapsed / (rounds * STEPS)


def million_row_seconds():
    tank = TANK(D=2.6, L=8.08, horizontal=True, sideA="ellipsoidal", sideB="ellipsoidal",
                sideA_a=0.65, sideB_a=0.65)
    rows = 1000000
    start = time.process_time()
    volume = tank.V_from_h
    volumes = [volume(2.6 * i / (rows - 1)) for i in range(rows)]
    elapsed = time.process_time() - start
    assert len(volumes) == rows
    return elapsed


def exact_times(binary):
    """CPU seconds per benchmark name from one run of exact_bench."""
    out = subprocess.run([binary, "--benchmark_format=json"], check=True, capture_output=True,
                         text=True).stdout
    times = {}
    for b in json.loads(out)["benchmarks"]:
        scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[b["time_unit"]]
        times[b["name"]] = b["cpu_time"] * scale
    return times


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--exact-bench", help="exact_bench binary to run for the ratios")
    args = parser.parse_args()
    exact = exact_times(args.exact_bench) if args.exact_bench else {}

    print(f"{'level tank, both heads':28} {'exact ns':>10} {'fluids ns':>10} {'exact/fluids':>13}")
    for kind, (name, side) in enumerate(HEADS):
        mine = exact.get(f"ExactLevelPerHeadKind/{kind}")
        peer = None
        if side is not None:
            tank = TANK(D=2.0, L=6.08, horizontal=True, **both_sides(side))
            peer = per_level_seconds(tank, 2.0)
        cells = [f"{mine * 1e9:10.1f}" if mine else f"{'-':>10}",
                 f"{peer * 1e9:10.1f}" if peer else f"{'no peer':>10}",
                 f"{mine / peer:13.3f}" if mine and peer else f"{'-':>13}"]
        print(f"{name:28} {' '.join(cells)}")
    tilted = exact.get("ExactTiltedWithHeads")
    if tilted:
        print(f"{'tilted with heads':28} {tilted * 1e9:10.1f} {'no peer':>10} {'-':>13}")
    table = million_row_seconds()
    mine = exact.get("ExactMillionRowTable")
    print()
    print(f"{'1,000,000-row table':28} {'exact s':>10} {'fluids s':>10} {'exact/fluids':>13}")
    print(f"{'example tank':28} {mine if mine else float('nan'):10.3f} {table:10.3f} "
          f"{(mine / table) if mine else float('nan'):13.3f}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
