#!/usr/bin/python3
"""Reference volumes of one torispherical or spherical-cap head of a horizontal tank, from
python-fluids (an independent implementation of the published closed forms and integrals).

Prints one case a line: kind, D, the head's dimensions, the level and the volume (m3).
With --check FILE, exits 1 unless FILE holds exactly what this script prints."""
import sys

from fluids.geometry import V_horiz_spherical, V_horiz_torispherical

MM3_TO_M3 = 1e-9


def dished_cases():
    # (D, crown radius Ri, depth s of the dished part): standard Ri = D with r = 0.1 D, and
    # non-standard heads whose knuckle follows from the depth.
    for D, Ri, s in ((2000.0, 2000.0, None), (2000.0, 2000.0, 400.0), (3000.0, 2400.0, 600.0),
                     (1200.0, 1000.0, 260.0)):
        R = D / 2
        if s is None:
            r = 0.1 * D
        else:
            r = (R * R + s * s - 2 * Ri * s) / (D - 2 * Ri)
        yield D, Ri, s, r


def lines():
    for D, Ri, s, r in dished_cases():
        f, k = Ri / D, r / D
        for frac in (0, 0.001, 0.02, 0.1, 0.25, 0.5, 0.7, 0.9, 0.999, 1):
            h = frac * D
            v = V_horiz_torispherical(D, 0.0, f, k, h, headonly=True) * MM3_TO_M3
            depth = "standard" if s is None else repr(s)
            yield f"torispherical {D!r} {Ri!r} {depth} {h!r} {v!r}"
    for D, a in ((2000.0, 300.0), (2000.0, 1000.0), (1600.0, 150.0)):
        for frac in (0, 0.005, 0.05, 0.3, 0.5, 0.8, 0.995, 1):
            h = frac * D
            v = V_horiz_spherical(D, 0.0, a, h, headonly=True) * MM3_TO_M3
            yield f"spherical {D!r} {a!r} {h!r} {v!r}"


def main():
    text = "".join(line + "\n" for line in lines())
    if len(sys.argv) == 3 and sys.argv[1] == "--check":
        with open(sys.argv[2], encoding="ascii") as f:
            if f.read() != text:
                print(f"{sys.argv[2]} is out of date: regenerate it with {sys.argv[0]}")
                return 1
        return 0
    sys.stdout.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
