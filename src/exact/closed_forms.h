// Closed forms of the wetted volume of solids of revolution about a horizontal axis, each with
// a bound on its own rounding error, so that a caller can tell when cancellation has eaten the
// digits it needs and integrate instead. Millimetres; areas mm², volumes mm³.
//
// A solid of revolution about a horizontal axis holds, below the horizontal plane at height c
// above its axis, ∫ S(r(z), c) dz where S(r, c) is the area of the circle of radius r below
// the line at c. S(r, c) + S(r, −c) = π·r², so every volume below c > 0 is the whole less the
// volume below −c: the routines here take the plane below the axis, at depth d = −c ≥ 0, and
// the gap from the circle's lowest point to the plane, r − d, which callers know more
// accurately than r − d rounds to (the level itself on the shell).
#pragma once

namespace quorvel::exact {

// A value with a bound on the rounding error of the way it was computed (not on the errors of
// its inputs).
struct Bounded {
    double value = 0;
    double error = 0;
};

// Area (mm²) of the circle of radius r below the chord at height `gap` above its lowest point
// (any gap: 0 below the circle, π·r² above it): r²·unitSegment(gap/r), or the whole less the
// segment above the chord for gap > r.
double circleSegment(double r, double gap);

// G(r) = ∫_d^r ρ²·seg(d/ρ) dρ (mm⁴), seg the unit circle's segment below −x, for r > d ≥ 0;
// 0 for r ≤ d. A horizontal cone frustum whose radius runs linearly from r0 to r1 over its
// length ℓ holds ℓ·(G(r1) − G(r0))/(r1 − r0) below the plane at depth d. G(r) = r³/3·K(d/r),
// K(M) = acos M + M³·acosh(1/M) − 2M·√(1 − M²) (Jones, "Calculating Tank Volume", the
// horizontal conical head; python-fluids V_horiz_conical). K ≈ 2/5·s⁵ for s = √(1 − M²) → 0,
// where the three terms cancel: below s = 0.15 its Taylor series in s (ten terms), up to
// s = 0.5 the closed form in long double, above it in double. `gap` is r − d.
Bounded coneIntegral(double r, double d, double gap);

// The zone of the ball of radius Q from the plane at axial offset t0 from its centre
// (−Q ≤ t0 ≤ Q) to its pole at Q, below the horizontal plane at depth d ≥ 0 under the centre;
// the planes are perpendicular to the horizontal axis. e0 = √(Q² − t0²) is the radius of the
// circle at t0, eGap = e0 − d and qGap = Q − d, each given as the caller knows it most
// accurately. Half the cap below the plane, π/6·qGap²·(3Q − qGap), less H(t0), the slab
// between the centre plane and t0 (H(−t) = −H(t)); for 0 < t ≤ Q and W = √(e² − d²):
//   H = 2/3·Q³·atan2(d·t, Q·W) + t·(e² + 2Q²)/3·atan2(W, d) − 2/3·t·d·W
//       − (Q²·d − d³/3)·atan2(t, W)       while d < e,
//   H = π/6·(Q − d)²·(2Q + d)             once d ≥ e (the circle at t is dry).
// Derived by slicing the ball horizontally; it is the partial volume of a horizontal spherical
// head (Jones, "Calculating Tank Volume"; python-fluids V_horiz_spherical). In double, or in
// long double where the terms cancel too far for double; the bound is the size of the terms
// times the type's epsilon. A stretched ball is an ellipsoid of revolution: ellipsoidal and
// hemispherical heads (t0 = 0), spherical caps and the crown of a dished head.
Bounded sphereZone(double Q, double t0, double e0, double d, double eGap, double qGap);
Bounded sphereZone(long double Q, long double t0, long double e0, long double d, long double eGap,
                   long double qGap);

// ∫_{−1}^{x} U(u) du for the unit disk's area U(u) below the line at u: 0 for x ≤ −1,
// π·x for x ≥ 1, and in between, with Θ = 2·asin(√((1 + x)/2)) for x ≤ 0,
// sin Θ − Θ·cos Θ − sin³Θ/3 (its Taylor series below Θ = 1), and π·x + F(−x) for x > 0.
// The tilted cylinder holds a·b·reach/tan α·(F(x(0)) − F(x(L))) (x = c/reach along the
// axis): the circular segment (Jones's A_f) integrated along the axis. `below` = 1 + x and
// `above` = 1 − x are given as accurately as the caller knows them.
double diskBelowIntegral(double x, double below, double above);

}  // namespace quorvel::exact
