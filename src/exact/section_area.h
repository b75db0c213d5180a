// The wetted area of one cross-section: an ellipse cut by a straight line.
#pragma once

#include <cmath>
#include <initializer_list>
#include <numbers>

namespace quorvel::exact {

// φ − sin φ for 0 ≤ φ ≤ π: its Taylor series φ³/3! − φ⁵/5! + … to φ¹⁹ below φ = 1 (the next
// term is below 10⁻¹⁷ of the first), the difference itself above it (at most 6 ulps lost).
inline double phiLessSine(double phi) {
    if (phi >= 1) {
        return phi - std::sin(phi);
    }
    const double p2 = phi * phi;
    double sum = 1.0 / 121645100408832000.0;  // 1/19!
    for (const double c :
         {-1.0 / 355687428096000.0, 1.0 / 1307674368000.0, -1.0 / 6227020800.0, 1.0 / 39916800.0,
          -1.0 / 362880.0, 1.0 / 5040.0, -1.0 / 120.0, 1.0 / 6.0}) {
        sum = sum * p2 + c;
    }
    return sum * p2 * phi;
}

// Area of the unit disk below the chord at height η above its lowest point, 0 ≤ η ≤ 1 (the
// circular segment; Jones, "Calculating Tank Volume", A_f for R = 1): with θ = 2·asin(√(η/2))
// its half-angle, θ − (1 − η)·√(η·(2 − η)), and (2θ − sin 2θ)/2 by its series below θ = 1/2,
// where the two terms cancel; a thin segment (≈ 4/3·√2·η^{3/2}) keeps its relative accuracy
// when η itself is accurate, as a gap computed from the level is. Relative error a few ulps.
inline double unitSegment(double eta) {
    if (!(eta > 0)) {
        return 0;
    }
    const double theta = 2 * std::asin(std::sqrt(eta / 2));
    if (theta < 0.5) {
        return phiLessSine(2 * theta) / 2;
    }
    return theta - (1 - eta) * std::sqrt(eta * (2 - eta));
}

// How far an ellipse of semi-axes a (leaning by β from the upward direction) and b reaches
// upward from its centre: √(a²·cos²β + b²·sin²β). The affine map onto the unit disk keeps area
// ratios and takes a line at height c to c / upwardReach: the ellipse's area below it is
// a·b times the unit disk's.
inline double upwardReach(double a, double b, double beta) {
    const double ca = a * std::cos(beta), sb = b * std::sin(beta);
    return std::sqrt(ca * ca + sb * sb);
}

}  // namespace quorvel::exact
