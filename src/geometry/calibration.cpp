// Straight-line (two-point Lagrange) interpolation between neighbouring calibration points,
// extending the first and last segments beyond the measured range.
#include <algorithm>

#include "geometry/fp_guard.h"
#include "geometry/geometry.h"
#include "geometry/geometry_messages.h"
#include "geometry/numeric.h"
#include "geometry/unguarded.h"

namespace quorvel {

using namespace detail;

namespace {

ld onSegment(const double* X, const double* Y, int i, ld t) {
    return (static_cast<ld>(Y[i]) - Y[i - 1]) * (t - X[i - 1]) /
               (static_cast<ld>(X[i]) - X[i - 1]) +
           Y[i - 1];
}

}  // namespace

template <typename Guard>
double GetValueLagrangeBody(int n, const double* X, const double* Y, double t, bool ascending) {
    if (n < 2) {
        throw ArithmeticError(geometry_messages::kTooFewPoints);
    }
    Guard guard;
    const int m = n - 1;
    const ld lv = t;
    ld v;
    if (t == X[m]) {
        v = Y[m];
    } else if (t > X[m]) {
        v = onSegment(X, Y, m, lv);
    } else if (t <= X[0]) {
        v = static_cast<ld>(Y[0]) -
            (static_cast<ld>(Y[1]) - Y[0]) * (X[0] - lv) / (static_cast<ld>(X[1]) - X[0]);
    } else {
        // The first i with t ≤ X[i], as a plain walk finds it (points out of order included);
        // blocks of eight are skipped while none of them qualifies.
        int i = 1;
        if (ascending) {
            // Levels that never fall: the first X[i] ≥ t is the walk's stop.
            i = static_cast<int>(std::lower_bound(X + 1, X + m, t) - X);
        }
        while (i + 8 <= m) {
            bool found = false;
            for (int k = 0; k < 8; ++k) {
                found |= t <= X[i + k];
            }
            if (found) {
                break;
            }
            i += 8;
        }
        while (i < m && !(t <= X[i])) {
            ++i;
        }
        v = onSegment(X, Y, i, lv);
    }
    // Equal levels at a used end segment divide by zero: the caller gets the failure.
    guard.check(v);
    return static_cast<double>(v);
}

double GetValueLagrange(int n, const double* X, const double* Y, double t) {
    return GetValueLagrangeBody<FpGuard>(n, X, Y, t, false);
}

double GetValueLagrangeAscending(int n, const double* X, const double* Y, double t) {
    return GetValueLagrangeBody<FpGuard>(n, X, Y, t, true);
}

namespace unguarded {

double GetValueLagrange(int n, const double* X, const double* Y, double t) {
    return GetValueLagrangeBody<NoGuard>(n, X, Y, t, false);
}

double GetValueLagrangeAscending(int n, const double* X, const double* Y, double t) {
    return GetValueLagrangeBody<NoGuard>(n, X, Y, t, true);
}

}  // namespace unguarded

}  // namespace quorvel
