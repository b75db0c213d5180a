#!/usr/bin/python3
"""Reference shell corrections CTSh(h) = k^3 V(h/k) / V(h), V from an independent volume model:
the true geometry by mpmath's 32-digit quadrature (tests/exact/true_geometry_reference.py) for
each head kind and a tilted tank, straight lines between calibration points for a calibrated
one. h/k is kept within the tank's levels (0 to its height, or its points), and CTSh is 1 where
V(h) is 0, as the model states.

Each case holds the window's controls (for the test) and the same tank as the reference draws
it: the cylinder is the shell length plus both straight flanges, a head's depth is its total
depth less its flange.

Usage: shell_correction_reference.py > tests/golden/tank/shell_correction.json"""
import json
import os
import sys

import mpmath as mp

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "exact"))
import true_geometry_reference as ref  # noqa: E402

mp.mp.dps = 32
F = mp.mpf
ALPHA = F("1.116e-5")  # mild carbon steel, per degC


def heads(left_radio, right_radio, left_fields, right_fields):
    s = {"Edit1": "2000", "Edit2": "5000", left_radio: "1", right_radio: "1"}
    s.update(left_fields)
    s.update(right_fields)
    return s


# name, page, controls, method, dT, geometry (A, B, length, alpha deg, beta deg, gauge, low, high)
CASES = [
    ("standard ellipsoidal", 0, {"Edit1": "2000", "Edit2": "5000"}, "exact", 40,
     (2000, 2000, 5050, 0, 0, 0, "ell:500", "ell:500")),
    ("standard ellipsoidal, cold shell", 0, {"Edit1": "2000", "Edit2": "5000"}, "exact", -40,
     (2000, 2000, 5050, 0, 0, 0, "ell:500", "ell:500")),
    ("non-standard ellipsoidal", 0,
     heads("RadioButton15", "RadioButton8", {"Edit21": "20", "Edit22": "300"},
           {"Edit10": "20", "Edit11": "300"}), "exact", 40,
     (2000, 2000, 5040, 0, 0, 0, "ell:280", "ell:280")),
    ("conical", 0,
     heads("RadioButton16", "RadioButton9", {"Edit23": "30", "Edit24": "500"},
           {"Edit12": "30", "Edit14": "500"}), "exact", 40,
     (2000, 2000, 5060, 0, 0, 0, "cone:470", "cone:470")),
    ("frustum", 0,
     heads("RadioButton17", "RadioButton10", {"Edit25": "30", "Edit26": "430", "Edit28": "800"},
           {"Edit15": "30", "Edit16": "430", "Edit18": "800"}), "exact", 40,
     (2000, 2000, 5060, 0, 0, 0, "frus:400:800", "frus:400:800")),
    ("spherical cap", 0,
     heads("RadioButton18", "RadioButton11", {"Edit27": "440"}, {"Edit17": "440"}), "exact", 40,
     (2000, 2000, 5000, 0, 0, 0, "cap:440", "cap:440")),
    ("standard dished", 0, heads("RadioButton19", "RadioButton12", {}, {}), "exact", 40,
     (2000, 2000, 5050, 0, 0, 0, "tori:2000:200", "tori:2000:200")),
    ("non-standard dished", 0,
     heads("RadioButton5", "RadioButton6", {"Edit38": "25", "Edit43": "425", "Edit44": "2000"},
           {"Edit45": "25", "Edit46": "425", "Edit47": "2000"}), "exact", 40,
     (2000, 2000, 5050, 0, 0, 0, "dish:2000:400", "dish:2000:400")),
    ("hemispherical", 0, heads("RadioButton20", "RadioButton13", {}, {}), "exact", 40,
     (2000, 2000, 5000, 0, 0, 0, "ell:1000", "ell:1000")),
    ("flat, classic", 0, heads("RadioButton21", "RadioButton14", {}, {}), "classic", 40,
     (2000, 2000, 5000, 0, 0, 0, "flat", "flat")),
    ("flat, exact", 0, heads("RadioButton21", "RadioButton14", {}, {}), "exact", 40,
     (2000, 2000, 5000, 0, 0, 0, "flat", "flat")),
    ("tilted 1.5 deg, standard ellipsoidal", 1,
     {"Edit29": "1.5", "Edit30": "0", "Edit39": "2000", "Edit40": "2600", "Edit41": "2600",
      "Edit42": "8551", "RadioButton3": "1"}, "exact", 40,
     (2600, 2600, 8631, 1.5, 0, 6551, "ell:650", "ell:650")),
]
POINTS = [("0", "0"), ("400", "1800"), ("1000", "7000"), ("1600", "12300"), ("2000", "15000")]


def growth(dt):
    return 1 + ALPHA * dt


def ctsh(volume, h, k, low, high):
    v = volume(h)
    if v == 0:
        return F(1), v
    scaled = min(max(h / k, low), high)
    return k ** 3 * volume(scaled) / v, v


def main():
    out = []
    for name, page, controls, method, dt, g in CASES:
        A, B, length, alpha, beta, gauge, low, high = g
        volume = lambda h: sum(ref.parts(F(A), F(B), F(length), F(alpha) * mp.pi / 180,
                                         F(beta) * mp.pi / 180, F(gauge), low, high, h))
        k = growth(dt)
        levels = [A * i / 20 for i in range(1, 21)]
        rows = [ctsh(volume, F(h), k, F(0), F(A)) for h in levels]
        out.append({"name": name, "page": page, "set": controls, "method": method,
                    "growth": float(k), "levels": levels,
                    "litres": [float(v * 1000) for _, v in rows],
                    "ctsh": [mp.nstr(c, 17) for c, _ in rows]})
        print(name, file=sys.stderr, flush=True)
    xs = [F(p[0]) for p in POINTS]
    ys = [F(p[1]) for p in POINTS]

    def interpolated(h):
        for i in range(1, len(xs)):
            if h <= xs[i]:
                return (ys[i - 1] + (ys[i] - ys[i - 1]) * (h - xs[i - 1]) / (xs[i] - xs[i - 1])) / 1000
        return ys[-1] / 1000

    k = growth(40)
    levels = [2000 * i / 20 for i in range(1, 21)]
    rows = [ctsh(interpolated, F(h), k, xs[0], xs[-1]) for h in levels]
    out.append({"name": "calibrated", "page": 3, "points": POINTS, "set": {}, "method": "classic",
                "growth": float(k), "levels": levels, "litres": [float(v * 1000) for _, v in rows],
                "ctsh": [mp.nstr(c, 17) for c, _ in rows]})
    json.dump({"about": __doc__.split("\n\n")[0], "cases": out}, sys.stdout, indent=1,
              ensure_ascii=False)
    print()
    return 0


if __name__ == "__main__":
    sys.exit(main())
