// The wetted volume of one profile piece by quadrature: for the knuckle of a dished head,
// whose wetted volume has no closed form, for every head of a tilted tank, and wherever a
// closed form would lose the digits it needs to cancellation.
#pragma once

#include "exact/head_profile.h"

namespace quorvel::exact {

// The tank's cross-section at full size: semi-axes A/2 (along the gauge) and B/2, the A axis
// leaning by the roll β; profile radii are divided by `rim` to scale it.
struct SectionShape {
    double ab = 0;     // (A/2)·(B/2), mm²
    double reach = 0;  // how far the full section reaches upward from its centre, mm
    double rim = 0;    // the profile radius of the full section, mm
};

// The liquid's line in the section at the piece's axial position z: c(z) = c0 + dc·z above
// the section's centre, mm. below0 = reach + c0 and above0 = reach − c0 are how far it lies
// above the full section's lowest point and below its highest one at z = 0, as accurately as
// the caller knows them (from the level itself: h and A − h on a level tank), so that a thin
// wetted or dry layer keeps its relative accuracy.
struct LinearCut {
    double c0 = 0, dc = 0;
    double below0 = 0, above0 = 0;
    double at(double z) const { return c0 + dc * z; }
};

// ∫ over the piece of the section's area below the line (mm³), the section at z being the
// full one scaled by r(z)/rim: a·b·ρ² times the unit disk's segment below the line, from the
// line's gap to the section's nearer extreme (unitSegment). Split where the line touches a
// section's top or bottom (found in closed form: a line piece gives a linear equation, an arc
// piece P·cos θ + B·sin θ = C in its angle θ, z = zc + w·sin θ); whole sections in closed form
// (π·a·b/rim²·∫ r² dz); a mostly wet stretch as its whole less its dry part, so that the
// relative tolerance below applies to the thin layer. The cut stretches by the 21-point
// Kronrod rule, halved while its difference from the embedded 10-point Gauss rule exceeds both
// 10⁻⁹ of the stretch and `floor` (mm³; near empty the area's own rounding is larger than any
// relative tolerance). On these analytic integrands the Kronrod error is about the 3/2 power
// of that difference (QUADPACK's rule of thumb), ~3·10⁻¹⁴; measured against 32-digit
// integrals of ellipsoidal, conical, spherical-cap and dished heads on tanks tilted 0.5° to
// 10° and rolled to 15°, at most 3·10⁻¹⁴ of each part, with 38 evaluations a level for the
// tilted tank of the benchmarks (the 15-point rule needed 85 for the same accuracy). Arcs are
// integrated over their angle (smooth where r(z) has its square-root end), and a touching end,
// where the area has a (z − z*)^{3/2} kink, is stretched by z = lo + ℓ·t², which leaves the
// rule a smooth integrand.
double integratePiece(const ProfilePiece& piece, const SectionShape& section, LinearCut cut,
                      double floor);

// ∫ r(z)² dz (mm³) over the whole piece in closed form, from the radii at its ends: a line
// ℓ·(r0² + r0·r1 + r1²)/3, an arc the ball's zone (q/w)²·ℓ·(3·(w0² + w1²) + ℓ²)/6 plus, off the
// axis, its centre's terms; no difference of nearly equal primitives, so a shallow cap keeps
// its digits.
double squaredRadiusIntegral(const ProfilePiece& piece);

}  // namespace quorvel::exact
