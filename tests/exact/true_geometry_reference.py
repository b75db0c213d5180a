#!/usr/bin/python3
"""32-digit reference volumes of the true-geometry model, by mpmath's tanh-sinh quadrature of
the wetted section area along the axis (the model's definition, not its closed forms).

Writes tests/golden/exact/true_geometry.txt: one case a line,
    A B length alpha_deg beta_deg gauge low_head high_head level low shell high
millimetres and degrees in, cubic metres out; head tokens: flat, ell:depth, cone:height,
frus:height:small_diameter, cap:depth, tori:crown:knuckle, dish:crown:depth, drawn for the rim
radius B/2 as src/exact/head_profile.cpp draws them. The section at axial position z is the
ellipse of semi-axes (A/2, B/2)·r(z)/(B/2), its A axis leaning by beta; the liquid lies below
the line at c(z) = (level - A/2)·cos(beta) + (gauge - sigma)·tan(alpha) from its centre
(sigma = -z on the low head, length + z on the high one). Each piece is split where the line
touches a section (roots found by bisection to 100 bits), and each stretch integrated.

Usage: true_geometry_reference.py > tests/golden/exact/true_geometry.txt (about a minute)."""
import sys

import mpmath as mp

mp.mp.dps = 32
F = mp.mpf


def arc(z0, z1, centre, q, zc, w):
    return ("arc", z0, z1, centre, q, zc, w)


def line(z0, z1, centre, slope):
    return ("line", z0, z1, centre, slope)


def profile(token, R):
    kind, *dims = token.split(":")
    dims = [F(x) for x in dims]
    if kind == "flat" or (dims and dims[0] == 0):
        return []
    if kind == "ell":
        return [arc(0, dims[0], 0, R, 0, dims[0])]
    if kind == "cone":
        return [line(0, dims[0], R, -R / dims[0])]
    if kind == "frus":
        return [line(0, dims[0], R, (dims[1] / 2 - R) / dims[0])]
    if kind == "cap":
        s = dims[0]
        rs = (R * R + s * s) / (2 * s)
        return [arc(0, s, 0, rs, s - rs, rs)]
    if kind in ("tori", "dish"):
        Ri = dims[0]
        if kind == "tori":
            r = dims[1]
            s = Ri - mp.sqrt((Ri - r) ** 2 - (R - r) ** 2)
        else:
            s = dims[1]
            r = (R * R + s * s - 2 * Ri * s) / (2 * R - 2 * Ri)
        join = r * (Ri - s) / (Ri - r)
        return [arc(0, join, R - r, r, 0, r), arc(join, s, 0, Ri, s - Ri, Ri)]
    raise ValueError(token)


def radius(p, z):
    if p[0] == "line":
        return p[3] + p[4] * z
    _, _, _, centre, q, zc, w = p
    u = (z - zc) / w
    rest = (1 - u) * (1 + u)
    return centre + q * mp.sqrt(rest if rest > 0 else 0)


def below(x):
    """The unit disk's area below the line at x."""
    if x <= -1:
        return F(0)
    if x >= 1:
        return mp.pi
    return mp.pi / 2 + mp.asin(x) + x * mp.sqrt(1 - x * x)


def piece_volume(p, ab, reach, rim, c0, dc):
    z0, z1 = p[1], p[2]

    def area(z):
        rho = radius(p, z) / rim
        return ab * rho * rho * below((c0 + dc * z) / (reach * rho)) if rho > 0 else F(0)

    points = [z0, z1]
    steps = 400
    for sign in (1, -1):
        def touch(z):
            return reach * radius(p, z) / rim - sign * (c0 + dc * z)
        zs = [z0 + (z1 - z0) * i / steps for i in range(steps + 1)]
        gs = [touch(z) for z in zs]
        for i in range(steps):
            if (gs[i] > 0) != (gs[i + 1] > 0):
                a, b = zs[i], zs[i + 1]
                for _ in range(110):
                    m = (a + b) / 2
                    if (touch(m) > 0) == (gs[i] > 0):
                        a = m
                    else:
                        b = m
                points.append((a + b) / 2)
    return mp.quad(area, sorted(points))


def parts(A, B, length, alpha, beta, gauge, low, high, level):
    a, b, rim = A / 2, B / 2, B / 2
    reach = mp.sqrt((a * mp.cos(beta)) ** 2 + (b * mp.sin(beta)) ** 2)
    rise = mp.tan(alpha)
    at_gauge = (level - a) * mp.cos(beta)
    head = lambda pieces, c0, dc: sum((piece_volume(p, a * b, reach, rim, c0, dc)
                                       for p in pieces), F(0))
    v_low = head(profile(low, rim), at_gauge + gauge * rise, rise)
    v_shell = piece_volume(line(0, length, rim, 0), a * b, reach, rim, at_gauge + gauge * rise,
                           -rise)
    v_high = head(profile(high, rim), at_gauge + (gauge - length) * rise, -rise)
    return [v * F(10) ** -9 for v in (v_low, v_shell, v_high)]


# (A, B, length, alpha, beta, gauge, low head, high head): every head kind on a level tank
# with circular and elliptical sections, zero-depth heads, a rolled level tank, tilted tanks.
LEVEL_HEADS = ["ell:500", "ell:300", "ell:1000", "ell:0", "cone:500", "cone:0", "frus:400:800",
               "frus:200:1990", "frus:200:2400", "frus:2000:2030", "cap:440", "cap:150", "cap:30",
               "cap:1300", "cap:0", "tori:2000:200", "dish:2000:400"]
SHAPES = []
for A, B in ((2000, 2000), (1500, 2200), (2400, 1800)):
    for i, h in enumerate(LEVEL_HEADS):
        SHAPES.append((A, B, 5000, 0, 0, 0, h, LEVEL_HEADS[(i + 5) % len(LEVEL_HEADS)]))
SHAPES += [
    (1600, 2400, 4000, 0, 10, 1000, "cap:440", "cone:600"),
    (2000, 2000, 6000, 0.5, 0, 1000, "ell:500", "tori:2000:200"),
    (1500, 2200, 6000, 2, 3, 3000, "cone:500", "cap:440"),
    (2400, 1800, 6000, 10, -15, 4000, "dish:2000:400", "frus:400:800"),
    (2000, 2000, 6000, 3, 0, 5000, "cap:150", "flat"),
]
LEVEL_FRACTIONS = (1e-5, 1e-3, 0.01, 0.1, 0.37, 0.5, 0.63, 0.9, 0.99, 0.999, 0.99999, 1.0)


def levels(A, length, alpha, beta):
    if alpha == 0:
        return [f * A for f in LEVEL_FRACTIONS]
    # Across the whole span the plane sweeps: from below the low end to above the high one.
    reach = (length + 3000) * float(mp.tan(F(alpha) * mp.pi / 180)) + A
    return [-reach + (A + 2 * reach) * i / 12 for i in range(13)]


def main():
    for A, B, length, alpha, beta, gauge, low, high in SHAPES:
        for level in levels(A, length, alpha, beta):
            v = parts(F(A), F(B), F(length), F(alpha) * mp.pi / 180, F(beta) * mp.pi / 180,
                      F(gauge), low, high, F(level))
            print(f"{A} {B} {length} {alpha} {beta} {gauge} {low} {high} {level!r} "
                  + " ".join(mp.nstr(x, 20, min_fixed=1, max_fixed=0) for x in v), flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
