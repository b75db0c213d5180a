// The wetted area of one cross-section: an ellipse cut by a straight line.
#pragma once

#include <cmath>
#include <numbers>

namespace quorvel::exact {

// Area of the unit disk below the line at signed distance x from its centre:
// π/2 + arcsin x + x·√(1 − x²), 0 for x ≤ −1, π for x ≥ 1.
inline double unitDiskBelow(double x) {
    if (x <= -1) {
        return 0;
    }
    if (x >= 1) {
        return std::numbers::pi;
    }
    return std::numbers::pi / 2 + std::asin(x) + x * std::sqrt((1 - x) * (1 + x));
}

// How far an ellipse of semi-axes a (leaning by β from the upward direction) and b reaches
// upward from its centre: √(a²·cos²β + b²·sin²β).
inline double upwardReach(double a, double b, double beta) {
    const double ca = a * std::cos(beta), sb = b * std::sin(beta);
    return std::sqrt(ca * ca + sb * sb);
}

// Area (mm²) of the ellipse with semi-axes a, b whose a-axis leans by β from the upward
// direction, below the line at distance c above its centre. The affine map onto the unit
// disk keeps area ratios and takes the line to distance c / upwardReach: a·b·unitDiskBelow.
// Any c; checked against the circular segment R²·(π/2 + asin(c/R)) + c·√(R² − c²).
inline double ellipseAreaBelow(double a, double b, double beta, double c) {
    return a * b * unitDiskBelow(c / upwardReach(a, b, beta));
}

}  // namespace quorvel::exact
